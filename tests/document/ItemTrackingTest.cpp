#include "document/ItemTracking.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(ItemTrackingTest, RowsMoveWithEarlierSiblingsAndGoWithWhatHoldsThem) {
    const ItemPath setUp = ItemPath::SetUp(1, 2, 3);
    EXPECT_EQ(AfterInsert(setUp, ItemPath::Projector(1, 0)), ItemPath::SetUp(1, 3, 3));
    EXPECT_EQ(AfterInsert(setUp, ItemPath::Projector(0, 0)), setUp);
    EXPECT_EQ(AfterInsert(setUp, ItemPath::SetUp(1, 2, 4)), setUp);
    EXPECT_EQ(AfterRemove(setUp, ItemPath::Auditorium(0)), ItemPath::SetUp(0, 2, 3));
    EXPECT_EQ(AfterRemove(setUp, ItemPath::SetUp(1, 2, 1)), ItemPath::SetUp(1, 2, 2));
    EXPECT_TRUE(IsAtOrInside(setUp, ItemPath::Projector(1, 2)));
    EXPECT_TRUE(IsAtOrInside(setUp, setUp));
    EXPECT_FALSE(IsAtOrInside(setUp, ItemPath::Projector(1, 1)));
    EXPECT_FALSE(IsAtOrInside(ItemPath::Projector(1, 2), setUp));
    EXPECT_FALSE(IsAtOrInside(ItemPath{}, ItemPath::Auditorium(0)));
}

} // namespace
} // namespace lumivane
