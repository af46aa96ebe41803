#include "reports/TextPagination.h"

#include <algorithm>

namespace lumivane {

std::size_t FitLines(const std::vector<TextLine>& lines, std::size_t textLength, std::size_t start,
                     double height) {
    auto line = std::lower_bound(
        lines.begin(), lines.end(), start,
        [](const TextLine& candidate, std::size_t position) { return candidate.start < position; });
    if (line == lines.end()) {
        return std::max(start, textLength);
    }
    const double top = line->top;
    while (line != lines.end() && line->bottom - top <= height) {
        ++line;
    }
    if (line == lines.end()) {
        return textLength;
    }
    return std::max(start, line->start);
}

std::vector<TextPage> PaginateText(std::size_t textLength, const FitFn& fit, PageRange range) {
    std::vector<TextPage> pages;
    std::size_t start = 0;
    for (int number = 1; number <= range.to; ++number) {
        const std::size_t end = fit(start);
        const bool progress = end > start || textLength == 0;
        if (!progress) {
            break;
        }
        pages.push_back({number, start, end, range.Contains(number)});
        if (end >= textLength) {
            break;
        }
        start = end;
    }
    return pages;
}

} // namespace lumivane
