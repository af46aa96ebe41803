#pragma once
// A file created for writing only when no file of its name exists, closed on every exit. The
// check and the creation are one step of the file system, so of two programs creating the same
// file one fails: the catalog update's lock rests on that.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>

namespace lumivane {

class ExclusiveFile {
public:
    explicit ExclusiveFile(const std::filesystem::path& path);
    ~ExclusiveFile() { Close(); }
    ExclusiveFile(const ExclusiveFile&) = delete;
    ExclusiveFile& operator=(const ExclusiveFile&) = delete;

    bool IsOpen() const { return m_file != nullptr; }
    bool Write(std::span<const std::uint8_t> bytes);
    // False when the buffered data could not be written.
    bool Close();

private:
    std::FILE* m_file;
};

} // namespace lumivane
