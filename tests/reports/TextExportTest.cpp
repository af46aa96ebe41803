#include "reports/TextExport.h"

#include "base/RichTextDoc.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

using lumivane::ExportText;
using lumivane::test::TempDir;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

RichTextDoc Report(const std::string& text) {
    RichTextDoc doc;
    doc.SetCharFormat(RichTextDoc::CharFormat{"Ariel", 16, true, true});
    doc.AppendText(text);
    return doc;
}

TEST(TextExportTest, WritesPlainTextWithTabsAndLineEnds) {
    TempDir dir;
    const auto path = dir / "report.txt";
    ASSERT_TRUE(ExportText(Report("MAIN\r\nProject Manager:\tAnn \xC3\x89lise\n\n"), path));
    const std::string end(lumivane::PlatformLineEnd());
    EXPECT_EQ(ReadFile(path), "MAIN" + end + "Project Manager:\tAnn \xC3\x89lise" + end + end);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(TextExportTest, ReplacesAnExistingFileWithoutAsking) {
    TempDir dir;
    const auto path = dir / "report.txt";
    ASSERT_TRUE(ExportText(Report("a much longer first report\n"), path));
    ASSERT_TRUE(ExportText(Report("short\n"), path));
    EXPECT_EQ(ReadFile(path), "short" + std::string(lumivane::PlatformLineEnd()));
}

TEST(TextExportTest, EmptyReportGivesEmptyFile) {
    TempDir dir;
    const auto path = dir / "empty.txt";
    ASSERT_TRUE(ExportText(RichTextDoc{}, path));
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(ReadFile(path), "");
}

TEST(TextExportTest, MissingFolderIsReportedAndLeavesNothing) {
    TempDir dir;
    EXPECT_FALSE(ExportText(Report("text"), dir / "no such folder" / "report.txt"));
    EXPECT_EQ(lumivane::kExportFailedMessage, "Could not open file");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(TextExportTest, TargetThatIsAFolderIsReportedAndKept) {
    TempDir dir;
    const auto target = dir / "taken";
    std::filesystem::create_directory(target);
    std::ofstream(target / "inside.txt") << "keep";
    EXPECT_FALSE(ExportText(Report("text"), target));
    EXPECT_EQ(ReadFile(target / "inside.txt"), "keep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

} // namespace
