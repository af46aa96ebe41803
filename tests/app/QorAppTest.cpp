#include "app/QorApp.h"

#include "app/UpdatePromptDlg.h"
#include "base/AppContext.h"
#include "base/SettingsStartup.h"
#include "base/SourcePaths.h"
#include "catalog/CatalogUpdate.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "catalog/ProjectorDatabase.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"
#include "ui/QtSettingsStore.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace lumivane {

namespace {

// Nothing listens on the discard port of the loopback interface, so the download is refused.
const std::string kUnreachableServer = "http://127.0.0.1:9/files/";

struct Message {
    CQorApp::MessageKind kind;
    std::string caption;
    std::string text;
};

} // namespace

class QorAppTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void noServerMeansNoPromptEvenWhenDue();
    void promptWaitsUntilAnUpdateIsDue();
    void neverTurnsAutomaticUpdatesOff();
    void cancelWritesNothing();
    void failedDownloadReportsAndKeepsLastUpdate();
    void catalogsAreInstalledAndStoreWritten();
    void unitChoiceAndFixedFocal();
    void exitWritesColumnsKeepsRecentFilesButNoZeroPreviewPages();
    void unreadableProjectEndsStartUp();
    void promptShowsItsTextsAndButtons();

private:
    std::unique_ptr<CQorApp> MakeApp();
    void WriteSettings(const std::vector<std::pair<std::string, std::int32_t>>& values);
    void ConfigureServer();

    std::unique_ptr<test::TempDir> m_home;
    std::unique_ptr<test::TempDir> m_storeDir;
    std::unique_ptr<ScopedAppContext> m_context;
    std::shared_ptr<test::FixedClock> m_clock;
    CQorApp::UpdateAnswer m_answer = CQorApp::UpdateAnswer::Cancel;
    int m_asked = 0;
    std::vector<Message> m_messages;
};

std::unique_ptr<CQorApp> QorAppTest::MakeApp() {
    CQorApp::UserInterface ui{
        [this] {
            ++m_asked;
            return m_answer;
        },
        [this](CQorApp::MessageKind kind, const std::string& caption, const std::string& text) {
            m_messages.push_back({kind, caption, text});
        }};
    CQorApp::Locations locations{*m_storeDir / "database.dta",
                                 std::filesystem::path(LUMIVANE_SOURCE_DATA_DIR) / "catalog",
                                 "/opt/lumivane/bin/lumivane"};
    return std::make_unique<CQorApp>(m_clock, ui, locations);
}

void QorAppTest::WriteSettings(const std::vector<std::pair<std::string, std::int32_t>>& values) {
    QtSettingsStore store;
    for (const auto& [name, value] : values) {
        store.WriteInt("Settings", name, value);
    }
    store.Sync();
}

void QorAppTest::ConfigureServer() {
    QtSettingsStore store;
    store.WriteString("Settings", "CatalogServer", kUnreachableServer);
    store.Sync();
}

void QorAppTest::initTestCase() {
    // QSettings looks its folder up once per process, so it is set before the first store.
    m_home = std::make_unique<test::TempDir>();
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((m_home->path() / "config").string()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((m_home->path() / "data").string()));
    qunsetenv("LUMIVANE_CATALOG_URL");
}

void QorAppTest::init() {
    m_context = std::make_unique<ScopedAppContext>();
    m_storeDir = std::make_unique<test::TempDir>();
    // 6 May: day 126 of the year, so the default settings make an update due.
    m_clock = std::make_shared<test::FixedClock>();
    m_answer = CQorApp::UpdateAnswer::Cancel;
    m_asked = 0;
    m_messages.clear();
}

void QorAppTest::cleanup() {
    // The user's store is a file here and the registry on Windows: each case starts empty.
    QSettings(QStringLiteral("Halvard"), QStringLiteral("qor30")).clear();
    m_storeDir.reset();
    m_context.reset();
}

void QorAppTest::noServerMeansNoPromptEvenWhenDue() {
    WriteSettings({{"Automatic", 1}, {"LastUpdate", 0}, {"Update", 30}});
    QVERIFY(MakeApp()->InitInstance());
    QCOMPARE(m_asked, 0);
    QVERIFY(m_messages.empty());
}

void QorAppTest::promptWaitsUntilAnUpdateIsDue() {
    ConfigureServer();
    WriteSettings({{"LastUpdate", 100}, {"Update", 30}});
    QVERIFY(MakeApp()->InitInstance());
    QCOMPARE(m_asked, 0);

    m_clock->Set(2024, 1, 20, 9, 0);
    WriteSettings({{"LastUpdate", 0}});
    QVERIFY(MakeApp()->InitInstance());
    QCOMPARE(m_asked, 0);
}

void QorAppTest::neverTurnsAutomaticUpdatesOff() {
    ConfigureServer();
    m_answer = CQorApp::UpdateAnswer::Never;
    QVERIFY(MakeApp()->InitInstance());
    QCOMPARE(m_asked, 1);
    QCOMPARE(QtSettingsStore().ReadInt("Settings", "Automatic", 1), 0);

    QVERIFY(MakeApp()->InitInstance());
    QCOMPARE(m_asked, 1);
}

void QorAppTest::cancelWritesNothing() {
    ConfigureServer();
    m_answer = CQorApp::UpdateAnswer::Cancel;
    QVERIFY(MakeApp()->InitInstance());
    QCOMPARE(m_asked, 1);
    QtSettingsStore store;
    QCOMPARE(store.ReadInt("Settings", "Automatic", -1), -1);
    QCOMPARE(store.ReadInt("Settings", "LastUpdate", -1), -1);
    QVERIFY(m_messages.empty());
}

