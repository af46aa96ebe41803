// Checks of the catalog text files shipped in data/catalog: the catalogs must fit together,
// or a user meets formats that no projector shows or no lens serves.

#include "base/AppContext.h"
#include "base/SourcePaths.h"
#include "catalog/CatalogStore.h"
#include "catalog/FormatDatabase.h"
#include "catalog/FormatFlags.h"
#include "catalog/LensDatabase.h"
#include "catalog/LensSetupQuery.h"
#include "catalog/ProjectorDatabase.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace lumivane {
namespace {

const std::filesystem::path kShipped = std::filesystem::path(LUMIVANE_SOURCE_DATA_DIR) / "catalog";

// One format at one focal length, as a lens set-up would ask.
class FormatSetUp : public LensSetupQuery {
public:
    explicit FormatSetUp(const CFormatDescriptor& format)
        : m_needs{format.GetFlags(), format.GetExcluded(), format.FilmDiagonal()} {}

    std::optional<LensFormatNeeds> FormatNeeds() const override { return m_needs; }
    std::int16_t Barrel() const override { return m_barrel; }
    double RequiredFocalMm() const override { return m_focal; }
    void SetFocal(double focal) { m_focal = focal; }

private:
    LensFormatNeeds m_needs;
    std::int16_t m_barrel = 0;
    double m_focal = 0.0;
};

// Whether some rated lens, alone or with an attachment, is a candidate for the format at the
// middle of its own focal range.
bool ServedBySomeLens(const CLensDatabase& lenses, const CFormatDescriptor& format) {
    FormatSetUp setUp(format);
    for (std::size_t i = 0; i < lenses.LensCount(); ++i) {
        const CLensDescriptor& lens = lenses.Lens(i);
        if (!lenses.IsEligible(setUp, lens, false)) {
            continue;
        }
        setUp.SetFocal(lens.MeanFocal());
        if (lenses.ScoreLens(setUp, lens) > 0) {
            return true;
        }
        for (std::size_t j = 0; j < lenses.AttachmentCount(); ++j) {
            const CAttachDescriptor& attachment = lenses.Attachment(j);
            setUp.SetFocal(lens.MeanFocal() * (attachment.ZoomMin() + attachment.ZoomMax()) / 2 /
                           attachment.VerticalStretch(&lens));
            if (lenses.ScoreLensWithAttachment(setUp, lens, attachment) > 0) {
                return true;
            }
        }
    }
    return false;
}

bool ShownBySomeProjector(const CProjectorDatabase& projectors, const CFormatDescriptor& format) {
    for (int i = 0; i < projectors.GetCount(); ++i) {
        if (projectors.GetAt(i)->CanShow(format)) {
            return true;
        }
    }
    return false;
}

class ShippedCatalogTest : public ::testing::Test {
protected:
    ScopedAppContext context;
    CatalogSet catalogs = BuildCatalogsFromText(kShipped);
};

TEST_F(ShippedCatalogTest, HoldsARealisticRange) {
    EXPECT_GE(catalogs.formats->GetCount(), 40);
    EXPECT_GE(catalogs.lenses->LensCount(), 80u);
    EXPECT_GE(catalogs.lenses->AttachmentCount(), 12u);
    EXPECT_GE(catalogs.projectors->GetCount(), 25);
    std::set<std::string> makers;
    for (int i = 0; i < catalogs.projectors->GetCount(); ++i) {
        makers.insert(catalogs.projectors->GetMaker(i));
    }
    EXPECT_GE(makers.size(), 5u);
}

TEST_F(ShippedCatalogTest, EveryFormatCanBeShownAndServed) {
    std::string notShown;
    std::string notServed;
    for (int i = 0; i < catalogs.formats->GetCount(); ++i) {
        const CFormatDescriptor& format = *catalogs.formats->GetAt(i);
        const std::string label = "\n  " + std::to_string(i) + " " + format.GetName();
        if (!ShownBySomeProjector(*catalogs.projectors, format)) {
            notShown += label;
        }
        if (!ServedBySomeLens(*catalogs.lenses, format)) {
            notServed += label;
        }
    }
    EXPECT_EQ(notShown, "") << "formats no projector can show";
    EXPECT_EQ(notServed, "") << "formats no lens or lens with attachment serves";
}

struct WizardFormat {
    int position;
    std::int32_t kind;
    double width; // unsqueezed
    double height;
    double aspect; // unsqueezed
};

TEST_F(ShippedCatalogTest, WizardPositionsHoldTheirFormats) {
    const WizardFormat expected[] = {
        {0, 0x1, 20.96, 11.33, 1.85},  {1, 0x1, 20.96, 15.24, 1.37},   {2, 0x1, 20.96, 12.62, 1.66},
        {3, 0x81, 41.92, 17.53, 2.39}, {5, 0x4, 9.65, 7.21, 1.33},     {7, 0x2, 48.56, 22.10, 2.20},
        {8, 0x8, 48.56, 36.20, 1.34},  {32, 0x100, 34.0, 23.0, 1.478},
    };
    for (const WizardFormat& w : expected) {
        SCOPED_TRACE(w.position);
        const CFormatDescriptor* format = catalogs.formats->GetAt(w.position);
        ASSERT_NE(format, nullptr);
        EXPECT_EQ(format->GetFlags(), w.kind);
        EXPECT_NEAR(format->GetWidth(), w.width, 1e-9);
        EXPECT_NEAR(format->GetHeight(), w.height, 1e-9);
        EXPECT_NEAR(format->GetAspect(), w.aspect, 1e-9);
    }
    EXPECT_EQ(catalogs.formats->GetFormatName(7), "70mm 570");
    EXPECT_EQ(catalogs.formats->GetFormatName(8), "70mm 870");
    EXPECT_DOUBLE_EQ(catalogs.formats->GetAt(3)->GetAnamorphic(), 2.0);
}

TEST_F(ShippedCatalogTest, ItemNumbersAreUniqueAndTheStoreLoadsWhole) {
    std::set<std::int16_t> ids;
    for (std::size_t i = 0; i < catalogs.lenses->LensCount(); ++i) {
        ids.insert(catalogs.lenses->Lens(i).Id());
    }
    for (std::size_t i = 0; i < catalogs.lenses->AttachmentCount(); ++i) {
        ids.insert(catalogs.lenses->Attachment(i).Id());
    }
    EXPECT_EQ(ids.size(), catalogs.lenses->LensCount() + catalogs.lenses->AttachmentCount());

    test::TempDir dir;
    ASSERT_TRUE(WriteCatalogStore(dir / "database.dta", catalogs));
    const auto loaded = ReadCatalogStore(dir / "database.dta");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->formats->GetCount(), catalogs.formats->GetCount());
}

} // namespace
} // namespace lumivane
