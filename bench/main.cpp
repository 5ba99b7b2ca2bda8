#include "BenchApplication.h"
#include "PeakMemory.h"
#include "TemporarySettings.h"

#include <QtGlobal>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kNoPeakMemory = -1;
constexpr int kBadPeakMemory = -2;

// The number of windows of "--peak-memory[=N]" (1,000 when none is given),
// kNoPeakMemory when the flag is absent, kBadPeakMemory when N is no count.
// The peak is measured in a process of its own so that no benchmark has left
// its memory behind.
int PeakMemoryWindows(int argc, char** argv) {
    static const char kFlag[] = "--peak-memory";
    constexpr size_t kFlagLength = sizeof kFlag - 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], kFlag) == 0)
            return 1000;
        if (std::strncmp(argv[i], kFlag, kFlagLength) != 0 || argv[i][kFlagLength] != '=')
            continue;
        const char* value = argv[i] + kFlagLength + 1;
        char* end = nullptr;
        const long windows = std::strtol(value, &end, 10);
        if (end == value || *end != '\0' || windows < 0 || windows > 1000000)
            return kBadPeakMemory;
        return int(windows);
    }
    return kNoPeakMemory;
}

} // namespace

// Google Benchmark's own main, with the peak-memory mode in front, the
// editor's settings kept in folders of this run only, and the application
// object gone before main returns.
int main(int argc, char** argv) {
    volmar::bench::TemporarySettings settings;
    volmar::bench::BenchApplication application;
    const int peakWindows = PeakMemoryWindows(argc, argv);
    if (peakWindows == kBadPeakMemory) {
        std::fprintf(stderr, "--peak-memory=N takes a number of windows from 0 to 1000000\n");
        return 1;
    }
    if (peakWindows != kNoPeakMemory)
        return volmar::bench::RunPeakMemory(peakWindows);
    benchmark::AddCustomContext("qt_version", qVersion());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
