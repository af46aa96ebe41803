#include "catalog/TextRecordReader.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>

using lumivane::TextRecord;
using lumivane::TextRecordReader;

namespace {

std::vector<TextRecord> ReadAll(TextRecordReader reader) {
    std::vector<TextRecord> records;
    TextRecord record;
    while (reader.ReadRecord(record)) {
        records.push_back(record);
    }
    return records;
}

} // namespace

TEST(TextRecordReaderTest, SplitsColumnsAtSemicolonsAndKeepsTheLineEndInTheLastColumn) {
    const auto records = ReadAll(TextRecordReader::FromBytes("Name ; Short;12;3.5\r\nx;y\n"));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].ColumnCount(), 4u);
    EXPECT_EQ(records[0].Text(0), "Name ");
    EXPECT_EQ(records[0].Text(1), " Short");
    EXPECT_EQ(records[0].Int(2), 12);
    EXPECT_EQ(records[0].Raw(3), "3.5\r\n");
    EXPECT_DOUBLE_EQ(records[0].Real(3), 3.5);
    EXPECT_EQ(records[1].Text(1), "y\n");
}

TEST(TextRecordReaderTest, EmptyColumnsDoNotShiftTheColumnsAfterThem) {
    const auto records = ReadAll(TextRecordReader::FromBytes("a;;;7;\n"));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Int(1), 0);
    EXPECT_EQ(records[0].Real(2), 0.0);
    EXPECT_EQ(records[0].Int(3), 7);
    EXPECT_EQ(records[0].Raw(4), "\n");
}

TEST(TextRecordReaderTest, MissingColumnsReadAsEmptyAndZero) {
    const auto records = ReadAll(TextRecordReader::FromBytes("only\n"));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Text(5), "");
    EXPECT_EQ(records[0].Int(5), 0);
    EXPECT_EQ(records[0].Real(99), 0.0);
}

TEST(TextRecordReaderTest, NumbersFollowPrefixRules) {
    const auto records =
        ReadAll(TextRecordReader::FromBytes("  42mm;-3.5e1x;abc;+7;99999999999;-99999999999\n"));
    ASSERT_EQ(records.size(), 1u);
    const TextRecord& r = records[0];
    EXPECT_EQ(r.Int(0), 42);
    EXPECT_DOUBLE_EQ(r.Real(1), -35.0);
    EXPECT_EQ(r.Int(1), -3);
    EXPECT_EQ(r.Int(2), 0);
    EXPECT_EQ(r.Int(3), 7);
    EXPECT_EQ(r.Int(4), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(r.Int(5), std::numeric_limits<std::int32_t>::min());
}

TEST(TextRecordReaderTest, LastLineWithoutLineFeedIsDropped) {
    EXPECT_EQ(ReadAll(TextRecordReader::FromBytes("a;1\nb;2")).size(), 1u);
    EXPECT_TRUE(ReadAll(TextRecordReader::FromBytes("")).empty());
}

TEST(TextRecordReaderTest, EmptyLineIsARecordWhoseFirstColumnIsTheLineFeed) {
    const auto records = ReadAll(TextRecordReader::FromBytes("a;1\n\nb;2\n"));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].ColumnCount(), 1u);
    EXPECT_EQ(records[1].Text(0), "\n");
    EXPECT_EQ(records[2].Text(0), "b");
}

TEST(TextRecordReaderTest, ProjectorRuleEndsAtALineWithoutSeparator) {
    TextRecordReader reader = TextRecordReader::FromBytes(
        "A;B;C;1;2;3\n\nD;E;F;1;2;3\n", TextRecordReader::EndRule::LineWithoutSeparator);
    TextRecord record;
    ASSERT_TRUE(reader.ReadRecord(record));
    EXPECT_EQ(record.Text(0), "A");
    EXPECT_FALSE(reader.ReadRecord(record));
    EXPECT_FALSE(reader.ReadRecord(record));
    EXPECT_EQ(ReadAll(TextRecordReader::FromBytes("A;B\nplain\nC;D\n",
                                                  TextRecordReader::EndRule::LineWithoutSeparator))
                  .size(),
              1u);
}

TEST(TextRecordReaderTest, TextIsConvertedFromWindows1252) {
    const auto records = ReadAll(TextRecordReader::FromBytes("Obj\xE9\x63tif \x80;\x96\n"));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Text(0), "Obj\xC3\xA9"
                                  "ctif \xE2\x82\xAC");
    EXPECT_EQ(records[0].Text(1), "\xE2\x80\x93\n");
}

TEST(TextRecordReaderTest, HostileLinesStayBoundedAndLaterLinesStillRead) {
    std::string huge(TextRecordReader::kMaxRecordBytes * 3, 'x');
    std::string separators(TextRecordReader::kMaxColumns * 4, ';');
    const auto records =
        ReadAll(TextRecordReader::FromBytes(huge + "\n" + separators + "\nok;5\n"));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_LE(records[0].Raw(0).size(), TextRecordReader::kMaxRecordBytes + 1);
    EXPECT_EQ(records[1].ColumnCount(), TextRecordReader::kMaxColumns);
    EXPECT_EQ(records[2].Text(0), "ok");
    EXPECT_EQ(records[2].Int(1), 5);
}

TEST(TextRecordReaderTest, ReadsFilesAsRawBytesAndReportsMissingOnes) {
    lumivane::test::TempDir dir;
    {
        std::ofstream out(dir / "list.txt", std::ios::binary);
        out << "a;1\r\nb;2\n";
    }
    const auto records = ReadAll(TextRecordReader(dir / "list.txt"));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Raw(1), "1\r\n");

    TextRecordReader missing(dir / "absent.txt");
    TextRecord record;
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_FALSE(missing.ReadRecord(record));
}
