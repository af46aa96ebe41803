#include "base/Archive.h"

#include "base/TextArena.h"
#include "base/Utf8Path.h"
#include "support/BoundedChild.h"
#include "support/FileBytes.h"
#include "support/FileTraps.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

using lumivane::Archive;
using lumivane::ArchiveError;
using lumivane::test::TempDir;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes Stored(const std::function<void(Archive&)>& write) {
    Archive ar = Archive::ForStoring();
    write(ar);
    return ar.Bytes();
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

Bytes Utf16Le(const std::u16string& text) {
    Bytes bytes;
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

std::string ReadOneText(Bytes bytes) {
    Archive ar = Archive::ForLoading(std::move(bytes));
    std::string text = ar.ReadText();
    EXPECT_TRUE(ar.AtEnd());
    return text;
}

std::vector<std::filesystem::path> FolderEntries(const std::filesystem::path& folder) {
    return {std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()};
}

// One of everything an archive can hold, in every text form.
void WriteSample(Archive& ar) {
    ar.WriteByte(0xAB);
    ar.WriteWord(0x1234);
    ar.WriteShort(-2);
    ar.WriteDword(0x89ABCDEF);
    ar.WriteLong(-123456789);
    ar.WriteFloat(1.5f);
    ar.WriteDouble(-2.5);
    ar.WriteText("");
    ar.WriteText("Kino Müller");
    ar.WriteText(std::string(300, 'x'));
    ar.WriteText("Kino Černá");
}

void ReadSample(Archive& ar) {
    EXPECT_EQ(ar.ReadByte(), 0xAB);
    EXPECT_EQ(ar.ReadWord(), 0x1234);
    EXPECT_EQ(ar.ReadShort(), -2);
    EXPECT_EQ(ar.ReadDword(), 0x89ABCDEFu);
    EXPECT_EQ(ar.ReadLong(), -123456789);
    EXPECT_EQ(ar.ReadFloat(), 1.5f);
    EXPECT_EQ(ar.ReadDouble(), -2.5);
    EXPECT_EQ(ar.ReadText(), "");
    EXPECT_EQ(ar.ReadText(), "Kino Müller");
    EXPECT_EQ(ar.ReadText(), std::string(300, 'x'));
    EXPECT_EQ(ar.ReadText(), "Kino Černá");
}

TEST(ArchiveTest, PrimitivesAreLittleEndianWithNoGaps) {
    EXPECT_EQ(Stored([](Archive& ar) { ar.WriteByte(0xAB); }), (Bytes{0xAB}));
    EXPECT_EQ(Stored([](Archive& ar) { ar.WriteWord(0x1234); }), (Bytes{0x34, 0x12}));
    EXPECT_EQ(Stored([](Archive& ar) { ar.WriteShort(-2); }), (Bytes{0xFE, 0xFF}));
    EXPECT_EQ(Stored([](Archive& ar) { ar.WriteDword(0x12345678); }),
              (Bytes{0x78, 0x56, 0x34, 0x12}));
    EXPECT_EQ(Stored([](Archive& ar) { ar.WriteLong(std::numeric_limits<std::int32_t>::min()); }),
              (Bytes{0x00, 0x00, 0x00, 0x80}));
    EXPECT_EQ(Stored([](Archive& ar) { ar.WriteFloat(1.0f); }), (Bytes{0x00, 0x00, 0x80, 0x3F}));
    EXPECT_EQ(Stored([](Archive& ar) { ar.WriteDouble(-2.5); }),
              (Bytes{0, 0, 0, 0, 0, 0, 0x04, 0xC0}));
    EXPECT_EQ(Stored([](Archive& ar) {
                  ar.WriteByte(1);
                  ar.WriteWord(2);
                  ar.WriteDword(3);
              }),
              (Bytes{1, 2, 0, 3, 0, 0, 0}));
}

TEST(ArchiveTest, PrimitivesReadBackExactly) {
    Archive ar = Archive::ForLoading(Stored(WriteSample));
    ReadSample(ar);
    EXPECT_TRUE(ar.AtEnd());

    Archive special = Archive::ForLoading(Stored([](Archive& out) {
        out.WriteDouble(-0.0);
        out.WriteDouble(std::numeric_limits<double>::infinity());
        out.WriteDouble(std::numeric_limits<double>::quiet_NaN());
        out.WriteFloat(-std::numeric_limits<float>::denorm_min());
    }));
    EXPECT_TRUE(std::signbit(special.ReadDouble()));
    EXPECT_EQ(special.ReadDouble(), std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(special.ReadDouble()));
    EXPECT_EQ(special.ReadFloat(), -std::numeric_limits<float>::denorm_min());
}

TEST(ArchiveTest, FieldsReadTogetherMatchTheirOneByOneReading) {
    const Bytes bytes = Stored([](Archive& ar) {
        ar.WriteShort(-2);
        ar.WriteLong(-123456789);
        ar.WriteDouble(-2.5);
        ar.WriteLong(7);
    });
    Archive in = Archive::ForLoading(bytes);
    std::int16_t id = 0;
    std::int32_t first = 0;
    double value = 0.0;
    std::int32_t last = 0;
    in.ReadFields(id, first, value, last);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(id, -2);
    EXPECT_EQ(first, -123456789);
    EXPECT_EQ(value, -2.5);
    EXPECT_EQ(last, 7);

    // One check for all of them: a record cut short sets none of its fields.
    Archive cut = Archive::ForLoading(Bytes(bytes.begin(), bytes.end() - 1));
    std::int16_t untouched = 5;
    EXPECT_THROW(cut.ReadFields(untouched, first, value, last), ArchiveError);
    EXPECT_EQ(untouched, 5);
}

TEST(ArchiveTest, TextPrefixGrowsAtEachThreshold) {
    struct Case {
        std::size_t length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
    };
    for (const Case& c : cases) {
        const std::string text(c.length, 'a');
        const Bytes bytes = Stored([&](Archive& ar) { ar.WriteText(text); });
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(ReadOneText(bytes), text) << c.length;
    }
}

TEST(ArchiveTest, Windows1252TextIsWrittenNarrow) {
    EXPECT_EQ(Stored([](Archive& ar) { ar.WriteText("café €"); }),
              (Bytes{6, 'c', 'a', 'f', 0xE9, ' ', 0x80}));
    const Bytes undefined{5, 0x81, 0x8D, 0x8F, 0x90, 0x9D};
    EXPECT_EQ(Stored([&](Archive& ar) { ar.WriteText(ReadOneText(undefined)); }), undefined);
}

TEST(ArchiveTest, TextOutsideWindows1252IsWrittenWideAndSurvives) {
    const Bytes bytes = Stored([](Archive& ar) { ar.WriteText("Kino Černá"); });
    EXPECT_EQ(bytes, Concat({{0xFF, 0xFE, 0xFF, 10}, Utf16Le(u"Kino Černá")}));
    EXPECT_EQ(ReadOneText(bytes), "Kino Černá");

    const std::string emoji = "Saal 😀";
    EXPECT_EQ(ReadOneText(Stored([&](Archive& ar) { ar.WriteText(emoji); })), emoji);

    const std::string longText = std::string(300, 'x') + "Č";
    const Bytes longBytes = Stored([&](Archive& ar) { ar.WriteText(longText); });
    EXPECT_EQ(Bytes(longBytes.begin(), longBytes.begin() + 6),
              (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0x2D, 0x01})); // 301 units
    EXPECT_EQ(ReadOneText(longBytes), longText);
}

TEST(ArchiveTest, WideTextFromOtherWritersIsAccepted) {
    EXPECT_EQ(ReadOneText(Concat({{0xFF, 0xFE, 0xFF, 3}, Utf16Le(u"Kin")})), "Kin");
    EXPECT_EQ(ReadOneText(Concat({{0xFF, 0xFE, 0xFF, 0xFF, 2, 0}, Utf16Le(u"Če")})), "Če");
    EXPECT_EQ(
        ReadOneText(Concat({{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0}, Utf16Le(u"€é")})),
        "€é");
    EXPECT_EQ(ReadOneText({0xFF, 0xFE, 0xFF, 0}), "");
    EXPECT_EQ(ReadOneText(Concat({{0xFF, 0xFE, 0xFF, 2}, Utf16Le(std::u16string{0xD800, u'a'})})),
              "\xEF\xBF\xBD"
              "a");
}

TEST(ArchiveTest, InvalidUtf8IsWrittenAsReplacementCharacters) {
    const Bytes bytes = Stored([](Archive& ar) {
        ar.WriteText("a\xFF"
                     "b");
    });
    EXPECT_EQ(bytes, Concat({{0xFF, 0xFE, 0xFF, 3}, Utf16Le(u"a\uFFFDb")}));
}

TEST(ArchiveTest, TextsReadIntoAnArenaEqualTheOwnedOnes) {
    const Bytes bytes = Stored([](Archive& ar) {
        for (const char* text : {"", "Kino", "café €", "Kino Černá", "Saal 😀"}) {
            ar.WriteText(text);
        }
        ar.WriteText(std::string(300, 'x'));
    });
    Archive owned = Archive::ForLoading(bytes);
    Archive viewed = Archive::ForLoading(bytes);
    lumivane::TextArena texts;
    while (!owned.AtEnd()) {
        EXPECT_EQ(viewed.ReadText(texts), owned.ReadText());
    }
    EXPECT_TRUE(viewed.AtEnd());
    Archive truncated = Archive::ForLoading(Bytes(bytes.begin(), bytes.end() - 1));
    for (int i = 0; i < 5; ++i) {
        truncated.ReadText(texts);
    }
    EXPECT_THROW(truncated.ReadText(texts), ArchiveError);
}

TEST(ArchiveTest, EveryTruncationFailsWithTheFormatError) {
    const Bytes full = Stored(WriteSample);
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        Archive ar = Archive::ForLoading(Bytes(full.begin(), full.begin() + cut));
        EXPECT_THROW(ReadSample(ar), ArchiveError) << "cut at " << cut;
    }
    try {
        Archive::ForLoading({}).ReadByte();
        FAIL() << "reading an empty archive succeeded";
    } catch (const ArchiveError& e) {
        EXPECT_STREQ(e.what(), "Unexpected file format.");
    }
}

