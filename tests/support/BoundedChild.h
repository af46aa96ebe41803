#pragma once
// Runs a check in a forked child whose resources are capped: its address space, so a reader
// that tries a huge allocation fails the check instead of exhausting the machine, or the size of
// the files it writes. Reports the child's peak resident memory. Windows has no such caps: there
// the check runs in the calling process without them.

#include <cstddef>
#include <functional>
#include <string>

namespace lumivane::test {

struct BoundedOutcome {
    // The check returned true and the child ended normally within the time guard.
    bool passed = false;
    // Peak resident set of the child, in KiB, as getrusage reports it.
    long peakKib = 0;
    // Why it did not pass, for the failure message.
    std::string failure;
};

// AddressSanitizer reserves terabytes of address space up front, so under it the cap is left
// out and only the peak memory is reported.
bool AddressSpaceCapApplies();
// A check that needs the file size cap to mean anything is skipped without it.
bool FileSizeLimitApplies();

// The child gets addressLimit bytes of address space and guardSeconds of CPU before it is
// stopped; both are guards against runaway readers, not measurements.
BoundedOutcome RunBounded(const std::function<bool()>& check, std::size_t addressLimit,
                          unsigned guardSeconds = 60);

// The child may write files of at most fileSizeLimit bytes, as on a disk that fills up: a write
// beyond it fails instead of stopping the child.
BoundedOutcome RunWithFileSizeLimit(const std::function<bool()>& check, std::size_t fileSizeLimit,
                                    unsigned guardSeconds = 60);

} // namespace lumivane::test
