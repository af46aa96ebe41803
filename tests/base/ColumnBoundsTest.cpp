#include "base/ColumnBounds.h"

#include "base/SettingsStartup.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(ColumnBoundsTest, ABoundStopsShortOfItsNeighbours) {
    const ColumnBounds bounds = kDefaultColumnBounds;
    EXPECT_EQ(DragBound(bounds, 1, 100, 1000), (ColumnBounds{333, 334, 666}));
    EXPECT_EQ(DragBound(bounds, 1, 900, 1000), (ColumnBounds{333, 665, 666}));
    EXPECT_EQ(DragBound(bounds, 1, 550, 1000), (ColumnBounds{333, 550, 666}));
    EXPECT_EQ(DragBound(bounds, 0, 0, 400), (ColumnBounds{90, 500, 666}));
    EXPECT_EQ(DragBound(bounds, 2, 5000, 400), (ColumnBounds{333, 500, 1000}));
}

TEST(ColumnBoundsTest, NarrowListsNeitherDivideByZeroNorGiveNegativeWidths) {
    const ColumnBounds bounds = kDefaultColumnBounds;
    EXPECT_EQ(DragBound(bounds, 1, 10, 0), bounds);
    EXPECT_EQ(DragBound(bounds, 0, 10, 30), bounds);
    EXPECT_EQ(ColumnWidths(bounds, 0), (std::array<int, 5>{0, 0, 0, 0, 0}));
    EXPECT_EQ(ColumnWidths(bounds, 60), (std::array<int, 5>{36, 0, 0, 3, 21}));
    EXPECT_EQ(ColumnWidths(bounds, 600), (std::array<int, 5>{36, 163, 101, 99, 201}));
    EXPECT_EQ(LayOutSetUpList(0, 0).visibleRows, 1);
}

TEST(ColumnBoundsTest, BordersAreFoundWithinAPixel) {
    const std::array<int, 3> borders = BoundPixels(kDefaultColumnBounds, 600);
    EXPECT_EQ(BoundAt(borders, 300), 1);
    EXPECT_EQ(BoundAt(borders, 301), 1);
    EXPECT_EQ(BoundAt(borders, 302), -1);
    EXPECT_EQ(BoundAt(BoundPixels(kDefaultColumnBounds, 0), 0), 0);
    const std::array<int, 3> close = BoundPixels(ColumnBounds{333, 334, 666}, 600);
    EXPECT_EQ(BoundToDrag(close, 200, 100), 0);
    EXPECT_EQ(BoundToDrag(close, 200, 300), 1);
    EXPECT_EQ(BoundToDrag(close, 250, 300), -1);
    EXPECT_TRUE(IsOnLinkButton(16));
    EXPECT_TRUE(IsOnLinkButton(30));
    EXPECT_FALSE(IsOnLinkButton(15));
    EXPECT_FALSE(IsOnLinkButton(36));
}

// A list of 520 pixels gives the image size 87 at the default bounds; it wants 100 and takes
// the 13 from the name columns, in proportion to what they have beyond their titles.
TEST(ColumnBoundsTest, ANarrowListWidensTheFiguresAtTheNamesCost) {
    const ColumnLeast least{60, 100, 70, 40};
    EXPECT_EQ(ColumnWidths(kDefaultColumnBounds, 520), (std::array<int, 5>{36, 137, 87, 86, 174}));
    const std::array<int, 5> widths = ColumnWidths(kDefaultColumnBounds, 520, least);
    EXPECT_EQ(widths, (std::array<int, 5>{36, 133, 100, 86, 165}));
    EXPECT_EQ(BorderPixels(widths), (std::array<int, 3>{169, 269, 355}));
    // Wide enough, the bounds alone decide.
    EXPECT_EQ(ColumnWidths(kDefaultColumnBounds, 1000, least),
              ColumnWidths(kDefaultColumnBounds, 1000));
    EXPECT_EQ(LeastListWidth(least), 306);
    // Too narrow for every least: the bounds' widths, squeezed from the right.
    EXPECT_EQ(ColumnWidths(kDefaultColumnBounds, 300, least),
              ColumnWidths(kDefaultColumnBounds, 300));
    // A bound dragged against its neighbour still leaves the figure its room.
    const std::array<int, 5> squeezed = ColumnWidths(ColumnBounds{333, 334, 666}, 600, least);
    EXPECT_EQ(squeezed[2], 100);
    EXPECT_EQ(squeezed[0] + squeezed[1] + squeezed[2] + squeezed[3] + squeezed[4], 600);
    for (std::size_t column = 0; column < least.size(); ++column) {
        EXPECT_GE(squeezed[column + 1], least[column]);
    }
}

TEST(ColumnBoundsTest, HeaderTakesAFifthUntilTheTextNeedsMore) {
    const SetUpListLayout tall = LayOutSetUpList(150, 13);
    EXPECT_EQ(tall.headerHeight, 29);
    EXPECT_EQ(tall.visibleRows, 5);
    EXPECT_EQ(tall.rowHeight, 23);
    const SetUpListLayout shortList = LayOutSetUpList(60, 13);
    EXPECT_EQ(shortList.headerHeight, 16);
    EXPECT_EQ(shortList.visibleRows, 3);
    EXPECT_EQ(shortList.rowHeight, 13);
}

TEST(ColumnBoundsTest, StoredBoundsThatDoNotIncreaseFallBackToTheDefaults) {
    test::MemorySettingsStore store;
    AppSettings settings;
    for (const ColumnBounds& stored :
         {ColumnBounds{500, 500, 666}, ColumnBounds{333, 500, 1001}, ColumnBounds{-1, 500, 666}}) {
        for (std::size_t i = 0; i < stored.size(); ++i) {
            store.WriteInt("Window", "Column" + std::to_string(i + 1), stored[i]);
        }
        settings.m_columns = {1, 2, 3};
        ReadWindowSettings(store, settings);
        EXPECT_EQ(settings.m_columns, kDefaultColumnBounds);
    }
}

} // namespace
} // namespace lumivane
