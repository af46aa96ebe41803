#include "catalog/Descriptor.h"

#include "base/Archive.h"
#include "catalog/TextRecordReader.h"

#include <array>

namespace {

// Code points of the Windows-1252 bytes 0x80 to 0x9F.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The catalog number was Windows-1252 text when item numbers were first made, so each
// character counts with its Windows-1252 byte; one that code page lacks counts as '?'.
std::uint8_t Windows1252ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<std::uint8_t>(cp);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return '?';
}

// Decodes one UTF-8 sequence at pos and advances pos; a malformed byte stands for itself.
char32_t NextCodePoint(const std::string& text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0 || pos + extra > text.size()) {
        return lead;
    }
    char32_t cp = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + i]);
        if ((b & 0xC0) != 0x80) {
            return lead;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    pos += extra;
    return cp;
}

} // namespace

void CDescriptor::Serialize(lumivane::Archive& ar) {
    if (ar.IsStoring()) {
        ar.WriteShort(m_id);
        ar.WriteText(m_name);
        ar.WriteText(m_shortName);
        ar.WriteText(m_catalog);
        ar.WriteLong(m_rating);
    } else {
        m_id = ar.ReadShort();
        m_name = ar.ReadText();
        m_shortName = ar.ReadText();
        m_catalog = ar.ReadText();
        m_rating = ar.ReadLong();
    }
}

void CDescriptor::ComputeItemId() {
    m_id = ItemIdOf(m_catalog);
}

std::int16_t CDescriptor::ItemIdOf(const std::string& catalog) {
    std::int16_t value = 0;
    std::size_t pos = 0;
    while (pos < catalog.size()) {
        const auto c = static_cast<std::int8_t>(Windows1252ByteOf(NextCodePoint(catalog, pos)));
        value = static_cast<std::int16_t>(value * 16 + c % 16);
    }
    return value;
}

void CDescriptor::ReadCommonColumns(const lumivane::TextRecord& record, std::size_t ratingColumn) {
    m_name = record.Text(0);
    m_shortName = record.Text(1);
    m_catalog = record.Text(2);
    m_rating = record.Int(ratingColumn);
}
