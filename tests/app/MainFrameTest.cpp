#include "app/MainFrame.h"

#include "app/HelpWindow.h"
#include "base/WindowPlacement.h"
#include "document/QorDoc.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ExampleProject.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"
#include "ui/QtSettingsStore.h"

#include <QAccessible>
#include <QDockWidget>
#include <QMenuBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <algorithm>
#include <iterator>
#include <memory>

using lumivane::Ctx;

namespace {

// "Title: entry|entry|...", each entry its text, a tab and its first key; "-" a separator.
QString Listing(const QAction* menu) {
    QStringList entries;
    for (const QAction* action : menu->menu()->actions()) {
        const QString key = action->shortcut().toString(QKeySequence::PortableText);
        if (!action->objectName().startsWith(u"actionRecentFile")) {
            entries.append(action->isSeparator() ? QStringLiteral("-")
                           : key.isEmpty()       ? action->text()
                                                 : action->text() + u'\t' + key);
        }
    }
    return menu->text() + u": "_qs + entries.join(u'|');
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void menusListEveryCommandInOrder();
    void toolbarButtonsAreNamedInOrder();
    void settingsCommandsWriteTheirSettings();
    void printItemDetailsFollowsTheView();
    void viewCommandsFollowTheBars();
    void placementAndLayoutSurviveARestart();
    void hostilePositionsLeaveTheDefaultPlace();
    void helpCommandsOpenTheirPages();

private:
    std::unique_ptr<CMainFrame> MakeFrame() { return std::make_unique<CMainFrame>(*m_doc); }
    lumivane::QtSettingsStore& Store() const {
        return static_cast<lumivane::QtSettingsStore&>(*Ctx().settingsStore);
    }

    std::unique_ptr<lumivane::test::TempDir> m_configHome;
    std::unique_ptr<lumivane::ScopedAppContext> m_context;
    std::unique_ptr<CQorDoc> m_doc;
};

void MainFrameTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    // QSettings looks the folder up once per process, so it must be set before the first store.
    m_configHome = std::make_unique<lumivane::test::TempDir>();
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_configHome->path().string()));
}

void MainFrameTest::init() {
    m_context = std::make_unique<lumivane::ScopedAppContext>();
    Ctx().settingsStore = std::make_shared<lumivane::QtSettingsStore>();
    m_doc = std::make_unique<CQorDoc>(std::make_shared<lumivane::test::FixedClock>());
}

void MainFrameTest::cleanup() {
    m_doc.reset();
    m_context.reset();
    // The user's store is a file here and the registry on Windows: each case starts empty.
    QSettings(QStringLiteral("Halvard"), QStringLiteral("qor30")).clear();
}

void MainFrameTest::menusListEveryCommandInOrder() {
    const auto frame = MakeFrame();
    const QList<QAction*> menus = frame->menuBar()->actions();
    QStringList listings;
    std::transform(menus.begin(), menus.end(), std::back_inserter(listings), Listing);
    QCOMPARE(listings,
             (QStringList{u"&File: &New\tCtrl+N|&Open...\tCtrl+O|&Save\tCtrl+S|Save &As...|-|"
                          u"&Print...\tCtrl+P|Print Pre&view...|Print Purchase &List...|"
                          u"Print Project &Details...|Print Item Details...|"
                          u"Print P&roduct List...|Print Light and Si&ghtlines...|"
                          u"Light and Sightlines Previe&w...|-|Print to &Text File...|"
                          u"Export Draw&ing...|-|&Email Project|"
                          u"Email Project &Data|Email Project &PDF|-|-|E&xit"_qs,
                          u"&Edit: &Undo\tCtrl+Z|&Redo\tCtrl+Y|-|Cu&t\tCtrl+X|&Copy\tCtrl+C|"
                          u"&Paste\tCtrl+V|-|&Auditorium Wizard..."_qs,
                          u"&Settings: &English Units|&Metric Units|-|Lock &Throw|"
                          u"Lock &Image Size|Lock Focal &Length|-|Fi&xed Focal Lengths|-|"
                          u"Project Settings...|&Film Formats...|&Options..."_qs,
                          u"&View: &Toolbar|&Status Bar|&Project Tree|-|Drawing &Measures"_qs,
                          u"&Help: &Index|About &Halvard Optics|-|&About Lumivane..."_qs}));
    for (const QAction* menu : menus) {
        for (const QAction* action : menu->menu()->actions()) {
            QVERIFY2(action->isSeparator() || !action->isVisible() ||
                         !action->statusTip().isEmpty(),
                     qPrintable(action->text()));
        }
    }
    QCOMPARE(frame->Action(FrameCommand::ToggleProjectTree)->statusTip(),
             u"Show or hide the project tree"_qs);
    QCOMPARE(frame->Action(FrameCommand::ToggleProjectTree)->toolTip(), u"Toggle Project Tree"_qs);
    QVERIFY(!frame->Action(FrameCommand::Cut)->isEnabled());
}

