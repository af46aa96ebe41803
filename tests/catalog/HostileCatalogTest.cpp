// Catalog inputs that fuzzing found troublesome, kept as the bytes that showed the trouble.

#include "base/AppContext.h"
#include "base/Archive.h"
#include "catalog/CatalogStore.h"
#include "catalog/FormatDescriptor.h"
#include "catalog/LensDatabase.h"
#include "support/BoundedChild.h"
#include "support/CatalogFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iostream>
#include <set>
#include <string>

namespace {

// Every blank line is an item without a catalog number, so every item asks for number 0.
// Moving each one on step by step took minutes for a file of blank lines. All lenses are read;
// attachments only until every 16-bit number is taken.
TEST(HostileCatalogTest, BlankLinesUpToTheItemLimitAreNumberedAlongTheStepCycle) {
    lumivane::test::TempDir dir;
    const std::string blankLines(40000, '\n');
    lumivane::test::WriteTextFile(dir / "lenses.txt", blankLines);
    lumivane::test::WriteTextFile(dir / "attach.txt", blankLines);

    CLensDatabase db;
    db.BuildFromText(dir.path());

    ASSERT_EQ(db.LensCount(), 40000u);
    ASSERT_EQ(db.AttachmentCount(), CLensDatabase::kMaxItems - 40000u);
    std::set<std::int16_t> ids;
    for (std::size_t i = 0; i < db.LensCount(); ++i) {
        EXPECT_EQ(db.Lens(i).Id(), static_cast<std::int16_t>(i * 21845));
        ids.insert(db.Lens(i).Id());
    }
    for (std::size_t i = 0; i < db.AttachmentCount(); ++i) {
        EXPECT_EQ(db.Attachment(i).Id(), static_cast<std::int16_t>((40000 + i) * 21845));
        ids.insert(db.Attachment(i).Id());
    }
    EXPECT_EQ(ids.size(), 65536u);
}

// A number that wraps past 65535 on its way to a free place.
TEST(HostileCatalogTest, MovedNumbersWrapAroundTheSixteenBits) {
    lumivane::test::TempDir dir;
    // Each '/' adds 15 to the number, so "////" makes 0xFFFF, which is -1.
    lumivane::test::WriteTextFile(dir / "lenses.txt", "a;a;////;1\nb;b;////;1\nc;c;////;1\n");
    lumivane::test::WriteTextFile(dir / "attach.txt", "d;d;////;1\n");

    CLensDatabase db;
    db.BuildFromText(dir.path());

    ASSERT_EQ(db.LensCount(), 3u);
    EXPECT_EQ(db.Lens(0).Id(), -1);
    EXPECT_EQ(db.Lens(1).Id(), 21844);
    EXPECT_EQ(db.Lens(2).Id(), 43689 - 65536);
    EXPECT_EQ(db.Attachment(0).Id(), 65534 - 65536);
}

} // namespace

namespace {

// A user-defined format whose names fill more than the catalog file reader's longest line
// came back from the settings store with every number zero.
TEST(HostileCatalogTest, UserFormatWithVeryLongNamesKeepsItsNumbers) {
    const std::string name(40000, 'n');
    CFormatDescriptor format;
    format.ParseText(name + ';' + name + ";1.850;11.330;20.960;1;884864", 2);

    EXPECT_EQ(format.GetName(), name);
    EXPECT_EQ(format.GetName2(), name);
    EXPECT_DOUBLE_EQ(format.GetAspect(), 1.85);
    EXPECT_DOUBLE_EQ(format.GetHeight(), 11.33);
    EXPECT_DOUBLE_EQ(format.GetWidth(), 20.96);
    EXPECT_EQ(format.GetFlags(), 1);
    EXPECT_EQ(format.GetExcluded(), 884864);
}

} // namespace

namespace {

using lumivane::Archive;

// Writes the store bytes to a file and reads it in a child with 1 GiB of address space.
void ExpectStoreRefused(const lumivane::test::TempDir& dir,
                        const std::function<void(Archive&)>& write, const char* what) {
    Archive ar = Archive::ForStoring();
    write(ar);
    const auto path = dir / "database.dta";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(ar.Bytes().data()),
               static_cast<std::streamsize>(ar.Bytes().size()));
    const auto outcome = lumivane::test::RunBounded(
        [&] {
            lumivane::ScopedAppContext context;
            return !lumivane::ReadCatalogStore(path).has_value();
        },
        std::size_t{1} << 30);
    EXPECT_TRUE(outcome.passed) << what << ": " << outcome.failure;
    std::cout << "[ peak     ] " << what << ": " << outcome.peakKib << " KiB\n";
}

TEST(HostileCatalogTest, StoresClaimingHugeCountsOrTextsAreRefused) {
    lumivane::test::TempDir dir;
    ExpectStoreRefused(
        dir, [](Archive& ar) { ar.WriteLong(0x7FFFFFFF); }, "lenses");
    ExpectStoreRefused(
        dir,
        [](Archive& ar) {
            ar.WriteLong(0);
            ar.WriteLong(0);
            ar.WriteDword(0);
            ar.WriteDword(0xFFFFFFFFu);
        },
        "formats");
    ExpectStoreRefused(
        dir,
        [](Archive& ar) {
            ar.WriteLong(1);
            ar.WriteShort(1);
            ar.WriteByte(0xFF);
            ar.WriteWord(0xFFFF);
            ar.WriteDword(0xFFFFFFFFu);
        },
        "4 GiB lens name");
}

} // namespace
