#pragma once
// The lens set-up list's geometry: its three column bounds, kept in thousandths of the list's
// inner width so every list of the program shares them whatever its size, and the split of
// its height into header and rows. A bound never crosses its neighbours, and no list is too
// narrow or too short to be laid out.

#include <array>
#include <cstdint>

namespace lumivane {

using ColumnBounds = std::array<std::int32_t, 3>;

inline constexpr std::int32_t kColumnScale = 1000;
inline constexpr ColumnBounds kDefaultColumnBounds{333, 500, 666};
// The state icon and the link button sit left of the first column at a fixed width.
inline constexpr int kStateIconWidth = 15;
inline constexpr int kFixedColumnsWidth = 36;

// Strictly increasing within 0..1000: anything else would give a column no width or a
// negative one.
bool AreColumnBoundsValid(const ColumnBounds& bounds);

// Where each bound lies in a list width pixels wide.
std::array<int, 3> BoundPixels(const ColumnBounds& bounds, int width);
// The widths of the fixed part and of the four columns, left to right: never negative and
// together exactly width (a narrow list squeezes the columns from the right).
std::array<int, 5> ColumnWidths(const ColumnBounds& bounds, int width);

// The least width each of the four columns wants: its title or its widest text, whichever is
// wider.
using ColumnLeast = std::array<int, 4>;
// As above, but a column narrower than its least is widened to it, the others giving up the
// room in proportion to what they have beyond their own least, so that a narrow list still
// shows every figure whole instead of running it into the next column. A list too narrow for
// every least keeps the widths of the bounds.
std::array<int, 5> ColumnWidths(const ColumnBounds& bounds, int width, const ColumnLeast& least);
// The narrowest list that has room for every least beside the fixed part.
int LeastListWidth(const ColumnLeast& least);
// Where the borders right of the first three columns lie for these widths.
std::array<int, 3> BorderPixels(const std::array<int, 5>& widths);

// The bound (0 to 2) whose border lies within a pixel of x, or -1.
int BoundAt(const std::array<int, 3>& borders, int x);
// The bound a drag that began at pressX takes along toward towardX. Bounds only a thousandth
// apart share a pixel: of those within a pixel of the press, the first goes left and the last
// goes right, so neither blocks the other. -1 when the press was on no bound.
int BoundToDrag(const std::array<int, 3>& borders, int pressX, int towardX);
// Bound k dragged to x: kept strictly between its neighbours, the first right of the fixed
// part. The bounds stay as they were when the list has no room to move it.
ColumnBounds DragBound(ColumnBounds bounds, int k, int x, int width);

// Whether x, across a row of the list, is on the row's link button (between the state icon
// and the first column, edges excluded).
bool IsOnLinkButton(int x);

struct SetUpListLayout {
    int headerHeight = 0;
    int rowHeight = 0;
    int visibleRows = 0;
};
// A list height pixels tall whose text is textHeight pixels high: a header of a fifth of the
// height (but room for the text) over five rows, more rows when the header needs the room.
SetUpListLayout LayOutSetUpList(int height, int textHeight);

} // namespace lumivane
