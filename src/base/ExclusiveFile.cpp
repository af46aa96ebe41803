#include "base/ExclusiveFile.h"

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace lumivane {

namespace {

// The Windows C runtime ignores fopen's "x" and reads narrow names in the ANSI code page, so
// the file is created by its wide name with O_EXCL on every system.
int OpenNewFile(const std::filesystem::path& path) {
#ifdef _WIN32
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
    return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
#endif
}

std::FILE* CreateNewFile(const std::filesystem::path& path) {
    const int fd = OpenNewFile(path);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* file = fdopen(fd, "wb");
    if (file == nullptr) {
        close(fd);
    }
    return file;
}

} // namespace

ExclusiveFile::ExclusiveFile(const std::filesystem::path& path) : m_file(CreateNewFile(path)) {}

bool ExclusiveFile::Write(std::span<const std::uint8_t> bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), m_file) == bytes.size();
}

bool ExclusiveFile::Close() {
    if (!m_file) {
        return true;
    }
    const bool ok = std::fclose(m_file) == 0;
    m_file = nullptr;
    return ok;
}

} // namespace lumivane
