#pragma once
// Read-only texts kept together in a few large blocks, so that a catalog of thousands of
// names costs a handful of allocations instead of one per name. Blocks never move or shrink,
// so a view handed out stays valid for as long as the arena (moves included) lives.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace lumivane {

class TextArena {
public:
    TextArena();
    // A moved-from arena is empty, so it never writes into the blocks it handed on.
    TextArena(TextArena&& other) noexcept;
    TextArena& operator=(TextArena&& other) noexcept;

    // A copy of text that lives as long as the arena.
    std::string_view Add(std::string_view text);

private:
    void AddBlock(std::size_t bytes);

    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_free = nullptr;
    std::size_t m_left = 0;
    std::size_t m_nextBlockBytes;
};

} // namespace lumivane
