#include "base/TextEncoding.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace lumivane {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The next sizeof(Word) bytes as one word, in whatever byte order: only their high bits count.
template <class Word> Word Load(const char* bytes) {
    Word word;
    std::memcpy(&word, bytes, sizeof(Word));
    return word;
}

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

std::optional<unsigned char> ByteOfCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<unsigned char>(cp);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one code point at pos and advances past it. A malformed sequence yields U+FFFD and
// consumes only its longest valid-looking start, so the following character is not swallowed.
char32_t NextUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    std::size_t extra = 0;
    char32_t cp = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        cp = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        cp = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;  // no overlong forms
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return kReplacement;
    }
    for (std::size_t i = 0; i < extra; ++i) {
        if (pos >= text.size()) {
            return kReplacement;
        }
        const auto next = static_cast<unsigned char>(text[pos]);
        if (next < low || next > high) {
            return kReplacement;
        }
        cp = (cp << 6) | (next & 0x3F);
        ++pos;
        low = 0x80;
        high = 0xBF;
    }
    return cp;
}

} // namespace

// Catalog and project texts are nearly all ASCII, which passes unchanged; start-up checks
// every text of the catalog store, most of them a few bytes long. Short texts are covered by
// two overlapping loads (or three single bytes), so the check barely branches on the length;
// longer ones go eight bytes at a time, the last eight overlapping the ones before.
bool IsAscii(std::string_view bytes) {
    const std::size_t size = bytes.size();
    const char* data = bytes.data();
    if (size < 4) {
        return size == 0 ||
               ((static_cast<unsigned char>(data[0]) | static_cast<unsigned char>(data[size / 2]) |
                 static_cast<unsigned char>(data[size - 1])) &
                0x80) == 0;
    }
    if (size < 8) {
        return ((Load<std::uint32_t>(data) | Load<std::uint32_t>(data + size - 4)) & 0x80808080U) ==
               0;
    }
    std::uint64_t bits = Load<std::uint64_t>(data + size - 8);
    for (std::size_t n = 0; n + 8 < size; n += 8) {
        bits |= Load<std::uint64_t>(data + n);
    }
    return (bits & 0x8080808080808080ULL) == 0;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    if (IsAscii(bytes)) {
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        AppendUtf8(out, CodePointOfByte(static_cast<unsigned char>(byte)));
    }
    return out;
}

std::optional<std::string> Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto byte = ByteOfCodePoint(NextUtf8(utf8, pos));
        if (!byte) {
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view units) {
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (unit < 0xD800 || unit > 0xDFFF) {
            AppendUtf8(out, unit);
        } else if (unit <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                   units[i + 1] <= 0xDFFF) {
            const char32_t high = unit - 0xD800;
            const char32_t lowPart = units[++i] - 0xDC00;
            AppendUtf8(out, 0x10000 + ((high << 10) | lowPart));
        } else {
            AppendUtf8(out, kReplacement);
        }
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = NextUtf8(utf8, pos);
        if (cp < 0x10000) {
            out += static_cast<char16_t>(cp);
        } else {
            const char32_t offset = cp - 0x10000;
            out += static_cast<char16_t>(0xD800 + (offset >> 10));
            out += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
        }
    }
    return out;
}

} // namespace lumivane
