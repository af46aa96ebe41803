#include "model/SectionDrawing.h"

#include "model/Auditorium.h"
#include "model/ProjectorType.h"
#include "model/SummaryText.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace lumivane {

namespace {

constexpr double kRadiansPerDegree = 0.017453292519944003;
constexpr double kTextShare = 1.0 / 70;
constexpr double kLeastText = 0.05;
constexpr double kLineSpacing = 1.8;
// The optical axis is drawn for this share of the throw.
constexpr double kAxisShare = 0.1;
// Two places closer than this (half a millimetre) are one place: one label serves both.
constexpr double kSamePlace = 0.0005;
const char* const kThrow = "Throw Distance : ";
const char* const kFloorToScreen = "Finished floor to screen bottom : ";
const char* const kNearestRow = "Nearest row : ";
const char* const kFarthestRow = "Farthest row : ";
const char* const kBoothFloor = "Booth floor : ";

struct Placed {
    const CProjectorType* projector;
    double throwDistance;
    // Above the screen's bottom.
    double lensHeight;
};

// The screen line, height metres up the screen from its bottom, turned about its middle.
struct ScreenLine {
    double floorToScreen;
    double halfScreen;
    double tilt;

    ScreenPoint At(double height) const {
        const double along = height - halfScreen;
        return {-std::sin(tilt) * along, floorToScreen + halfScreen + std::cos(tilt) * along};
    }
};

std::vector<Placed> PlaceableProjectors(const ScreenSubjects& subjects) {
    const CAuditorium& auditorium = *subjects.auditorium;
    std::vector<Placed> placed;
    for (const CProjectorType* projector : ProjectorsShown(subjects)) {
        const double t = projector->GetThrow();
        const double height = ShownPlace(auditorium, *projector).lensHeight;
        if (std::isfinite(t) && t > 0 && std::isfinite(height)) {
            placed.push_back({projector, t, height});
        }
    }
    return placed;
}

// Heights of the image's top and bottom on the screen: the image's extent around the point
// where the optical axis meets the screen, which lies below the lens by the axis's fall over
// the throw.
std::pair<double, double> ImageHeights(const Placed& p, ImageGeometry& geometry) {
    const double angle = p.projector->GetVerticalAngle() * kRadiansPerDegree;
    const double axis = p.lensHeight - p.throwDistance * std::tan(angle);
    const ScreenQuad inner = geometry.InnerRect();
    return {axis + inner[0].y, axis + inner[1].y};
}

// Where the beam's edges reach the screen, top first; none when they cannot be found.
std::vector<ScreenPoint> BeamEnds(const ScreenSubjects& subjects, const Placed& p,
                                  const ScreenLine& screen, double screenHeight) {
    if (subjects.HasImage()) {
        ImageGeometry geometry;
        geometry.SetSubjects(subjects.auditorium, subjects.projector, subjects.setUp);
        const auto [top, bottom] = ImageHeights(p, geometry);
        if (std::isfinite(top) && std::isfinite(bottom)) {
            return {screen.At(top), screen.At(bottom)};
        }
        return {};
    }
    if (!subjects.projector) {
        return {screen.At(screenHeight), screen.At(0.0)};
    }
    return {};
}

// The beam's extent where it passes the booth wall at x, as heights.
std::pair<double, double> BeamAt(const std::vector<ScreenPoint>& ends, ScreenPoint lens, double x) {
    double low = lens.y;
    double high = lens.y;
    for (const ScreenPoint& end : ends) {
        const double share = (lens.x - x) / (lens.x - end.x);
        const double y = lens.y + (end.y - lens.y) * share;
        low = std::min(low, y);
        high = std::max(high, y);
    }
    return {low, high};
}

// Where the booth wall's outer face stands: the porthole distance in front of the lens; none
// when that is not in the room.
std::optional<double> BoothWallAt(double portholeDistance, ScreenPoint lens) {
    if (!(portholeDistance > 0 && portholeDistance < lens.x)) {
        return std::nullopt;
    }
    return lens.x - portholeDistance;
}

// The wall the porthole is cut in, broken where the beam passes.
void AddBoothWall(Drawing& d, double portholeDistance, ScreenPoint lens,
                  const std::vector<ScreenPoint>& ends, double top) {
    const std::optional<double> wall = BoothWallAt(portholeDistance, lens);
    if (!wall) {
        return;
    }
    const double x = *wall;
    const auto [low, high] = BeamAt(ends, lens, x);
    d.AddPath(DrawingLayer::Screen, DrawingRole::Booth, {{x, 0.0}, {x, std::max(low, 0.0)}});
    d.AddPath(DrawingLayer::Screen, DrawingRole::Booth, {{x, high}, {x, std::max(high, top)}});
}

bool Seen(std::vector<double>& seen, double value) {
    const bool found = std::any_of(seen.begin(), seen.end(),
                                   [value](double v) { return std::fabs(v - value) < kSamePlace; });
    if (!found) {
        seen.push_back(value);
    }
    return found;
}

// A row stands at its distance from the screen, its eyes at the height given for the nearest
// row: the section's floor is level, so the farthest row's eyes are as high above it. Without
// an eye height a row is a mark on the floor, and no eye line is claimed.
void AddSeatRow(Drawing& d, double distance, std::optional<double> eyeHeight, const char* name,
                const ScreenLine& screen, double screenHeight) {
    const double eyes = eyeHeight.value_or(d.textHeight);
    d.AddPath(DrawingLayer::Screen, DrawingRole::SeatRow, {{distance, 0.0}, {distance, eyes}});
    d.AddText(DrawingLayer::Text, {distance, eyes + d.textHeight / 2}, name, TextAlign::Middle,
              TextAlign::Start);
    if (!eyeHeight) {
        return;
    }
    const ScreenPoint eye{distance, *eyeHeight};
    d.AddPath(DrawingLayer::Screen, DrawingRole::EyeLine, {eye, screen.At(screenHeight)});
    d.AddPath(DrawingLayer::Screen, DrawingRole::EyeLine, {eye, screen.At(0.0)});
}

void AddSeatRows(Drawing& d, const SeatRows& rows, const ScreenLine& screen, double screenHeight) {
    if (rows.nearest && *rows.nearest > 0) {
        AddSeatRow(d, *rows.nearest, rows.eyeHeight, "Nearest row", screen, screenHeight);
    }
    if (rows.farthest && *rows.farthest > 0 && *rows.farthest != rows.nearest.value_or(0.0)) {
        AddSeatRow(d, *rows.farthest, rows.eyeHeight, "Farthest row", screen, screenHeight);
    }
}

// From the booth wall, or from in front of the nearest lens without one, to behind the
// farthest; measured up from the auditorium floor just in front of where it starts.
void AddBoothFloor(Drawing& d, double height, const std::vector<Placed>& placed,
                   double portholeDistance, double floorToScreen, bool measures) {
    const double margin = 2 * d.textHeight;
    double front = placed.front().throwDistance;
    double back = front;
    for (const Placed& p : placed) {
        const ScreenPoint lens{p.throwDistance, floorToScreen + p.lensHeight};
        front = std::min(front, BoothWallAt(portholeDistance, lens).value_or(lens.x - margin));
        back = std::max(back, lens.x + margin);
    }
    d.AddPath(DrawingLayer::Screen, DrawingRole::Booth, {{front, height}, {back, height}});
    if (measures) {
        const double x = front - kLineSpacing * d.textHeight;
        d.AddDimension({true, 0.0, height, x, kBoothFloor + LengthText(height)}, height);
    }
}

// Below the throws, from the screen: rows at the same distance as a throw are measured too,
// since they are other things.
void AddRowMeasures(Drawing& d, const SeatRows& rows, std::size_t below) {
    const double f = kLineSpacing * d.textHeight;
    for (const auto& [distance, name] :
         {std::pair{rows.nearest, kNearestRow}, std::pair{rows.farthest, kFarthestRow}}) {
        if (distance && *distance > 0) {
            const double y = -f * static_cast<double>(++below);
            d.AddDimension({false, 0.0, *distance, y, name + LengthText(*distance)}, *distance);
        }
    }
}

// The number of throw dimensions, stacked down from the floor.
std::size_t AddMeasures(Drawing& d, const std::vector<Placed>& placed, double floorToScreen) {
    const double f = kLineSpacing * d.textHeight;
    std::vector<double> throws;
    std::vector<double> heights;
    for (const Placed& p : placed) {
        if (!Seen(throws, p.throwDistance)) {
            const double y = -f * static_cast<double>(throws.size());
            d.AddDimension({false, 0.0, p.throwDistance, y, kThrow + LengthText(p.throwDistance)},
                           p.throwDistance);
        }
        if (!Seen(heights, p.lensHeight)) {
            const double x = p.throwDistance + f * static_cast<double>(heights.size());
            const double lensY = floorToScreen + p.lensHeight;
            d.AddDimension({true, std::min(floorToScreen, lensY), std::max(floorToScreen, lensY), x,
                            LengthText(p.lensHeight)},
                           p.lensHeight);
        }
    }
    if (floorToScreen > 0) {
        d.AddDimension(
            {true, 0.0, floorToScreen, -2 * f, kFloorToScreen + LengthText(floorToScreen)},
            floorToScreen);
    }
    return throws.size();
}

} // namespace

