#include "catalog/CatalogUpdate.h"

#include "base/AppContext.h"
#include "catalog/CatalogFetcher.h"
#include "support/FileBytes.h"
#include "support/FileTraps.h"
#include "support/MemorySettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace lumivane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Plays a server: hands the body over in chunks of the given size, then reports the outcome.
class FakeFetcher : public CatalogFetcher {
public:
    FetchOutcome Fetch(const std::string& url, const Sink& sink) override {
        ++fetches;
        lastUrl = url;
        for (std::size_t at = 0; at < body.size(); at += chunkSize) {
            const std::size_t n = std::min(chunkSize, body.size() - at);
            if (!sink(std::span(body).subspan(at, n))) {
                return FetchOutcome::Broken;
            }
        }
        return outcome;
    }
    bool IsSystemOffline() override {
        ++offlineQueries;
        return offline;
    }

    Bytes body;
    std::size_t chunkSize = 1024;
    FetchOutcome outcome = FetchOutcome::Complete;
    bool offline = false;
    int fetches = 0;
    int offlineQueries = 0;
    std::string lastUrl;
};

constexpr const char* kAddress = "http://127.0.0.1:9/files/database.dta";

class CatalogDownloadTest : public ::testing::Test {
protected:
    CatalogDownloadTest() {
        settings = std::make_shared<test::MemorySettingsStore>();
        context.context().settingsStore = settings;
        fetcher.body = test::PatternBytes(5000, 3);
    }

    int Download(int flags = UpdateNowDownloadFlags) {
        return DownloadCatalogStore(store, kAddress, flags, fetcher, check);
    }

    void ExpectOldStoreKept() const {
        EXPECT_EQ(test::ReadFileBytes(store), oldStore);
        EXPECT_FALSE(std::filesystem::exists(dir / "temp.dta"));
    }

    ScopedAppContext context;
    std::shared_ptr<test::MemorySettingsStore> settings;
    test::TempDir dir;
    std::filesystem::path store = dir / "database.dta";
    Bytes oldStore = test::PatternBytes(300, 90);
    FakeFetcher fetcher;
    bool storeIsComplete = true;
    std::vector<Bytes> checked;
    CatalogStoreCheck check = [this](const std::filesystem::path& p) {
        checked.push_back(test::ReadFileBytes(p));
        return storeIsComplete;
    };
};

TEST_F(CatalogDownloadTest, ReplacesTheOldStoreWithTheWholeTransfer) {
    test::WriteFileBytes(store, oldStore);
    EXPECT_EQ(Download(), DownloadSucceeded);
    EXPECT_EQ(fetcher.lastUrl, kAddress);
    EXPECT_EQ(test::ReadFileBytes(store), fetcher.body);
    EXPECT_FALSE(std::filesystem::exists(dir / "temp.dta"));
    ASSERT_EQ(checked.size(), 1u);
    EXPECT_EQ(checked[0], fetcher.body);
}

TEST_F(CatalogDownloadTest, FirstDownloadWithoutAnOldStoreSucceeds) {
    EXPECT_EQ(Download(StartupDownloadFlags), DownloadSucceeded);
    EXPECT_EQ(test::ReadFileBytes(store), fetcher.body);
}

TEST_F(CatalogDownloadTest, ShortChunksAreNotTheEndOfTheTransfer) {
    fetcher.body = test::PatternBytes(3 * 1024 + 17, 1);
    fetcher.chunkSize = 100;
    EXPECT_EQ(Download(), DownloadSucceeded);
    EXPECT_EQ(test::ReadFileBytes(store), fetcher.body);
}

TEST_F(CatalogDownloadTest, FailedTransfersKeepTheOldStoreByteForByte) {
    test::WriteFileBytes(store, oldStore);

    fetcher.outcome = FetchOutcome::NoConnection;
    fetcher.body.clear();
    EXPECT_EQ(Download(), DownloadNoConnection);
    ExpectOldStoreKept();

    fetcher.outcome = FetchOutcome::NoFile;
    fetcher.body = test::PatternBytes(40, 5);
    EXPECT_EQ(Download(), DownloadNoFile);
    ExpectOldStoreKept();

    fetcher.outcome = FetchOutcome::Broken;
    fetcher.body = test::PatternBytes(2500, 6);
    EXPECT_EQ(Download(), DownloadNoFile);
    ExpectOldStoreKept();
    EXPECT_TRUE(checked.empty());
}

