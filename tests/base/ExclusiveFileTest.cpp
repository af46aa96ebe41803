#include "base/ExclusiveFile.h"

#include "base/Utf8Path.h"
#include "support/FileBytes.h"
#include "support/FileTraps.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using lumivane::ExclusiveFile;
using lumivane::test::TempDir;

TEST(ExclusiveFileTest, OnlyTheFirstOfTwoCreatorsGetsTheFile) {
    TempDir dir;
    const auto path = dir / "update.lock";
    ExclusiveFile first(path);
    ASSERT_TRUE(first.IsOpen());
    EXPECT_FALSE(ExclusiveFile(path).IsOpen()) << "while the first is open";
    ASSERT_TRUE(first.Close());
    EXPECT_FALSE(ExclusiveFile(path).IsOpen()) << "after the first is closed";

    std::filesystem::remove(path);
    EXPECT_TRUE(ExclusiveFile(path).IsOpen()) << "once the file is gone";
}

TEST(ExclusiveFileTest, WritesBytesUnchangedUnderANameBeyondAscii) {
    TempDir dir;
    const auto folder = lumivane::test::MakeNonAsciiFolder(dir.path());
    const auto path = folder / lumivane::PathFromUtf8("D\xC3\xA9j\xC3\xA0 vu.dta");
    const std::array<std::uint8_t, 4> bytes{'\r', '\n', 0, 0xFF};
    {
        ExclusiveFile file(path);
        ASSERT_TRUE(file.IsOpen());
        EXPECT_TRUE(file.Write(bytes));
        EXPECT_TRUE(file.Close());
    }
    EXPECT_EQ(lumivane::test::ReadFileBytes(path),
              std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    EXPECT_FALSE(ExclusiveFile(path).IsOpen());
}

TEST(ExclusiveFileTest, NoFileIsMadeInAFolderThatIsNotThere) {
    TempDir dir;
    EXPECT_FALSE(ExclusiveFile(dir / "missing" / "update.lock").IsOpen());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

} // namespace
