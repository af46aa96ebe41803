#pragma once
// The little-endian record stream of project files and the catalog store. An archive is
// either storing or loading, never both. Loading works on the whole file in memory, so every
// read is checked against what is left; storing collects the bytes and writes them to disk
// in one atomic step, so a failed save never damages the previous file.

#include "base/LittleEndian.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

class TextArena;

// The project file layout this program writes; older layouts are still read.
inline constexpr int CurrentFileVersion = 12;

// Raised by a loading archive that runs past the end of its data or meets an impossible
// length; callers show "Unexpected file format.".
class ArchiveError : public std::runtime_error {
public:
    ArchiveError();
};

class Archive {
public:
    // An empty storing archive.
    static Archive ForStoring();
    // A loading archive over bytes already in memory.
    static Archive ForLoading(std::vector<std::uint8_t> bytes);
    // A loading archive over a whole file; returns false (archive untouched) when the file
    // cannot be opened or read.
    static bool OpenForLoading(const std::filesystem::path& path, Archive& out);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    // The layout version of the project file being read, which the record readers consult.
    // It belongs to this archive alone, so reading an old file never changes how any other
    // archive is read; every archive starts at the current version.
    int FileVersion() const { return m_fileVersion; }
    void SetFileVersion(int version) { m_fileVersion = version; }

    void WriteByte(std::uint8_t v);
    void WriteWord(std::uint16_t v);
    void WriteShort(std::int16_t v);
    void WriteDword(std::uint32_t v);
    void WriteLong(std::int32_t v);
    void WriteFloat(float v);
    void WriteDouble(double v);
    // UTF-8 text; written as Windows-1252 with the narrow length prefix, or in the wide
    // UTF-16LE form when Windows-1252 cannot hold it. Invalid UTF-8 bytes are written as
    // U+FFFD, which forces the wide form.
    void WriteText(std::string_view utf8);

    std::uint8_t ReadByte();
    std::uint16_t ReadWord();
    std::int16_t ReadShort();
    std::uint32_t ReadDword();
    std::int32_t ReadLong();
    float ReadFloat();
    double ReadDouble();
    // Numbers stored one after the other, read with a single bounds check: for the fixed
    // part of the catalog store's records, which start-up reads by the thousand.
    template <class... Fields> void ReadFields(Fields&... fields) {
        const std::uint8_t* bytes = Take((sizeof(Fields) + ...));
        ((fields = FromLittleEndian<Fields>(bytes), bytes += sizeof(Fields)), ...);
    }
    // Accepts the three narrow prefixes and the wide form; returns UTF-8.
    std::string ReadText();
    // The same, kept in texts: for the many read-only texts of a catalog.
    std::string_view ReadText(TextArena& texts);
    // A dword count of the records that follow, refused with ArchiveError when that many
    // records of at least minRecordBytes each cannot fit in what is left, so callers may
    // reserve space for them safely.
    std::uint32_t ReadCount(std::size_t minRecordBytes);

    // Bytes not yet read (loading) or written so far (storing).
    std::size_t Remaining() const { return m_data.size() - m_pos; }
    bool AtEnd() const { return m_pos == m_data.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return m_data; }

    // Writes the stored bytes to path atomically; false when any step fails.
    bool SaveToFile(const std::filesystem::path& path) const;

private:
    explicit Archive(bool storing) : m_storing(storing) {}
    // n little-endian bytes of value.
    void Put(std::uint64_t value, std::size_t n);
    // The next little-endian number of that width.
    template <class Unsigned> Unsigned Get();
    // The next n bytes, or ArchiveError when fewer are left.
    const std::uint8_t* Take(std::size_t n);
    // The Windows-1252 bytes of the next text, or nothing when the wide form follows.
    std::optional<std::string_view> TakeNarrowText();

    bool m_storing;
    int m_fileVersion = CurrentFileVersion;
    std::vector<std::uint8_t> m_data;
    std::size_t m_pos = 0;
};

} // namespace lumivane
