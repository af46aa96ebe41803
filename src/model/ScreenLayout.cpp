#include "model/ScreenLayout.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/LensPicture.h"
#include "model/LensType.h"
#include "model/PixelMath.h"
#include "model/ProjectorType.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumivane {

namespace {

constexpr double kMinimumSize = 0.00001;
constexpr double kMinimumOriginScale = 0.0001;
constexpr int kSideMargin = 20;
constexpr int kMarginWithProjector = 20;
constexpr int kMarginWithoutProjector = 40;
// Without a projector the names stand above the markers, so the screen moves down for them.
constexpr int kDropWithoutProjector = 20;
constexpr double kCircleStep = 0.1;
constexpr double kCircleEnd = 6.2831;

bool IsFinite(ScreenPoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// The smallest box holding every finite point added.
struct ContentBox {
    double minX = std::numeric_limits<double>::infinity();
    double maxX = -std::numeric_limits<double>::infinity();
    double minY = std::numeric_limits<double>::infinity();
    double maxY = -std::numeric_limits<double>::infinity();

    void Add(ScreenPoint p) {
        if (!IsFinite(p)) {
            return;
        }
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    bool IsEmpty() const { return minX > maxX; }
    ScreenPoint Centre() const {
        return IsEmpty() ? ScreenPoint{} : ScreenPoint{(minX + maxX) / 2, (minY + maxY) / 2};
    }
};

} // namespace

ProjectorPlace ShownPlace(const CAuditorium& auditorium, const CProjectorType& projector) {
    if (LockProjector()) {
        return {0.0, auditorium.ScreenHeight() / 2};
    }
    return {projector.Lateral(), projector.LensHeight()};
}

ScreenPoint InnerCentre(ImageGeometry& geometry) {
    const ScreenQuad inner = geometry.InnerRect();
    const ScreenPoint centre{(inner[0].x + inner[2].x) / 2, (inner[0].y + inner[1].y) / 2};
    return IsFinite(centre) ? centre : ScreenPoint{};
}

std::vector<const CProjectorType*> ProjectorsShown(const ScreenSubjects& subjects) {
    if (subjects.projector) {
        return {subjects.projector};
    }
    std::vector<const CProjectorType*> all;
    for (int i = 0; i < subjects.auditorium->ProjectorCount(); ++i) {
        all.push_back(subjects.auditorium->GetProjector(i));
    }
    return all;
}

std::vector<std::pair<int, int>> EdgeOfGrid() {
    constexpr int last = ImageGeometry::kGridSize - 1;
    std::vector<std::pair<int, int>> edge;
    for (int j = last; j > 0; --j) {
        edge.emplace_back(last, j);
    }
    for (int i = last; i > 0; --i) {
        edge.emplace_back(i, 0);
    }
    for (int j = 0; j < last; ++j) {
        edge.emplace_back(0, j);
    }
    for (int i = 0; i < last; ++i) {
        edge.emplace_back(i, last);
    }
    return edge;
}

ScreenPoint ImageShift(const CLensType& setUp, const CProjectorType& projector) {
    const double up = 1000 * setUp.ShiftV() * setUp.ExtentWidth() / setUp.EffApertureW() -
                      projector.ImageOffsetV();
    const double left = 1000 * setUp.ShiftH() * setUp.ExtentHeight() / setUp.EffApertureH() -
                        projector.ImageOffsetH();
    return {-left, up};
}

namespace {

// The image's whole edge counts, so a curved edge stays inside the picture.
ContentBox FrontContent(const ScreenSubjects& subjects, ImageGeometry& geometry, ScreenPoint centre,
                        const FrontOptions& options) {
    const CAuditorium& auditorium = *subjects.auditorium;
    ContentBox box;
    for (const auto& [i, j] : EdgeOfGrid()) {
        box.Add({geometry.GridX(i, j), geometry.GridY(i, j)});
    }
    const double halfW = auditorium.ScreenWidth() / 2;
    const double halfH = auditorium.ScreenHeight() / 2;
    box.Add({centre.x - halfW, centre.y - halfH});
    box.Add({centre.x + halfW, centre.y + halfH});
    // Markers are not printed, so they do not claim room on paper.
    if (options.showProjectors) {
        for (const CProjectorType* projector : ProjectorsShown(subjects)) {
            const ProjectorPlace place = ShownPlace(auditorium, *projector);
            box.Add({centre.x + place.lateral, centre.y - halfH + place.lensHeight});
        }
    }
    return box;
}

double FitScale(const ContentBox& box, const PixelRect& rect, bool withProjector) {
    const double w = box.maxX - box.minX;
    const double h = box.maxY - box.minY;
    if (!(w > kMinimumSize && h > kMinimumSize)) {
        return 0.0;
    }
    const int margin = withProjector ? kMarginWithProjector : kMarginWithoutProjector;
    return std::min((rect.Width() - kSideMargin) / w, (rect.Height() - margin) / h);
}

PixelRect VisibleScreen(const CAuditorium& auditorium, const FrontMapping& mapping,
                        ScreenPoint centre, int drop) {
    const double e = ScreenEdge();
    const double halfW = (auditorium.ScreenWidth() - 2 * e) / 2;
    const double halfH = (auditorium.ScreenHeight() - 2 * e) / 2;
    const DrawPoint a = mapping.ToPixel({centre.x - halfW, centre.y + halfH});
    const DrawPoint b = mapping.ToPixel({centre.x + halfW, centre.y - halfH});
    return {std::min(a.x, b.x), std::min(a.y, b.y) + drop, std::max(a.x, b.x),
            std::max(a.y, b.y) + drop};
}

// Where the image's origin goes: the image centred on the screen, then moved by its lens
// shift less the part of it the projector's image offset already accounts for.
DrawPoint ImageOrigin(const ScreenSubjects& subjects, ImageGeometry& geometry, double scale,
                      const PixelRect& screen) {
    const DrawPoint middle{screen.MidX(), screen.MidY()};
    const ScreenQuad quad = geometry.ImagePolygon();
    if (!std::all_of(quad.begin(), quad.end(), IsFinite)) {
        return middle;
    }
    int minX = std::numeric_limits<int>::max(), maxX = std::numeric_limits<int>::min();
    int minY = minX, maxY = maxX;
    for (const ScreenPoint& p : quad) {
        const int x = ScaledOffset(p.x, scale);
        const int y = ScaledOffset(p.y, scale);
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    const ScreenPoint shift = ImageShift(*subjects.setUp, *subjects.projector);
    return {middle.x - (minX + maxX) / 2 + TruncatedOffset(scale * shift.x),
            middle.y + (minY + maxY) / 2 - TruncatedOffset(scale * shift.y)};
}

std::optional<DrawPoint> ImagePixel(ScreenPoint p, double scale, DrawPoint origin) {
    if (!IsFinite(p)) {
        return std::nullopt;
    }
    return DrawPoint{origin.x + ScaledOffset(p.x, scale), origin.y - ScaledOffset(p.y, scale)};
}

std::optional<std::array<DrawPoint, 4>> ImageCorners(ImageGeometry& geometry, double scale,
                                                     DrawPoint origin) {
    const ScreenQuad quad = geometry.ImagePolygon();
    std::array<DrawPoint, 4> corners;
    for (std::size_t k = 0; k < quad.size(); ++k) {
        const std::optional<DrawPoint> pixel = ImagePixel(quad[k], scale, origin);
        if (!pixel) {
            return std::nullopt;
        }
        corners[k] = *pixel;
    }
    return corners;
}

// The image's edge through every grid point on it, so a curved edge is drawn curved; the
// four corners when an edge point is not a number.
PixelPolyline ImageOutline(ImageGeometry& geometry, double scale, DrawPoint origin,
                           const std::optional<std::array<DrawPoint, 4>>& corners) {
    PixelPolyline outline;
    for (const auto& [i, j] : EdgeOfGrid()) {
        const std::optional<DrawPoint> pixel =
            ImagePixel({geometry.GridX(i, j), geometry.GridY(i, j)}, scale, origin);
        if (!pixel) {
            return corners ? PixelPolyline(corners->begin(), corners->end()) : PixelPolyline();
        }
        outline.push_back(*pixel);
    }
    return outline;
}

using PointGrid = std::vector<std::vector<std::optional<DrawPoint>>>;

// The cached 9 by 9 grid points.
PointGrid GridPixels(ImageGeometry& geometry, double scale, DrawPoint origin) {
    constexpr auto n = static_cast<std::size_t>(ImageGeometry::kGridSize);
    PointGrid points(n, std::vector<std::optional<DrawPoint>>(n));
    for (int i = 0; i < ImageGeometry::kGridSize; ++i) {
        for (int j = 0; j < ImageGeometry::kGridSize; ++j) {
            points[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
                ImagePixel({geometry.GridX(i, j), geometry.GridY(i, j)}, scale, origin);
        }
    }
    return points;
}

// Runs of present points become polylines; a missing point breaks the line.
void AppendRuns(std::vector<PixelPolyline>& lines,
                const std::vector<std::optional<DrawPoint>>& points) {
    PixelPolyline run;
    for (const std::optional<DrawPoint>& point : points) {
        if (point) {
            run.push_back(*point);
            continue;
        }
        if (run.size() > 1) {
            lines.push_back(run);
        }
        run.clear();
    }
    if (run.size() > 1) {
        lines.push_back(run);
    }
}

std::vector<PixelPolyline> GridLines(const PointGrid& points) {
    std::vector<PixelPolyline> lines;
    const std::size_t n = points.size();
    for (std::size_t j = 0; j < n; ++j) {
        std::vector<std::optional<DrawPoint>> across;
        for (std::size_t i = 0; i < n; ++i) {
            across.push_back(points[i][j]);
        }
        AppendRuns(lines, across);
    }
    for (std::size_t i = 0; i < n; ++i) {
        AppendRuns(lines, points[i]);
    }
    return lines;
}

std::vector<PixelPolyline> LensCircle(const CLensType& setUp, ImageGeometry& geometry, double scale,
                                      DrawPoint origin) {
    const double diameter = PrimeBarrelMm(setUp);
    if (!(diameter > 0)) {
        return {};
    }
    const double semiH = 0.0005 * diameter * setUp.Choice().GetFactorH();
    const double semiV = 0.0005 * diameter * setUp.Choice().GetFactorV();
    std::vector<std::optional<DrawPoint>> points;
    for (double angle = 0; angle < kCircleEnd; angle += kCircleStep) {
        points.push_back(
            ImagePixel(geometry.ProjectPoint(semiH * std::cos(angle), semiV * std::sin(angle)),
                       scale, origin));
    }
    points.push_back(points.front());
    std::vector<PixelPolyline> lines;
    AppendRuns(lines, points);
    return lines;
}

void LayoutImage(FrontLayout& layout, const ScreenSubjects& subjects, ImageGeometry& geometry,
                 const FrontOptions& options) {
    const double scale = layout.mapping.scale;
    layout.origin = {layout.screen.MidX(), layout.screen.MidY()};
    if (scale > kMinimumOriginScale) {
        layout.origin = ImageOrigin(subjects, geometry, scale, layout.screen);
    }
    layout.image = ImageCorners(geometry, scale, layout.origin);
    layout.outline = ImageOutline(geometry, scale, layout.origin, layout.image);
    if (options.drawGrid) {
        layout.grid = GridLines(GridPixels(geometry, scale, layout.origin));
    }
    if (subjects.auditorium->AllowLensShift()) {
        layout.lensCircle = LensCircle(*subjects.setUp, geometry, scale, layout.origin);
    }
}

DrawPoint MarkerCentre(const FrontLayout& layout, ProjectorPlace place) {
    const double scale = layout.mapping.scale;
    if (!(scale > kMinimumSize)) {
        return {layout.target.MidX(), layout.target.MidY()};
    }
    const double midX = (layout.screen.left + layout.screen.right) / 2.0;
    return {RoundedPixel(midX + OffsetOrZero(scale * place.lateral)),
            RoundedPixel(layout.screen.bottom - OffsetOrZero(scale * place.lensHeight))};
}

void LayoutMarkers(FrontLayout& layout, const ScreenSubjects& subjects) {
    for (const CProjectorType* projector : ProjectorsShown(subjects)) {
        const DrawPoint centre = MarkerCentre(layout, ShownPlace(*subjects.auditorium, *projector));
        layout.markers.push_back({centre, subjects.projector ? std::string() : projector->Name()});
    }
    if (subjects.projector && !LockProjector()) {
        layout.dragHandle = layout.markers.front().centre;
    }
}

} // namespace

bool ScreenSubjects::HasImage() const {
    return auditorium && projector && setUp && setUp->HasKnownFormat();
}

DrawPoint FrontMapping::ToPixel(ScreenPoint point) const {
    return {RoundedPixel(midX + OffsetOrZero(scale * (point.x - centreX))),
            RoundedPixel(midY - OffsetOrZero(scale * (point.y - centreY)))};
}

bool FrontMapping::IsInvertible() const {
    return std::isfinite(scale) && scale > kMinimumSize;
}

ProjectorPlace FrontLayout::PlaceAt(double x, double y) const {
    const double midX = (screen.left + screen.right) / 2.0;
    return {(x - midX) / mapping.scale, (screen.bottom - y) / mapping.scale};
}

int GridDensity(bool printing, int targetWidth) {
    constexpr int kPixelsPerLine = 150;
    constexpr int kScreenDensity = ImageGeometry::kGridSize - 1;
    const int density = targetWidth / kPixelsPerLine;
    return printing && density >= kScreenDensity ? density : kScreenDensity;
}

FrontLayout LayoutFront(const ScreenSubjects& subjects, ImageGeometry& geometry,
                        const PixelRect& rect, const FrontOptions& options,
                        const FrontMapping* held) {
    FrontLayout layout;
    layout.target = rect;
    if (!subjects.auditorium) {
        return layout;
    }
    geometry.SetSubjects(subjects.auditorium, subjects.projector, subjects.setUp);
    const ScreenPoint centre = InnerCentre(geometry);
    const ContentBox box = FrontContent(subjects, geometry, centre, options);
    const ScreenPoint boxCentre = box.Centre();
    layout.mapping = held ? *held
                          : FrontMapping{FitScale(box, rect, subjects.projector != nullptr),
                                         boxCentre.x, boxCentre.y};
    layout.mapping.midX = (rect.left + rect.right) / 2.0;
    layout.mapping.midY = (rect.top + rect.bottom) / 2.0;
    if (!(layout.mapping.scale >= 0)) {
        layout.state = FrontState::Unscalable;
        return layout;
    }
    layout.state = FrontState::Drawn;
    layout.screen = VisibleScreen(*subjects.auditorium, layout.mapping, centre,
                                  subjects.projector ? 0 : kDropWithoutProjector);
    if (subjects.HasImage()) {
        LayoutImage(layout, subjects, geometry, options);
    }
    if (options.showProjectors) {
        LayoutMarkers(layout, subjects);
    }
    return layout;
}

std::optional<ProjectorPlace> ClampDraggedPlace(ProjectorPlace place, double throwDistance,
                                                bool released) {
    if (!std::isfinite(place.lateral) || !std::isfinite(place.lensHeight) ||
        !std::isfinite(throwDistance)) {
        return std::nullopt;
    }
    const double reach = std::max(throwDistance, 0.0) * (released ? 2 : 1);
    return ProjectorPlace{std::clamp(place.lateral, -reach, reach),
                          std::clamp(place.lensHeight, 0.0, reach)};
}

} // namespace lumivane
