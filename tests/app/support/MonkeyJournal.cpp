#include "MonkeyJournal.h"

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(__unix__)
#include <unistd.h>
#endif

#if defined(__ELF__)
// Present when the program runs under a sanitizer, which calls it before it ends the process.
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));
#endif

namespace lumivane::test {

namespace {

constexpr std::size_t kKeptLines = 40;
constexpr std::size_t kLineLength = 300;

// Static on purpose: a crash handler may touch nothing that a destructor or an allocation
// could have broken.
struct Journal {
    std::uint32_t seed = 0;
    std::size_t written = 0;
    std::array<std::array<char, kLineLength>, kKeptLines> lines{};
};
Journal g_journal;
std::mutex g_mutex;
// LUMIVANE_MONKEY_TRACE prints every line as it comes, to follow a whole run.
bool g_tracing = false;

void WriteError(const char* text) {
#if defined(__unix__)
    const std::size_t length = std::strlen(text);
    if (::write(STDERR_FILENO, text, length) < 0) {
        return;
    }
#else
    std::fputs(text, stderr);
#endif
}

#if defined(__unix__)
constexpr std::array kFatalSignals = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};
std::array<struct sigaction, kFatalSignals.size()> g_previous{};

void OnFatalSignal(int number) {
    MonkeyJournal::Print();
    for (std::size_t i = 0; i < kFatalSignals.size(); ++i) {
        if (kFatalSignals[i] == number) {
            sigaction(number, &g_previous[i], nullptr);
        }
    }
    raise(number);
}

void CatchFatalSignals() {
    static bool caught = false;
    if (caught) {
        return;
    }
    caught = true;
    struct sigaction action {};
    action.sa_handler = OnFatalSignal;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kFatalSignals.size(); ++i) {
        sigaction(kFatalSignals[i], &action, &g_previous[i]);
    }
}
#else
void OnFatalSignal(int number) {
    MonkeyJournal::Print();
    std::signal(number, SIG_DFL);
    std::raise(number);
}

void CatchFatalSignals() {
    for (const int number : {SIGSEGV, SIGABRT, SIGFPE, SIGILL}) {
        std::signal(number, OnFatalSignal);
    }
}
#endif

} // namespace

void MonkeyJournal::Begin(std::uint32_t seed) {
    {
        const std::lock_guard lock(g_mutex);
        g_journal = Journal{};
        g_journal.seed = seed;
    }
    g_tracing = qEnvironmentVariableIsSet("LUMIVANE_MONKEY_TRACE");
    CatchFatalSignals();
#if defined(__ELF__)
    if (__sanitizer_set_death_callback != nullptr) {
        __sanitizer_set_death_callback(&MonkeyJournal::Print);
    }
#endif
}

void MonkeyJournal::Note(const QString& line) {
    if (g_tracing) {
        std::fprintf(stderr, "%s\n", qPrintable(line));
    }
    const QByteArray text = line.left(kLineLength - 2).toUtf8().left(kLineLength - 2);
    const std::lock_guard lock(g_mutex);
    auto& slot = g_journal.lines[g_journal.written % kKeptLines];
    std::memcpy(slot.data(), text.constData(), static_cast<std::size_t>(text.size()));
    slot[static_cast<std::size_t>(text.size())] = '\n';
    slot[static_cast<std::size_t>(text.size()) + 1] = '\0';
    ++g_journal.written;
}

QString MonkeyJournal::Summary() {
    const std::lock_guard lock(g_mutex);
    QString summary = QStringLiteral("monkey seed %1, last actions:\n").arg(g_journal.seed);
    const std::size_t first = g_journal.written > kKeptLines ? g_journal.written - kKeptLines : 0;
    for (std::size_t i = first; i < g_journal.written; ++i) {
        summary += QString::fromUtf8(g_journal.lines[i % kKeptLines].data());
    }
    return summary;
}

void MonkeyJournal::Print() {
    std::array<char, 64> head{};
    std::snprintf(head.data(), head.size(), "\nmonkey seed %u, last actions:\n",
                  static_cast<unsigned>(g_journal.seed));
    WriteError(head.data());
    const std::size_t first = g_journal.written > kKeptLines ? g_journal.written - kKeptLines : 0;
    for (std::size_t i = first; i < g_journal.written; ++i) {
        WriteError(g_journal.lines[i % kKeptLines].data());
    }
}

MonkeyWatchdog::MonkeyWatchdog(std::chrono::seconds limit)
    : m_thread([this, limit] {
          std::unique_lock lock(m_mutex);
          if (!m_stopped.wait_for(lock, limit, [this] { return m_stop; })) {
              // The abort's handler prints the journal.
              WriteError("\nThe monkey's run did not end in time.\n");
              std::abort();
          }
      }) {}

MonkeyWatchdog::~MonkeyWatchdog() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_stopped.notify_one();
    m_thread.join();
}

} // namespace lumivane::test
