#include "base/ColumnBounds.h"

#include <algorithm>
#include <cstdlib>

namespace lumivane {

namespace {

constexpr int kDefaultVisibleRows = 5;
// The list's rows sit inside a 2-pixel border below the header.
constexpr int kBorder = 2;

int PixelOf(std::int32_t bound, int width) {
    return static_cast<int>(static_cast<long long>(std::max(width, 0)) * bound / kColumnScale);
}

} // namespace

bool AreColumnBoundsValid(const ColumnBounds& bounds) {
    return bounds[0] >= 0 && bounds[0] < bounds[1] && bounds[1] < bounds[2] &&
           bounds[2] <= kColumnScale;
}

std::array<int, 3> BoundPixels(const ColumnBounds& bounds, int width) {
    return {PixelOf(bounds[0], width), PixelOf(bounds[1], width), PixelOf(bounds[2], width)};
}

std::array<int, 5> ColumnWidths(const ColumnBounds& bounds, int width) {
    const int total = std::max(width, 0);
    const std::array<int, 3> pixels = BoundPixels(bounds, total);
    std::array<int, 5> widths{};
    int left = std::min(kFixedColumnsWidth, total);
    widths[0] = left;
    for (std::size_t k = 0; k < pixels.size(); ++k) {
        const int right = std::clamp(pixels[k], left, total);
        widths[k + 1] = right - left;
        left = right;
    }
    widths[4] = total - left;
    return widths;
}

std::array<int, 5> ColumnWidths(const ColumnBounds& bounds, int width, const ColumnLeast& least) {
    std::array<int, 5> widths = ColumnWidths(bounds, width);
    int missing = 0;
    int spare = 0;
    for (std::size_t column = 0; column < least.size(); ++column) {
        const int beyond = widths[column + 1] - std::max(least[column], 0);
        (beyond < 0 ? missing : spare) += std::abs(beyond);
    }
    if (missing == 0 || missing > spare) {
        return widths;
    }
    // Each column with room to spare gives its share, rounded down; what rounding left over
    // comes from the rightmost columns that still have room, so the widths add up to the list.
    int given = 0;
    for (std::size_t column = 0; column < least.size(); ++column) {
        const int own = std::max(least[column], 0);
        int& w = widths[column + 1];
        if (w < own) {
            w = own;
        } else {
            const int share = static_cast<int>(static_cast<long long>(w - own) * missing / spare);
            w -= share;
            given += share;
        }
    }
    for (std::size_t column = least.size(); column > 0 && given < missing; --column) {
        const int room = widths[column] - std::max(least[column - 1], 0);
        const int take = std::min(std::max(room, 0), missing - given);
        widths[column] -= take;
        given += take;
    }
    return widths;
}

int LeastListWidth(const ColumnLeast& least) {
    int width = kFixedColumnsWidth;
    for (const int column : least) {
        width += std::max(column, 0);
    }
    return width;
}

std::array<int, 3> BorderPixels(const std::array<int, 5>& widths) {
    std::array<int, 3> borders{};
    int x = widths[0];
    for (std::size_t k = 0; k < borders.size(); ++k) {
        x += widths[k + 1];
        borders[k] = x;
    }
    return borders;
}

int BoundAt(const std::array<int, 3>& borders, int x) {
    for (std::size_t k = 0; k < borders.size(); ++k) {
        if (std::abs(x - borders[k]) < 2) {
            return static_cast<int>(k);
        }
    }
    return -1;
}

int BoundToDrag(const std::array<int, 3>& borders, int pressX, int towardX) {
    const int first = BoundAt(borders, pressX);
    if (first < 0 || towardX < pressX) {
        return first;
    }
    int last = first;
    while (last + 1 < 3 && std::abs(pressX - borders[static_cast<std::size_t>(last) + 1]) < 2) {
        ++last;
    }
    return last;
}

ColumnBounds DragBound(ColumnBounds bounds, int k, int x, int width) {
    if (width <= 0 || k < 0 || k > 2) {
        return bounds;
    }
    const auto index = static_cast<std::size_t>(k);
    const long long scale = kColumnScale;
    const long long lowest =
        k == 0 ? (kFixedColumnsWidth * scale + width - 1) / width : bounds[index - 1] + 1LL;
    const long long highest = k == 2 ? scale : bounds[index + 1] - 1LL;
    if (lowest > highest) {
        return bounds;
    }
    const long long wanted = std::max(x, 0) * scale / width;
    bounds[index] = static_cast<std::int32_t>(std::clamp(wanted, lowest, highest));
    return bounds;
}

bool IsOnLinkButton(int x) {
    return x > kStateIconWidth && x < kFixedColumnsWidth;
}

SetUpListLayout LayOutSetUpList(int height, int textHeight) {
    SetUpListLayout layout;
    const int text = std::max(textHeight, 1);
    const int headerRoom = text * 5 / 4;
    layout.headerHeight = (height + 2) / 5 - 1;
    layout.visibleRows = kDefaultVisibleRows;
    if (layout.headerHeight < headerRoom) {
        layout.headerHeight = headerRoom;
        layout.visibleRows = std::max((height - 2 * kBorder) / headerRoom, 1);
    }
    const int listHeight = height - layout.headerHeight - 2 * kBorder;
    layout.rowHeight = std::max(listHeight / layout.visibleRows, text);
    return layout;
}

} // namespace lumivane
