#include "base/Archive.h"

#include "base/LittleEndian.h"
#include "base/TextArena.h"
#include "base/TextEncoding.h"

#include <bit>
#include <fstream>
#include <random>
#include <stdexcept>
#include <system_error>

namespace lumivane {
namespace {

// Real project files and catalog stores are a few hundred kilobytes; anything this large is
// not one of ours and is refused before it is read into memory.
constexpr std::uintmax_t kMaxLoadSize = 256u * 1024u * 1024u;

constexpr std::uint8_t kLongPrefix = 0xFF;
constexpr std::uint16_t kWideMarker = 0xFFFE;
constexpr std::uint16_t kDwordLength = 0xFFFF;

void WriteLength(Archive& ar, std::size_t n) {
    if (n > UINT32_MAX) {
        throw std::length_error("Text too long for an archive.");
    }
    if (n < kLongPrefix) {
        ar.WriteByte(static_cast<std::uint8_t>(n));
        return;
    }
    ar.WriteByte(kLongPrefix);
    if (n < kWideMarker) {
        ar.WriteWord(static_cast<std::uint16_t>(n));
        return;
    }
    ar.WriteWord(kDwordLength);
    ar.WriteDword(static_cast<std::uint32_t>(n));
}

// The length after the wide marker: here the word 0xFFFE is a plain length, as only the
// first prefix can carry the marker.
std::uint32_t ReadWideLength(Archive& ar) {
    const std::uint8_t byteLength = ar.ReadByte();
    if (byteLength < kLongPrefix) {
        return byteLength;
    }
    const std::uint16_t wordLength = ar.ReadWord();
    if (wordLength < kDwordLength) {
        return wordLength;
    }
    return ar.ReadDword();
}

std::string ReadWideText(Archive& ar) {
    const std::uint32_t units = ReadWideLength(ar);
    if (units > ar.Remaining() / 2) {
        throw ArchiveError();
    }
    std::u16string text(units, u'\0');
    for (char16_t& unit : text) {
        unit = ar.ReadWord();
    }
    return Utf16ToUtf8(text);
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    std::filesystem::path temp;
    std::error_code ec;
    do {
        std::filesystem::path name = ".";
        name += target.filename();
        name += "." + std::to_string(random()) + ".tmp";
        temp = target;
        temp.replace_filename(name);
    } while (std::filesystem::exists(temp, ec));
    return temp;
}

bool WriteWholeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    out.flush();
    if (!out) {
        return false;
    }
    out.close();
    return !out.fail();
}

} // namespace

ArchiveError::ArchiveError() : std::runtime_error("Unexpected file format.") {}

Archive Archive::ForStoring() {
    return Archive(true);
}

Archive Archive::ForLoading(std::vector<std::uint8_t> bytes) {
    Archive ar(false);
    ar.m_data = std::move(bytes);
    return ar;
}

bool Archive::OpenForLoading(const std::filesystem::path& path, Archive& out) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxLoadSize) {
        return false;
    }
    // The file is read in one piece, so the stream needs no buffer of its own.
    std::ifstream in;
    in.rdbuf()->pubsetbuf(nullptr, 0);
    in.open(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        return false;
    }
    out = ForLoading(std::move(bytes));
    return true;
}

void Archive::Put(std::uint64_t value, std::size_t n) {
    if (!m_storing) {
        throw std::logic_error("Writing to a loading archive.");
    }
    for (std::size_t i = 0; i < n; ++i) {
        m_data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

template <class Unsigned> Unsigned Archive::Get() {
    return FromLittleEndian<Unsigned>(Take(sizeof(Unsigned)));
}

const std::uint8_t* Archive::Take(std::size_t n) {
    if (m_storing) {
        throw std::logic_error("Reading from a storing archive.");
    }
    if (n > Remaining()) {
        throw ArchiveError();
    }
    const std::uint8_t* start = m_data.data() + m_pos;
    m_pos += n;
    return start;
}

void Archive::WriteByte(std::uint8_t v) {
    Put(v, 1);
}
void Archive::WriteWord(std::uint16_t v) {
    Put(v, 2);
}
void Archive::WriteShort(std::int16_t v) {
    Put(static_cast<std::uint16_t>(v), 2);
}
void Archive::WriteDword(std::uint32_t v) {
    Put(v, 4);
}
void Archive::WriteLong(std::int32_t v) {
    Put(static_cast<std::uint32_t>(v), 4);
}
void Archive::WriteFloat(float v) {
    Put(std::bit_cast<std::uint32_t>(v), 4);
}
void Archive::WriteDouble(double v) {
    Put(std::bit_cast<std::uint64_t>(v), 8);
}

void Archive::WriteText(std::string_view utf8) {
    if (const auto narrow = Utf8ToWindows1252(utf8)) {
        WriteLength(*this, narrow->size());
        for (const char c : *narrow) {
            WriteByte(static_cast<std::uint8_t>(c));
        }
        return;
    }
    const std::u16string wide = Utf8ToUtf16(utf8);
    WriteByte(kLongPrefix);
    WriteWord(kWideMarker);
    WriteLength(*this, wide.size());
    for (const char16_t unit : wide) {
        WriteWord(unit);
    }
}

std::uint8_t Archive::ReadByte() {
    return Get<std::uint8_t>();
}
std::uint16_t Archive::ReadWord() {
    return Get<std::uint16_t>();
}
std::int16_t Archive::ReadShort() {
    return static_cast<std::int16_t>(ReadWord());
}
std::uint32_t Archive::ReadDword() {
    return Get<std::uint32_t>();
}
std::int32_t Archive::ReadLong() {
    return static_cast<std::int32_t>(ReadDword());
}
float Archive::ReadFloat() {
    return std::bit_cast<float>(ReadDword());
}
double Archive::ReadDouble() {
    return std::bit_cast<double>(Get<std::uint64_t>());
}

std::uint32_t Archive::ReadCount(std::size_t minRecordBytes) {
    const std::uint32_t count = ReadDword();
    if (static_cast<std::uint64_t>(count) * minRecordBytes > Remaining()) {
        throw ArchiveError();
    }
    return count;
}

std::optional<std::string_view> Archive::TakeNarrowText() {
    std::size_t length = ReadByte();
    if (length == kLongPrefix) {
        const std::uint16_t word = ReadWord();
        if (word == kWideMarker) {
            return std::nullopt;
        }
        length = word == kDwordLength ? ReadDword() : word;
    }
    return std::string_view(reinterpret_cast<const char*>(Take(length)), length);
}

std::string Archive::ReadText() {
    if (const auto bytes = TakeNarrowText()) {
        return Windows1252ToUtf8(*bytes);
    }
    return ReadWideText(*this);
}

// ASCII text, nearly all of it, is already UTF-8 and goes into the arena without a
// temporary string.
std::string_view Archive::ReadText(TextArena& texts) {
    const auto bytes = TakeNarrowText();
    if (bytes && IsAscii(*bytes)) {
        return texts.Add(*bytes);
    }
    return texts.Add(bytes ? Windows1252ToUtf8(*bytes) : ReadWideText(*this));
}

bool Archive::SaveToFile(const std::filesystem::path& path) const {
    if (!path.has_filename()) {
        return false;
    }
    const std::filesystem::path temp = TemporaryBeside(path);
    std::error_code ec;
    if (!WriteWholeFile(temp, m_data)) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace lumivane
