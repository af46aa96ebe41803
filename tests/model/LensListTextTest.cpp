#include "model/LensListText.h"

#include "base/AppContext.h"
#include "catalog/LensDatabase.h"
#include "model/LensChoice.h"
#include "model/LensType.h"
#include "support/ModelCatalogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

class LensListTextTest : public ::testing::Test {
protected:
    void SetUp() override { test::InstallModelCatalogs(m_dir.path()); }

    static CLensChoice Combination(std::initializer_list<std::int16_t> ids) {
        CLensChoice choice;
        for (const std::int16_t id : ids) {
            choice.AddItem(Ctx().lenses->FindItem(id));
        }
        return choice;
    }

    ScopedAppContext m_context;
    test::TempDir m_dir;
};

TEST_F(LensListTextTest, TheLensColumnShortensTheAttachmentAndNamesTheRingItNeeds) {
    CLensType scope(test::kScopeFormat);
    scope.ChooseCombination(Combination({0x0050, 0x2000}));
    ASSERT_EQ(scope.Choice().GetAdapterRing(), 2);
    const auto wide = [](const std::string&) {
        return true;
    };
    const auto narrow = [](const std::string&) {
        return false;
    };
    EXPECT_EQ(ChosenLensText(scope.Choice(), wide), "P50 + A2 + 48-203175");
    EXPECT_EQ(ChosenLensText(scope.Choice(), narrow), "P50 + + 48-203175");
    EXPECT_EQ(LensCellKindOf(scope), LensCellKind::Chosen);
    EXPECT_EQ(StateText(scope), "Lens chosen, locked");

    CLensType flat(test::kFlatFormat);
    flat.SetFocalLength(50);
    EXPECT_EQ(MissingLensText(LensCellKindOf(flat)), "Not Selected");
    EXPECT_EQ(StateText(flat), "No lens, linked");
    CLensType panel(test::kPanelFormat);
    panel.SetFocalLength(400);
    EXPECT_EQ(MissingLensText(LensCellKindOf(panel)), "Not Available");
    EXPECT_EQ(LinkStateOf(panel), LinkState::Linked);
}

TEST_F(LensListTextTest, FocalAndCandidateTextsInMillimetres) {
    CLensType flat(test::kFlatFormat);
    flat.SetFocalLength(52.5);
    EXPECT_EQ(FocalText(flat), "52.50mm");
    CLensChoice choice = Combination({0x0050, 0x2000});
    choice.Evaluate(flat);
    EXPECT_EQ(CandidateLines(choice).size(), 2u);
    EXPECT_EQ(CandidateLines(choice)[1].catalog, "48-002000");
    EXPECT_EQ(CandidateText(choice), "P50 (48-000050) + A2 (48-002000), 50.00mm");
}

TEST(NotAvailableColours, RedTintOfTheRowBackground) {
    EXPECT_EQ(NotAvailableFill({255, 255, 255}), (Rgb{255, 0, 0}));
    EXPECT_EQ(NotAvailableText({255, 0, 0}), (Rgb{255, 255, 255}));
    EXPECT_EQ(NotAvailableFill({0, 0, 128}), (Rgb{255, 0, 128}));
    EXPECT_EQ(NotAvailableText({255, 0, 128}), (Rgb{255, 255, 255}));
    EXPECT_EQ(NotAvailableFill({10, 200, 5}), (Rgb{255, 190, 5}));
    EXPECT_EQ(NotAvailableText({255, 190, 5}), (Rgb{0, 0, 0}));
}

} // namespace
} // namespace lumivane
