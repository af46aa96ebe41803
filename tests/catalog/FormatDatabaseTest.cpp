#include "catalog/FormatDatabase.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "catalog/FormatFlags.h"
#include "catalog/LensDatabase.h"
#include "catalog/LensSetupQuery.h"
#include "support/MemorySettingsStore.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>

namespace {

using lumivane::test::MemorySettingsStore;

class FormatDatabaseTest : public ::testing::Test {
protected:
    FormatDatabaseTest() { m_context.context().settingsStore = m_store; }

    void SetCustom(int number, const std::string& text) {
        m_store->WriteString("Formats", std::to_string(number), text);
    }
    std::string Custom(int number) const {
        return m_store->ReadString("Formats", std::to_string(number), "");
    }
    void WriteFormatsFile(const std::string& bytes) {
        std::ofstream(m_dir / "formats.txt", std::ios::binary) << bytes;
    }

    lumivane::ScopedAppContext m_context;
    std::shared_ptr<MemorySettingsStore> m_store = std::make_shared<MemorySettingsStore>();
    lumivane::test::TempDir m_dir;
    CFormatDatabase m_db;
};

std::unique_ptr<CFormatDescriptor> CustomFormat(const std::string& name, int index) {
    auto format = std::make_unique<CFormatDescriptor>();
    format->ParseText(name + ";" + name + ";1.850;11.330;20.960;1;0", index);
    return format;
}

// A lens set-up for one format that asks for whatever focal length the test names.
class FormatQuery : public lumivane::LensSetupQuery {
public:
    explicit FormatQuery(const CFormatDescriptor& format)
        : m_needs{format.GetFlags(), format.GetExcluded(), format.FilmDiagonal()} {}

