#include "ui/QtSettingsStore.h"

#include "base/AppSettings.h"
#include "base/SettingsStartup.h"
#include "support/TempDir.h"

#include <QFile>
#include <QTest>

#include <limits>
#include <memory>

namespace lumivane {

class QtSettingsStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void userStoreLandsInTheConfigFolder();
    void everyKindRoundTrips();
    void missingValuesGiveTheDefaults();
    void deleteSectionRemovesOnlyThatSection();
    void hostileValuesReadAsTheDefaults();
    void explicitIniFileHoldsTheValues();
    void sharedSettingsSurviveARestart();

private:
    QString UserStorePath() const;
    void WriteRawStore(const QByteArray& text) const;

    std::unique_ptr<test::TempDir> m_configHome;
};

QString QtSettingsStoreTest::UserStorePath() const {
    return QString::fromStdString((m_configHome->path() / "Halvard" / "qor30.conf").string());
}

void QtSettingsStoreTest::WriteRawStore(const QByteArray& text) const {
    std::filesystem::create_directories(m_configHome->path() / "Halvard");
    QFile file(UserStorePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void QtSettingsStoreTest::initTestCase() {
    // QSettings looks the folder up once per process, so it must be set before the first store.
    m_configHome = std::make_unique<test::TempDir>();
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_configHome->path().string()));
}

void QtSettingsStoreTest::cleanup() {
    QFile::remove(UserStorePath());
}

void QtSettingsStoreTest::userStoreLandsInTheConfigFolder() {
    {
        QtSettingsStore store;
        QCOMPARE(store.FileName(), UserStorePath());
        store.WriteInt("Settings", "Update", 14);
    }
    QFile file(UserStorePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("[Settings]"));
    QVERIFY(text.contains("Update=14"));
}

void QtSettingsStoreTest::everyKindRoundTrips() {
    const std::string company = "Kino Černá, Main St. 1\nPrague; tel=123 @home";
    std::vector<std::uint8_t> block(44);
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(i * 37);
    }
    {
        QtSettingsStore store;
        store.WriteInt("Window", "Column1", 250);
        store.WriteInt("Options", "TiltValue", -1500);
        store.WriteInt("Options", "RadiusValue", std::numeric_limits<std::int32_t>::min());
        store.WriteInt("Options", "TiltDepth", std::numeric_limits<std::int32_t>::max());
        store.WriteString("Options", "Company", company);
        store.WriteString("Recent File List", "File1", "/home/ana/Kino Černá.hoprj");
        store.WriteString("Formats", "0", "");
        store.WriteBlock("Window", "Position", block);
        store.WriteBlock("Window", "Empty", {});
    }
    const QtSettingsStore store;
    QCOMPARE(store.ReadInt("Window", "Column1", 0), 250);
    QCOMPARE(store.ReadInt("Options", "TiltValue", 0), -1500);
    QCOMPARE(store.ReadInt("Options", "RadiusValue", 0), std::numeric_limits<std::int32_t>::min());
    QCOMPARE(store.ReadInt("Options", "TiltDepth", 0), std::numeric_limits<std::int32_t>::max());
    QCOMPARE(store.ReadString("Options", "Company", ""), company);
    QCOMPARE(store.ReadString("Recent File List", "File1", ""),
             std::string("/home/ana/Kino Černá.hoprj"));
    QCOMPARE(store.ReadString("Formats", "0", "missing"), std::string());
    QCOMPARE(store.ReadBlock("Window", "Position"), std::optional(block));
    QCOMPARE(store.ReadBlock("Window", "Empty"), std::optional(std::vector<std::uint8_t>{}));
}

void QtSettingsStoreTest::missingValuesGiveTheDefaults() {
    QtSettingsStore store;
    store.WriteInt("Settings", "Update", 10);
    QCOMPARE(store.ReadInt("Settings", "Automatic", 1), 1);
    QCOMPARE(store.ReadInt("Nowhere", "Update", 30), 30);
    QCOMPARE(store.ReadString("Options", "Company", "none"), std::string("none"));
    QVERIFY(!store.ReadBlock("Window", "Position").has_value());
}

