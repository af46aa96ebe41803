#include "ui/CatalogLocations.h"

#include "support/MemorySettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace lumivane;

class CatalogLocationsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void serverComesFromEnvironmentThenSettings() {
        test::MemorySettingsStore settings;
        qunsetenv("LUMIVANE_CATALOG_URL");
        QCOMPARE(CatalogServerBase(nullptr), std::string());
        QCOMPARE(CatalogServerBase(&settings), std::string());

        settings.WriteString("Settings", "CatalogServer", "http://catalog.test/files/");
        QCOMPARE(CatalogServerBase(&settings), std::string("http://catalog.test/files/"));

        qputenv("LUMIVANE_CATALOG_URL", "http://127.0.0.1:8080/files/");
        QCOMPARE(CatalogServerBase(&settings), std::string("http://127.0.0.1:8080/files/"));
        qunsetenv("LUMIVANE_CATALOG_URL");
    }

    void storeLivesInAWritableFolder() {
        const auto path = CatalogStoreLocation();
        QCOMPARE(QString::fromStdU16String(path.filename().u16string()),
                 QStringLiteral("database.dta"));
        QVERIFY(std::filesystem::is_directory(path.parent_path()));
    }

    // A folder where no file can be made, as Program Files is to a user, sends the store to
    // the per-user folder, made when it is missing.
    void storeMovesToTheUserWhenTheProgramFolderTakesNoFiles() {
        QTemporaryDir dir;
        const QString programFolder = dir.filePath(QStringLiteral("Programme Zürich"));
        QVERIFY(QDir().mkpath(programFolder));
        const QString program = programFolder + QStringLiteral("/lumivane.exe");
        const QString perUser = dir.filePath(QStringLiteral("user/Halvard/qor30"));
        QCOMPARE(CatalogStoreLocation(program, perUser),
                 std::filesystem::path(
                     (programFolder + QStringLiteral("/database.dta")).toStdU16String()));
        QVERIFY(QDir(programFolder).entryList(QDir::Files | QDir::Hidden).isEmpty());

        const QString notAFolder = dir.filePath(QStringLiteral("plain file"));
        QFile(notAFolder).open(QIODevice::WriteOnly);
        QCOMPARE(
            CatalogStoreLocation(notAFolder + QStringLiteral("/lumivane.exe"), perUser),
            std::filesystem::path((perUser + QStringLiteral("/database.dta")).toStdU16String()));
        QVERIFY(QFileInfo(perUser).isDir());
    }
};

QTEST_GUILESS_MAIN(CatalogLocationsTest)
#include "CatalogLocationsTest.moc"
