#include "catalog/CatalogStore.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/SourcePaths.h"
#include "catalog/CatalogFetcher.h"
#include "catalog/CatalogJson.h"
#include "catalog/CatalogUpdate.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "catalog/ProjectorDatabase.h"
#include "support/CatalogFiles.h"
#include "support/FileBytes.h"
#include "support/FileTraps.h"
#include "support/MemorySettingsStore.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace lumivane {
namespace {

using Bytes = std::vector<std::uint8_t>;

class CatalogStoreTest : public ::testing::Test {
protected:
    CatalogStoreTest() {
        context.context().settingsStore = settings;
        test::WriteSmallCatalog(dir.path());
    }

    std::string BuiltJson() { return CatalogsToJson(BuildCatalogsFromText(dir.path())); }

    ScopedAppContext context;
    std::shared_ptr<test::MemorySettingsStore> settings =
        std::make_shared<test::MemorySettingsStore>();
    test::TempDir dir;
    std::filesystem::path store = dir / "database.dta";
};

TEST_F(CatalogStoreTest, StoreHoldsTheCatalogsInOrderAndLoadsBackUnchanged) {
    CatalogSet built = BuildCatalogsFromText(dir.path());
    ASSERT_TRUE(WriteCatalogStore(store, built));

    // The lens catalog comes first: its lens count opens the file.
    const Bytes bytes = test::ReadFileBytes(store);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[1] | bytes[2] | bytes[3], 0);

    const auto loaded = ReadCatalogStore(store);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(CatalogsToJson(*loaded), CatalogsToJson(built));
    EXPECT_EQ(loaded->lenses->LensCount(), 3u);
    EXPECT_EQ(loaded->lenses->AttachmentCount(), 1u);
    EXPECT_EQ(loaded->projectors->GetCount(), 2);
    EXPECT_EQ(loaded->formats->GetCount(), 2);
    EXPECT_TRUE(IsCompleteCatalogStore(store));
}

TEST_F(CatalogStoreTest, OnlyAStoreThatLoadsToItsEndIsTaken) {
    CatalogSet built = BuildCatalogsFromText(dir.path());
    ASSERT_TRUE(WriteCatalogStore(store, built));
    const Bytes whole = test::ReadFileBytes(store);

    const auto damaged = dir / "damaged.dta";
    for (std::size_t n = 0; n < whole.size(); ++n) {
        test::WriteFileBytes(damaged,
                             Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n)));
        EXPECT_FALSE(IsCompleteCatalogStore(damaged)) << "cut at " << n;
    }
    Bytes longer = whole;
    longer.push_back(0);
    test::WriteFileBytes(damaged, longer);
    EXPECT_FALSE(IsCompleteCatalogStore(damaged));
    EXPECT_FALSE(IsCompleteCatalogStore(dir / "missing.dta"));

    Archive ar = Archive::ForLoading(longer);
    CatalogSet into = MakeEmptyCatalogs();
    EXPECT_THROW(LoadCatalogStore(ar, into), ArchiveError);
}

TEST_F(CatalogStoreTest, StartupBuildsAndWritesTheStoreThenLoadsIt) {
    const OpenedCatalogs first = OpenCatalogs(store, dir.path(), StoreWriting::Write);
    EXPECT_EQ(first.origin, CatalogOrigin::BuiltFromText);
    EXPECT_TRUE(first.storeWritten);
    EXPECT_EQ(CatalogOpenMessage(first, StoreWriting::Write), "");
    EXPECT_TRUE(IsCompleteCatalogStore(store));

    // The text files no longer matter once the store exists.
    test::WriteTextFile(dir / "lenses.txt", "");
    const OpenedCatalogs second = OpenCatalogs(store, dir.path(), StoreWriting::Write);
    EXPECT_EQ(second.origin, CatalogOrigin::Store);
    EXPECT_FALSE(second.storeWritten);
    EXPECT_EQ(CatalogsToJson(second.catalogs), CatalogsToJson(first.catalogs));
}

