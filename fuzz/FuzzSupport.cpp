#include "FuzzSupport.h"

#include <cstdlib>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace lumivane::fuzz {

namespace {

class ProcessFolder {
public:
    ProcessFolder()
        : m_path(std::filesystem::temp_directory_path() /
                 ("lumivane-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(m_path);
    }
    ~ProcessFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ProcessFolder(const ProcessFolder&) = delete;
    ProcessFolder& operator=(const ProcessFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

const std::filesystem::path& ScratchFolder() {
    static const ProcessFolder folder;
    return folder.path();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Require(static_cast<bool>(out));
}

} // namespace lumivane::fuzz
