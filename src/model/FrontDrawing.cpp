#include "model/FrontDrawing.h"

#include "base/AppContext.h"
#include "catalog/FormatDescriptor.h"
#include "model/Auditorium.h"
#include "model/LensPicture.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "model/SummaryText.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace lumivane {

namespace {

const char* const kMaskedImage = "Masked Image : ";
const char* const kTopImage = "Top Image : ";
const char* const kBottomImage = "Bottom Image : ";
const char* const kLeftImage = "Left Image : ";
const char* const kRightImage = "Right Image : ";
const char* const kScreen = "Screen (w/o lacing) : ";
const char* const kFloorToScreen = "Finished floor to screen bottom : ";
// Texts are this share of the widest thing drawn high, and never less than 5 cm.
constexpr double kTextShare = 1.0 / 70;
constexpr double kLeastText = 0.05;
// Dimension lines stand this many text heights apart.
constexpr double kLineSpacing = 1.8;
constexpr double kCircleStep = 0.1;
constexpr double kCircleEnd = 6.2831;
// From this aspect ratio up a format is shown as scope.
constexpr double kScopeAspect = 2.0;

bool IsFinite(ScreenPoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Where one set-up's image lands in the drawing: centred on the screen, then moved by its shift.
struct ImagePlacement {
    ScreenPoint offset;

    ScreenPoint operator()(ScreenPoint p) const { return {p.x + offset.x, p.y + offset.y}; }
};

ImagePlacement PlaceImage(ImageGeometry& geometry, const CLensType& setUp,
                          const CProjectorType& projector, ScreenPoint screenCentre) {
    const ScreenQuad quad = geometry.ImagePolygon();
    double minX = quad[0].x, maxX = quad[0].x, minY = quad[0].y, maxY = quad[0].y;
    for (const ScreenPoint& p : quad) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    ScreenPoint shift = ImageShift(setUp, projector);
    if (!IsFinite(shift)) {
        shift = {};
    }
    ScreenPoint offset{screenCentre.x - (minX + maxX) / 2 + shift.x,
                       screenCentre.y - (minY + maxY) / 2 + shift.y};
    return {IsFinite(offset) ? offset : screenCentre};
}

std::optional<std::vector<ScreenPoint>> Outline(ImageGeometry& geometry,
                                                const ImagePlacement& place) {
    std::vector<ScreenPoint> points;
    for (const auto& [i, j] : EdgeOfGrid()) {
        const ScreenPoint p{geometry.GridX(i, j), geometry.GridY(i, j)};
        if (!IsFinite(p)) {
            return std::nullopt;
        }
        points.push_back(place(p));
    }
    return points;
}

// Runs of finite points become paths; a point that is not a number breaks the line.
void AddRuns(Drawing& drawing, DrawingLayer layer, DrawingRole role,
             const std::vector<ScreenPoint>& points) {
    std::vector<ScreenPoint> run;
    for (const ScreenPoint& p : points) {
        if (IsFinite(p)) {
            run.push_back(p);
            continue;
        }
        drawing.AddPath(layer, role, run);
        run.clear();
    }
    drawing.AddPath(layer, role, run);
}

void AddGrid(Drawing& drawing, const CLensType& setUp, ImageGeometry& geometry,
             const ImagePlacement& place, int density) {
    const bool cached = density == ImageGeometry::kGridSize - 1;
    auto point = [&](int i, int j) {
        if (cached) {
            return place({geometry.GridX(i, j), geometry.GridY(i, j)});
        }
        const auto [e, f] = setUp.ShiftDisplacement(static_cast<double>(i) / density,
                                                    static_cast<double>(j) / density);
        return place(geometry.ProjectPoint(e, f));
    };
    for (int j = 0; j <= density; ++j) {
        std::vector<ScreenPoint> across;
        for (int i = 0; i <= density; ++i) {
            across.push_back(point(i, j));
        }
        AddRuns(drawing, DrawingLayer::Grid, DrawingRole::Grid, across);
    }
    for (int i = 0; i <= density; ++i) {
        std::vector<ScreenPoint> up;
        for (int j = 0; j <= density; ++j) {
            up.push_back(point(i, j));
        }
        AddRuns(drawing, DrawingLayer::Grid, DrawingRole::Grid, up);
    }
}

void AddLensCircle(Drawing& drawing, const CLensType& setUp, ImageGeometry& geometry,
                   const ImagePlacement& place) {
    const double diameter = PrimeBarrelMm(setUp);
    if (!(diameter > 0)) {
        return;
    }
    const double semiH = 0.0005 * diameter * setUp.Choice().GetFactorH();
    const double semiV = 0.0005 * diameter * setUp.Choice().GetFactorV();
    std::vector<ScreenPoint> points;
    for (double angle = 0; angle < kCircleEnd; angle += kCircleStep) {
        points.push_back(
            place(geometry.ProjectPoint(semiH * std::cos(angle), semiV * std::sin(angle))));
    }
    points.push_back(points.front());
    AddRuns(drawing, DrawingLayer::Images, DrawingRole::LensCircle, points);
}

std::vector<ScreenPoint> Rectangle(double left, double bottom, double right, double top) {
    return {{left, bottom}, {left, top}, {right, top}, {right, bottom}};
}

DimensionLine Horizontal(double x1, double x2, double y, std::string text) {
    return {false, std::min(x1, x2), std::max(x1, x2), y, std::move(text)};
}

DimensionLine Vertical(double y1, double y2, double x, std::string text) {
    return {true, std::min(y1, y2), std::max(y1, y2), x, std::move(text)};
}

// The room around the screen and image that the dimensions stand in, in metres.
struct Extent {
    double left;
    double right;
    double bottom;
    double top;

    void Include(const std::vector<ScreenPoint>& points) {
        for (const ScreenPoint& p : points) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            bottom = std::min(bottom, p.y);
            top = std::max(top, p.y);
        }
    }
};

struct ShownImage {
    ImagePlacement place;
    std::vector<ScreenPoint> outline;
    std::array<ScreenPoint, 4> corners;
    ScreenQuad inner;
};

void AddImageDimensions(Drawing& d, const ShownImage& image, ImageGeometry& geometry,
                        const Extent& extent) {
    const double f = kLineSpacing * d.textHeight;
    const std::array<ScreenPoint, 4>& c = image.corners;
    const ScreenPoint innerTopRight = image.place(image.inner[0]);
    const ScreenPoint innerBottomLeft = image.place(image.inner[2]);
    const double maskedWidth = innerTopRight.x - innerBottomLeft.x;
    d.AddDimension(Horizontal(innerBottomLeft.x, innerTopRight.x, extent.top + f,
                              kMaskedImage + LengthText(std::fabs(maskedWidth))),
                   std::fabs(maskedWidth));
    const double maskedHeight = std::fabs(geometry.InnerHeight());
    d.AddDimension(Vertical(innerBottomLeft.y, innerTopRight.y, extent.right + 2 * f,
                            kMaskedImage + LengthText(maskedHeight)),
                   maskedHeight);
    d.AddDimension(
        Horizontal(c[1].x, c[2].x, extent.top + 2 * f, kTopImage + LengthText(geometry.TopWidth())),
        geometry.TopWidth());
    d.AddDimension(Horizontal(c[0].x, c[3].x, extent.bottom - f,
                              kBottomImage + LengthText(geometry.BottomWidth())),
                   geometry.BottomWidth());
    d.AddDimension(
        Vertical(c[1].y, c[0].y, extent.left - f, kLeftImage + LengthText(geometry.EdgeHeight0())),
        geometry.EdgeHeight0());
    d.AddDimension(Vertical(c[2].y, c[3].y, extent.right + f,
                            kRightImage + LengthText(geometry.EdgeHeight1())),
                   geometry.EdgeHeight1());
}

void AddScreenDimensions(Drawing& d, const CAuditorium& auditorium, const DrawingBox& screen,
                         const Extent& extent) {
    const double f = kLineSpacing * d.textHeight;
    const double e = ScreenEdge();
    const double width = auditorium.ScreenWidth() - 2 * e;
    const double height = auditorium.ScreenHeight() - 2 * e;
    d.AddDimension(
        Horizontal(screen.left, screen.right, extent.bottom - 2 * f, kScreen + LengthText(width)),
        width);
    d.AddDimension(
        Vertical(screen.bottom, screen.top, extent.left - 2 * f, kScreen + LengthText(height)),
        height);
    const double floorToScreen = auditorium.FloorToScreen();
    if (floorToScreen > 0) {
        d.AddDimension(Vertical(0.0, floorToScreen, extent.right + 3 * f,
                                kFloorToScreen + LengthText(floorToScreen)),
                       floorToScreen);
    }
}

// The front wall standing on the floor, and the floor across it (or across what is drawn).
void AddWallAndFloor(Drawing& d, const CAuditorium& auditorium, const Extent& extent) {
    const auto [wallWidth, wallHeight] = auditorium.FrontWall();
    double left = extent.left;
    double right = extent.right;
    if (wallWidth > 0 && wallHeight > 0) {
        d.AddPath(DrawingLayer::Screen, DrawingRole::Wall,
                  Rectangle(-wallWidth / 2, 0.0, wallWidth / 2, wallHeight), true);
        left = std::min(left, -wallWidth / 2);
        right = std::max(right, wallWidth / 2);
    }
    const double margin = 2 * d.textHeight;
    d.AddPath(DrawingLayer::Screen, DrawingRole::Floor,
              {{left - margin, 0.0}, {right + margin, 0.0}});
}

bool IsScope(const CLensType& setUp) {
    const CFormatDescriptor* format = setUp.GetFormatDescriptor();
    return format && format->GetAspect() >= kScopeAspect;
}

// Every format of the projector outlined at once, flat and scope in their own pens, with a
// legend above the drawing.
void AddEveryFormat(Drawing& d, const ScreenSubjects& subjects, ScreenPoint screenCentre,
                    const Extent& extent) {
    const CProjectorType& projector = *subjects.projector;
    double legendY = extent.top + 3 * kLineSpacing * d.textHeight;
    const double h = d.textHeight;
    for (int k = projector.LensTypeCount() - 1; k >= 0; --k) {
        const CLensType* setUp = projector.GetLensType(k);
        if (!setUp || !setUp->HasKnownFormat()) {
            continue;
        }
        ImageGeometry geometry;
        geometry.SetSubjects(subjects.auditorium, &projector, setUp);
        const ImagePlacement place = PlaceImage(geometry, *setUp, projector, screenCentre);
        const std::optional<std::vector<ScreenPoint>> outline = Outline(geometry, place);
        if (!outline) {
            continue;
        }
        const bool scope = IsScope(*setUp);
        const DrawingRole role = scope ? DrawingRole::ScopeFormat : DrawingRole::FlatFormat;
        d.AddPath(DrawingLayer::Images, role, *outline, true);
        d.AddPath(DrawingLayer::Images, role,
                  {{extent.left, legendY + h / 2}, {extent.left + 3 * h, legendY + h / 2}});
        d.AddText(DrawingLayer::Text, {extent.left + 4 * h, legendY},
                  std::string(scope ? "Scope: " : "Flat: ") + setUp->GetFormatName(),
                  TextAlign::Start, TextAlign::Start);
        legendY += kLineSpacing * h;
    }
}

void AddLenses(FrontDrawing& out, const ScreenSubjects& subjects) {
    const CAuditorium& auditorium = *subjects.auditorium;
    Drawing& d = out.drawing;
    for (const CProjectorType* projector : ProjectorsShown(subjects)) {
        const ProjectorPlace place = ShownPlace(auditorium, *projector);
        const ScreenPoint lens{place.lateral, out.screen.bottom + place.lensHeight};
        if (!IsFinite(lens)) {
            continue;
        }
        const std::string name = subjects.projector ? std::string() : projector->Name();
        out.lenses.push_back({lens, name});
        d.circles.push_back({DrawingLayer::Images, DrawingRole::Projector, lens, d.textHeight / 2});
        if (!name.empty()) {
            d.AddText(DrawingLayer::Text, {lens.x, lens.y + d.textHeight}, name, TextAlign::Middle,
                      TextAlign::Start);
        }
    }
}

double TextHeightFor(const CAuditorium& auditorium, const Extent& extent) {
    const double widest = std::max(
        {extent.right - extent.left, extent.top - extent.bottom, auditorium.FrontWall()[0]});
    return std::isfinite(widest) ? std::max(kLeastText, kTextShare * widest) : kLeastText;
}

} // namespace

