#include "app/ScreenBars.h"

#include "app/MainFrame.h"
#include "app/UndoBridge.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/ScreenTexts.h"
#include "support/ExampleProject.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"
#include "ui/QtSettingsStore.h"
#include "views/LengthEdit.h"
#include "views/QorView.h"
#include "views/ScreenCurveBar.h"
#include "views/ScreenTiltBar.h"
#include "views/ValueSlider.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>
#include <QUndoStack>

#include <memory>

#include "AccessibleWidgets.h"

using lumivane::Ctx;

namespace {

using lumivane::test::Named;
constexpr int kCurved = 0;
constexpr int kTilted = 1;

} // namespace

class ScreenBarsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void buttonsToggleTheBarsUnderThem();
    void barsFollowTheAuditoriumShown();
    void theTiltBarTakesAnAudienceBelowTheScreen();
    void theCurveBarEditsTheCurve();

private:
    QWidget* Button(FrameCommand command) const {
        return m_frame->findChild<QToolBar*>(u"MainToolBar"_qs)
            ->widgetForAction(m_frame->Action(command));
    }

    std::unique_ptr<lumivane::test::TempDir> m_configHome;
    std::unique_ptr<lumivane::ScopedAppContext> m_context;
    std::unique_ptr<CQorDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};

void ScreenBarsTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    m_configHome = std::make_unique<lumivane::test::TempDir>();
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_configHome->path().string()));
}

void ScreenBarsTest::init() {
    m_context = std::make_unique<lumivane::ScopedAppContext>();
    Ctx().settingsStore = std::make_shared<lumivane::QtSettingsStore>();
    lumivane::test::InstallShippedCatalogs();
    m_doc = std::make_unique<CQorDoc>(std::make_shared<lumivane::test::FixedClock>());
    m_doc->OpenDocument(lumivane::test::ExampleProjectPath(), true);
    m_frame = std::make_unique<CMainFrame>(*m_doc);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
}

void ScreenBarsTest::cleanup() {
    m_frame.reset();
    m_doc.reset();
    m_context.reset();
}

void ScreenBarsTest::buttonsToggleTheBarsUnderThem() {
    QAction* curve = m_frame->Action(FrameCommand::ScreenCurve);
    QVERIFY(curve->isEnabled() && !curve->isChecked());
    curve->trigger();
    ScreenCurveBar* bar = m_frame->Bars().CurveBar();
    QVERIFY(bar->isVisible() && curve->isChecked());
    const QWidget* button = Button(FrameCommand::ScreenCurve);
    QCOMPARE(bar->frameGeometry().topLeft(), button->mapToGlobal(QPoint(0, button->height())));
    bar->move(bar->pos() + QPoint(50, 40));
    curve->trigger();
    QVERIFY(!bar->isVisible() && !curve->isChecked());
    curve->trigger();
    QCOMPARE(bar->frameGeometry().topLeft(), button->mapToGlobal(QPoint(0, button->height())));
    bar->close();
    QVERIFY(!curve->isChecked());

    // The auditorium view's "Details" brings up the tilt bar, and only brings it up.
    m_frame->Pane().ShowAuditorium(kTilted);
    auto* details = Named<QPushButton>(m_frame->Pane().CurrentView(), u"Details"_qs);
    details->click();
    details->click();
    QVERIFY(m_frame->Bars().TiltBar()->isVisible());
    QVERIFY(m_frame->Action(FrameCommand::ScreenTilt)->isChecked());
}

void ScreenBarsTest::barsFollowTheAuditoriumShown() {
    m_frame->Action(FrameCommand::ScreenTilt)->trigger();
    const ScreenTiltBar* bar = m_frame->Bars().TiltBar();
    auto* list = Named<QComboBox>(bar, u"Screen Tilt"_qs);
    QVERIFY(!list->isEnabled());
    QCOMPARE(list->currentIndex(), -1);
    m_frame->Pane().ShowProjector(kTilted, 0);
    QCOMPARE(list->currentText(), u"Adjustable"_qs);
    QCOMPARE(Named<QLabel>(bar, u"Tilt angle"_qs)->text(), u"5.0"_qs);
    QCOMPARE(Named<QLabel>(bar, u"Tilt direction"_qs)->text(), u"backwards"_qs);
    m_frame->Pane().ShowAuditorium(kCurved);
    QCOMPARE(list->currentText(), u"None"_qs);
    QCOMPARE(Named<QLabel>(bar, u"Tilt direction"_qs)->text(), QString());

    // The auditorium shown goes: the bar shows none.
    m_frame->Pane().ShowAuditorium(kTilted);
    m_doc->Editor().DeleteAuditorium(kTilted,
                                     [](const std::string&, const std::string&) { return true; });
    QVERIFY(!list->isEnabled());
    m_frame->Pane().ShowAuditorium(kCurved);

    const auto* distance = Named<LengthEdit>(bar, u"Audience distance from the screen"_qs);
    const QString metric = distance->text();
    m_frame->Action(FrameCommand::EnglishUnits)->trigger();
    QVERIFY(distance->text() != metric);
    QVERIFY(distance->text().contains(u'\''));
}

