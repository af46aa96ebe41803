#pragma once
// A fresh folder under the system's temporary directory for the files a benchmark writes,
// removed with everything in it afterwards.

#include <filesystem>

namespace lumivane::bench {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return m_path / name;
    }

private:
    std::filesystem::path m_path;
};

} // namespace lumivane::bench