    std::optional<lumivane::LensFormatNeeds> FormatNeeds() const override { return m_needs; }
    std::int16_t Barrel() const override { return m_barrel; }
    double RequiredFocalMm() const override { return m_focal; }
    void SetFocal(double focal) { m_focal = focal; }

private:
    lumivane::LensFormatNeeds m_needs;
    std::int16_t m_barrel = 0;
    double m_focal = 0.0;
};

bool ServedByAnyLens(const CLensDatabase& lenses, const CFormatDescriptor& format) {
    FormatQuery query(format);
    for (std::size_t i = 0; i < lenses.LensCount(); ++i) {
        const CLensDescriptor& lens = lenses.Lens(i);
        if (!lenses.IsEligible(query, lens, false)) {
            continue;
        }
        query.SetFocal(lens.MeanFocal());
        if (lenses.ScoreLens(query, lens) > 0) {
            return true;
        }
        for (std::size_t a = 0; a < lenses.AttachmentCount(); ++a) {
            const CAttachDescriptor& attachment = lenses.Attachment(a);
            query.SetFocal(lens.MeanFocal() * attachment.ZoomMin() /
                           attachment.VerticalStretch(&lens));
            if (lenses.ScoreLensWithAttachment(query, lens, attachment) > 0) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

TEST_F(FormatDatabaseTest, BuildingAppendsTheUserFormatsAfterTheMakersFormats) {
    WriteFormatsFile("Flat;F;1.85;11.33;20.96;1;0\nScope;S;1.195;17.53;20.96;129;0\n");
    SetCustom(0, "Mine;Mine;2.000;10.000;20.000;1;0");
    m_db.BuildFromText(m_dir.path());
    ASSERT_EQ(m_db.GetCount(), 3);
    EXPECT_EQ(m_db.GetFormatName(0), "Flat");
    EXPECT_EQ(m_db.GetFormatName(1), "Scope");
    EXPECT_EQ(m_db.GetFormatName(2), "Mine");
    EXPECT_EQ(m_db.GetAt(1)->GetCustomIndex(), -1);
    EXPECT_EQ(m_db.GetAt(2)->GetCustomIndex(), 0);
    EXPECT_EQ(m_db.GetFormatName(3), "");
    EXPECT_EQ(m_db.GetAt(-1), nullptr);
}

TEST_F(FormatDatabaseTest, MissingFileStillGivesTheUserFormats) {
    SetCustom(0, "Mine;Mine;2.000;10.000;20.000;1;0");
    m_db.BuildFromText(m_dir.path() / "nowhere");
    ASSERT_EQ(m_db.GetCount(), 1);
    EXPECT_EQ(m_db.GetFormatName(0), "Mine");
}

TEST_F(FormatDatabaseTest, GapsLeftByOlderVersionsDoNotHideLaterFormats) {
    SetCustom(0, "A;A;1;1;1;1;0");
    SetCustom(1, "B;B;1;1;1;1;0");
    SetCustom(3, "D;D;1;1;1;1;0");
    SetCustom(3 + CFormatDatabase::kMaxCustomGap + 1, "Far;Far;1;1;1;1;0");
    m_db.LoadCustomFormats();
    ASSERT_EQ(m_db.GetCount(), 3);
    EXPECT_EQ(m_db.GetAt(2)->GetName(), "D");
    EXPECT_EQ(m_db.GetAt(2)->GetCustomIndex(), 3);
    EXPECT_EQ(m_db.NextCustomIndex(), 2);
}

TEST_F(FormatDatabaseTest, SavingRenumbersSoDeletingTheFirstLosesNothing) {
    SetCustom(0, "A;A;1;1;1;1;0");
    SetCustom(1, "B;B;1;1;1;1;0");
    SetCustom(2, "C;C;1;1;1;1;0");
    m_db.LoadCustomFormats();
    m_db.RemoveFormat(0);
    m_db.SaveCustomFormats();

    EXPECT_EQ(Custom(0), "B;B;1.000;1.000;1.000;1;0");
    EXPECT_EQ(Custom(1), "C;C;1.000;1.000;1.000;1;0");
    EXPECT_FALSE(m_store->Has("Formats", "2"));
    EXPECT_EQ(m_db.GetAt(0)->GetCustomIndex(), 0);
    EXPECT_EQ(m_db.GetAt(1)->GetCustomIndex(), 1);

    CFormatDatabase next;
    next.LoadCustomFormats();
    ASSERT_EQ(next.GetCount(), 2);
    EXPECT_EQ(next.GetFormatName(0), "B");
    EXPECT_EQ(next.GetFormatName(1), "C");
}

TEST_F(FormatDatabaseTest, SavingSkipsTheMakersFormatsAndClearsTheSection) {
    SetCustom(9, "stale");
    m_db.Append(std::make_unique<CFormatDescriptor>());
    m_db.Append(CustomFormat("Mine", 4));
    m_db.SaveCustomFormats();
    EXPECT_EQ(Custom(0), "Mine;Mine;1.850;11.330;20.960;1;0");
    EXPECT_FALSE(m_store->Has("Formats", "9"));
    EXPECT_FALSE(m_store->Has("Formats", "1"));
    EXPECT_EQ(m_db.GetAt(0)->GetCustomIndex(), -1);
}

TEST_F(FormatDatabaseTest, NextCustomIndexReusesTheSmallestFreeNumber) {
    EXPECT_EQ(m_db.NextCustomIndex(), 0);
    m_db.Append(CustomFormat("A", 0));
    m_db.Append(CustomFormat("B", 1));
    m_db.Append(CustomFormat("C", 2));
    EXPECT_EQ(m_db.NextCustomIndex(), 3);
    m_db.RemoveFormat(0);
    EXPECT_EQ(m_db.NextCustomIndex(), 0);
}

TEST_F(FormatDatabaseTest, RemovingMovesLaterFormatsDown) {
    m_db.Append(CustomFormat("A", 0));
    CFormatDescriptor& b = m_db.Append(CustomFormat("B", 1));
    m_db.Append(CustomFormat("C", 2));
    EXPECT_EQ(m_db.IndexOf(&b), 1);
    m_db.RemoveFormat(0);
    EXPECT_EQ(m_db.IndexOf(&b), 0);
    EXPECT_EQ(m_db.GetFormatName(1), "C");
    m_db.RemoveFormat(7);
    m_db.RemoveFormat(-1);
    EXPECT_EQ(m_db.GetCount(), 2);
    CFormatDescriptor stranger;
    EXPECT_EQ(m_db.IndexOf(&stranger), -1);
    EXPECT_EQ(m_db.IndexOf(nullptr), -1);
}

TEST_F(FormatDatabaseTest, StoreHoldsOnlyTheMakersFormatsSoUserFormatsComeBackOnce) {
    WriteFormatsFile("Scope;S;1.195;17.53;20.96;129;0\n");
    SetCustom(0, "Mine;M;1.500;10.000;15.000;1;0");
    m_db.BuildFromText(m_dir.path());
    lumivane::Archive out = lumivane::Archive::ForStoring();
    m_db.Serialize(out);

    lumivane::Archive in = lumivane::Archive::ForLoading(out.Bytes());
    CFormatDatabase loaded;
    loaded.Append(CustomFormat("old", 3));
    loaded.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    ASSERT_EQ(loaded.GetCount(), 2);
    EXPECT_EQ(loaded.GetFormatName(0), "Scope");
    EXPECT_DOUBLE_EQ(loaded.GetAt(0)->GetWidth(), 41.92);
    EXPECT_EQ(loaded.GetFormatName(1), "Mine");
    EXPECT_EQ(loaded.GetAt(1)->GetCustomIndex(), 0);

    // A user format deleted later does not live on in the store.
    m_store->DeleteSection("Formats");
    lumivane::Archive again = lumivane::Archive::ForLoading(out.Bytes());
    loaded.Serialize(again);
    EXPECT_EQ(loaded.GetCount(), 1);
}

TEST_F(FormatDatabaseTest, DamagedStoreThrowsAndKeepsTheList) {
    m_db.Append(CustomFormat("Keep", 0));
    CFormatDatabase source;
    source.Append(CustomFormat("A", 0));
    source.Append(CustomFormat("B", 1));
    lumivane::Archive out = lumivane::Archive::ForStoring();
    source.Serialize(out);

    std::vector<std::uint8_t> truncated = out.Bytes();
    truncated.resize(truncated.size() - 3);
    lumivane::Archive shortArchive = lumivane::Archive::ForLoading(truncated);
    EXPECT_THROW(m_db.Serialize(shortArchive), lumivane::ArchiveError);

    lumivane::Archive absurd = lumivane::Archive::ForLoading({0xFF, 0xFF, 0xFF, 0x7F, 0, 0});
    EXPECT_THROW(m_db.Serialize(absurd), lumivane::ArchiveError);

    ASSERT_EQ(m_db.GetCount(), 1);
    EXPECT_EQ(m_db.GetFormatName(0), "Keep");
}

TEST_F(FormatDatabaseTest, ShippedFormatsHoldTheWizardPositions) {
    namespace Flag = lumivane::FormatFlag;
    m_context.context().settingsStore.reset();
    m_db.BuildFromText(lumivane::test::ShippedCatalogDir());
    ASSERT_GE(m_db.GetCount(), 40);

    auto expectFormat = [&](int position, double width, double height, int flags) {
        SCOPED_TRACE(position);
        const CFormatDescriptor* format = m_db.GetAt(position);
        ASSERT_NE(format, nullptr);
        EXPECT_NEAR(format->GetWidth() / format->GetAnamorphic(), width, 1e-9);
        EXPECT_NEAR(format->GetHeight(), height, 1e-9);
        EXPECT_EQ(format->GetFlags(), flags);
    };
    expectFormat(0, 20.96, 11.33, Flag::Film35);
    EXPECT_DOUBLE_EQ(m_db.GetAt(0)->GetAspect(), 1.85);
    expectFormat(1, 20.96, 15.24, Flag::Film35);
    EXPECT_DOUBLE_EQ(m_db.GetAt(1)->GetAspect(), 1.37);
    expectFormat(2, 20.96, 12.62, Flag::Film35);
    expectFormat(3, 20.96, 17.53, Flag::Film35 | Flag::Anamorphic200);
    EXPECT_DOUBLE_EQ(m_db.GetAt(3)->GetAspect(), 2.39);
    EXPECT_DOUBLE_EQ(m_db.GetAt(3)->GetWidth(), 41.92);
    expectFormat(5, 9.65, 7.21, Flag::Film16);
    expectFormat(7, 48.56, 22.10, Flag::Film70FivePerf);
    EXPECT_EQ(m_db.GetFormatName(7), "70mm 570");
    EXPECT_EQ(m_db.GetFormatName(8), "70mm 870");
    EXPECT_EQ(m_db.GetAt(8)->GetFlags(), Flag::Film70EightPerf);
    expectFormat(32, 34.0, 23.0, Flag::Slide);

    for (int i = 0; i < m_db.GetCount(); ++i) {
        const CFormatDescriptor& format = *m_db.GetAt(i);
        SCOPED_TRACE(format.GetName());
        EXPECT_TRUE(CFormatDescriptor::IsStorableName(format.GetName()));
        EXPECT_GT(format.GetWidth(), 0.0);
        EXPECT_GT(format.GetHeight(), 0.0);
        EXPECT_NEAR(format.GetAspect(), format.GetWidth() / format.GetHeight(),
                    0.04 * format.GetAspect());
        EXPECT_EQ(format.GetFlags() & format.GetExcluded(), 0);
    }
}

TEST_F(FormatDatabaseTest, EveryShippedFormatIsServedByALensOrACombination) {
    m_context.context().settingsStore.reset();
    m_db.BuildFromText(lumivane::test::ShippedCatalogDir());
    CLensDatabase lenses;
    lenses.BuildFromText(lumivane::test::ShippedCatalogDir());
    ASSERT_GT(lenses.LensCount(), 0u);
    for (int i = 0; i < m_db.GetCount(); ++i) {
        EXPECT_TRUE(ServedByAnyLens(lenses, *m_db.GetAt(i))) << m_db.GetFormatName(i);
    }
}
