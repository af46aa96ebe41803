#include "reports/TextPagination.h"

#include <gtest/gtest.h>

namespace {

using namespace lumivane;

// Ten lines of ten characters, each 12 units high.
std::vector<TextLine> TenLines() {
    std::vector<TextLine> lines;
    for (std::size_t i = 0; i < 10; ++i) {
        lines.push_back({i * 10, i * 12.0, i * 12.0 + 12.0});
    }
    return lines;
}

FitFn FourLinesAPage() {
    return [lines = TenLines()](std::size_t start) {
        return FitLines(lines, 100, start, 50.0);
    };
}

std::vector<int> Printed(const std::vector<TextPage>& pages) {
    std::vector<int> numbers;
    for (const TextPage& page : pages) {
        if (page.printed) {
            numbers.push_back(page.number);
        }
    }
    return numbers;
}

TEST(TextPaginationTest, WholeLinesFitFromTheGivenLine) {
    const auto lines = TenLines();
    EXPECT_EQ(FitLines(lines, 100, 0, 50.0), 40u);
    EXPECT_EQ(FitLines(lines, 100, 40, 48.0), 80u);
    EXPECT_EQ(FitLines(lines, 100, 80, 50.0), 100u);
    EXPECT_EQ(FitLines(lines, 100, 30, 11.0), 30u);
}

TEST(TextPaginationTest, AllPagesUntilTheTextIsPlaced) {
    const auto pages = PaginateText(100, FourLinesAPage(), PageRange::All());
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(Printed(pages), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(pages[1].start, 40u);
    EXPECT_EQ(pages[2].end, 100u);
}

TEST(TextPaginationTest, PagesBeforeTheRangeAreLaidOutButNotPrinted) {
    const auto pages = PaginateText(100, FourLinesAPage(), {2, 2});
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_FALSE(pages[0].printed);
    EXPECT_EQ(Printed(pages), (std::vector<int>{2}));
    EXPECT_EQ(pages[1].start, 40u);
}

TEST(TextPaginationTest, ARangePastTheEndPrintsNothing) {
    EXPECT_TRUE(Printed(PaginateText(100, FourLinesAPage(), {4, 9})).empty());
    EXPECT_TRUE(Printed(PaginateText(100, FourLinesAPage(), {3, 2})).empty());
}

TEST(TextPaginationTest, APageThatPlacesNothingEndsTheText) {
    int calls = 0;
    const FitFn stuck = [&calls](std::size_t start) {
        ++calls;
        return start < 30 ? start + 30 : start;
    };
    const auto pages = PaginateText(100, stuck, PageRange::All());
    EXPECT_EQ(pages.size(), 1u);
    EXPECT_EQ(calls, 2);
}

TEST(TextPaginationTest, EmptyTextPrintsOnePage) {
    const auto pages = PaginateText(
        0, [](std::size_t) { return std::size_t{0}; }, PageRange::All());
    EXPECT_EQ(Printed(pages), (std::vector<int>{1}));
}

} // namespace
