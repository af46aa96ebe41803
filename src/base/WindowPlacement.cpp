#include "base/WindowPlacement.h"

#include "base/LittleEndian.h"

#include <algorithm>
#include <array>

namespace lumivane {

namespace {

constexpr std::size_t kFieldCount = 11;

std::array<std::int32_t, kFieldCount> Fields(const WindowPlacement& p) {
    return {p.length,     p.flags,        p.showCommand,  p.minimizedX,
            p.minimizedY, p.maximizedX,   p.maximizedY,   p.normal.left,
            p.normal.top, p.normal.right, p.normal.bottom};
}

// Edges compared in 64 bits, so rectangles spanning the whole 32-bit range cannot overflow.
bool HasArea(const PlacementRect& r) {
    return std::int64_t{r.right} > r.left && std::int64_t{r.bottom} > r.top;
}

bool Overlap(const PlacementRect& a, const PlacementRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

PlacementRect Bounds(const std::vector<PlacementRect>& screens) {
    PlacementRect bounds = screens.front();
    for (const PlacementRect& s : screens) {
        bounds = {std::min(bounds.left, s.left), std::min(bounds.top, s.top),
                  std::max(bounds.right, s.right), std::max(bounds.bottom, s.bottom)};
    }
    return bounds;
}

} // namespace

std::vector<std::uint8_t> EncodePlacement(const WindowPlacement& placement) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(WindowPlacement::kRecordLength);
    for (const std::int32_t field : Fields(placement)) {
        const auto value = static_cast<std::uint32_t>(field);
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    return bytes;
}

std::optional<WindowPlacement> DecodePlacement(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() != static_cast<std::size_t>(WindowPlacement::kRecordLength)) {
        return std::nullopt;
    }
    std::array<std::int32_t, kFieldCount> f{};
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        f[i] = FromLittleEndian<std::int32_t>(bytes.data() + 4 * i);
    }
    if (f[0] != WindowPlacement::kRecordLength) {
        return std::nullopt;
    }
    return WindowPlacement{f[0], f[1], f[2], f[3], f[4], f[5], f[6], {f[7], f[8], f[9], f[10]}};
}

bool MeetsAnyScreen(const PlacementRect& rect, const std::vector<PlacementRect>& screens) {
    return HasArea(rect) && std::any_of(screens.begin(), screens.end(), [&](const auto& s) {
               return HasArea(s) && Overlap(rect, s);
           });
}

std::optional<WindowPlacement> UsablePlacement(const std::vector<std::uint8_t>& bytes,
                                               const std::vector<PlacementRect>& screens) {
    std::optional<WindowPlacement> placement = DecodePlacement(bytes);
    if (!placement || !MeetsAnyScreen(placement->normal, screens)) {
        return std::nullopt;
    }
    const PlacementRect bounds = Bounds(screens);
    PlacementRect& r = placement->normal;
    r = {std::max(r.left, bounds.left), std::max(r.top, bounds.top),
         std::min(r.right, bounds.right), std::min(r.bottom, bounds.bottom)};
    return placement;
}

} // namespace lumivane
