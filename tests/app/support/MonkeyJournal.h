#pragma once
// What the monkey did last, with the seed that replays it. The lines are kept in plain memory
// so that a fatal signal, a sanitizer's report or the watchdog can still print them when the
// test itself never gets to say anything.

#include <QString>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace lumivane::test {

class MonkeyJournal {
public:
    // Starts a run: the earlier lines are forgotten, and from now on a crash prints the seed
    // and the last lines on the error stream.
    static void Begin(std::uint32_t seed);
    static void Note(const QString& line);
    // "seed S, last actions:" and the lines kept, oldest first.
    static QString Summary();
    // Writes the summary to the error stream without allocating, as a crash handler must.
    static void Print();
};

// Ends the process with the journal printed when a run outlives its time. A hang inside a
// command's own event loop never returns to the monkey, so only another thread can tell.
class MonkeyWatchdog {
public:
    explicit MonkeyWatchdog(std::chrono::seconds limit);
    ~MonkeyWatchdog();
    MonkeyWatchdog(const MonkeyWatchdog&) = delete;
    MonkeyWatchdog& operator=(const MonkeyWatchdog&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace lumivane::test
