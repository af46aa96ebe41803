#include "base/TextArena.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace lumivane {
namespace {

// Blocks start small, for the few texts of a tiny catalog, and double, so a large catalog
// needs only a few more. They stay below the size the C library maps fresh from the system
// for every allocation, which would cost a page fault for every page written.
constexpr std::size_t kFirstBlockBytes = 4096;
constexpr std::size_t kLargestBlockBytes = 64 * 1024;

} // namespace

TextArena::TextArena() : m_nextBlockBytes(kFirstBlockBytes) {}

TextArena::TextArena(TextArena&& other) noexcept
    : m_blocks(std::move(other.m_blocks)), m_free(std::exchange(other.m_free, nullptr)),
      m_left(std::exchange(other.m_left, 0)),
      m_nextBlockBytes(std::exchange(other.m_nextBlockBytes, kFirstBlockBytes)) {
    other.m_blocks.clear();
}

TextArena& TextArena::operator=(TextArena&& other) noexcept {
    m_blocks = std::move(other.m_blocks);
    other.m_blocks.clear();
    m_free = std::exchange(other.m_free, nullptr);
    m_left = std::exchange(other.m_left, 0);
    m_nextBlockBytes = std::exchange(other.m_nextBlockBytes, kFirstBlockBytes);
    return *this;
}

std::string_view TextArena::Add(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    if (text.size() > m_left) {
        AddBlock(std::max(text.size(), m_nextBlockBytes));
    }
    char* start = m_free;
    std::memcpy(start, text.data(), text.size());
    m_free += text.size();
    m_left -= text.size();
    return {start, text.size()};
}

void TextArena::AddBlock(std::size_t bytes) {
    // Every byte is written before it is read, so the block is left uninitialised.
    m_blocks.push_back(std::make_unique_for_overwrite<char[]>(bytes));
    m_free = m_blocks.back().get();
    m_left = bytes;
    m_nextBlockBytes = std::min(m_nextBlockBytes * 2, kLargestBlockBytes);
}

} // namespace lumivane
