#include "base/ViewSizes.h"

#include <algorithm>

namespace lumivane {

namespace {

constexpr int kTrackLines = 6;
constexpr int kShortestTrack = 96;
constexpr int kDrawingLines = 10;
constexpr int kLowestDrawing = 160;

} // namespace

int SliderTrackLeast(int lineHeight) {
    return std::max(kTrackLines * lineHeight, kShortestTrack);
}

int DrawingLeastHeight(int lineHeight) {
    return std::max(kDrawingLines * lineHeight, kLowestDrawing);
}

int DrawingLeastWidth(int lineHeight) {
    return DrawingLeastHeight(lineHeight) * 3 / 2;
}

bool FitsSideBySide(int width, std::initializer_list<int> parts, int spacing) {
    int needed = 0;
    for (const int part : parts) {
        needed += std::max(part, 0);
    }
    needed += std::max(spacing, 0) * (static_cast<int>(parts.size()) - 1);
    return parts.size() == 0 || needed <= width;
}

LensPanelPlace PlaceLensPanel(int width, int groups, int lenses, int drawing, int spacing) {
    if (FitsSideBySide(width, {groups, lenses}, spacing)) {
        return LensPanelPlace::BesideGroups;
    }
    if (FitsSideBySide(width, {drawing, lenses}, spacing)) {
        return LensPanelPlace::BesideDrawing;
    }
    return LensPanelPlace::Below;
}

SetUpPagePlan PlanSetUpPage(int width, int group, int image, int lenses, int drawing, int spacing) {
    const bool sideBySide = FitsSideBySide(width, {group, image}, spacing);
    const int band = sideBySide ? group + spacing + image : image;
    return {sideBySide, PlaceLensPanel(width, band, lenses, drawing, spacing)};
}

} // namespace lumivane
