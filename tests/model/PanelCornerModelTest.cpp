#include "model/PanelCornerModel.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

PanelCorners Rectangle(int left, int top, int right, int bottom) {
    return {{{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
}

TEST(PanelCornerModelTest, TheWholePanelRescalesAndIsAllInUse) {
    PanelCornerModel panel;
    EXPECT_EQ(panel.PercentText(), "100% of image available.");
    panel.SetPanel(2048, 1080);
    EXPECT_EQ(panel.Sides().right, 2048);
    EXPECT_EQ(panel.Sides().bottom, 1080);
    EXPECT_EQ(panel.PercentInUse(), 100);
    EXPECT_TRUE(panel.IsRectangle());
    panel.SetPanel(0, 0);
    EXPECT_EQ(panel.PercentInUse(), 0);
    EXPECT_FALSE(panel.IsWellFormed());
}

TEST(PanelCornerModelTest, PercentageIsTheTrueAreaOfTheQuadrilateral) {
    PanelCornerModel panel;
    panel.SetRight(512);
    EXPECT_EQ(panel.PercentInUse(), 50);
    panel.SetCorners({{{0, 0}, {1024, 0}, {900, 768}, {0, 768}}});
    EXPECT_EQ(panel.PercentInUse(), 93);
    EXPECT_FALSE(panel.IsRectangle());
}

TEST(PanelCornerModelTest, KeepingTheAspectMakesTheHeightFollowTheWidthAboutTheCentre) {
    PanelCornerModel panel;
    panel.SetCorners(Rectangle(100, 0, 900, 768));
    panel.SetKeepAspect(true);
    const PanelSides sides = panel.Sides();
    EXPECT_EQ(sides.bottom - sides.top, 600);
    EXPECT_EQ(sides.top, 84);
    EXPECT_EQ(sides.left, 100);

    // Dragging a corner keeps the proportions and the opposite corner.
    panel.BeginDrag(PanelHandle::TopLeft);
    panel.DragTo(-500, 300);
    const PanelSides dragged = panel.Sides();
    EXPECT_EQ(dragged.right, 900);
    EXPECT_EQ(dragged.bottom, 684);
    EXPECT_NEAR((dragged.right - dragged.left) * 768.0 / 1024, dragged.bottom - dragged.top, 1);
    EXPECT_TRUE(panel.IsWellFormed());
}

TEST(PanelCornerModelTest, HandlesAreWithinSixScreenPixels) {
    PanelCornerModel panel;
    // Drawn at half size, six screen pixels are twelve panel pixels.
    EXPECT_EQ(panel.HitTest(10, 384, 0.5), PanelHandle::Left);
    EXPECT_EQ(panel.HitTest(10, 10, 0.5), PanelHandle::TopLeft);
    EXPECT_EQ(panel.HitTest(1020, 760, 0.5), PanelHandle::BottomRight);
    EXPECT_EQ(panel.HitTest(500, 767, 0.5), PanelHandle::Bottom);
    EXPECT_EQ(panel.HitTest(13, 384, 0.5), PanelHandle::None);
    EXPECT_EQ(panel.CursorFor(PanelHandle::Left), PanelCursor::SizeHorizontal);
    EXPECT_EQ(panel.CursorFor(PanelHandle::TopRight), PanelCursor::SizeRisingDiagonal);
    panel.SetRectangular(false);
    EXPECT_EQ(panel.CursorFor(PanelHandle::TopRight), PanelCursor::SizeAll);
    EXPECT_EQ(panel.CursorFor(PanelHandle::Left), PanelCursor::Arrow);
}

TEST(PanelCornerModelTest, DraggedCornersStayOnThePanelAndNeverCross) {
    PanelCornerModel panel;
    panel.BeginDrag(PanelHandle::TopLeft);
    panel.DragTo(5000, 5000);
    EXPECT_EQ(panel.Corners()[0].x, 1023);
    EXPECT_EQ(panel.Corners()[0].y, 767);
    EXPECT_EQ(panel.Corners()[3].x, 1023);
    EXPECT_TRUE(panel.IsWellFormed());

    panel.SetRectangular(false);
    panel.BeginDrag(PanelHandle::BottomRight);
    panel.DragTo(1500, -40);
    EXPECT_EQ(panel.Corners()[2].x, 1024);
    EXPECT_EQ(panel.Corners()[2].y, 768);
    panel.BeginDrag(PanelHandle::Right);
    panel.DragTo(10, 10);
    EXPECT_EQ(panel.Corners()[1].x, 1024);
}

} // namespace
} // namespace lumivane
