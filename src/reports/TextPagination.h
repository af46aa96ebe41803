#pragma once
// Splitting laid-out text into pages: each page takes the whole lines that fit below the last
// page's, pages before the wanted range are laid out only to find where the range starts, and
// a page that can place nothing more ends the text, so nothing loops on a line that fits no page.

#include "reports/PageGeometry.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace lumivane {

// One laid-out line: the text position it starts at and its extent down the text, in any unit.
struct TextLine {
    std::size_t start = 0;
    double top = 0.0;
    double bottom = 0.0;
};

// The position after the whole lines, from the line starting at start, that fit into height:
// textLength when the rest fits, start itself when not even the first line does.
std::size_t FitLines(const std::vector<TextLine>& lines, std::size_t textLength, std::size_t start,
                     double height);

struct TextPage {
    int number = 0;
    std::size_t start = 0;
    std::size_t end = 0;
    bool printed = false;
};

// fit: the position after the text that fits on a page starting at the given position.
using FitFn = std::function<std::size_t(std::size_t start)>;

// The pages up to the end of the range or of the text. Empty text still makes page 1.
std::vector<TextPage> PaginateText(std::size_t textLength, const FitFn& fit, PageRange range);

} // namespace lumivane
