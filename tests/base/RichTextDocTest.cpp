#include "base/RichTextDoc.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Alignment = RichTextDoc::Alignment;
using CharFormat = RichTextDoc::CharFormat;

const CharFormat kHeading{"Ariel", 16, true, true};
const CharFormat kBody{"Ariel", 10, false, false};

// The first-line start and the start of the following lines, as a renderer places them.
std::pair<std::int32_t, std::int32_t> LineStarts(const RichTextDoc& doc) {
    const auto& format = doc.GetParagraphFormat();
    return {format.leftIndent + format.firstLineOffset, format.leftIndent};
}

TEST(RichTextDocTest, NewDocumentIsOneEmptyParagraph) {
    const RichTextDoc doc;
    ASSERT_EQ(doc.Paragraphs().size(), 1u);
    EXPECT_TRUE(doc.Paragraphs()[0].runs.empty());
    EXPECT_EQ(doc.GetText(), "");
    EXPECT_EQ(doc.TextLength(), 0u);
}

TEST(RichTextDocTest, LineEndsStartParagraphs) {
    RichTextDoc doc;
    doc.AppendText("Project Manager:\tAna\n");
    doc.AppendText("Start Date:\t1 May\r\nEnd\rLast\n\n");
    ASSERT_EQ(doc.Paragraphs().size(), 6u);
    EXPECT_EQ(doc.Paragraphs()[0].runs[0].text, "Project Manager:\tAna");
    EXPECT_EQ(doc.Paragraphs()[2].runs[0].text, "End");
    EXPECT_TRUE(doc.Paragraphs()[4].runs.empty());
    EXPECT_TRUE(doc.Paragraphs()[5].runs.empty());
    EXPECT_EQ(doc.GetText(), "Project Manager:\tAna\nStart Date:\t1 May\nEnd\nLast\n\n");
    EXPECT_EQ(doc.TextLength(), doc.GetText().size());
}

TEST(RichTextDocTest, LengthCountsCharactersNotBytes) {
    RichTextDoc doc;
    doc.AppendText("Kino Černá\n");
    doc.AppendText("→ 5€");
    EXPECT_EQ(doc.TextLength(), 10u + 1u + 4u);
}

TEST(RichTextDocTest, RunsFollowTheCharacterFormat) {
    RichTextDoc doc;
    doc.SetCharFormat(kHeading);
    doc.AppendText("MAIN ");
    doc.AppendText("STREET");
    doc.SetCharFormat(kBody);
    doc.SetCharFormat(kHeading);
    doc.AppendText("\n");
    doc.SetCharFormat(kBody);
    doc.AppendText("Auditorium List");

    const auto& paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs.size(), 2u);
    ASSERT_EQ(paragraphs[0].runs.size(), 1u);
    EXPECT_EQ(paragraphs[0].runs[0].text, "MAIN STREET");
    EXPECT_EQ(paragraphs[0].runs[0].format, kHeading);
    EXPECT_EQ(paragraphs[0].endFormat, kHeading);
    ASSERT_EQ(paragraphs[1].runs.size(), 1u);
    EXPECT_EQ(paragraphs[1].runs[0].format, kBody);
    EXPECT_EQ(paragraphs[1].endFormat, kBody);
}

TEST(RichTextDocTest, FormatChangesInsideAParagraphSplitRuns) {
    RichTextDoc doc;
    doc.SetCharFormat(kBody);
    doc.AppendText("Catalog\t");
    doc.SetCharFormat({"Ariel", 10, true, false});
    doc.AppendText("Name");
    doc.SetCharFormat(kBody);
    doc.AppendText("\tQty.");
    const auto& runs = doc.Paragraphs()[0].runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_TRUE(runs[1].format.bold);
    EXPECT_EQ(runs[2].text, "\tQty.");
}

TEST(RichTextDocTest, PointSizeStaysPositive) {
    RichTextDoc doc;
    doc.SetCharFormat({"Ariel", -4, false, false});
    EXPECT_EQ(doc.GetCharFormat().pointSize, 1);
    doc.SetCharFormat({"Ariel", std::numeric_limits<std::int32_t>::max(), false, false});
    EXPECT_EQ(doc.GetCharFormat().pointSize, 1638);
}

