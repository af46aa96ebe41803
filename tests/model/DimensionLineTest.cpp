#include "model/DimensionLine.h"

#include "base/AppContext.h"
#include "support/ModelCatalogs.h"
#include "support/ScreenRoom.h"

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
    EXPECT_EQ(ShapeDimension(DimensionLine{false, 0, 30, 0, "t"}, 40, 12).gapTo, 30);
}

TEST(DimensionLineTest, PrintedFrontViewMeasuresImageAndScreen) {
    lumivane::ScopedAppContext context;
    lumivane::test::InstallModelCatalogs();
    lumivane::test::ScreenRoom room;
    ImageGeometry geometry;
    const auto layout =
        lumivane::LayoutFront(room.Subjects(), geometry, {0, 0, 800, 500}, {true, true, false});
    const auto lines = lumivane::FrontDimensions(layout, room.Subjects(), geometry, 14);
    ASSERT_EQ(lines.size(), 8U);
    const std::vector<std::string> starts{"Masked Image : ", "Masked Image : ", "Top Image : ",
                                          "Bottom Image : ", "Left Image : ",   "Right Image : "};
    for (std::size_t i = 0; i < starts.size(); ++i) {
        EXPECT_EQ(lines[i].text.rfind(starts[i], 0), 0U) << lines[i].text;
    }
    EXPECT_EQ(lines[6].text, "Screen (w/o lacing) : 14.00m");
    EXPECT_EQ(lines[7].text, "Screen (w/o lacing) : 6.00m");
    EXPECT_TRUE(lines[7].vertical);
    EXPECT_LT(lines[2].at, lines[0].at);
    EXPECT_EQ(lines[0].at, layout.screen.top - 14);
}