TEST_F(CatalogDownloadTest, AFileThatIsNoCompleteStoreIsRefused) {
    test::WriteFileBytes(store, oldStore);
    storeIsComplete = false;
    EXPECT_EQ(Download(), DownloadNoFile);
    ExpectOldStoreKept();
    EXPECT_EQ(checked.size(), 1u);
}

TEST_F(CatalogDownloadTest, AStoreThatCannotBeReplacedGivesStoreInUse) {
    // A non-empty folder where the store should be cannot be renamed over.
    std::filesystem::create_directory(store);
    test::WriteFileBytes(store / "keep", oldStore);
    EXPECT_EQ(Download(), DownloadStoreInUse);
    EXPECT_EQ(test::ReadFileBytes(store / "keep"), oldStore);
    EXPECT_FALSE(std::filesystem::exists(dir / "temp.dta"));
}

TEST_F(CatalogDownloadTest, ATempFileThatCannotBeCreatedGivesNoFile) {
    test::WriteFileBytes(store, oldStore);
    std::filesystem::create_directory(dir / "temp.dta");
    EXPECT_EQ(Download(), DownloadNoFile);
    EXPECT_EQ(test::ReadFileBytes(store), oldStore);
    EXPECT_EQ(fetcher.fetches, 0);
}

TEST_F(CatalogDownloadTest, NoServerConfiguredMeansNoConnection) {
    test::WriteFileBytes(store, oldStore);
    EXPECT_EQ(DownloadCatalogStore(store, CatalogStoreAddress(""), UpdateNowDownloadFlags, fetcher,
                                   check),
              DownloadNoConnection);
    EXPECT_EQ(fetcher.fetches, 0);
    ExpectOldStoreKept();
}

TEST_F(CatalogDownloadTest, ConnectionStateDecidesOnlyWithoutSkipFlagAndConnectedSetting) {
    test::WriteFileBytes(store, oldStore);
    fetcher.offline = true;

    EXPECT_EQ(Download(StartupDownloadFlags), DownloadNoConnection);
    EXPECT_EQ(fetcher.offlineQueries, 1);
    EXPECT_EQ(fetcher.fetches, 0);
    ExpectOldStoreKept();

    EXPECT_EQ(Download(UpdateNowDownloadFlags), DownloadSucceeded);
    EXPECT_EQ(fetcher.offlineQueries, 1);

    settings->WriteInt("Settings", "Connected", 1);
    EXPECT_EQ(Download(StartupDownloadFlags), DownloadSucceeded);
    EXPECT_EQ(fetcher.offlineQueries, 1);

    settings->WriteInt("Settings", "Connected", 0);
    fetcher.offline = false;
    EXPECT_EQ(Download(StartupDownloadFlags), DownloadSucceeded);
    EXPECT_EQ(fetcher.offlineQueries, 2);
}

TEST_F(CatalogDownloadTest, WithoutASettingsStoreTheConnectionStateIsAsked) {
    context.context().settingsStore.reset();
    fetcher.offline = true;
    EXPECT_EQ(Download(StartupDownloadFlags), DownloadNoConnection);
    EXPECT_EQ(fetcher.offlineQueries, 1);
}

TEST_F(CatalogDownloadTest, ASecondUpdateOfTheSameStoreIsTurnedAwayWhileOneRuns) {
    test::WriteFileBytes(store, oldStore);
    FakeFetcher second;
    second.body = test::PatternBytes(700, 8);
    int nested = -1;
    fetcher.chunkSize = 1000;
    check = [&](const std::filesystem::path&) {
        // The first update is between its transfer and its rename: the worst moment.
        nested = DownloadCatalogStore(store, kAddress, UpdateNowDownloadFlags, second,
                                      [](const std::filesystem::path&) { return true; });
        return true;
    };
    EXPECT_EQ(Download(), DownloadSucceeded);
    EXPECT_EQ(nested, DownloadAlreadyRunning);
    EXPECT_EQ(second.fetches, 0);
    EXPECT_EQ(test::ReadFileBytes(store), fetcher.body);
    EXPECT_FALSE(std::filesystem::exists(CatalogUpdateLockPath(store)));
}

