// Compares a program's start-up with that of floor programs: runs them all in turn, each from
// fork to exit, and reports the median wall time and peak resident memory of the program
// against each floor's, as ratios; scripts/bench.sh holds them against their targets.
//
//   measure_startup [--runs N] PROGRAM FLOOR...

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int defaultRuns = 20;

struct Run {
    double milliseconds;
    long peakKibibytes;
};

struct Samples {
    std::vector<double> milliseconds;
    std::vector<double> peakKibibytes;
};

// Null when the program could not run or did not exit with 0. The peak memory also counts the
// forked copy of this small tool, which stays well below that of any X program.
std::optional<Run> runOnce(const char* program) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        return std::nullopt;
    }
    if (child == 0) {
        char* const arguments[] = {const_cast<char*>(program), nullptr};
        execv(program, arguments);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) {
        return std::nullopt;
    }
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not exit cleanly (status %d)\n", program, status);
        return std::nullopt;
    }
    return Run{std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void printComparison(const char* what, const char* unit, double program, double floor) {
    std::printf("  %-12s program %8.1f %-3s floor %8.1f %-3s ratio %.3f\n", what, program, unit, floor, unit,
                program / floor);
}

int usage() {
    std::fprintf(stderr, "usage: measure_startup [--runs N] PROGRAM FLOOR...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = defaultRuns;
    std::vector<const char*> programs;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--runs" && index + 1 < argc) {
            runs = std::atoi(argv[++index]);
        } else {
            programs.push_back(argv[index]);
        }
    }
    if (programs.size() < 2 || runs < 1) {
        return usage();
    }

    // One run each first, so none pays alone for filling the file cache.
    for (const char* program : programs) {
        if (!runOnce(program)) {
            return 1;
        }
    }
    std::vector<Samples> samples(programs.size());
    for (int round = 0; round < runs; ++round) {
        for (std::size_t which = 0; which < programs.size(); ++which) {
            const auto run = runOnce(programs[which]);
            if (!run) {
                return 1;
            }
            samples[which].milliseconds.push_back(run->milliseconds);
            samples[which].peakKibibytes.push_back(static_cast<double>(run->peakKibibytes));
        }
    }

    std::printf("%d runs of each, in turn; medians of %s\n", runs, programs[0]);
    for (std::size_t floor = 1; floor < programs.size(); ++floor) {
        std::printf("against %s\n", programs[floor]);
        printComparison("start-up", "ms", median(samples[0].milliseconds), median(samples[floor].milliseconds));
        printComparison("peak memory", "KiB", median(samples[0].peakKibibytes), median(samples[floor].peakKibibytes));
    }
    return 0;
}