void MainFrameTest::toolbarButtonsAreNamedInOrder() {
    const auto frame = MakeFrame();
    const auto* toolBar = frame->findChild<QToolBar*>(u"MainToolBar"_qs);
    QStringList names;
    for (QAction* action : toolBar->actions()) {
        if (action->isSeparator()) {
            names.append(u"-"_qs);
            continue;
        }
        QVERIFY(!action->icon().isNull());
        QAccessibleInterface* button =
            QAccessible::queryAccessibleInterface(toolBar->widgetForAction(action));
        names.append(button->text(QAccessible::Name));
    }
    QCOMPARE(names,
             (QStringList{u"New"_qs, u"Open"_qs, u"Save"_qs, u"-"_qs, u"Project Tree"_qs,
                          u"Print"_qs, u"-"_qs, u"Screen Curve"_qs, u"Screen Tilt"_qs, u"-"_qs,
                          u"Email Project"_qs, u"Email Project Data"_qs, u"Help Index"_qs}));
    QVERIFY(frame->Action(FrameCommand::ScreenCurve)->isCheckable());
    QVERIFY(frame->Action(FrameCommand::ScreenTilt)->isEnabled());
}

void MainFrameTest::settingsCommandsWriteTheirSettings() {
    Ctx().lockMode = LockFocalLength;
    Ctx().metricUnits = false;
    const auto frame = MakeFrame();
    QCOMPARE(Ctx().lockMode, LockThrow);
    QVERIFY(frame->Action(FrameCommand::LockThrow)->isChecked());
    QVERIFY(frame->Action(FrameCommand::EnglishUnits)->isChecked());
    const auto metric = [this] {
        return Store().ReadInt("Settings", "Metric", 0);
    };
    frame->Action(FrameCommand::MetricUnits)->trigger();
    QVERIFY(Ctx().metricUnits);
    QCOMPARE(metric(), 1);
    QVERIFY(!frame->Action(FrameCommand::EnglishUnits)->isChecked());
    frame->Action(FrameCommand::EnglishUnits)->trigger();
    QVERIFY(!Ctx().metricUnits);
    QCOMPARE(metric(), 2);
    QVERIFY(!frame->Action(FrameCommand::MetricUnits)->isChecked());

    frame->Action(FrameCommand::LockImageSize)->trigger();
    QCOMPARE(Ctx().lockMode, LockImageSize);
    QVERIFY(!frame->Action(FrameCommand::LockThrow)->isChecked());
    frame->Action(FrameCommand::LockFocalLength)->trigger();
    QCOMPARE(Ctx().lockMode, LockFocalLength);
    QVERIFY(!frame->Action(FrameCommand::LockImageSize)->isChecked());

    QAction* fixed = frame->Action(FrameCommand::FixedFocalLengths);
    fixed->trigger();
    QVERIFY(fixed->isChecked() && Ctx().settings.m_fixedFocal);
    QCOMPARE(Store().ReadInt("Settings", "FixedFocal", -1), 1);
    fixed->trigger();
    QVERIFY(!fixed->isChecked() && !Ctx().settings.m_fixedFocal);
    QCOMPARE(Store().ReadInt("Settings", "FixedFocal", -1), 0);
}

