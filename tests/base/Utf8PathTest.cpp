#include "base/Utf8Path.h"

#include "support/FileBytes.h"
#include "support/FileTraps.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using lumivane::PathFromUtf8;
using lumivane::Utf8FromPath;
using lumivane::test::TempDir;

// Western names fit Windows-1252, the others fit no ANSI code page at all.
const std::vector<std::string> kNames = {
    std::string(lumivane::test::kNonAsciiFolderName),
    "\xC5\x81\xC3\xB3"
    "d\xC5\xBA \xE6\x9D\xB1\xE4\xBA\xAC \xE2\x80\x93 Kino.hoprj",
    "\xF0\x9F\x8E\xA5 Saal 1.txt",
};

TEST(Utf8PathTest, NamesReachTheFileSystemAsTypedAndComeBackTheSame) {
    TempDir dir;
    for (const std::string& name : kNames) {
        const auto path = dir / PathFromUtf8(name);
        EXPECT_EQ(path.filename(), std::filesystem::path(std::u8string(name.begin(), name.end())));
        lumivane::test::WriteFileBytes(path, {1, 2, 3});
        EXPECT_EQ(lumivane::test::ReadFileBytes(path), (std::vector<std::uint8_t>{1, 2, 3}))
            << name;
    }
    std::vector<std::string> listed;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        listed.push_back(Utf8FromPath(entry.path().filename()));
    }
    std::sort(listed.begin(), listed.end());
    std::vector<std::string> expected = kNames;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);
}

TEST(Utf8PathTest, TextThatIsNoUtf8StillMakesAPathWithoutThrowing) {
    TempDir dir;
    std::filesystem::path path;
    ASSERT_NO_THROW(path = dir / PathFromUtf8("bad \xFF\xC3 name"));
    lumivane::test::WriteFileBytes(path, {7});
    EXPECT_EQ(lumivane::test::ReadFileBytes(path), std::vector<std::uint8_t>{7});
#ifdef _WIN32
    EXPECT_EQ(Utf8FromPath(path.filename()), "bad \xEF\xBF\xBD\xEF\xBF\xBD name");
#else
    EXPECT_EQ(Utf8FromPath(path.filename()), "bad \xFF\xC3 name");
#endif
}

#ifdef _WIN32
TEST(Utf8PathTest, BackslashesAndSlashesBothSeparateFoldersOnWindows) {
    const auto path = PathFromUtf8("C:\\Users\\J\xC3\xBCrgen/Kinos\\Saal 1.hoprj");
    EXPECT_EQ(Utf8FromPath(path.filename()), "Saal 1.hoprj");
    EXPECT_EQ(Utf8FromPath(path.parent_path().filename()), "Kinos");
    EXPECT_EQ(Utf8FromPath(path.root_name()), "C:");
    EXPECT_EQ(Utf8FromPath(path.parent_path().parent_path()), "C:\\Users\\J\xC3\xBCrgen");
}
#endif

} // namespace