FrontDrawing DrawFront(const ScreenSubjects& subjects, const FrontDrawingOptions& options) {
    FrontDrawing out;
    if (!subjects.auditorium) {
        return out;
    }
    out.drawn = true;
    const CAuditorium& auditorium = *subjects.auditorium;
    const double floorToScreen =
        std::isfinite(auditorium.FloorToScreen()) ? auditorium.FloorToScreen() : 0.0;
    const double e = ScreenEdge();
    const ScreenPoint centre{0.0, floorToScreen + auditorium.ScreenHeight() / 2};
    const double halfW = auditorium.ScreenWidth() / 2 - e;
    const double halfH = auditorium.ScreenHeight() / 2 - e;
    out.screen = {centre.x - halfW, centre.y - halfH, centre.x + halfW, centre.y + halfH};
    Extent extent{out.screen.left, out.screen.right, out.screen.bottom, out.screen.top};
    std::optional<ShownImage> image;
    ImageGeometry geometry;
    if (subjects.HasImage()) {
        geometry.SetSubjects(subjects.auditorium, subjects.projector, subjects.setUp);
        const ImagePlacement place =
            PlaceImage(geometry, *subjects.setUp, *subjects.projector, centre);
        if (auto outline = Outline(geometry, place)) {
            const ScreenQuad quad = geometry.ImagePolygon();
            image = ShownImage{place,
                               *outline,
                               {place(quad[0]), place(quad[1]), place(quad[2]), place(quad[3])},
                               geometry.InnerRect()};
            extent.Include(*outline);
        }
    }
    Drawing& d = out.drawing;
    d.textHeight = TextHeightFor(auditorium, extent);
    if (options.measures) {
        AddWallAndFloor(d, auditorium, extent);
    }
    d.AddPath(DrawingLayer::Screen, DrawingRole::Screen,
              Rectangle(out.screen.left, out.screen.bottom, out.screen.right, out.screen.top), true,
              true);
    if (image) {
        d.AddPath(DrawingLayer::Images, DrawingRole::ImageOutline, image->outline, true, true);
        const ScreenPoint tr = image->place(image->inner[0]);
        const ScreenPoint bl = image->place(image->inner[2]);
        if (IsFinite(tr) && IsFinite(bl)) {
            d.AddPath(DrawingLayer::Images, DrawingRole::Masked, Rectangle(bl.x, bl.y, tr.x, tr.y),
                      true, true);
        }
        if (options.grid) {
            AddGrid(d, *subjects.setUp, geometry, image->place, options.gridDensity);
        }
        if (auditorium.AllowLensShift()) {
            AddLensCircle(d, *subjects.setUp, geometry, image->place);
        }
    }
    AddLenses(out, subjects);
    if (!options.measures) {
        return out;
    }
    if (image) {
        AddImageDimensions(d, *image, geometry, extent);
    }
    AddScreenDimensions(d, auditorium, out.screen, extent);
    if (subjects.projector) {
        AddEveryFormat(d, subjects, centre, extent);
    }
    const double f = kLineSpacing * d.textHeight;
    const double below = std::min(0.0, extent.bottom - 3 * f) - 2 * f;
    AddScaleBar(d, {extent.left, below}, ScaleBarLength(extent.right - extent.left));
    return out;
}

} // namespace lumivane