void MainFrameTest::printItemDetailsFollowsTheView() {
    lumivane::test::InstallShippedCatalogs();
    lumivane::test::BuildExampleProject(*m_doc);
    const auto frame = MakeFrame();
    QAction* details = frame->Action(FrameCommand::PrintItemDetails);
    QCOMPARE(details->text(), u"Print Item Details..."_qs);
    QVERIFY(!details->isEnabled());
    const int format = m_doc->GetProjector(0, 0)->GetLensType(0)->GetFormat();
    ViewPane& pane = frame->Pane();
    const std::pair<std::function<void()>, QString> shows[] = {
        {[&] { pane.ShowAuditorium(0); }, u"Print Auditorium Details..."_qs},
        {[&] { pane.ShowProjector(0, 0); }, u"Print Projector Details..."_qs},
        {[&] { pane.ShowFormat(0, 0, format); }, u"Print Format Details..."_qs},
        {[&] { pane.ShowLens(0, 0, format); }, u"Print Lens Details..."_qs}};
    for (const auto& [show, text] : shows) {
        show();
        QCOMPARE(details->text(), text);
        QVERIFY(details->isEnabled());
    }
    pane.ShowProjectView();
    QCOMPARE(details->text(), u"Print Item Details..."_qs);
    QVERIFY(!details->isEnabled());
}

void MainFrameTest::viewCommandsFollowTheBars() {
    const auto frame = MakeFrame();
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    QAction* tree = frame->Action(FrameCommand::ToggleProjectTree);
    QVERIFY(tree->isChecked() && frame->TreeDock()->isVisible());
    tree->trigger();
    QVERIFY(!frame->TreeDock()->isVisible());
    frame->TreeDock()->show();
    QVERIFY(tree->isChecked());
    frame->TreeDock()->close();
    QVERIFY(!tree->isChecked());

    frame->Action(FrameCommand::ToggleStatusBar)->trigger();
    QVERIFY(!frame->statusBar()->isVisible());
    frame->Action(FrameCommand::ToggleToolbar)->trigger();
    QVERIFY(!frame->findChild<QToolBar*>(u"MainToolBar"_qs)->isVisible());
}

void MainFrameTest::placementAndLayoutSurviveARestart() {
    const QRect placed(40, 50, 700, 500);
    {
        const auto frame = MakeFrame();
        frame->setGeometry(placed);
        frame->Action(FrameCommand::ToggleProjectTree)->trigger();
        frame->Action(FrameCommand::ToggleStatusBar)->trigger();
        QVERIFY(frame->close());
    }
    const auto bytes = Store().ReadBlock("Window", "Position");
    QVERIFY(bytes.has_value());
    const auto placement = lumivane::DecodePlacement(*bytes);
    QVERIFY(placement.has_value());
    QCOMPARE(placement->normal, (lumivane::PlacementRect{40, 50, 740, 550}));

    const auto frame = MakeFrame();
    QCOMPARE(frame->geometry(), placed);
    QVERIFY(frame->TreeDock()->isHidden());
    QVERIFY(!frame->Action(FrameCommand::ToggleProjectTree)->isChecked());
    QVERIFY(frame->statusBar()->isHidden());
    QVERIFY(!frame->Action(FrameCommand::ToggleStatusBar)->isChecked());
}

void MainFrameTest::hostilePositionsLeaveTheDefaultPlace() {
    const QRect standard = MakeFrame()->geometry();
    lumivane::WindowPlacement away;
    away.normal = {-9000, -9000, -8000, -8000};
    lumivane::WindowPlacement inverted;
    inverted.normal = {600, 400, 100, 100};
    auto lying = lumivane::EncodePlacement(lumivane::WindowPlacement{});
    lying[0] = 40;
    const std::vector<std::vector<std::uint8_t>> hostile{
        {},    std::vector<std::uint8_t>(43, 0x2c), std::vector<std::uint8_t>(45, 0x2c),
        lying, lumivane::EncodePlacement(away),     lumivane::EncodePlacement(inverted)};
    for (const auto& bytes : hostile) {
        Store().WriteBlock("Window", "Position", bytes);
        Store().WriteBlock("Layout", "State",
                           std::vector<std::uint8_t>(bytes.rbegin(), bytes.rend()));
        QCOMPARE(MakeFrame()->geometry(), standard);
    }
}

void MainFrameTest::helpCommandsOpenTheirPages() {
    const auto frame = MakeFrame();
    QVERIFY(frame->Help() == nullptr);
    frame->Action(FrameCommand::HelpIndex)->trigger();
    QVERIFY(frame->Help() != nullptr && frame->Help()->isVisible());
    QCOMPARE(frame->Help()->CurrentPage(), lumivane::HelpWindow::kDefaultPage);
    frame->Action(FrameCommand::AboutMaker)->trigger();
    QCOMPARE(frame->Help()->CurrentPage(), lumivane::HelpWindow::kHomePage);
}

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
