#include "document/ProjectTreeRules.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/ProjectorType.h"
#include "support/ShippedCatalog.h"

#include <gtest/gtest.h>

namespace {

using lumivane::BoothHeightsForNewAuditorium;

class ProjectTreeRulesTest : public ::testing::Test {
protected:
    ProjectTreeRulesTest() { lumivane::test::InstallShippedCatalogs(); }

    lumivane::ScopedAppContext m_context;
};

TEST_F(ProjectTreeRulesTest, NewAuditoriumTakesTheBoothOfWhatWasSelected) {
    CAuditorium fresh(2);
    CAuditorium selected(1);
    selected.SetFloorToScreen(1.25);
    selected.SetFloorToBooth(6.5);
    EXPECT_FALSE(BoothHeightsForNewAuditorium(fresh, nullptr, nullptr));
    const auto copied = BoothHeightsForNewAuditorium(fresh, &selected, nullptr);
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->floorToScreen, 1.25);
    EXPECT_EQ(copied->floorToBooth, 6.5);

    CProjectorType projector(0);
    projector.SetLensHeight(3.0);
    const auto raised = BoothHeightsForNewAuditorium(fresh, &selected, &projector);
    ASSERT_TRUE(raised);
    EXPECT_EQ(raised->floorToScreen, fresh.FloorToScreen());
    EXPECT_DOUBLE_EQ(raised->floorToBooth, fresh.FloorToScreen() + 3.0);
    projector.SetLensHeight(fresh.FloorToBooth() - fresh.FloorToScreen() + 0.005);
    EXPECT_FALSE(BoothHeightsForNewAuditorium(fresh, &selected, &projector));
}

} // namespace
