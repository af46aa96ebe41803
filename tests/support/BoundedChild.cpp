#include "support/BoundedChild.h"

#include <cstdint>
#include <exception>
#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#define LUMIVANE_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LUMIVANE_TEST_ASAN 1
#endif
#endif

namespace lumivane::test {

namespace {

struct ChildLimits {
    // Zero leaves the resource as it is.
    std::size_t addressSpace = 0;
    std::size_t fileSize = 0;
    unsigned cpuSeconds = 60;
};

#ifdef _WIN32

// Windows has neither fork nor resource limits: the check runs here, uncapped, and the peak
// memory is not measured.
BoundedOutcome RunInChild(const std::function<bool()>& check, const ChildLimits&) {
    BoundedOutcome outcome;
    try {
        outcome.passed = check();
    } catch (const std::exception& error) {
        outcome.failure = error.what();
    }
    if (!outcome.passed && outcome.failure.empty()) {
        outcome.failure = "check failed";
    }
    return outcome;
}

#else

struct ChildReport {
    std::int32_t passed;
    std::int64_t peakKib;
};

void SetLimit(int resource, rlim_t value) {
    const rlimit limit{value, value};
    setrlimit(resource, &limit);
}

void ApplyLimits(const ChildLimits& limits) {
    if (limits.addressSpace != 0) {
        SetLimit(RLIMIT_AS, limits.addressSpace);
    }
    if (limits.fileSize != 0) {
        // Without this the first write past the limit would end the child.
        std::signal(SIGXFSZ, SIG_IGN);
        SetLimit(RLIMIT_FSIZE, limits.fileSize);
    }
    SetLimit(RLIMIT_CPU, limits.cpuSeconds);
}

[[noreturn]] void RunChild(const std::function<bool()>& check, const ChildLimits& limits, int out) {
    ApplyLimits(limits);
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

BoundedOutcome RunInChild(const std::function<bool()>& check, const ChildLimits& limits) {
    BoundedOutcome outcome;
    int fds[2];
    if (pipe(fds) != 0) {
        outcome.failure = "no pipe";
        return outcome;
    }
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        RunChild(check, limits, fds[1]);
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

#endif

} // namespace

bool AddressSpaceCapApplies() {
#if defined(LUMIVANE_TEST_ASAN) || defined(_WIN32)
    return false;
#else
    return true;
#endif
}

bool FileSizeLimitApplies() {
#ifdef _WIN32
    return false;
#else
    return true;
#endif
}

BoundedOutcome RunBounded(const std::function<bool()>& check, std::size_t addressLimit,
                          unsigned guardSeconds) {
    ChildLimits limits;
    limits.addressSpace = AddressSpaceCapApplies() ? addressLimit : 0;
    limits.cpuSeconds = guardSeconds;
    return RunInChild(check, limits);
}

BoundedOutcome RunWithFileSizeLimit(const std::function<bool()>& check, std::size_t fileSizeLimit,
                                    unsigned guardSeconds) {
    ChildLimits limits;
    limits.fileSize = fileSizeLimit;
    limits.cpuSeconds = guardSeconds;
    return RunInChild(check, limits);
}

} // namespace lumivane::test
