#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/LightChecks.h"
#include "model/LightTexts.h"
#include "model/ProjectorType.h"
#include "views/ItemViews.h"
#include "views/LengthEdit.h"
#include "views/OptionalNumberEdit.h"
#include "views/QorView.h"
#include "views/ValueLabel.h"

#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <QUndoStack>

#include <memory>

#include "AccessibleWidgets.h"
#include "ProjectWindow.h"

namespace lumivane {

using test::Named;
using test::Type;

namespace {

// The example's 2K room: digital flat and scope.
constexpr int kDigital = 1;

QString Shown(const QWidget* view, const QString& name) {
    const auto* value = Named<ValueLabel>(view, name);
    return value != nullptr ? value->text() : u"(none)"_qs;
}

} // namespace

class LightFieldsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { m_window.reset(); }
    void aTypedRoomValueIsOneStepAndNonsenseIsRefused();
    void seatRowsGiveTheSightlinesTheViewShows();
    void theLumensReachEverySetUpFigure();

private:
    const CAuditorium& Room() const { return *m_window->doc.GetAuditorium(kDigital); }
    const CProjectorType& Projector() const { return *m_window->doc.GetProjector(kDigital, 0); }
    void Enter(QWidget* field, const QString& text) {
        Type(field, text);
        if (text.isEmpty()) {
            QTest::keyClick(field, Qt::Key_Backspace);
        }
        QTest::keyClick(field, Qt::Key_Return);
    }

    std::unique_ptr<test::ProjectWindow> m_window;
};

void LightFieldsTest::init() {
    m_window = std::make_unique<test::ProjectWindow>();
    RegisterItemViews(*m_window->pane, m_window->relay, m_window->Hooks());
    QVERIFY(m_window->ShowExample({1100, 900}));
}

void LightFieldsTest::aTypedRoomValueIsOneStepAndNonsenseIsRefused() {
    m_window->pane->ShowAuditorium(kDigital);
    QWidget* view = m_window->pane->CurrentView();
    auto* gain = Named<OptionalNumberEdit>(view, u"Screen gain"_qs);
    auto* glass = Named<OptionalNumberEdit>(view, u"Port glass"_qs);
    QVERIFY(gain != nullptr && glass != nullptr);
    QCOMPARE(gain->placeholderText(), u"1.0"_qs);

    Enter(gain, u"1,4"_qs);
    QCOMPARE(Room().Light().screenGain, std::optional<double>(1.4));
    QCOMPARE(gain->text(), u"1.4"_qs);
    const int steps = m_window->undo.Stack()->count();
    // Out of range and not a number: nothing stored, the stored value shown again.
    Enter(gain, u"7"_qs);
    Enter(glass, u"clear"_qs);
    QCOMPARE(Room().Light().screenGain, std::optional<double>(1.4));
    QCOMPARE(gain->text(), u"1.4"_qs);
    QCOMPARE(glass->text(), u"0.97"_qs);
    QCOMPARE(m_window->undo.Stack()->count(), steps);

    Enter(glass, QString());
    Enter(gain, QString());
    QCOMPARE(m_window->undo.Stack()->count(), steps + 2);
    QVERIFY(!Room().Light().screenGain && !Room().Light().portGlass);
    QVERIFY(glass->text().isEmpty());
    m_window->undo.Undo();
    QCOMPARE(Room().Light().screenGain, std::optional<double>(1.4));
    QCOMPARE(gain->text(), u"1.4"_qs);
    m_window->undo.Undo();
    QCOMPARE(Room().Light().portGlass, std::optional<double>(0.97));
    QCOMPARE(glass->text(), u"0.97"_qs);
}

