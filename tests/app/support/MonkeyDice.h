#pragma once
// The monkey's one source of chance. The engine's numbers are fixed by the standard for a
// seed, and every draw is reduced here rather than by the library's distributions (which may
// differ between standard libraries), so a seed replays the same run everywhere.

#include <QList>

#include <cstdint>
#include <random>

namespace lumivane::test {

class MonkeyDice {
public:
    explicit MonkeyDice(std::uint32_t seed) : m_engine(seed) {}

    // 0 to n - 1; 0 when n is not positive.
    int Below(int n) { return n > 0 ? static_cast<int>(m_engine() % static_cast<unsigned>(n)) : 0; }
    // From first to last, both included.
    int Between(int first, int last) { return first + Below(last - first + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <class T> T Pick(const QList<T>& items) { return items.at(Below(items.size())); }

private:
    std::mt19937 m_engine;
};

} // namespace lumivane::test
