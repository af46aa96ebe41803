#include "ui/DataFolders.h"

#include "base/DataFolders.h"
#include "base/SourcePaths.h"

#include <QTest>

using namespace lumivane;

class DataFoldersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void installedFolderComesBeforeTheSourceTree() {
        const auto folders = DataFolderCandidates("/opt/lumivane/bin", "help");
        QCOMPARE(folders.size(), std::size_t(2));
        QCOMPARE(folders[0], std::filesystem::path("/opt/lumivane/share/lumivane/help"));
        QCOMPARE(folders[1], std::filesystem::path(LUMIVANE_SOURCE_DATA_DIR) / "help");
        QCOMPARE(DataFolderCandidates({}, "help").size(), std::size_t(1));
    }

    void findsTheFirstFolderThatExists() {
        const auto help = FindDataFolder("help");
        QVERIFY(std::filesystem::exists(help / "Welcome.htm"));
        QVERIFY(FindDataFolder("no-such-data").empty());
    }
};

QTEST_GUILESS_MAIN(DataFoldersTest)
#include "DataFoldersTest.moc"
