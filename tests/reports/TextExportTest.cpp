#include "reports/TextExport.h"

#include "base/RichTextDoc.h"
#include "base/Utf8Path.h"
#include "support/FileTraps.h"
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

TEST(TextExportTest, ExportsUnderANameBeyondAsciiAndBeyondTheClassicPathLength) {
    TempDir dir;
    const auto name = lumivane::PathFromUtf8("Saal \xE2\x84\x96 1.txt");
    const auto inNonAscii = lumivane::test::MakeNonAsciiFolder(dir.path()) / name;
    const lumivane::test::LongFolder longFolder(dir.path());
    const auto inLong = longFolder.path() / name;
    for (const auto& path : {inNonAscii, inLong}) {
        ASSERT_TRUE(ExportText(Report("one\n"), path)) << lumivane::Utf8FromPath(path);
        ASSERT_TRUE(ExportText(Report("two\n"), path)) << "over the first";
        EXPECT_EQ(ReadFile(path), "two" + std::string(lumivane::PlatformLineEnd()));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(inNonAscii.parent_path()), {}), 1);
    EXPECT_TRUE(std::filesystem::remove(inLong));
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