TEST(ArchiveTest, AbsurdTextLengthsFailBeforeAllocating) {
    const Bytes narrow4GiB{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b'};
    EXPECT_THROW(ReadOneText(narrow4GiB), ArchiveError);
    const Bytes wide4GiUnits{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 0};
    EXPECT_THROW(ReadOneText(wide4GiUnits), ArchiveError);
    EXPECT_THROW(ReadOneText({0xFF, 0xFE, 0xFF, 2, 'a', 0, 'b'}), ArchiveError);
    EXPECT_THROW(ReadOneText({3, 'a', 'b'}), ArchiveError);
}

TEST(ArchiveTest, RecordCountsMustFitInWhatIsLeft) {
    EXPECT_EQ(Archive::ForLoading({3, 0, 0, 0, 'a', 'b', 'c'}).ReadCount(1), 3u);
    EXPECT_EQ(Archive::ForLoading({0, 0, 0, 0}).ReadCount(8), 0u);
    EXPECT_THROW(Archive::ForLoading({4, 0, 0, 0, 'a', 'b', 'c'}).ReadCount(1), ArchiveError);
    EXPECT_THROW(Archive::ForLoading({2, 0, 0, 0, 'a', 'b', 'c'}).ReadCount(2), ArchiveError);
    EXPECT_THROW(Archive::ForLoading({0xFF, 0xFF, 0xFF, 0xFF}).ReadCount(8), ArchiveError);
}

TEST(ArchiveTest, RemainingCountsWhatIsLeft) {
    Archive ar = Archive::ForLoading({1, 2, 3});
    EXPECT_EQ(ar.Remaining(), 3u);
    ar.ReadWord();
    EXPECT_EQ(ar.Remaining(), 1u);
    EXPECT_FALSE(ar.AtEnd());
    ar.ReadByte();
    EXPECT_TRUE(ar.AtEnd());
    EXPECT_TRUE(ar.IsLoading());
    EXPECT_TRUE(Archive::ForStoring().IsStoring());
}

TEST(ArchiveFileTest, SavedFileLoadsBack) {
    TempDir dir;
    const auto path = dir / "project.hoprj";
    Archive out = Archive::ForStoring();
    WriteSample(out);
    ASSERT_TRUE(out.SaveToFile(path));
    EXPECT_EQ(lumivane::test::ReadFileBytes(path), out.Bytes());

    Archive in = Archive::ForStoring();
    ASSERT_TRUE(Archive::OpenForLoading(path, in));
    ASSERT_TRUE(in.IsLoading());
    ReadSample(in);
    EXPECT_TRUE(in.AtEnd());
}

TEST(ArchiveFileTest, UnreadableOrHugeFilesAreRefused) {
    TempDir dir;
    Archive ar = Archive::ForStoring();
    EXPECT_FALSE(Archive::OpenForLoading(dir / "missing.hoprj", ar));
    EXPECT_FALSE(Archive::OpenForLoading(dir.path(), ar));
    EXPECT_TRUE(ar.IsStoring());

    const auto huge = dir / "huge.hoprj";
    lumivane::test::WriteFileBytes(huge, {});
    std::filesystem::resize_file(huge, 257u * 1024u * 1024u); // sparse, costs no disk
    EXPECT_FALSE(Archive::OpenForLoading(huge, ar));
}

TEST(ArchiveFileTest, SaveReplacesTheOldFileAndLeavesNoTemporaries) {
    TempDir dir;
    const auto path = dir / "database.dta";
    lumivane::test::WriteFileBytes(path, Bytes(1000, 0x55));
    Archive ar = Archive::ForStoring();
    ar.WriteText("new");
    ASSERT_TRUE(ar.SaveToFile(path));
    EXPECT_EQ(lumivane::test::ReadFileBytes(path), (Bytes{3, 'n', 'e', 'w'}));
    EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::filesystem::path>{path});
}

