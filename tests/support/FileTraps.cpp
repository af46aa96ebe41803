#include "support/FileTraps.h"

#include "base/Utf8Path.h"

#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace lumivane::test {

std::filesystem::path MakeNonAsciiFolder(const std::filesystem::path& parent) {
    auto folder = parent / PathFromUtf8(kNonAsciiFolderName);
    std::filesystem::create_directories(folder);
    return folder;
}

LongFolder::LongFolder(const std::filesystem::path& parent) {
    auto folder = parent;
    while (folder.native().size() <= 300) {
        folder /= "a folder name of forty characters, " + std::to_string(10 + m_levels.size());
        std::filesystem::create_directory(folder);
        m_levels.push_back(folder);
    }
}

LongFolder::~LongFolder() {
    std::error_code ignored;
    for (auto level = m_levels.rbegin(); level != m_levels.rend(); ++level) {
        std::filesystem::remove(*level, ignored);
    }
}

#ifdef _WIN32

HeldOpenFile::HeldOpenFile(const std::filesystem::path& path)
    : m_handle(reinterpret_cast<std::intptr_t>(CreateFileW(
          path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))) {
}

HeldOpenFile::~HeldOpenFile() {
    if (IsOpen()) {
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    }
}

#else

HeldOpenFile::HeldOpenFile(const std::filesystem::path& path)
    : m_handle(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}

HeldOpenFile::~HeldOpenFile() {
    if (IsOpen()) {
        close(static_cast<int>(m_handle));
    }
}

#endif

} // namespace lumivane::test
