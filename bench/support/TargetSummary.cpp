#include "support/TargetSummary.h"

#include "base/NumberText.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <utility>

namespace lumivane::bench {

namespace {

// Keeps the CPU and wall-clock time per iteration of every plain run while the console shows
// it. Targets use CPU time where they can, so that other work on a shared machine does not
// count against them.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    // Without colours: scripts/bench keeps the output in a file.
    RecordingReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (!run.error_occurred && run.run_type == Run::RT_Iteration && run.iterations > 0) {
                const auto iterations = static_cast<double>(run.iterations);
                m_seconds[run.benchmark_name()] = {run.cpu_accumulated_time / iterations,
                                                   run.real_accumulated_time / iterations};
            }
        }
    }

    const double* Seconds(const std::string& name, bool wallClock = false) const {
        const auto found = m_seconds.find(name);
        if (found == m_seconds.end()) {
            return nullptr;
        }
        return wallClock ? &found->second.second : &found->second.first;
    }

private:
    // CPU and wall-clock seconds.
    std::map<std::string, std::pair<double, double>> m_seconds;
};

std::string DurationText(double seconds) {
    if (seconds >= 1e-3) {
        return FormatFixed(seconds * 1e3, 3) + " ms";
    }
    if (seconds >= 1e-6) {
        return FormatFixed(seconds * 1e6, 3) + " us";
    }
    return FormatFixed(seconds * 1e9, 1) + " ns";
}

std::string Verdict(bool met) {
    return met ? "met" : "MISSED";
}

std::string TargetLine(const Target& target, const RecordingReporter& figures) {
    const double* measured = figures.Seconds(target.measured, target.wallClock);
    if (!measured) {
        return {};
    }
    if (target.baseline.empty()) {
        const double share = *measured / target.limitSeconds;
        return DurationText(*measured) + ", target under " + DurationText(target.limitSeconds) +
               " (" + FormatFixed(share * 100, 1) + "% of it): " + Verdict(share < 1);
    }
    const double* baseline = figures.Seconds(target.baseline);
    if (!baseline) {
        return {};
    }
    const double ratio = *baseline / *measured;
    return DurationText(*measured) + " vs " + DurationText(*baseline) + " = " +
           FormatFixed(ratio, 1) + "x faster, target " + FormatFixed(target.minRatio, 0) +
           "x: " + Verdict(ratio >= target.minRatio);
}

} // namespace

Target TimeLimit(std::string label, std::string measured, double limitSeconds) {
    return {std::move(label), std::move(measured), {}, limitSeconds, 0.0};
}

Target WallTimeLimit(std::string label, std::string measured, double limitSeconds) {
    Target target = TimeLimit(std::move(label), std::move(measured), limitSeconds);
    target.wallClock = true;
    return target;
}

Target SpeedRatio(std::string label, std::string fast, std::string slow, double minRatio) {
    return {std::move(label), std::move(fast), std::move(slow), 0.0, minRatio};
}

int RunWithTargets(int argc, char** argv, const std::vector<Target>& targets) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const Target& target : targets) {
        const std::string line = TargetLine(target, reporter);
        if (!line.empty()) {
            std::printf("TARGET %-44s %s\n", target.label.c_str(), line.c_str());
        }
    }
    return 0;
}

} // namespace lumivane::bench
