#pragma once
// Numbers as the archive stores them: little-endian, whatever the host.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace lumivane {

// The value of type T whose sizeof(T) bytes start at bytes. On a little-endian host this is
// one load, which matters when the whole catalog store is read at start-up.
template <class T> T FromLittleEndian(const std::uint8_t* bytes) {
    std::array<std::uint8_t, sizeof(T)> ordered;
    if constexpr (std::endian::native == std::endian::little) {
        std::copy_n(bytes, sizeof(T), ordered.begin());
    } else {
        std::reverse_copy(bytes, bytes + sizeof(T), ordered.begin());
    }
    return std::bit_cast<T>(ordered);
}

} // namespace lumivane
