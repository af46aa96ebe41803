#include "ui/QtSettingsStore.h"

#include "base/AppSettings.h"
#include "base/SettingsStartup.h"
#include "support/TempDir.h"

#include <QFile>
#include <QTest>

#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace lumivane {

namespace {

// Raw values as a hand or another program may have left them: section, name, text.
using RawValues = std::vector<std::pair<QString, QString>>;

#ifdef Q_OS_WIN
// The user's store is the registry; the tests get a private HKEY_CURRENT_USER, so they never
// touch the settings of whoever runs them.
class UserStoreSandbox {
public:
    UserStoreSandbox() {
        const std::wstring key =
            L"Software\\LumivaneTests\\" + std::to_wstring(GetCurrentProcessId());
        RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &m_root, nullptr);
        m_key = key;
        RegOverridePredefKey(HKEY_CURRENT_USER, m_root);
    }
    ~UserStoreSandbox() {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(m_root);
        RegDeleteTreeW(HKEY_CURRENT_USER, m_key.c_str());
    }
    QString StoreName() const {
        return QStringLiteral("\\HKEY_CURRENT_USER\\Software\\Halvard\\qor30");
    }
    void Clear() const { RegDeleteTreeW(m_root, L"Software\\Halvard\\qor30"); }
    void WriteRaw(const RawValues& values) const {
        for (const auto& [key, text] : values) {
            const QString folder =
                QStringLiteral("Software\\Halvard\\qor30\\") + key.section(QLatin1Char('/'), 0, 0);
            const std::wstring name = key.section(QLatin1Char('/'), 1).toStdWString();
            const std::wstring data = text.toStdWString();
            RegSetKeyValueW(m_root, folder.toStdWString().c_str(), name.c_str(), REG_SZ,
                            data.c_str(), static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
        }
    }
    std::optional<DWORD> ReadNumber(const wchar_t* section, const wchar_t* name) const {
        const std::wstring folder = std::wstring(L"Software\\Halvard\\qor30\\") + section;
        DWORD value = 0;
        DWORD size = sizeof value;
        if (RegGetValueW(m_root, folder.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        return value;
    }

private:
    HKEY m_root = nullptr;
    std::wstring m_key;
};
#else
// QSettings looks the folder up once per process, so it is set before the first store.
class UserStoreSandbox {
public:
    UserStoreSandbox() {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_home.path().string()));
    }
    QString StoreName() const {
        return QString::fromStdString((m_home.path() / "Halvard" / "qor30.conf").string());
    }
    void Clear() const { QFile::remove(StoreName()); }
    void WriteRaw(const RawValues& values) const {
        std::filesystem::create_directories(m_home.path() / "Halvard");
        QFile file(StoreName());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QString section;
        for (const auto& [key, text] : values) {
            if (key.section(QLatin1Char('/'), 0, 0) != section) {
                section = key.section(QLatin1Char('/'), 0, 0);
                file.write(QStringLiteral("[%1]\n").arg(section).toUtf8());
            }
            file.write(
                QStringLiteral("%1=%2\n").arg(key.section(QLatin1Char('/'), 1), text).toUtf8());
        }
    }
    QByteArray Text() const {
        QFile file(StoreName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    test::TempDir m_home;
};
#endif

} // namespace

class QtSettingsStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void userStoreIsTheSystemsOwn();
    void everyKindRoundTrips();
    void missingValuesGiveTheDefaults();
    void deleteSectionRemovesOnlyThatSection();
    void hostileValuesReadAsTheDefaults();
    void explicitIniFileHoldsTheValues();
    void sharedSettingsSurviveARestart();

private:
    std::unique_ptr<UserStoreSandbox> m_userStore;
};

void QtSettingsStoreTest::initTestCase() {
    m_userStore = std::make_unique<UserStoreSandbox>();
}

void QtSettingsStoreTest::cleanupTestCase() {
    m_userStore.reset();
}

void QtSettingsStoreTest::cleanup() {
    m_userStore->Clear();
}

// The registry key of the user on Windows, with section and value names as everywhere;
// the INI file in the configuration folder elsewhere.
void QtSettingsStoreTest::userStoreIsTheSystemsOwn() {
    {
        QtSettingsStore store;
        QCOMPARE(store.FileName(), m_userStore->StoreName());
        store.WriteInt("Settings", "Update", 14);
    }
#ifdef Q_OS_WIN
    QCOMPARE(m_userStore->ReadNumber(L"Settings", L"Update"), std::optional<DWORD>(14));
#else
    const QByteArray text = m_userStore->Text();
    QVERIFY(text.contains("[Settings]"));
    QVERIFY(text.contains("Update=14"));
#endif
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
    m_userStore->WriteRaw(
        {{QStringLiteral("Settings/Update"), QStringLiteral("thirty")},
         {QStringLiteral("Settings/Metric"), QStringLiteral("99999999999")},
         {QStringLiteral("Settings/LastUpdate"), QString()},
         {QStringLiteral("Settings/FixedFocal"), QStringLiteral("1.5")},
         {QStringLiteral("Window/Position"), QStringLiteral("not a block")},
         {QStringLiteral("Window/Column1"), QStringLiteral("@ByteArray(\\0\\x1)")},
         {QStringLiteral("Options/Company"), QStringLiteral("Acme, Inc.")}});
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
    QVERIFY(!QFile::exists(m_userStore->StoreName()));
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
