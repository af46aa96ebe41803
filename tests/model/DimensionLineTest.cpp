#include "model/DimensionLine.h"

#include <gtest/gtest.h>

namespace {

using lumivane::DimensionLine;
using lumivane::ShapeDimension;

} // namespace

TEST(DimensionLineTest, TextSitsInTheGapBetweenTwoLinePieces) {
    const auto shape = ShapeDimension(DimensionLine{false, 0, 100, 50, "t"}, 40, 12);
    EXPECT_EQ(shape.textX, 50);
    EXPECT_EQ(shape.textY, 50);
    // (100 - 40 - 12) / 2 on each side, with end marks and arrow heads d = 4 long.
    EXPECT_EQ(shape.gapFrom, 24);
    EXPECT_EQ(shape.gapTo, 76);
    ASSERT_EQ(shape.lines.size(), 8U);
    EXPECT_EQ(shape.lines[0].y1, 54);
    EXPECT_EQ(shape.lines[1].x1, 4);
    const auto turned = ShapeDimension(DimensionLine{true, 100, 0, 7, "t"}, 40, 12);
    EXPECT_EQ(turned.textX, 7);
    EXPECT_EQ(turned.lines[6].x1, 7);
    EXPECT_EQ(turned.lines[6].y2, 24);
    // A text longer than its line keeps a gap as wide as itself, centred on the line.
    const auto longText = ShapeDimension(DimensionLine{false, 0, 30, 0, "t"}, 40, 12);
    EXPECT_EQ(longText.gapTo - longText.gapFrom, 52);
    EXPECT_EQ(longText.gapFrom, -11);
}
