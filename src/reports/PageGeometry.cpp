#include "reports/PageGeometry.h"

namespace lumivane {
namespace {

constexpr int kLetterWidth = 12240;
constexpr int kLetterHeight = 15840;
constexpr int kFullMarginMinHeight = 14400;

} // namespace

int MarginFor(int heightTwips) {
    return heightTwips >= kFullMarginMinHeight ? kTwipsPerInch : heightTwips / 10;
}

PageGeometry PageGeometryFor(int widthTwips, int heightTwips) {
    if (widthTwips <= 0 || heightTwips <= 0) {
        return LetterPage();
    }
    return {widthTwips, heightTwips, MarginFor(heightTwips)};
}

PageGeometry LetterPage() {
    return PageGeometryFor(kLetterWidth, kLetterHeight);
}

std::string PageNumberText(int page) {
    return std::to_string(page);
}

} // namespace lumivane