SectionDrawing DrawSection(const ScreenSubjects& subjects, bool measures) {
    SectionDrawing out;
    if (!subjects.auditorium) {
        return out;
    }
    const CAuditorium& auditorium = *subjects.auditorium;
    const double screenHeight = auditorium.ScreenHeight();
    if (!(std::isfinite(screenHeight) && screenHeight > 0)) {
        return out;
    }
    out.drawn = true;
    const double floorToScreen =
        std::isfinite(auditorium.FloorToScreen()) ? auditorium.FloorToScreen() : 0.0;
    const double tilt = auditorium.GetTiltAngle() * kRadiansPerDegree;
    const ScreenLine screen{floorToScreen, screenHeight / 2, std::isfinite(tilt) ? tilt : 0.0};
    const std::vector<Placed> placed = PlaceableProjectors(subjects);
    double farthest = 0.0;
    double highest = floorToScreen + screenHeight;
    for (const Placed& p : placed) {
        farthest = std::max(farthest, p.throwDistance);
        highest = std::max(highest, floorToScreen + p.lensHeight);
    }
    const SeatRows& rows = auditorium.Light().rows;
    for (const std::optional<double>& row : {rows.nearest, rows.farthest}) {
        farthest = std::max(farthest, row.value_or(0.0));
    }
    Drawing& d = out.drawing;
    d.textHeight = std::max(kLeastText, kTextShare * std::max(farthest, highest));
    const double margin = 2 * d.textHeight;
    d.AddPath(DrawingLayer::Screen, DrawingRole::Floor, {{-margin, 0.0}, {farthest + margin, 0.0}});
    const ScreenPoint top = screen.At(screenHeight);
    const ScreenPoint bottom = screen.At(0.0);
    d.AddPath(DrawingLayer::Screen, DrawingRole::Screen, {bottom, top});
    const double depth = auditorium.GetCurvePercent() > 0 ? auditorium.GetChordDepth(nullptr) : 0;
    if (std::isfinite(depth) && depth > 0) {
        d.AddPath(DrawingLayer::Screen, DrawingRole::Screen,
                  {top, {top.x + depth, top.y}, {bottom.x + depth, bottom.y}, bottom});
    }
    for (const Placed& p : placed) {
        const ScreenPoint lens{p.throwDistance, floorToScreen + p.lensHeight};
        const std::vector<ScreenPoint> ends = BeamEnds(subjects, p, screen, screenHeight);
        for (const ScreenPoint& end : ends) {
            d.AddPath(DrawingLayer::Images, DrawingRole::Ray, {end, lens});
        }
        const double angle = p.projector->GetVerticalAngle() * kRadiansPerDegree;
        if (std::isfinite(angle)) {
            const double length = kAxisShare * p.throwDistance;
            d.AddPath(
                DrawingLayer::Images, DrawingRole::Axis,
                {lens, {lens.x - length * std::cos(angle), lens.y - length * std::sin(angle)}});
        }
        d.circles.push_back({DrawingLayer::Images, DrawingRole::Projector, lens, d.textHeight / 2});
        AddBoothWall(d, auditorium.PortholeDistance(), lens, ends, highest + margin);
    }
    AddSeatRows(d, rows, screen, screenHeight);
    const std::optional<double> boothFloor = auditorium.Light().boothFloor;
    if (boothFloor && *boothFloor > 0 && !placed.empty()) {
        AddBoothFloor(d, *boothFloor, placed, auditorium.PortholeDistance(), floorToScreen,
                      measures);
    }
    if (measures) {
        AddRowMeasures(d, rows, AddMeasures(d, placed, floorToScreen));
    }
    return out;
}

} // namespace lumivane
