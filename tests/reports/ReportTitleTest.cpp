#include "reports/ReportTitle.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using lumivane::HeadingTitle;
using lumivane::PrintJobName;
using lumivane::ProjectReportTitle;

// n copies of a (possibly multi-byte) character.
std::string Repeated(const std::string& character, int n) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += character;
    }
    return text;
}

TEST(ReportTitleTest, UntitledProjectIsUnnamed) {
    EXPECT_EQ(ProjectReportTitle(""), "Unnamed");
    EXPECT_EQ(ProjectReportTitle("Main Street"), "Main Street");
}

TEST(ReportTitleTest, TitleNotStartingWithCapitalIsUpperCasedWhole) {
    EXPECT_EQ(HeadingTitle("main street"), "MAIN STREET");
    EXPECT_EQ(HeadingTitle("abc"), "ABC");
    EXPECT_EQ(HeadingTitle("3rd floor hall"), "3RD FLOOR HALL");
    EXPECT_EQ(HeadingTitle(" main"), " MAIN");
}

TEST(ReportTitleTest, TitleStartingWithCapitalIsKept) {
    EXPECT_EQ(HeadingTitle("Main street"), "Main street");
    EXPECT_EQ(HeadingTitle("MAIN street"), "MAIN street");
    EXPECT_EQ(HeadingTitle(""), "");
}

TEST(ReportTitleTest, AccentedLettersCountAsLetters) {
    EXPECT_EQ(HeadingTitle("\xC3\xA9toile"), "\xC3\x89TOILE");       // étoile
    EXPECT_EQ(HeadingTitle("\xC3\x89toile"), "\xC3\x89toile");       // Étoile kept
    EXPECT_EQ(HeadingTitle("\xC3\xBF\xC5\xA1"), "\xC5\xB8\xC5\xA0"); // ÿš
    EXPECT_EQ(HeadingTitle("\xD0\xBA\xD0\xB8\xD0\xBD\xD0\xBE"),      // кино
              "\xD0\x9A\xD0\x98\xD0\x9D\xD0\x9E");
    EXPECT_EQ(HeadingTitle("stra\xC3\x9F"
                           "e"),
              "STRA\xC3\x9F"
              "E"); // ß has no capital
}

TEST(ReportTitleTest, JobNameKeepsFiftyNineCharacters) {
    const std::string seventy = "Main Street Cinema " + Repeated("x", 51);
    ASSERT_EQ(seventy.size(), 70u);
    EXPECT_EQ(PrintJobName(seventy), seventy.substr(0, 59));
    EXPECT_EQ(PrintJobName(Repeated("A", 59)), Repeated("A", 59));
    EXPECT_EQ(PrintJobName(Repeated("A", 60)), Repeated("A", 59));
    EXPECT_EQ(PrintJobName("abc"), "ABC");
}

TEST(ReportTitleTest, JobNameCountsCharactersNotBytes) {
    // 59 two-byte letters fit although they take 118 bytes; the cut never splits a character.
    EXPECT_EQ(PrintJobName(Repeated("\xC3\x89", 59)), Repeated("\xC3\x89", 59));
    EXPECT_EQ(PrintJobName(Repeated("\xC3\xA9", 70)), Repeated("\xC3\x89", 59));
    EXPECT_EQ(PrintJobName("A" + Repeated("\xE2\x82\xAC", 70)), "A" + Repeated("\xE2\x82\xAC", 58));
}

} // namespace
