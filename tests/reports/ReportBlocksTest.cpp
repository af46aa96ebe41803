#include "reports/ReportBlocks.h"

#include "document/ProjectFile.h"

#include <gtest/gtest.h>

namespace {

using lumivane::BodyStyle;
using lumivane::ColumnHeaderStyle;
using lumivane::HeadingStyle;
using lumivane::ProjectInfo;
using Alignment = RichTextDoc::Alignment;

std::vector<std::int32_t> Tabs(std::initializer_list<std::int32_t> stops) {
    return stops;
}

TEST(ReportBlocksTest, StylesUseTheReportFace) {
    EXPECT_EQ(HeadingStyle(), (RichTextDoc::CharFormat{"Ariel", 16, true, true}));
    EXPECT_EQ(ColumnHeaderStyle(), (RichTextDoc::CharFormat{"Ariel", 10, true, true}));
    EXPECT_EQ(BodyStyle(), (RichTextDoc::CharFormat{"Ariel", 10, false, false}));
}

TEST(ReportBlocksTest, TitleBlockIsCentredHeadingOverSubtitle) {
    RichTextDoc doc;
    lumivane::WriteTitleBlock(doc, "main street", "Auditorium List");
    EXPECT_EQ(doc.GetText(), "MAIN STREET\nAuditorium List\n\n");
    const auto& paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs.size(), 4u);
    for (const auto& paragraph : paragraphs) {
        EXPECT_EQ(paragraph.format.alignment, Alignment::Centre);
    }
    ASSERT_EQ(paragraphs[0].runs.size(), 1u);
    EXPECT_EQ(paragraphs[0].runs[0].format, HeadingStyle());
    EXPECT_EQ(paragraphs[1].runs[0].format, BodyStyle());
}

TEST(ReportBlocksTest, CompanyBlockReturnsToLeftAlignment) {
    RichTextDoc doc;
    lumivane::WriteTitleBlock(doc, "Lens Catalog", "Halvard Optics, Inc.");
    lumivane::WriteCompanyBlock(doc, "Roxy Screens\r\n1 Main Street");
    EXPECT_EQ(doc.GetText(),
              "Lens Catalog\nHalvard Optics, Inc.\n\nRoxy Screens\n1 Main Street\n\n");
    const auto& paragraphs = doc.Paragraphs();
    EXPECT_EQ(paragraphs[3].format.alignment, Alignment::Left);
    EXPECT_EQ(paragraphs[3].runs[0].format, BodyStyle());
}

TEST(ReportBlocksTest, ProjectBlockWritesOnlyLinesWithText) {
    RichTextDoc doc;
    lumivane::WriteProjectBlock(doc, ProjectInfo{"Ann Lee", "", "5/6/24 9:15", "", ""});
    EXPECT_EQ(doc.GetText(), "Project Manager:\tAnn Lee\n"
                             "Project Created:\t\tLast Update:\t5/6/24 9:15\n\n");
    EXPECT_EQ(doc.Paragraphs()[0].format.tabStops, Tabs({2000, 4680, 6680}));
}

TEST(ReportBlocksTest, ProjectBlockWithAllTexts) {
    RichTextDoc doc;
    lumivane::WriteProjectBlock(doc, ProjectInfo{"M", "P", "L", "S", "E"});
    EXPECT_EQ(doc.GetText(), "Project Manager:\tM\n"
                             "Project Created:\tP\tLast Update:\tL\n"
                             "Start Date:\tS\tEstimated Completion:\tE\n\n");
}

TEST(ReportBlocksTest, EmptyProjectBlockIsOneBlankLine) {
    RichTextDoc doc;
    lumivane::WriteProjectBlock(doc, ProjectInfo{});
    EXPECT_EQ(doc.GetText(), "\n");
    RichTextDoc endOnly;
    lumivane::WriteProjectBlock(endOnly, ProjectInfo{"", "", "", "", "June"});
    EXPECT_EQ(endOnly.GetText(), "Start Date:\t\tEstimated Completion:\tJune\n\n");
}

TEST(ReportBlocksTest, TableHeaderIsUnderlinedAndRowsAreBody) {
    RichTextDoc doc;
    lumivane::WriteTableHeader(doc, {1440, 7200}, "Catalog\tName\tQty.");
    doc.AppendText("48-1\tLens\t2\n");
    const auto& paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs.size(), 3u);
    EXPECT_EQ(paragraphs[0].runs[0].format, ColumnHeaderStyle());
    EXPECT_EQ(paragraphs[1].runs[0].format, BodyStyle());
    EXPECT_EQ(paragraphs[1].format.tabStops, Tabs({1440, 7200}));
}

} // namespace
