#include "support/RecordBytes.h"

#include <bit>
#include <stdexcept>

namespace lumivane::test {

void RecordBytes::PutLittleEndian(std::uint64_t v, int size) {
    for (int i = 0; i < size; ++i) {
        m_bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

RecordBytes& RecordBytes::Byte(std::uint8_t v) {
    m_bytes.push_back(v);
    return *this;
}

RecordBytes& RecordBytes::Short(std::int16_t v) {
    PutLittleEndian(static_cast<std::uint16_t>(v), 2);
    return *this;
}

RecordBytes& RecordBytes::Long(std::int32_t v) {
    PutLittleEndian(static_cast<std::uint32_t>(v), 4);
    return *this;
}

RecordBytes& RecordBytes::Float(float v) {
    PutLittleEndian(std::bit_cast<std::uint32_t>(v), 4);
    return *this;
}

RecordBytes& RecordBytes::Double(double v) {
    PutLittleEndian(std::bit_cast<std::uint64_t>(v), 8);
    return *this;
}

RecordBytes& RecordBytes::Text(const std::string& windows1252) {
    if (windows1252.size() >= 255) {
        throw std::invalid_argument("RecordBytes::Text takes short text only");
    }
    m_bytes.push_back(static_cast<std::uint8_t>(windows1252.size()));
    m_bytes.insert(m_bytes.end(), windows1252.begin(), windows1252.end());
    return *this;
}

} // namespace lumivane::test
