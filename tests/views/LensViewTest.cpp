#include "views/LensView.h"

#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "views/ItemViews.h"
#include "views/ValueSlider.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTest>
#include <QUndoStack>

#include <memory>

#include "AccessibleWidgets.h"
#include "ProjectWindow.h"
#include "SliderDrag.h"

namespace lumivane {

using test::Named;

namespace {

constexpr int kCurved = 0;
constexpr int kFlat = 2;

} // namespace

class LensViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { m_window.reset(); }
    void withoutLensShiftEveryShiftControlIsGreyed();
    void slidersStoreTheShiftTheTextNames();
    void aSliderDragIsOneUndoStep();
    void commentsAreOneStepAndMarkTheProject();
    void aSetUpWithoutLensShowsEmptyLensDetails();
    void grabsWithAndWithoutLens();

private:
    CLensView* Show(int auditorium);
    bool HasText(const QString& text) const;
    const CAuditorium& Room() const { return *m_window->doc.GetAuditorium(m_auditorium); }
    const CLensType& SetUp() const { return *Room().GetProjector(0)->GetLensType(0); }
    void AllowShift() {
        m_window->Editor().SetAllowLensShift(m_auditorium, 0, SetUp().GetFormat(), true);
    }

    std::unique_ptr<test::ProjectWindow> m_window;
    CLensView* m_view = nullptr;
    int m_auditorium = kFlat;
};

void LensViewTest::init() {
    m_window = std::make_unique<test::ProjectWindow>();
    RegisterItemViews(*m_window->pane, m_window->relay, m_window->Hooks());
    QVERIFY(m_window->ShowExample({900, 760}));
    m_view = Show(kFlat);
}

CLensView* LensViewTest::Show(int auditorium) {
    m_auditorium = auditorium;
    m_window->pane->ShowLens(auditorium, 0, SetUp().GetFormat());
    return qobject_cast<CLensView*>(m_window->pane->CurrentView());
}

bool LensViewTest::HasText(const QString& text) const {
    for (const QLabel* label : m_view->findChildren<QLabel*>()) {
        if (label->text() == text) {
            return true;
        }
    }
    return false;
}

void LensViewTest::withoutLensShiftEveryShiftControlIsGreyed() {
    const auto enabled = [this](const QString& name) {
        return Named<QWidget>(m_view, name)->isEnabled();
    };
    auto* allow = Named<QCheckBox>(m_view, u"Allow lens shift"_qs);
    auto* automatic = Named<QCheckBox>(m_view, u"Auto lens shift"_qs);
    QVERIFY(!allow->isChecked() && !automatic->isEnabled() && !enabled(u"Alignment"_qs));
    QVERIFY(!enabled(u"Horizontal Shift"_qs) && !enabled(u"Vertical Shift"_qs));
    allow->click();
    QCOMPARE(Room().AllowLensShift(), 1);
    QVERIFY(automatic->isEnabled() && !enabled(u"Alignment"_qs) && enabled(u"Vertical Shift"_qs));
    automatic->click();
    QCOMPARE(Room().AutoLensShift(), 1);
    QVERIFY(enabled(u"Alignment"_qs) && !enabled(u"Horizontal Shift"_qs));
    Named<QComboBox>(m_view, u"Alignment"_qs)->setCurrentIndex(0);
    QCOMPARE(Room().AlignmentValue(), AlignTop);
    allow->click();
    QVERIFY(automatic->isChecked() && !automatic->isEnabled() && !enabled(u"Alignment"_qs));
    QCOMPARE(m_window->undo.Stack()->count(), 4);
    QVERIFY(m_window->doc.IsModified());
}

void LensViewTest::slidersStoreTheShiftTheTextNames() {
    AllowShift();
    QVERIFY(HasText(u"Shift 0.00mm right 0.00mm up."_qs));
    auto* horizontal = Named<ValueSlider>(m_view, u"Horizontal Shift"_qs);
    auto* vertical = Named<ValueSlider>(m_view, u"Vertical Shift"_qs);
    horizontal->setFocus();
    QTest::keyClick(horizontal, Qt::Key_Left);
    vertical->setFocus();
    QTest::keyClick(vertical, Qt::Key_Up);
    QCOMPARE(SetUp().ShiftH(), -static_cast<double>(0.005f) * 0.1);
    QCOMPARE(SetUp().ShiftV(), static_cast<double>(0.005f) * 0.1);
    QVERIFY(HasText(u"Shift 0.50mm left 0.50mm up."_qs));
    QCOMPARE(m_window->undo.Stack()->count(), 3);
}

void LensViewTest::aSliderDragIsOneUndoStep() {
    AllowShift();
    auto* horizontal = Named<ValueSlider>(m_view, u"Horizontal Shift"_qs);
    test::DragSlider(horizontal, {{10, 0}, {20, 0}, {30, 0}});
    QVERIFY(SetUp().ShiftH() > 0);
    QCOMPARE(SetUp().ShiftH(), horizontal->Value() * 0.1);
    QCOMPARE(m_window->undo.Stack()->count(), 2);
    m_window->undo.Undo();
    QCOMPARE(SetUp().ShiftH(), 0.0);
    QCOMPARE(horizontal->value(), 0);
}

void LensViewTest::commentsAreOneStepAndMarkTheProject() {
    auto* comments = Named<QPlainTextEdit>(m_view, u"Comments"_qs);
    comments->setFocus();
    QTest::keyClicks(comments, u"Lens hire"_qs);
    comments->clearFocus();
    QCOMPARE(Room().Comments(), std::string("Lens hire"));
    QCOMPARE(m_window->undo.Stack()->count(), 1);
    QVERIFY(m_window->doc.IsModified());
}

// The lens details empty out; the auditorium's settings and the set-up's shift stay.
void LensViewTest::aSetUpWithoutLensShowsEmptyLensDetails() {
    AllowShift();
    m_window->Editor().ClearLens(kFlat, 0, SetUp().GetFormat());
    m_view->Refresh(true);
    QVERIFY(HasText(u"No Name"_qs) && HasText(u"Diameter: 0 inch"_qs));
    QVERIFY(HasText(u"Shift 0.00mm right 0.00mm up."_qs));
    QVERIFY(Named<QWidget>(m_view, u"Horizontal Shift"_qs)->isEnabled());
    QVERIFY(Named<QWidget>(m_view, u"Allow lens shift"_qs)->isEnabled());
}

// Set LUMIVANE_SCREENSHOTS to a folder to look at the pictures.
void LensViewTest::grabsWithAndWithoutLens() {
    const QString folder = qEnvironmentVariable("LUMIVANE_SCREENSHOTS");
    for (int auditorium : {kFlat, kCurved}) {
        m_view = Show(auditorium);
        AllowShift();
        m_window->Editor().EditLensShift(auditorium, 0, SetUp().GetFormat(), 0.004, -0.006);
        for (const QSize size : {QSize(420, 400), QSize(560, 520), QSize(1100, 800)}) {
            m_window->window.resize(size);
            m_window->pane->resize(size);
            QCoreApplication::processEvents();
            const QPixmap picture = m_view->grab();
            if (!folder.isEmpty()) {
                picture.save(
                    QDir(folder).filePath(u"lens-%1-%2.png"_qs.arg(auditorium).arg(size.width())));
            }
        }
    }
    m_window->Editor().ClearLens(kCurved, 0, SetUp().GetFormat());
    if (!folder.isEmpty()) {
        m_view->grab().save(QDir(folder).filePath(u"lens-without.png"_qs));
    }
}

} // namespace lumivane

QTEST_MAIN(lumivane::LensViewTest)
#include "LensViewTest.moc"
