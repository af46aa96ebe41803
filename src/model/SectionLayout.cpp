#include "model/SectionLayout.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/PixelMath.h"
#include "model/ProjectorType.h"
#include "model/SummaryText.h"

#include <algorithm>
#include <cmath>

namespace lumivane {

namespace {

constexpr double kRadiansPerDegree = 0.017453292519944003;
constexpr double kFill = 0.9;
constexpr double kAxisShare = 0.1;

struct Placed {
    const CProjectorType* projector;
    double throwDistance;
    double lensHeight;
};

// Metres of the side section to pixels: the screen's bottom middle at (screenX, floor), the
// range from the bottom to the height to fit centred on the target.
struct SideMapping {
    double scale;
    double screenX;
    double midY;
    double fitHeight;
    double tilt;
    double halfScreen;

    double Y(double height) const { return midY + (fitHeight / 2 - height) * scale; }
    // A point of the screen line, height metres up the screen from its bottom.
    DrawPoint OnScreen(double height) const {
        const double along = (height - halfScreen) * scale;
        return {RoundedPixel(screenX - std::sin(tilt) * along),
                RoundedPixel(Y(halfScreen) - std::cos(tilt) * along)};
    }
};

double ShownLensHeight(const CAuditorium& auditorium, const CProjectorType& projector) {
    return Ctx().settings.m_lockProjector ? auditorium.ScreenHeight() / 2 : projector.LensHeight();
}

// Projectors that can be drawn: a throw and a height to fit that are positive numbers.
std::vector<Placed> PlaceableProjectors(const ScreenSubjects& subjects) {
    const CAuditorium& auditorium = *subjects.auditorium;
    std::vector<const CProjectorType*> candidates;
    if (subjects.projector) {
        candidates.push_back(subjects.projector);
    } else {
        for (int i = 0; i < auditorium.ProjectorCount(); ++i) {
            candidates.push_back(auditorium.GetProjector(i));
        }
    }
    std::vector<Placed> placed;
    for (const CProjectorType* projector : candidates) {
        const double t = projector->GetThrow();
        const double height = ShownLensHeight(auditorium, *projector);
        const double fit = std::max(height, auditorium.ScreenHeight());
        if (std::isfinite(t) && t > 0 && std::isfinite(fit) && fit > 0 && std::isfinite(height)) {
            placed.push_back({projector, t, height});
        }
    }
    return placed;
}

double FitFor(const Placed& p, double screenHeight, const PixelRect& rect) {
    const double fit = std::max(p.lensHeight, screenHeight);
    return kFill * std::min(rect.Height() / fit, rect.Width() / p.throwDistance);
}

// The screen alone stands in the middle, fitted by its height.
std::optional<SideMapping> Mapping(const std::vector<Placed>& placed, double screenHeight,
                                   double tilt, const PixelRect& rect) {
    const double midX = (rect.left + rect.right) / 2.0;
    const double midY = (rect.top + rect.bottom) / 2.0;
    if (placed.empty()) {
        if (!(std::isfinite(screenHeight) && screenHeight > 0)) {
            return std::nullopt;
        }
        const double scale = kFill * rect.Height() / screenHeight;
        return SideMapping{scale, midX, midY, screenHeight, tilt, screenHeight / 2};
    }
    const auto best =
        std::max_element(placed.begin(), placed.end(), [&](const Placed& a, const Placed& b) {
            return FitFor(a, screenHeight, rect) < FitFor(b, screenHeight, rect);
        });
    const double scale = FitFor(*best, screenHeight, rect);
    return SideMapping{scale, midX - best->throwDistance * scale / 2,
                       midY,  std::max(best->lensHeight, screenHeight),
                       tilt,  screenHeight / 2};
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

void AddRay(SectionProjector& out, DrawPoint from) {
    out.rays.push_back({static_cast<double>(from.x), static_cast<double>(from.y),
                        static_cast<double>(out.lens.x), static_cast<double>(out.lens.y)});
}

SectionProjector PlaceProjector(const Placed& p, const SideMapping& m, const PixelRect& rect) {
    SectionProjector out;
    out.throwDistance = p.throwDistance;
    out.lensHeight = p.lensHeight;
    out.lens = {RoundedPixel(m.screenX + p.throwDistance * m.scale),
                RoundedPixel(m.Y(p.lensHeight))};
    const double angle = p.projector->GetVerticalAngle() * kRadiansPerDegree;
    if (std::isfinite(angle)) {
        const double length = kAxisShare * rect.Width();
        out.axis = LineSegment{static_cast<double>(out.lens.x), static_cast<double>(out.lens.y),
                               out.lens.x - length * std::cos(angle),
                               out.lens.y + length * std::sin(angle)};
    }
    return out;
}

PixelPolyline Chord(const CAuditorium& auditorium, const SectionLayout& layout, double scale) {
    if (!(auditorium.GetCurvePercent() > 0)) {
        return {};
    }
    const double depth = auditorium.GetChordDepth(nullptr) * scale;
    if (!std::isfinite(depth)) {
        return {};
    }
    const int d = RoundedPixel(depth);
    const DrawPoint top = layout.screenTop;
    const DrawPoint bottom = layout.screenBottom;
    return {top, {top.x + d, top.y}, {bottom.x + d, bottom.y}, bottom};
}

} // namespace

SectionLayout LayoutSection(const ScreenSubjects& subjects, ImageGeometry& geometry,
                            const PixelRect& rect) {
    SectionLayout layout;
    if (!subjects.auditorium) {
        return layout;
    }
    const CAuditorium& auditorium = *subjects.auditorium;
    const std::vector<Placed> placed = PlaceableProjectors(subjects);
    const double tilt = auditorium.GetTiltAngle() * kRadiansPerDegree;
    const std::optional<SideMapping> mapping =
        Mapping(placed, auditorium.ScreenHeight(), std::isfinite(tilt) ? tilt : 0.0, rect);
    if (!mapping) {
        return layout;
    }
    const SideMapping& m = *mapping;
    layout.drawn = true;
    layout.scale = m.scale;
    layout.screenX = RoundedPixel(m.screenX);
    layout.floorY = RoundedPixel(m.Y(0));
    layout.screenTop = m.OnScreen(auditorium.ScreenHeight());
    layout.screenBottom = m.OnScreen(0);
    layout.chord = Chord(auditorium, layout, m.scale);
    for (const Placed& p : placed) {
        SectionProjector projector = PlaceProjector(p, m, rect);
        if (subjects.HasImage()) {
            geometry.SetSubjects(subjects.auditorium, subjects.projector, subjects.setUp);
            const auto [top, bottom] = ImageHeights(p, geometry);
            if (std::isfinite(top) && std::isfinite(bottom)) {
                AddRay(projector, m.OnScreen(top));
                AddRay(projector, m.OnScreen(bottom));
            }
        } else if (!subjects.projector) {
            AddRay(projector, layout.screenTop);
            AddRay(projector, layout.screenBottom);
        }
        layout.projectors.push_back(std::move(projector));
    }
    return layout;
}

std::vector<DimensionLine> SectionDimensions(const SectionLayout& layout, double lineHeight) {
    std::vector<DimensionLine> out;
    double below = layout.floorY;
    for (const SectionProjector& p : layout.projectors) {
        below += 2 * lineHeight;
        out.push_back({false, static_cast<double>(layout.screenX), static_cast<double>(p.lens.x),
                       below, "Throw Distance : " + LengthText(p.throwDistance)});
        out.push_back({true, static_cast<double>(p.lens.y), static_cast<double>(layout.floorY),
                       p.lens.x + lineHeight, LengthText(p.lensHeight)});
    }
    return out;
}

} // namespace lumivane