// Windows reads a UTF-8 name in the ANSI code page and, by default, renames over no existing
// file.
TEST(ArchiveFileTest, SaveReplacesAFileInAFolderNamedBeyondAscii) {
    TempDir dir;
    const auto folder = lumivane::test::MakeNonAsciiFolder(dir.path());
    const auto path = folder / lumivane::PathFromUtf8("Kino S\xC3\xBC"
                                                      "d.hoprj");
    lumivane::test::WriteFileBytes(path, Bytes(1000, 0x55));
    Archive out = Archive::ForStoring();
    WriteSample(out);
    ASSERT_TRUE(out.SaveToFile(path));
    EXPECT_EQ(lumivane::test::ReadFileBytes(path), out.Bytes());
    EXPECT_EQ(FolderEntries(folder), std::vector<std::filesystem::path>{path});
}

// Paths past the 260 characters Windows once allowed: the folder cannot be listed there, so
// only what was saved is checked.
TEST(ArchiveFileTest, SavedFileLoadsBackBeyondTheClassicPathLength) {
    TempDir dir;
    const lumivane::test::LongFolder folder(dir.path());
    const auto path = folder.path() / "project.hoprj";
    for (const Bytes& before : {Bytes{}, Bytes(1000, 0x55)}) {
        if (!before.empty()) {
            lumivane::test::WriteFileBytes(path, before);
        }
        Archive out = Archive::ForStoring();
        WriteSample(out);
        ASSERT_TRUE(out.SaveToFile(path));
        Archive in = Archive::ForStoring();
        ASSERT_TRUE(Archive::OpenForLoading(path, in));
        ReadSample(in);
        EXPECT_TRUE(in.AtEnd());
    }
    EXPECT_TRUE(std::filesystem::remove(path));
}

