#pragma once
// Runs the registered benchmarks with the usual console output, then prints one "TARGET" line
// per target: the figure measured (CPU time per iteration, or wall-clock time where the target
// says so), the target and whether it is met.
// scripts/bench gathers these lines from every benchmark program into one summary.

#include <string>
#include <vector>

namespace lumivane::bench {

struct Target {
    std::string label;
    // Benchmark names as the console shows them.
    std::string measured;
    // For a speed ratio: the slower benchmark that measured must beat by minRatio.
    std::string baseline;
    double limitSeconds = 0.0;
    double minRatio = 0.0;
    // Wall-clock instead of CPU time: for what another process does (a program's start).
    bool wallClock = false;
};

Target TimeLimit(std::string label, std::string measured, double limitSeconds);
Target WallTimeLimit(std::string label, std::string measured, double limitSeconds);
Target SpeedRatio(std::string label, std::string fast, std::string slow, double minRatio);

int RunWithTargets(int argc, char** argv, const std::vector<Target>& targets);

} // namespace lumivane::bench