void QorAppTest::failedDownloadReportsAndKeepsLastUpdate() {
    ConfigureServer();
    WriteSettings({{"LastUpdate", 40}});
    m_answer = CQorApp::UpdateAnswer::Ok;
    QVERIFY(MakeApp()->InitInstance());
    QCOMPARE(m_messages.size(), std::size_t{1});
    QVERIFY(m_messages[0].kind == CQorApp::MessageKind::Error);
    QCOMPARE(m_messages[0].caption, std::string("Error"));
    QCOMPARE(m_messages[0].text, std::string("The internet connection could not be established."));
    QCOMPARE(QtSettingsStore().ReadInt("Settings", "LastUpdate", -1), 40);
    // The failed download left no store behind; start-up built one from the text files.
    QVERIFY(std::filesystem::exists(*m_storeDir / "database.dta"));
}

void QorAppTest::catalogsAreInstalledAndStoreWritten() {
    QVERIFY(MakeApp()->InitInstance());
    QVERIFY(Ctx().lenses && Ctx().lenses->LensCount() > 0);
    QVERIFY(Ctx().projectors && Ctx().formats);
    QCOMPARE(Ctx().settings.m_catalogStorePath, (*m_storeDir / "database.dta").string());
    QCOMPARE(Ctx().settings.m_helpFilePath, std::string("/opt/lumivane/bin/lumivane.CHM"));
    QVERIFY(m_messages.empty());

    // A damaged store is rebuilt, and the user hears of it.
    std::ofstream(*m_storeDir / "database.dta", std::ios::binary | std::ios::trunc) << "junk";
    const std::size_t lenses = Ctx().lenses->LensCount();
    QVERIFY(MakeApp()->InitInstance());
    QCOMPARE(Ctx().lenses->LensCount(), lenses);
    QCOMPARE(m_messages.size(), std::size_t{1});
    QVERIFY(m_messages[0].text.find("rebuilt") != std::string::npos);
}

void QorAppTest::unitChoiceAndFixedFocal() {
    m_clock->SetMetric(true);
    WriteSettings({{"Metric", 2}, {"FixedFocal", 2}});
    QVERIFY(MakeApp()->InitInstance());
    QVERIFY(!Ctx().metricUnits);
    QVERIFY(!Ctx().settings.m_fixedFocal);

    m_clock->SetMetric(false);
    WriteSettings({{"Metric", 0}, {"FixedFocal", 1}});
    QVERIFY(MakeApp()->InitInstance());
    QVERIFY(!Ctx().metricUnits);
    QVERIFY(Ctx().settings.m_fixedFocal);

    WriteSettings({{"Metric", 1}});
    QVERIFY(MakeApp()->InitInstance());
    QVERIFY(Ctx().metricUnits);
}

void QorAppTest::exitWritesColumnsKeepsRecentFilesButNoZeroPreviewPages() {
    {
        QtSettingsStore store;
        WriteRecentFiles(store, {"/p/a.hoprj", "/p/b.hoprj"});
        store.WriteInt("Window", "Column2", 450);
        store.Sync();
    }
    auto app = MakeApp();
    QVERIFY(app->InitInstance());
    QCOMPARE(Ctx().settings.m_columns[1], 450);
    Ctx().settings.m_columns = {100, 200, 300};
    QCOMPARE(app->ExitInstance(), 0);

    QtSettingsStore store;
    QCOMPARE(store.ReadInt("Window", "Column1", -1), 100);
    QCOMPARE(store.ReadInt("Window", "Column3", -1), 300);
    QCOMPARE(store.ReadInt("Settings", "PreviewPages", -1), -1);
    QCOMPARE(ReadRecentFiles(store), (std::vector<std::string>{"/p/a.hoprj", "/p/b.hoprj"}));

    store.WriteInt("Settings", "PreviewPages", 2);
    store.Sync();
    auto second = MakeApp();
    QVERIFY(second->InitInstance());
    second->ExitInstance();
    QCOMPARE(QtSettingsStore().ReadInt("Settings", "PreviewPages", -1), 2);
}

void QorAppTest::unreadableProjectEndsStartUp() {
    const auto project = *m_storeDir / "broken.hoprj";
    std::ofstream(project, std::ios::binary) << "not a project";
    QVERIFY(!MakeApp()->InitInstance(project));
    QCOMPARE(m_messages.size(), std::size_t{1});
    QCOMPARE(m_messages[0].caption, std::string("Error"));
    QVERIFY(!m_messages[0].text.empty());
}

void QorAppTest::promptShowsItsTextsAndButtons() {
    CUpdatePromptDlg dialog;
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
    }
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts[0].startsWith(QStringLiteral("Halvard Lumivane 3.2 will check the internet")));
    QCOMPARE(texts[1], QStringLiteral("Press Cancel to prevent this download, or select Never to "
                                      "prevent all future downloads."));

    QPushButton* never = nullptr;
    QStringList captions;
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        captions << button->text();
        if (button->text() == QStringLiteral("Never")) {
            never = button;
        }
    }
    QCOMPARE(captions, (QStringList{QStringLiteral("OK"), QStringLiteral("Cancel"),
                                    QStringLiteral("Never")}));

    dialog.show();
    const QPixmap picture = dialog.grab();
    QVERIFY(!picture.isNull());
    const QString snapshotDir = qEnvironmentVariable("LUMIVANE_SNAPSHOT_DIR");
    if (!snapshotDir.isEmpty()) {
        picture.save(snapshotDir + QStringLiteral("/update-prompt.png"));
    }
    QTest::mouseClick(never, Qt::LeftButton);
    QCOMPARE(dialog.result(), CUpdatePromptDlg::NeverResult);
}

} // namespace lumivane

QTEST_MAIN(lumivane::QorAppTest)
#include "QorAppTest.moc"