// A Windows installation: the catalog in a folder named beyond ASCII, its text files with the
// CR LF line ends that editors and checkouts there write.
TEST_F(CatalogStoreTest, ShippedTextWithWindowsLineEndsInANonAsciiFolderGivesTheSameCatalogs) {
    const auto folder = test::MakeNonAsciiFolder(dir.path());
    for (const char* name : {"lenses.txt", "attach.txt", "projectors.txt", "formats.txt"}) {
        std::string text;
        for (const char c : test::ReadFileText(test::ShippedCatalogDir() / name)) {
            text += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        test::WriteTextFile(folder / name, text);
    }
    const std::string shipped = CatalogsToJson(BuildCatalogsFromText(test::ShippedCatalogDir()));
    const auto storeThere = folder / "database.dta";

    const OpenedCatalogs built = OpenCatalogs(storeThere, folder, StoreWriting::Write);
    EXPECT_EQ(built.origin, CatalogOrigin::BuiltFromText);
    EXPECT_TRUE(built.storeWritten);
    EXPECT_EQ(CatalogsToJson(built.catalogs), shipped);

    const OpenedCatalogs stored = OpenCatalogs(storeThere, folder, StoreWriting::Write);
    EXPECT_EQ(stored.origin, CatalogOrigin::Store);
    EXPECT_EQ(CatalogsToJson(stored.catalogs), shipped);
}

TEST_F(CatalogStoreTest, DamagedStoreIsRebuiltAndReported) {
    CatalogSet built = BuildCatalogsFromText(dir.path());
    ASSERT_TRUE(WriteCatalogStore(store, built));
    Bytes bytes = test::ReadFileBytes(store);
    bytes.resize(bytes.size() / 2);
    test::WriteFileBytes(store, bytes);

    const OpenedCatalogs readOnly = OpenCatalogs(store, dir.path(), StoreWriting::ReadOnly);
    EXPECT_EQ(readOnly.origin, CatalogOrigin::RebuiltDamagedStore);
    EXPECT_FALSE(readOnly.storeWritten);
    EXPECT_EQ(test::ReadFileBytes(store), bytes);

    const OpenedCatalogs opened = OpenCatalogs(store, dir.path(), StoreWriting::Write);
    EXPECT_EQ(opened.origin, CatalogOrigin::RebuiltDamagedStore);
    EXPECT_TRUE(opened.storeWritten);
    EXPECT_EQ(CatalogsToJson(opened.catalogs), BuiltJson());
    EXPECT_TRUE(IsCompleteCatalogStore(store));
    EXPECT_EQ(CatalogOpenMessage(opened, StoreWriting::Write),
              "The lens catalog file was damaged and has been rebuilt from the catalog files.");
}

TEST_F(CatalogStoreTest, StoreThatCannotBeWrittenIsReportedAndCatalogsStillWork) {
    const OpenedCatalogs opened =
        OpenCatalogs(dir / "no-such-folder" / "database.dta", dir.path(), StoreWriting::Write);
    EXPECT_EQ(opened.origin, CatalogOrigin::BuiltFromText);
    EXPECT_FALSE(opened.storeWritten);
    EXPECT_EQ(opened.catalogs.lenses->LensCount(), 3u);
    EXPECT_NE(CatalogOpenMessage(opened, StoreWriting::Write), "");
}

TEST_F(CatalogStoreTest, ReadOnlyOpeningNeverWritesAStore) {
    const OpenedCatalogs opened = OpenCatalogs(store, dir.path(), StoreWriting::ReadOnly);
    EXPECT_EQ(opened.origin, CatalogOrigin::BuiltFromText);
    EXPECT_FALSE(std::filesystem::exists(store));
    EXPECT_EQ(CatalogOpenMessage(opened, StoreWriting::ReadOnly), "");
}

TEST_F(CatalogStoreTest, UserFormatsStayInTheSettingsAndFollowTheMakersFormats) {
    settings->WriteString("Formats", "0", "My Flat;MF;1.5;10;15;1;0");
    CatalogSet built = BuildCatalogsFromText(dir.path());
    ASSERT_EQ(built.formats->GetCount(), 3);
    EXPECT_EQ(built.formats->GetAt(2)->GetCustomIndex(), 0);
    ASSERT_TRUE(WriteCatalogStore(store, built));

    const auto loaded = ReadCatalogStore(store);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->formats->GetCount(), 3);
    EXPECT_EQ(loaded->formats->GetAt(2)->GetName(), "My Flat");
    EXPECT_EQ(loaded->formats->GetAt(2)->GetCustomIndex(), 0);
}

TEST_F(CatalogStoreTest, TextFolderSearchTakesTheFirstFolderWithCatalogFiles) {
    test::TempDir empty;
    test::TempDir partial;
    test::WriteTextFile(partial / "formats.txt", "");
    EXPECT_EQ(FindCatalogTextFolder({empty.path(), partial.path(), dir.path()}), partial.path());
    EXPECT_EQ(FindCatalogTextFolder({empty.path(), dir.path()}), dir.path());
    EXPECT_EQ(FindCatalogTextFolder({empty.path()}), empty.path());
    EXPECT_EQ(FindCatalogTextFolder({}), std::filesystem::path());

    const auto folders = CatalogTextFolders("/opt/lumivane/bin");
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(folders[0], std::filesystem::current_path());
    EXPECT_EQ(folders[1], std::filesystem::path("/opt/lumivane/share/lumivane/catalog"));
    EXPECT_EQ(folders[2], std::filesystem::path(LUMIVANE_SOURCE_DATA_DIR) / "catalog");
}