TEST(RichTextDocTest, ParagraphFormatAppliesToTheLastParagraphOnward) {
    RichTextDoc doc;
    doc.SetAlignment(Alignment::Centre);
    doc.AppendText("TITLE\nsubtitle\n\n");
    doc.SetAlignment(Alignment::Left);
    doc.SetTabStops({1440, 7200});
    doc.AppendText("Catalog\tName\tQty.\nA-1\tLens\t2\n");

    const auto& paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs.size(), 6u);
    EXPECT_EQ(paragraphs[0].format.alignment, Alignment::Centre);
    EXPECT_EQ(paragraphs[2].format.alignment, Alignment::Centre);
    EXPECT_EQ(paragraphs[3].format.alignment, Alignment::Left);
    EXPECT_EQ(paragraphs[4].format.tabStops, (std::vector<std::int32_t>{1440, 7200}));
    EXPECT_TRUE(paragraphs[2].format.tabStops.empty());
}

TEST(RichTextDocTest, AtMostThreeAscendingTabStops) {
    RichTextDoc doc;
    doc.SetTabStops({6680, 2000, -5, 0, 4680, 2000, 9000});
    EXPECT_EQ(doc.GetParagraphFormat().tabStops, (std::vector<std::int32_t>{2000, 4680, 6680}));

    RichTextDoc::ParagraphFormat format;
    format.tabStops = {7400, 1440, 6400, 8000};
    format.rightIndent = -10;
    doc.SetParagraphFormat(format);
    EXPECT_EQ(doc.GetParagraphFormat().tabStops, (std::vector<std::int32_t>{1440, 6400, 7400}));
    EXPECT_EQ(doc.GetParagraphFormat().rightIndent, 0);
}

TEST(RichTextDocTest, SummaryIndentsAreRelative) {
    RichTextDoc doc;
    doc.AppendText("Auditorium 1\n");
    doc.ShiftIndent(720, 720);
    EXPECT_EQ(LineStarts(doc), std::pair(720, 1440));
    EXPECT_EQ(doc.GetParagraphFormat().firstLineOffset, -720);
    doc.AppendText("Screen Size: 5.00m x 12.00m\nComments\n");
    doc.ShiftIndent(720, 0);
    EXPECT_EQ(LineStarts(doc), std::pair(1440, 1440));
    doc.AppendText("Check the masking.\n");
    doc.ShiftIndent(-720, 720);
    EXPECT_EQ(LineStarts(doc), std::pair(720, 1440));
    doc.AppendText("\n");
    doc.ShiftIndent(-720, 0);
    EXPECT_EQ(LineStarts(doc), std::pair(0, 0));

    const auto& paragraphs = doc.Paragraphs();
    EXPECT_EQ(paragraphs[0].format.leftIndent, 0);
    EXPECT_EQ(paragraphs[1].format.leftIndent, 1440);
    EXPECT_EQ(paragraphs[3].format.firstLineOffset, 0);
}

TEST(RichTextDocTest, IndentsNeverLeaveTheTextArea) {
    RichTextDoc doc;
    doc.ShiftIndent(-720, 0);
    EXPECT_EQ(LineStarts(doc), std::pair(0, 0));
    doc.ShiftIndent(720, -1440);
    EXPECT_EQ(LineStarts(doc), std::pair(720, 0));
    doc.ShiftIndent(std::numeric_limits<std::int32_t>::max(),
                    std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(LineStarts(doc), std::pair(144000, 144000));

    RichTextDoc::ParagraphFormat format;
    format.leftIndent = 500;
    format.firstLineOffset = -2000;
    doc.SetParagraphFormat(format);
    EXPECT_EQ(LineStarts(doc), std::pair(0, 500));
}

TEST(RichTextDocTest, ClearStartsAfresh) {
    RichTextDoc doc;
    doc.SetCharFormat(kHeading);
    doc.SetAlignment(Alignment::Right);
    doc.ShiftIndent(720, 720);
    doc.AppendText("one\ntwo");
    doc.Clear();
    EXPECT_EQ(doc.GetText(), "");
    EXPECT_EQ(doc.TextLength(), 0u);
    ASSERT_EQ(doc.Paragraphs().size(), 1u);
    EXPECT_EQ(doc.GetParagraphFormat(), RichTextDoc::ParagraphFormat{});
    EXPECT_EQ(doc.GetCharFormat(), CharFormat{});
}

} // namespace