// A file that another program holds open cannot be replaced on Windows; the save must fail with
// the old file whole and no temporary left, where Linux simply replaces it.
TEST(ArchiveFileTest, SaveOverAFileAnotherProgramHoldsOpenKeepsTheOldFileWhole) {
    using lumivane::test::HeldOpenFile;
    TempDir dir;
    const auto path = dir / "project.hoprj";
    const Bytes old(100, 0x42);
    lumivane::test::WriteFileBytes(path, old);
    Archive ar = Archive::ForStoring();
    ar.WriteText("new");
    {
        const HeldOpenFile held(path);
        ASSERT_TRUE(held.IsOpen());
        EXPECT_EQ(ar.SaveToFile(path), !HeldOpenFile::LocksOthersOut());
        Archive in = Archive::ForStoring();
        EXPECT_EQ(Archive::OpenForLoading(path, in), !HeldOpenFile::LocksOthersOut());
    }
    EXPECT_EQ(lumivane::test::ReadFileBytes(path),
              HeldOpenFile::LocksOthersOut() ? old : ar.Bytes());
    EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::filesystem::path>{path});
}

TEST(ArchiveFileTest, FailedSaveLeavesNothingBehind) {
    TempDir dir;
    Archive ar = Archive::ForStoring();
    ar.WriteText("data");
    EXPECT_FALSE(ar.SaveToFile(dir / "no such folder" / "project.hoprj"));
    EXPECT_FALSE(ar.SaveToFile(dir.path() / ""));

    const auto folder = dir / "taken";
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(ar.SaveToFile(folder));
    EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::filesystem::path>{folder});
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

// A disk that fills up mid-write, simulated by a file-size limit in a child process.
TEST(ArchiveFileTest, SaveCutShortKeepsTheOldFile) {
    if (!lumivane::test::FileSizeLimitApplies()) {
        GTEST_SKIP() << "no file size limit on this system to fill the disk with";
    }
    TempDir dir;
    const auto path = dir / "project.hoprj";
    const Bytes old(100, 0x42);
    lumivane::test::WriteFileBytes(path, old);
    Archive ar = Archive::ForStoring();
    for (int i = 0; i < 1024; ++i) {
        ar.WriteText(std::string(1000, 'z'));
    }

    const auto refused =
        lumivane::test::RunWithFileSizeLimit([&] { return !ar.SaveToFile(path); }, 64 * 1024);
    EXPECT_TRUE(refused.passed) << "the save claimed success: " << refused.failure;
    EXPECT_EQ(lumivane::test::ReadFileBytes(path), old);
    EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::filesystem::path>{path});
}

} // namespace
