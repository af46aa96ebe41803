#pragma once
// Where things go on a printed page, in twips (1/1440 inch) counted from the paper's top-left
// corner: the margin rule, the text rectangle, the running header and the page number. Shared
// by the text reports and the details pages, whatever device draws them.

#include <string>

namespace lumivane {

inline constexpr int kTwipsPerInch = 1440;

struct TwipRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const TwipRect&) const = default;
};

struct PageGeometry {
    int width = 0;
    int height = 0;
    int margin = 0;

    TwipRect TextRect() const { return {margin, margin, width - margin, height - margin}; }
    // Header and page number are centred over the text column.
    int CentreX() const { return width / 2; }
    // The header's text ends halfway down the top margin.
    int HeaderBottom() const { return margin / 2; }
    // The page number starts halfway down the bottom margin.
    int NumberTop() const { return height - margin / 2; }

    bool operator==(const PageGeometry&) const = default;
};

// One inch on pages at least ten inches high; a tenth of the height on smaller ones.
int MarginFor(int heightTwips);
// The geometry of a page of the given size; a page without a size is taken as US letter.
PageGeometry PageGeometryFor(int widthTwips, int heightTwips);
// The page text is laid out on when there is no device.
PageGeometry LetterPage();

std::string PageNumberText(int page);

// Pages from and to, counted from 1, both included.
struct PageRange {
    static constexpr int kLastPage = 32767;

    int from = 1;
    int to = kLastPage;

    static PageRange All() { return {}; }
    bool Contains(int page) const { return page >= from && page <= to; }
};

} // namespace lumivane
