#include "reports/PageGeometry.h"

#include <gtest/gtest.h>

namespace {

using namespace lumivane;

TEST(PageGeometryTest, LetterPageHasInchMarginsAndCentredHeaderAndNumber) {
    const PageGeometry letter = LetterPage();
    EXPECT_EQ(letter, (PageGeometry{12240, 15840, 1440}));
    EXPECT_EQ(letter.TextRect(), (TwipRect{1440, 1440, 10800, 14400}));
    EXPECT_EQ(letter.CentreX(), 6120);
    EXPECT_EQ(letter.HeaderBottom(), 720);
    EXPECT_EQ(letter.NumberTop(), 15120);
}

TEST(PageGeometryTest, PagesBelowTenInchesHaveATenthOfTheirHeightAsMargin) {
    EXPECT_EQ(MarginFor(14400), 1440);
    EXPECT_EQ(MarginFor(14399), 1439);
    EXPECT_EQ(PageGeometryFor(8391, 11906).margin, 1190);
}

TEST(PageGeometryTest, APageWithoutASizeIsLetter) {
    EXPECT_EQ(PageGeometryFor(0, 15840), LetterPage());
    EXPECT_EQ(PageGeometryFor(12240, -1), LetterPage());
}

TEST(PageGeometryTest, RangesIncludeBothEnds) {
    EXPECT_TRUE(PageRange::All().Contains(PageRange::kLastPage));
    EXPECT_FALSE((PageRange{2, 3}).Contains(1));
    EXPECT_TRUE((PageRange{2, 3}).Contains(3));
    EXPECT_EQ(PageNumberText(12), "12");
}

} // namespace
