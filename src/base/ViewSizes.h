#pragma once
// What the detail views keep usable however small the pane: the least length of a slider's
// track and the least size of the screen drawing, from the height of a line of the view's
// text, and how their groups share the pane's width. Below these sizes a view's page scrolls
// rather than squeezing them.

#include <initializer_list>

namespace lumivane {

// Long enough to set a value by eye: six lines of text, never under 96 pixels.
int SliderTrackLeast(int lineHeight);
// Room to tell the screen from the image and to drag the projector's marker: ten lines high
// and half as wide again, never under 160 by 240 pixels.
int DrawingLeastHeight(int lineHeight);
int DrawingLeastWidth(int lineHeight);

// Whether parts of these least widths fit side by side in width, spacing apart.
bool FitsSideBySide(int width, std::initializer_list<int> parts, int spacing);

// Where the projector and format views put the lens candidates: beside the view's two groups
// while all three fit in one band; else beside the drawing while the drawing keeps its least
// width there; else in a band of their own, between the groups and the drawing.
enum class LensPanelPlace { BesideGroups, BesideDrawing, Below };
LensPanelPlace PlaceLensPanel(int width, int groups, int lenses, int drawing, int spacing);

// The page of those views: the view's own group and the image controls side by side while
// they fit, else the image controls in a band of their own below; the lens candidates placed
// as above, beside whatever stands in the band the image controls are in.
struct SetUpPagePlan {
    bool groupsSideBySide = true;
    LensPanelPlace lenses = LensPanelPlace::BesideGroups;
    bool operator==(const SetUpPagePlan&) const = default;
};
SetUpPagePlan PlanSetUpPage(int width, int group, int image, int lenses, int drawing, int spacing);

} // namespace lumivane