void QtSettingsStoreTest::deleteSectionRemovesOnlyThatSection() {
    {
        QtSettingsStore store;
        store.WriteString("Formats", "0", "first");
        store.WriteString("Formats", "1", "second");
        store.WriteString("Options", "Company", "kept");
        store.DeleteSection("Formats");
        store.DeleteSection("");
        store.WriteString("Formats", "0", "rewritten");
    }
    const QtSettingsStore store;
    QCOMPARE(store.ReadString("Formats", "0", ""), std::string("rewritten"));
    QCOMPARE(store.ReadString("Formats", "1", "gone"), std::string("gone"));
    QCOMPARE(store.ReadString("Options", "Company", ""), std::string("kept"));
}

void QtSettingsStoreTest::hostileValuesReadAsTheDefaults() {
    WriteRawStore("[Settings]\n"
                  "Update=thirty\n"
                  "Metric=99999999999\n"
                  "LastUpdate=\n"
                  "FixedFocal=1.5\n"
                  "[Window]\n"
                  "Position=not a block\n"
                  "Column1=@ByteArray(\\0\\x1)\n"
                  "[Options]\n"
                  "Company=Acme, Inc.\n");
    const QtSettingsStore store;
    QCOMPARE(store.ReadInt("Settings", "Update", 30), 30);
    QCOMPARE(store.ReadInt("Settings", "Metric", 0), 0);
    QCOMPARE(store.ReadInt("Settings", "LastUpdate", 0), 0);
    QCOMPARE(store.ReadInt("Settings", "FixedFocal", 0), 0);
    QCOMPARE(store.ReadInt("Window", "Column1", 333), 333);
    QVERIFY(!store.ReadBlock("Window", "Position").has_value());
    QCOMPARE(store.ReadString("Options", "Company", ""), std::string("Acme, Inc."));
}

void QtSettingsStoreTest::explicitIniFileHoldsTheValues() {
    const test::TempDir folder;
    const QString path = QString::fromStdString((folder / "cli.ini").string());
    {
        QtSettingsStore store(path);
        QCOMPARE(store.FileName(), path);
        store.WriteInt("Settings", "Metric", 2);
        store.Sync();
        QVERIFY(QFile::exists(path));
    }
    QVERIFY(!QFile::exists(UserStorePath()));
    const QtSettingsStore store(path);
    QCOMPARE(store.ReadInt("Settings", "Metric", 0), 2);
}

void QtSettingsStoreTest::sharedSettingsSurviveARestart() {
    AppSettings settings;
    settings.m_columns = {200, 450, 700};
    settings.m_screenEdge = 0.0254;
    settings.m_company = "Halvard Cinema Supply";
    {
        QtSettingsStore store;
        WriteWindowSettings(store, settings);
        WriteOptions(store, settings);
        WriteRecentFiles(store, {"/p/a.hoprj", "/p/b.hoprj"});
        WritePreviewPages(store, 0);
    }
    const QtSettingsStore store;
    AppSettings read;
    ReadWindowSettings(store, read);
    ReadOptions(store, read);
    QCOMPARE(read.m_columns, settings.m_columns);
    QCOMPARE(read.m_screenEdge, 0.025);
    QCOMPARE(read.m_company, settings.m_company);
    QCOMPARE(ReadRecentFiles(store), (std::vector<std::string>{"/p/a.hoprj", "/p/b.hoprj"}));
    QCOMPARE(store.ReadInt("Settings", "PreviewPages", -1), -1);
}

} // namespace lumivane

QTEST_GUILESS_MAIN(lumivane::QtSettingsStoreTest)
#include "QtSettingsStoreTest.moc"
