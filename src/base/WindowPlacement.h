#pragma once
// The main window's placement as the settings keep it: a 44-byte record of little-endian
// 32-bit numbers (its length, flags, show command, minimised position, maximised position and
// normal rectangle). A stored record is trusted only when it is whole, says so itself, and
// would put the window where the user can see it; anything else leaves the default place.

#include <cstdint>
#include <optional>
#include <vector>

namespace lumivane {

// Right and bottom lie just outside the rectangle.
struct PlacementRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const PlacementRect&) const = default;
};

struct WindowPlacement {
    static constexpr std::int32_t kRecordLength = 44;
    static constexpr std::int32_t kShowNormal = 1;
    static constexpr std::int32_t kShowMinimized = 2;
    static constexpr std::int32_t kShowMaximized = 3;

    std::int32_t length = kRecordLength;
    std::int32_t flags = 0;
    std::int32_t showCommand = kShowNormal;
    // -1 where the window never had a position of its own in that state.
    std::int32_t minimizedX = -1;
    std::int32_t minimizedY = -1;
    std::int32_t maximizedX = -1;
    std::int32_t maximizedY = -1;
    PlacementRect normal;
    bool operator==(const WindowPlacement&) const = default;
};

std::vector<std::uint8_t> EncodePlacement(const WindowPlacement& placement);
// None unless bytes are exactly one record whose length field says so.
std::optional<WindowPlacement> DecodePlacement(const std::vector<std::uint8_t>& bytes);

// Whether rect has an area and overlaps at least one of screens.
bool MeetsAnyScreen(const PlacementRect& rect, const std::vector<PlacementRect>& screens);

// The placement to apply from stored bytes on these screens, or none. A rectangle reaching
// beyond every screen is cut back to the screens' bounds, so no window outgrows the desktop.
std::optional<WindowPlacement> UsablePlacement(const std::vector<std::uint8_t>& bytes,
                                               const std::vector<PlacementRect>& screens);

} // namespace lumivane