// On Windows the store sits in a user's folder (C:\\Users\\J\xC3\xBCrgen\\...): the lock, the
// temporary file and the replacement must all work there, and the lock must still lock.
TEST_F(CatalogDownloadTest, AStoreInAFolderNamedBeyondAsciiIsUpdatedUnderItsLock) {
    store = test::MakeNonAsciiFolder(dir.path()) / "database.dta";
    test::WriteFileBytes(store, oldStore);
    int nested = -1;
    check = [&](const std::filesystem::path&) {
        nested = DownloadCatalogStore(store, kAddress, UpdateNowDownloadFlags, fetcher,
                                      [](const std::filesystem::path&) { return true; });
        return true;
    };
    EXPECT_EQ(Download(), DownloadSucceeded);
    EXPECT_EQ(nested, DownloadAlreadyRunning);
    EXPECT_EQ(test::ReadFileBytes(store), fetcher.body);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(store.parent_path()), {}), 1);
}

// Windows refuses to replace a file another program holds open, where Linux just replaces it.
TEST_F(CatalogDownloadTest, AStoreAnotherProgramHoldsOpenGivesStoreInUseAndStaysWhole) {
    using test::HeldOpenFile;
    test::WriteFileBytes(store, oldStore);
    {
        const HeldOpenFile held(store);
        ASSERT_TRUE(held.IsOpen());
        EXPECT_EQ(Download(),
                  HeldOpenFile::LocksOthersOut() ? DownloadStoreInUse : DownloadSucceeded);
    }
    if (HeldOpenFile::LocksOthersOut()) {
        ExpectOldStoreKept();
    }
    EXPECT_FALSE(std::filesystem::exists(CatalogUpdateLockPath(store)));
}

TEST_F(CatalogDownloadTest, ALockLeftByADeadUpdateIsTakenOver) {
    test::WriteFileBytes(store, oldStore);
    const auto lock = CatalogUpdateLockPath(store);
    test::WriteFileBytes(lock, {});
    EXPECT_EQ(Download(), DownloadAlreadyRunning);
    ExpectOldStoreKept();

    std::filesystem::last_write_time(lock, std::filesystem::file_time_type::clock::now() -
                                               kStaleLockAge - std::chrono::seconds(5));
    test::WriteFileBytes(dir / "temp.dta", test::PatternBytes(10, 1));
    EXPECT_EQ(Download(), DownloadSucceeded);
    EXPECT_EQ(test::ReadFileBytes(store), fetcher.body);
    EXPECT_FALSE(std::filesystem::exists(lock));
}

TEST(CatalogStoreAddress, AppendsTheStoreNameToTheDownloadFolder) {
    EXPECT_EQ(CatalogStoreAddress(""), "");
    EXPECT_EQ(CatalogStoreAddress("http://example.test/files/"),
              "http://example.test/files/database.dta");
    EXPECT_EQ(CatalogStoreAddress("http://example.test/files"),
              "http://example.test/files/database.dta");
}

TEST(DownloadResultMessage, OneTextPerResult) {
    EXPECT_EQ(DownloadResultMessage(0), "The latest version of the Halvard Optics lens catalog "
                                        "has been successfully downloaded.");
    EXPECT_EQ(DownloadResultMessage(1), "The internet connection could not be established.");
    EXPECT_EQ(DownloadResultMessage(2), "The updated lens data could not be downloaded.");
    EXPECT_EQ(DownloadResultMessage(3), "The updated lens data could not be downloaded.");
    EXPECT_NE(DownloadResultMessage(6), DownloadResultMessage(5));
    EXPECT_EQ(DownloadResultMessage(5), "The lens database is currently in use, make sure this is "
                                        "the only copy of the program running.");
}

} // namespace
} // namespace lumivane