void LightFieldsTest::seatRowsGiveTheSightlinesTheViewShows() {
    m_window->pane->ShowAuditorium(kDigital);
    QWidget* view = m_window->pane->CurrentView();
    QCOMPARE(Shown(view, u"Farthest row angle"_qs),
             QString::fromStdString(HorizontalAngleText(CheckSightlines(Room()).farthestRowAngle)));
    Enter(Named<LengthEdit>(view, u"Nearest row"_qs), u"4"_qs);
    Enter(Named<LengthEdit>(view, u"Farthest row"_qs), u"18"_qs);
    Enter(Named<LengthEdit>(view, u"Eye height"_qs), u"1.1"_qs);
    const SeatRows rows{4.0, 18.0, 1.1};
    QCOMPARE(Room().Light().rows, rows);
    const RoomSightlines lines = CheckSightlines(Room());
    QVERIFY(lines.farthestRowAngle && lines.nearestRowVerticalAngle);
    QCOMPARE(Shown(view, u"Farthest row angle"_qs),
             QString::fromStdString(HorizontalAngleText(lines.farthestRowAngle)));
    QCOMPARE(Shown(view, u"Nearest row vertical angle"_qs),
             QString::fromStdString(VerticalAngleText(lines.nearestRowVerticalAngle)));
    QCOMPARE(Shown(view, u"Farthest row distance"_qs),
             QString::fromStdString(WidthsText(lines.farthestRowWidths)));
    m_window->Grab(view, {1100, 900}, u"light-auditorium"_qs);

    // A farthest row nearer than the nearest is refused; emptied, a row is not known again.
    auto* farthest = Named<LengthEdit>(view, u"Farthest row"_qs);
    Enter(farthest, u"2"_qs);
    QCOMPARE(Room().Light().rows, rows);
    QCOMPARE(farthest->OptionalValue(), std::optional<double>(18.0));
    Enter(farthest, QString());
    QVERIFY(!Room().Light().rows.farthest);
    QVERIFY(farthest->text().isEmpty());
    QCOMPARE(Shown(view, u"Farthest row angle"_qs), u"not known"_qs);
    m_window->undo.Undo();
    QCOMPARE(Room().Light().rows, rows);
    QCOMPARE(farthest->OptionalValue(), std::optional<double>(18.0));
}

void LightFieldsTest::theLumensReachEverySetUpFigure() {
    m_window->pane->ShowProjector(kDigital, 0);
    QWidget* view = m_window->pane->CurrentView();
    Enter(Named<OptionalNumberEdit>(view, u"Light output"_qs), u"12,000 lm"_qs);
    Enter(Named<OptionalNumberEdit>(view, u"Light factor"_qs), u"0.8"_qs);
    QCOMPARE(Projector().Light(), (ProjectorLight{12000.0, 0.8}));

    QStringList lines;
    for (int i = 0; i < Projector().LensTypeCount(); ++i) {
        const SetUpLight light = CheckSetUp(Room(), Projector(), *Projector().GetLensType(i));
        QVERIFY(light.luminanceCdM2);
        lines << QString::fromStdString(SetUpLightRowText(light));
    }
    QCOMPARE(Named<QLabel>(view, u"Luminance"_qs)->text(), lines.join(u'\n'));
    m_window->Grab(view, {1100, 900}, u"light-projector"_qs);

    const CLensType& scope = *Projector().GetLensType(1);
    m_window->pane->ShowFormat(kDigital, 0, scope.GetFormat());
    view = m_window->pane->CurrentView();
    const SetUpLight light = CheckSetUp(Room(), Projector(), scope);
    QCOMPARE(Shown(view, u"Luminance"_qs), QString::fromStdString(SetUpLuminanceText(light)));
    QCOMPARE(Shown(view, u"Lumens needed"_qs), QString::fromStdString(LumensNeededText(light)));
    QCOMPARE(Shown(view, u"Target"_qs), QString::fromStdString(TargetText(light.Target())));
    QCOMPARE(Named<ValueLabel>(view, u"Luminance"_qs)->IsWarning(),
             *light.verdict != Verdict::InRange);
    m_window->Grab(view, {1100, 900}, u"light-format"_qs);
}

} // namespace lumivane

QTEST_MAIN(lumivane::LightFieldsTest)
#include "LightFieldsTest.moc"
