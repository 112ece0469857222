#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Compares the start-up of the program's main window with that of a minimal Qt
// Widgets text window: each probe runs on the platform QT_QPA_PLATFORM names
// (offscreen, or xcb under xvfb-run), in turn with the other, and reports when
// its window was first shown and how much CPU time it had used by then. The
// wall time from starting the process to then, that CPU time and the process's
// peak resident memory are compared as ratios of their medians.
//
//   startup_benchmark QUERLIN_PROBE MINIMAL_PROBE [RUNS]

extern char** environ;

namespace {

struct Run {
    double wallMilliseconds;
    double cpuMilliseconds;
    double peakMebibytes;
};

struct Probe {
    const char* path;
    std::vector<Run> runs;
};

bool runOnce(Probe& probe) {
    int pipe[2];
    if (::pipe(pipe) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe[0]);
    // Qt's warnings about the session (no runtime folder when run headless) are
    // not what is measured.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(probe.path), nullptr};

    const auto started = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, probe.path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    if (spawned != 0) {
        ::close(pipe[0]);
        return false;
    }
    std::string output;
    char buffer[64];
    for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;) {
        output.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipe[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        output.empty()) {
        return false;
    }
    char* cpu = nullptr;
    const auto shown = std::chrono::steady_clock::time_point(
        std::chrono::nanoseconds(std::strtoll(output.c_str(), &cpu, 10)));
    probe.runs.push_back({std::chrono::duration<double, std::milli>(shown - started).count(),
                          static_cast<double>(std::strtoll(cpu, nullptr, 10)) / 1e6,
                          static_cast<double>(usage.ru_maxrss) / 1024.0});  // ru_maxrss is in KiB
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double medianOf(const Probe& probe, double Run::*field) {
    std::vector<double> values;
    for (const Run& run : probe.runs) {
        values.push_back(run.*field);
    }
    return median(values);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s QUERLIN_PROBE MINIMAL_PROBE [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') {
        std::fprintf(stderr, "set QT_QPA_PLATFORM to offscreen, or to xcb under xvfb-run\n");
        return 2;
    }

    Probe querlin{argv[1], {}};
    Probe minimal{argv[2], {}};
    // One unmeasured run of each brings the libraries into the page cache.
    for (Probe* probe : {&querlin, &minimal}) {
        if (!runOnce(*probe)) {
            std::fprintf(stderr, "%s did not show its window\n", probe->path);
            return 1;
        }
        probe->runs.clear();
    }
    for (int i = 0; i < runs; ++i) {
        // Alternate which goes first, so that neither always follows the other.
        Probe& first = i % 2 == 0 ? querlin : minimal;
        Probe& second = i % 2 == 0 ? minimal : querlin;
        if (!runOnce(first) || !runOnce(second)) {
            std::fprintf(stderr, "a probe did not show its window\n");
            return 1;
        }
    }

    std::printf("Start-up until the first window is shown, %s, %d runs each in turn (medians)\n",
                platform, runs);
    std::printf("%-24s %10s %10s %10s\n", "", "wall ms", "CPU ms", "peak MiB");
    const auto row = [](const char* name, double wall, double cpu, double memory) {
        std::printf("%-24s %10.1f %10.1f %10.1f\n", name, wall, cpu, memory);
    };
    const double wall[] = {medianOf(querlin, &Run::wallMilliseconds),
                           medianOf(minimal, &Run::wallMilliseconds)};
    const double cpu[] = {medianOf(querlin, &Run::cpuMilliseconds),
                          medianOf(minimal, &Run::cpuMilliseconds)};
    const double memory[] = {medianOf(querlin, &Run::peakMebibytes),
                             medianOf(minimal, &Run::peakMebibytes)};
    row("QUERLIN main window", wall[0], cpu[0], memory[0]);
    row("label and line edit", wall[1], cpu[1], memory[1]);
    std::printf("%-24s %10.2f %10.2f %10.2f   (aim: 1.30, 1.30, 1.10 at most)\n", "ratio",
                wall[0] / wall[1], cpu[0] / cpu[1], memory[0] / memory[1]);
    return 0;
}
