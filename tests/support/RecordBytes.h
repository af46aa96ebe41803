#pragma once
// Builds the expected bytes of a store record by hand, independently of the archive, so that
// tests can compare what a class writes with the documented layout.

#include <cstdint>
#include <string>
#include <vector>

namespace lumivane::test {

class RecordBytes {
public:
    RecordBytes& Byte(std::uint8_t v);
    RecordBytes& Short(std::int16_t v);
    RecordBytes& Long(std::int32_t v);
    RecordBytes& Float(float v);
    RecordBytes& Double(double v);
    // Narrow text shorter than 255 bytes: a length byte, then the Windows-1252 bytes.
    RecordBytes& Text(const std::string& windows1252);

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

private:
    void PutLittleEndian(std::uint64_t v, int size);

    std::vector<std::uint8_t> m_bytes;
};

} // namespace lumivane::test
