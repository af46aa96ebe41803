#include "ui/QtCatalogFetcher.h"

#include "base/AppContext.h"
#include "base/SourcePaths.h"
#include "catalog/CatalogStore.h"
#include "catalog/CatalogUpdate.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QNetworkInformation>
#include <QProcess>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <iterator>
#include <vector>

using namespace lumivane;

namespace {

using Bytes = std::vector<std::uint8_t>;

int ClosedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const int port = probe.serverPort();
    probe.close();
    return port;
}

} // namespace

class QtCatalogFetcherTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // A proxy from the environment must not swallow loopback requests.
        qputenv("no_proxy", "127.0.0.1,localhost");
        CatalogSet shipped =
            BuildCatalogsFromText(std::filesystem::path(LUMIVANE_SOURCE_DATA_DIR) / "catalog");
        QVERIFY(WriteCatalogStore(m_served, shipped));
        m_newStore = test::ReadFileBytes(m_served);
        m_server.setProgram(QStringLiteral(LUMIVANE_PYTHON));
        m_server.setArguments({QStringLiteral(LUMIVANE_CATALOG_SERVER), QStringLiteral("--store"),
                               QString::fromStdU16String(m_served.u16string())});
        m_server.start();
        QVERIFY(m_server.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(m_server.canReadLine(), 10000);
        const int port = m_server.readLine().trimmed().toInt();
        QVERIFY(port > 0);
        m_base = "http://127.0.0.1:" + std::to_string(port) + "/";
    }

    void cleanupTestCase() {
        m_server.closeWriteChannel();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

    void init() {
        m_dir = std::make_unique<test::TempDir>();
        test::WriteFileBytes(Store(), m_oldStore);
    }

    void goodStoreReplacesTheOldOne() {
        QCOMPARE(Download("good"), int(DownloadSucceeded));
        QVERIFY(test::ReadFileBytes(Store()) == m_newStore);
        QVERIFY(!std::filesystem::exists(*m_dir / "temp.dta"));
    }

    void firstDownloadWithoutStoreSucceeds() {
        std::filesystem::remove(Store());
        QCOMPARE(Download("good"), int(DownloadSucceeded));
        QVERIFY(test::ReadFileBytes(Store()) == m_newStore);
    }

    void failuresKeepTheOldStore_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("result");
        QTest::newRow("404") << QStringLiteral("missing") << int(DownloadNoFile);
        QTest::newRow("truncated body") << QStringLiteral("truncated") << int(DownloadNoFile);
        QTest::newRow("garbage body") << QStringLiteral("garbage") << int(DownloadNoFile);
    }

    void failuresKeepTheOldStore() {
        QFETCH(QString, folder);
        QFETCH(int, result);
        QCOMPARE(Download(folder.toStdString()), result);
        ExpectOldStoreKept();
    }

    void refusedConnectionGivesNoConnection() {
        const std::string address =
            "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/files/database.dta";
        QtCatalogFetcher fetcher;
        QCOMPARE(DownloadCatalogStore(Store(), address, UpdateNowDownloadFlags, fetcher, m_check),
                 int(DownloadNoConnection));
        ExpectOldStoreKept();
    }

    void silentServerTimesOut() {
        QtCatalogFetcher fetcher(std::chrono::milliseconds(300));
        QCOMPARE(DownloadCatalogStore(Store(), CatalogStoreAddress(m_base + "stall/files/"),
                                      UpdateNowDownloadFlags, fetcher, m_check),
                 int(DownloadNoConnection));
        ExpectOldStoreKept();
    }

    void abortingStopsAWaitingTransferAtOnce() {
        QtCatalogFetcher fetcher;
        QTimer::singleShot(100, [&fetcher] { fetcher.Abort(); });
        QElapsedTimer clock;
        clock.start();
        const auto outcome = fetcher.Fetch(CatalogStoreAddress(m_base + "stall/files/"),
                                           [](std::span<const std::uint8_t>) { return true; });
        QCOMPARE(int(outcome), int(FetchOutcome::Broken));
        QVERIFY(clock.elapsed() < 10000);
    }

    void noServerOrNoHttpAddressGivesNoConnection() {
        QtCatalogFetcher fetcher;
        QCOMPARE(DownloadCatalogStore(Store(), CatalogStoreAddress(""), UpdateNowDownloadFlags,
                                      fetcher, m_check),
                 int(DownloadNoConnection));
        QCOMPARE(
            DownloadCatalogStore(Store(), "database.dta", UpdateNowDownloadFlags, fetcher, m_check),
            int(DownloadNoConnection));
        ExpectOldStoreKept();
    }

    void sendsTheProgramsAgentName() {
        QtCatalogFetcher fetcher;
        std::string body;
        const auto outcome = fetcher.Fetch(CatalogStoreAddress(m_base + "agent/files/"),
                                           [&](std::span<const std::uint8_t> chunk) {
                                               body.append(chunk.begin(), chunk.end());
                                               return true;
                                           });
        QCOMPARE(int(outcome), int(FetchOutcome::Complete));
        QCOMPARE(QString::fromStdString(body), QStringLiteral("qor30"));
    }

    void truncatedBodyIsABrokenTransfer() {
        QtCatalogFetcher fetcher;
        std::size_t received = 0;
        const auto outcome = fetcher.Fetch(CatalogStoreAddress(m_base + "truncated/files/"),
                                           [&](std::span<const std::uint8_t> chunk) {
                                               received += chunk.size();
                                               return true;
                                           });
        QCOMPARE(int(outcome), int(FetchOutcome::Broken));
        QVERIFY(received < m_newStore.size());
    }

    void refusingSinkBreaksTheTransfer() {
        QtCatalogFetcher fetcher;
        const auto outcome = fetcher.Fetch(CatalogStoreAddress(m_base + "good/files/"),
                                           [](std::span<const std::uint8_t>) { return false; });
        QCOMPARE(int(outcome), int(FetchOutcome::Broken));
    }

    void unreadableConnectionStateIsNotOffline() {
        QtCatalogFetcher fetcher;
        const bool offline = fetcher.IsSystemOffline();
        if (!QNetworkInformation::instance() ||
            QNetworkInformation::instance()->reachability() !=
                QNetworkInformation::Reachability::Disconnected) {
            QVERIFY(!offline);
        }
    }

private:
    std::filesystem::path Store() const { return *m_dir / "database.dta"; }

    int Download(const std::string& folder) {
        QtCatalogFetcher fetcher;
        return DownloadCatalogStore(Store(), CatalogStoreAddress(m_base + folder + "/files/"),
                                    UpdateNowDownloadFlags, fetcher, m_check);
    }

    void ExpectOldStoreKept() const {
        QVERIFY(test::ReadFileBytes(Store()) == m_oldStore);
        QVERIFY(!std::filesystem::exists(*m_dir / "temp.dta"));
    }

    test::TempDir m_serverDir;
    std::filesystem::path m_served = m_serverDir / "database.dta";
    ScopedAppContext m_context;
    Bytes m_newStore;
    Bytes m_oldStore = test::PatternBytes(777, 42);
    CatalogStoreCheck m_check = IsCompleteCatalogStore;
    QProcess m_server;
    std::string m_base;
    std::unique_ptr<test::TempDir> m_dir;
};

QTEST_GUILESS_MAIN(QtCatalogFetcherTest)
#include "QtCatalogFetcherTest.moc"
