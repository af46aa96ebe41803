#pragma once
// Folders and files that trip a program written on Linux when it runs on Windows: names beyond
// ASCII (a UTF-8 name taken as ANSI), paths longer than Windows' classic 260 characters, and
// files another program holds open.

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace lumivane::test {

inline constexpr std::string_view kNonAsciiFolderName = "Projekte Z\xC3\xBCrich \xC3\xB1";

// parent/"Projekte Zürich ñ", made.
std::filesystem::path MakeNonAsciiFolder(const std::filesystem::path& parent);

// A folder below parent whose full path is longer than 260 characters. Windows cannot list such
// a folder, so nothing removes it wholesale: the test removes the files it made, and the folders
// go with this object.
class LongFolder {
public:
    explicit LongFolder(const std::filesystem::path& parent);
    ~LongFolder();
    LongFolder(const LongFolder&) = delete;
    LongFolder& operator=(const LongFolder&) = delete;

    const std::filesystem::path& path() const { return m_levels.back(); }

private:
    std::vector<std::filesystem::path> m_levels;
};

// Holds a file open the way an editor or a virus scanner does. On Windows nobody else may read,
// write, rename or delete it meanwhile; elsewhere an open file locks nothing.
class HeldOpenFile {
public:
    explicit HeldOpenFile(const std::filesystem::path& path);
    ~HeldOpenFile();
    HeldOpenFile(const HeldOpenFile&) = delete;
    HeldOpenFile& operator=(const HeldOpenFile&) = delete;

    static constexpr bool LocksOthersOut() {
#ifdef _WIN32
        return true;
#else
        return false;
#endif
    }
    bool IsOpen() const {
        return m_handle != -1;
    }

private:
    // A Windows handle or a file descriptor; -1 is the failed open of both.
    std::intptr_t m_handle;
};

} // namespace lumivane::test
