#include "support/BoundedChild.h"

#include <csignal>
#include <cstdint>
#include <exception>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define LUMIVANE_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LUMIVANE_TEST_ASAN 1
#endif
#endif

namespace lumivane::test {

namespace {

struct ChildReport {
    std::int32_t passed;
    std::int64_t peakKib;
};

void SetLimit(int resource, rlim_t value) {
    const rlimit limit{value, value};
    setrlimit(resource, &limit);
}

[[noreturn]] void RunChild(const std::function<bool()>& check, std::size_t addressLimit,
                           unsigned guardSeconds, int out) {
    if (AddressSpaceCapApplies()) {
        SetLimit(RLIMIT_AS, addressLimit);
    }
    SetLimit(RLIMIT_CPU, guardSeconds);
    bool passed = false;
    try {
        passed = check();
    } catch (const std::exception&) {
        passed = false;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const ChildReport report{passed ? 1 : 0, usage.ru_maxrss};
    const bool written = write(out, &report, sizeof report) == sizeof report;
    _exit(written ? 0 : 2);
}

} // namespace

bool AddressSpaceCapApplies() {
#ifdef LUMIVANE_TEST_ASAN
    return false;
#else
    return true;
#endif
}

BoundedOutcome RunBounded(const std::function<bool()>& check, std::size_t addressLimit,
                          unsigned guardSeconds) {
    BoundedOutcome outcome;
    int fds[2];
    if (pipe(fds) != 0) {
        outcome.failure = "no pipe";
        return outcome;
    }
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        RunChild(check, addressLimit, guardSeconds, fds[1]);
    }
    close(fds[1]);
    ChildReport report{};
    const bool reported = child > 0 && read(fds[0], &report, sizeof report) == sizeof report;
    close(fds[0]);
    int status = 0;
    if (child > 0) {
        waitpid(child, &status, 0);
    }
    if (child < 0) {
        outcome.failure = "fork failed";
    } else if (WIFSIGNALED(status)) {
        outcome.failure = "child stopped by signal " + std::to_string(WTERMSIG(status));
    } else if (!reported) {
        outcome.failure = "child ended without a report";
    } else if (report.passed == 0) {
        outcome.failure = "check failed";
    }
    outcome.passed = outcome.failure.empty();
    outcome.peakKib = static_cast<long>(report.peakKib);
    return outcome;
}

} // namespace lumivane::test
