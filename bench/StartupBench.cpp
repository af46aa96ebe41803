// Cold start of the windowed program: from starting the process to its first painted window,
// with the shipped catalog (the catalog store beside the program, as after the first run), on
// the offscreen platform unless QT_QPA_PLATFORM names another. The program tells the moment
// itself: with LUMIVANE_QUIT_AFTER_FIRST_PAINT set it prints "first paint" and quits.
//
// The time is wall-clock time, for no CPU clock of this process sees the child's work; the
// child's own CPU time to its exit is a counter beside it.

#include "base/SourcePaths.h"
#include "support/TargetSummary.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace lumivane;
using namespace lumivane::bench;

namespace {

struct StartOutcome {
    bool painted = false;
    double secondsToPaint = 0.0;
    double childCpuSeconds = 0.0;
};

// The environment of the child: this one, with settings and data folders of its own.
std::vector<std::string> ChildEnvironment(const test::TempDir& home) {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string text = *variable;
        if (text.rfind("XDG_", 0) != 0) {
            variables.push_back(text);
        }
    }
    variables.push_back("XDG_CONFIG_HOME=" + (home / "config").string());
    variables.push_back("XDG_DATA_HOME=" + (home / "data").string());
    variables.push_back("XDG_RUNTIME_DIR=" + home.path().string());
    variables.emplace_back("LUMIVANE_QUIT_AFTER_FIRST_PAINT=1");
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        variables.emplace_back("QT_QPA_PLATFORM=offscreen");
    }
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

bool ReadUntilFirstPaint(int fd) {
    std::string seen;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0) {
        seen.append(buffer, static_cast<std::size_t>(got));
        if (seen.find("first paint\n") != std::string::npos) {
            return true;
        }
    }
    return false;
}

StartOutcome StartProgram(std::vector<std::string> arguments, const test::TempDir& home) {
    StartOutcome outcome;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return outcome;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> environment = ChildEnvironment(home);
    arguments.insert(arguments.begin(), LUMIVANE_PROGRAM);
    const auto started = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, LUMIVANE_PROGRAM, &actions, nullptr,
                                    Pointers(arguments).data(), Pointers(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned == 0) {
        outcome.painted = ReadUntilFirstPaint(pipeEnds[0]);
        outcome.secondsToPaint =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        outcome.painted = outcome.painted && WIFEXITED(status) && WEXITSTATUS(status) == 0;
        outcome.childCpuSeconds =
            static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            1e-6 * static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
    }
    close(pipeEnds[0]);
    return outcome;
}

void MeasureColdStart(benchmark::State& state, const std::vector<std::string>& arguments) {
    const test::TempDir home;
    std::filesystem::permissions(home.path(), std::filesystem::perms::owner_all);
    // The first run of a build writes the catalog store; every later start reads it.
    if (!StartProgram(arguments, home).painted) {
        state.SkipWithError("the program did not paint its window");
        return;
    }
    double cpu = 0.0;
    for (auto _ : state) {
        const StartOutcome outcome = StartProgram(arguments, home);
        if (!outcome.painted) {
            state.SkipWithError("the program did not paint its window");
            return;
        }
        state.SetIterationTime(outcome.secondsToPaint);
        cpu += outcome.childCpuSeconds;
    }
    state.counters["child_cpu_ms"] = 1e3 * cpu / static_cast<double>(state.iterations());
}

} // namespace

int main(int argc, char** argv) {
    const std::string example = std::string(LUMIVANE_SOURCE_DATA_DIR) + "/examples/Multiplex.hoprj";
    benchmark::RegisterBenchmark("ColdStart/empty-project", MeasureColdStart,
                                 std::vector<std::string>{})
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(20);
    benchmark::RegisterBenchmark("ColdStart/Multiplex", MeasureColdStart,
                                 std::vector<std::string>{example})
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(20);
    return RunWithTargets(argc, argv,
                          {WallTimeLimit("cold start to first paint, no project",
                                         "ColdStart/empty-project/iterations:20/manual_time", 0.3),
                           WallTimeLimit("cold start to first paint, example project",
                                         "ColdStart/Multiplex/iterations:20/manual_time", 0.3)});
}