void ScreenBarsTest::theTiltBarTakesAnAudienceBelowTheScreen() {
    m_frame->Pane().ShowAuditorium(kTilted);
    m_frame->Action(FrameCommand::ScreenTilt)->trigger();
    const ScreenTiltBar* bar = m_frame->Bars().TiltBar();
    Named<QComboBox>(bar, u"Screen Tilt"_qs)->setCurrentIndex(TiltRecommended);
    const CAuditorium& a = *m_doc->GetAuditorium(kTilted);
    QCOMPARE(a.TiltTypeValue(), TiltRecommended);
    auto* height = Named<LengthEdit>(bar, u"Audience height above the bottom of the screen"_qs);
    QVERIFY(height->isEnabled());
    height->setFocus();
    height->selectAll();
    QTest::keyClicks(height, u"-1.5"_qs);
    QTest::keyClick(height, Qt::Key_Return);
    QCOMPARE(a.AudienceHeight(), -1.5);
    QCOMPARE(Named<QLabel>(bar, u"Audience above or below"_qs)->text(), u"below"_qs);
    QCOMPARE(m_frame->Undo().Stack()->count(), 2);
    // The view shows the recommended angle that the bar's audience gives.
    const auto view = m_frame->Pane().CurrentView();
    QCOMPARE(Named<QComboBox>(view, u"Screen Tilt"_qs)->currentText(), u"Recommended"_qs);
    QCOMPARE(Named<QLabel>(bar, u"Tilt angle"_qs)->text(),
             QString::number(std::fabs(a.GetTiltAngle()), 'f', 1));
}

void ScreenBarsTest::theCurveBarEditsTheCurve() {
    m_frame->Pane().ShowAuditorium(kCurved);
    m_frame->Action(FrameCommand::ScreenCurve)->trigger();
    ScreenCurveBar* bar = m_frame->Bars().CurveBar();
    QCOMPARE(Named<QLabel>(bar, u"Fraction of the throw"_qs)->text(), u"2/3"_qs);
    Named<QComboBox>(bar, u"Screen Curve"_qs)->setCurrentIndex(CurveAdjustable);
    auto* slider = Named<ValueSlider>(bar, u"Curve"_qs);
    QVERIFY(slider->isEnabled());
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageUp);
    const CAuditorium& a = *m_doc->GetAuditorium(kCurved);
    QCOMPARE(a.CurveTypeValue(), CurveAdjustable);
    QCOMPARE(a.CurveValue(), slider->Value());
    QCOMPARE(Named<QLabel>(bar, u"Curve percentage"_qs)->text(),
             QString::fromStdString(lumivane::CurvePercentText(a.CurveValue())));
    const QWidget* view = m_frame->Pane().CurrentView();
    QCOMPARE(Named<QComboBox>(view, u"Screen Curve"_qs)->currentText(), u"Adjustable"_qs);

    const QString folder = qEnvironmentVariable("LUMIVANE_SCREENSHOTS");
    if (!folder.isEmpty()) {
        bar->grab().save(QDir(folder).filePath(u"curve-bar.png"_qs));
        // The view follows the pane's width, then its fields follow the view.
        for (int pass = 0; pass < 2; ++pass) {
            QCoreApplication::processEvents();
        }
        m_frame->grab().save(QDir(folder).filePath(u"frame.png"_qs));
        m_frame->Action(FrameCommand::ScreenTilt)->trigger();
        m_frame->Bars().TiltBar()->grab().save(QDir(folder).filePath(u"tilt-bar.png"_qs));
    }
}

QTEST_MAIN(ScreenBarsTest)
#include "ScreenBarsTest.moc"
