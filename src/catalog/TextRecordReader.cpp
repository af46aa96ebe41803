#include "catalog/TextRecordReader.h"

#include "base/NumberText.h"
#include "base/TextEncoding.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <sstream>

namespace lumivane {

namespace {

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
