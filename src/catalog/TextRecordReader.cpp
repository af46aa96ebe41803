#include "catalog/TextRecordReader.h"

#include "base/NumberText.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <sstream>

namespace lumivane {

namespace {

// Code points of the bytes 0x80 to 0x9F; the five bytes Windows-1252 leaves undefined map to
// the C1 control of the same number, as the Windows conversion does.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Windows1252ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char32_t{b});
    }
    return out;
}

const std::string& EmptyColumn() {
    static const std::string empty;
    return empty;
}

} // namespace

const std::string& TextRecord::Raw(std::size_t k) const {
    return k < m_columns.size() ? m_columns[k] : EmptyColumn();
}

std::string TextRecord::Text(std::size_t k) const {
    return Windows1252ToUtf8(Raw(k));
}

std::int32_t TextRecord::Int(std::size_t k) const {
    const long long value = ParseIntPrefix(Raw(k));
    return static_cast<std::int32_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

double TextRecord::Real(std::size_t k) const {
    return ParseDoublePrefix(Raw(k));
}

TextRecordReader::TextRecordReader(const std::filesystem::path& path, EndRule rule) : m_rule(rule) {
    auto file = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (file->is_open()) {
        m_in = std::move(file);
    }
}

TextRecordReader::TextRecordReader(std::unique_ptr<std::istream> in, EndRule rule)
    : m_in(std::move(in)), m_rule(rule) {}

TextRecordReader TextRecordReader::FromBytes(std::string bytes, EndRule rule) {
    return TextRecordReader(
        std::make_unique<std::istringstream>(std::move(bytes), std::ios::binary), rule);
}

bool TextRecordReader::ReadRecord(TextRecord& record) {
    if (!m_in || m_ended) {
        return false;
    }
    std::vector<std::string> columns(1);
    std::size_t bytes = 0;
    bool full = false;
    std::streambuf* in = m_in->rdbuf();
    for (;;) {
        const auto next = in->sbumpc();
        if (next == std::char_traits<char>::eof()) {
            m_ended = true;
            return false;
        }
        const char c = std::char_traits<char>::to_char_type(next);
        if (c == '\n') {
            columns.back() += c;
            break;
        }
        full = full || ++bytes > kMaxRecordBytes || (c == ';' && columns.size() == kMaxColumns);
        if (full) {
            continue;
        }
        if (c == ';') {
            columns.emplace_back();
        } else {
            columns.back() += c;
        }
    }
    if (m_rule == EndRule::LineWithoutSeparator && columns.size() == 1) {
        m_ended = true;
        return false;
    }
    record = TextRecord(std::move(columns));
    return true;
}

} // namespace lumivane
