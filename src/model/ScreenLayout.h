#pragma once
// Where the pieces of the front view of a screen go, in pixels of whatever is drawn on: the
// screen seen from the audience, the image on it and beside it, the distortion grid, the lens
// circle and the projector markers, with the mapping between metres and pixels that dragging a
// marker inverts. Plain numbers only, so the window, the printer and the command-line tool draw
// the same picture. Every pixel comes from a finite value: a grid point that is not a number
// is left out, and a huge one is held to the 16-bit drawing range.

#include "model/ImageGeometry.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class CAuditorium;
class CLensType;
class CProjectorType;

namespace lumivane {

// Right and bottom lie just outside, as for a filled rectangle of whole pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    int MidX() const { return (left + right) / 2; }
    int MidY() const { return (top + bottom) / 2; }
};

using PixelPolyline = std::vector<DrawPoint>;

// What a drawing shows, looked up by its owner just before drawing; null where none is shown.
// Without a projector every projector of the auditorium is drawn.
struct ScreenSubjects {
    const CAuditorium* auditorium = nullptr;
    const CProjectorType* projector = nullptr;
    const CLensType* setUp = nullptr;

    // A set-up of a format the catalog no longer has projects nothing.
    bool HasImage() const;
};

struct FrontOptions {
    bool drawGrid = false;
    bool showProjectors = true;
};

// A lens position as the projector stores it: sideways from the screen's centre line and up
// from the bottom of the visible screen, in metres.
struct ProjectorPlace {
    double lateral = 0.0;
    double lensHeight = 0.0;
};

// Metres of the screen plane (x right, y up) to pixels of the target (y down).
struct FrontMapping {
    double scale = 0.0;
    double centreX = 0.0;
    double centreY = 0.0;
    double midX = 0.0;
    double midY = 0.0;

    DrawPoint ToPixel(ScreenPoint point) const;
    // A scale too small or not finite collapses the drawing to a point; it cannot be undone.
    bool IsInvertible() const;
};

struct ProjectorMarker {
    DrawPoint centre;
    // Shown above the marker when every projector is drawn; empty otherwise.
    std::string name;
};

enum class FrontState {
    // No auditorium: nothing but the background.
    Empty,
    // The content cannot be fitted (the target is too small, or the sizes are not numbers):
    // a red cross from corner to corner.
    Unscalable,
    Drawn,
};

struct FrontLayout {
    FrontState state = FrontState::Empty;
    PixelRect target;
    FrontMapping mapping;
    // The visible screen, the lacing allowance taken off every side.
    PixelRect screen;
    // Where the image's own origin (the optical axis on the screen) is drawn.
    DrawPoint origin;
    // The image corners, bottom-left, top-left, top-right, bottom-right as the audience sees
    // them; absent without a set-up or when a corner is not a number.
    std::optional<std::array<DrawPoint, 4>> image;
    // The image's edge all round through the grid points on it, from the bottom-left corner;
    // what is filled and outlined. Empty without an image.
    PixelPolyline outline;
    // Lines across and up the image, broken where a point is not a number.
    std::vector<PixelPolyline> grid;
    // The circle of the prime lens's barrel, broken like the grid.
    std::vector<PixelPolyline> lensCircle;
    std::vector<ProjectorMarker> markers;
    // The shown projector's marker, which a drag picks up; none while the options lock every
    // projector to the screen's centre, where a drag would change nothing that is shown.
    std::optional<DrawPoint> dragHandle;

    // The lens position whose marker would be drawn at (x, y): the inverse of the marker
    // placement. Only meaningful when the mapping is invertible.
    ProjectorPlace PlaceAt(double x, double y) const;
};

// The place of the lens as the drawing shows it: the lock to the screen centre moves every
// projector onto the centre line at half the screen height.
ProjectorPlace ShownPlace(const CAuditorium& auditorium, const CProjectorType& projector);

// The centre of the image's inner rectangle, on which the screen is drawn; the optical axis
// when the image has no finite extent.
ScreenPoint InnerCentre(ImageGeometry& geometry);

// The shown projector, or every projector of the auditorium when none is shown.
std::vector<const CProjectorType*> ProjectorsShown(const ScreenSubjects& subjects);

// The grid points along the image's edge, all round from the bottom-left corner: up the left
// edge, along the top, down the right edge and back along the bottom.
std::vector<std::pair<int, int>> EdgeOfGrid();

// How far the image stands from the middle of the screen, in metres (x right, y up): its lens
// shift less the part of it the projector's image offset already accounts for.
ScreenPoint ImageShift(const CLensType& setUp, const CProjectorType& projector);

// Lines of the distortion grid: 8, or on a printed page one per 150 pixels of width when
// that is more.
int GridDensity(bool printing, int targetWidth);

// The front view fitted into rect. A drag passes the mapping it started with, so the picture
// keeps its scale and place while the content changes under it.
FrontLayout LayoutFront(const ScreenSubjects& subjects, ImageGeometry& geometry,
                        const PixelRect& rect, const FrontOptions& options,
                        const FrontMapping* held = nullptr);

// A dragged lens position held within reach of the throw: up to the throw while moving, up to
// twice the throw where it is let go, never below the floor. None when the position or the
// throw is not a number, so nothing of the kind is ever stored.
std::optional<ProjectorPlace> ClampDraggedPlace(ProjectorPlace place, double throwDistance,
                                                bool released);

} // namespace lumivane
