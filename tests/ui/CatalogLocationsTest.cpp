#include "ui/CatalogLocations.h"

#include "support/MemorySettingsStore.h"

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
};

QTEST_GUILESS_MAIN(CatalogLocationsTest)
#include "CatalogLocationsTest.moc"