TEST_F(CatalogStoreTest, ReloadKeepsOldItemsAliveForReResolutionByItemNumber) {
    const OpenedCatalogs opened = InstallStartupCatalogs(store, dir.path());
    ASSERT_EQ(Ctx().lenses, opened.catalogs.lenses);
    const CLensDescriptor* oldLens = &Ctx().lenses->Lens(0);
    const CAttachDescriptor* oldAdapter = &Ctx().lenses->Attachment(0);
    const std::int16_t zoomId = Ctx().lenses->Lens(1).Id();

    // The newer store drops the zoom lens.
    test::TempDir newer;
    test::WriteSmallCatalog(newer.path());
    test::WriteTextFile(newer / "lenses.txt",
                        "Test Lens 50mm;TL50;11-1234;705;50;50;50;0;30;1;1;90\n"
                        "Old Lens;OL;99-0001;525;40;40;40;0;20;1;1;0\n");
    CatalogSet newerCatalogs = BuildCatalogsFromText(newer.path());
    ASSERT_TRUE(WriteCatalogStore(store, newerCatalogs));

    std::optional<CatalogSet> previous = ReloadCatalogStore(store);
    ASSERT_TRUE(previous);
    EXPECT_EQ(previous->lenses, opened.catalogs.lenses);
    EXPECT_NE(Ctx().lenses, opened.catalogs.lenses);
    // The previous items stay valid while the caller holds them.
    EXPECT_EQ(oldLens->Rating(), 100);

    const CLensDatabase& current = *Ctx().lenses;
    const CLensDescriptor* lens = ResolveLens(current, oldLens->Id());
    ASSERT_NE(lens, nullptr);
    EXPECT_EQ(lens, &current.Lens(0));
    EXPECT_EQ(lens->Rating(), 90);
    const CAttachDescriptor* adapter = ResolveAttachment(current, oldAdapter->Id());
    ASSERT_NE(adapter, nullptr);
    EXPECT_EQ(adapter->Catalog(), "22-1234");
    EXPECT_EQ(ResolveLens(current, zoomId), nullptr);
    EXPECT_EQ(ResolveLens(current, oldAdapter->Id()), nullptr);
    EXPECT_EQ(ResolveAttachment(current, oldLens->Id()), nullptr);
}

TEST_F(CatalogStoreTest, ReloadOfADamagedStoreChangesNothing) {
    InstallStartupCatalogs(store, dir.path());
    const auto lenses = Ctx().lenses;
    test::WriteFileBytes(store, {1, 2, 3});
    EXPECT_FALSE(ReloadCatalogStore(store));
    EXPECT_EQ(Ctx().lenses, lenses);
}

// Plays a server that hands over the given bytes.
class BytesFetcher : public CatalogFetcher {
public:
    explicit BytesFetcher(Bytes body) : m_body(std::move(body)) {}
    FetchOutcome Fetch(const std::string&, const Sink& sink) override {
        return sink(m_body) ? FetchOutcome::Complete : FetchOutcome::Broken;
    }
    bool IsSystemOffline() override { return false; }

private:
    Bytes m_body;
};

TEST_F(CatalogStoreTest, DownloadAcceptsOnlyACompleteStore) {
    CatalogSet built = BuildCatalogsFromText(dir.path());
    const auto served = dir / "served.dta";
    ASSERT_TRUE(WriteCatalogStore(served, built));
    const Bytes good = test::ReadFileBytes(served);
    const Bytes old = {9, 9, 9};
    test::WriteFileBytes(store, old);

    BytesFetcher truncated(Bytes(good.begin(), good.end() - 1));
    EXPECT_EQ(DownloadCatalogStore(store, "http://server/files/database.dta",
                                   UpdateNowDownloadFlags, truncated, IsCompleteCatalogStore),
              DownloadNoFile);
    EXPECT_EQ(test::ReadFileBytes(store), old);

    BytesFetcher whole(good);
    EXPECT_EQ(DownloadCatalogStore(store, "http://server/files/database.dta",
                                   UpdateNowDownloadFlags, whole, IsCompleteCatalogStore),
              DownloadSucceeded);
    EXPECT_EQ(test::ReadFileBytes(store), good);
}

} // namespace
} // namespace lumivane
