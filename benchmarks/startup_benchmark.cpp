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
// Widgets program: each probe runs offscreen, in turn with the other, and
// reports when its window was first shown; the time from starting the process
// to then, and the process's peak resident memory, are compared as ratios of
// their medians.
//
//   startup_benchmark QUERLIN_PROBE MINIMAL_PROBE [RUNS]

extern char** environ;

namespace {

struct Run {
    double milliseconds;
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
    const auto shown = std::chrono::steady_clock::time_point(
        std::chrono::nanoseconds(std::strtoll(output.c_str(), nullptr, 10)));
    probe.runs.push_back({std::chrono::duration<double, std::milli>(shown - started).count(),
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
    const int runs = argc > 3 ? std::atoi(argv[3]) : 20;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

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

    const double querlinTime = medianOf(querlin, &Run::milliseconds);
    const double minimalTime = medianOf(minimal, &Run::milliseconds);
    const double querlinMemory = medianOf(querlin, &Run::peakMebibytes);
    const double minimalMemory = medianOf(minimal, &Run::peakMebibytes);
    std::printf("Start-up until the first window is shown, offscreen, %d runs each in turn\n",
                runs);
    std::printf("%-22s %12s %18s\n", "", "median ms", "median peak MiB");
    std::printf("%-22s %12.1f %18.1f\n", "QUERLIN main window", querlinTime, querlinMemory);
    std::printf("%-22s %12.1f %18.1f\n", "one empty QWidget", minimalTime, minimalMemory);
    std::printf("%-22s %12.2f %18.2f   (aim: at most 1.20 each)\n", "ratio",
                querlinTime / minimalTime, querlinMemory / minimalMemory);
    return 0;
}
