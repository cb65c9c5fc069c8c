// grafyon-export on a 2 GiB recording: peak resident memory of the program (the target is
// below 64 MiB) and its speed, with the filter named by GRAFYON_BENCH_FILTER (default
// "Standard"), looked for also in GRAFYON_BENCH_FILTERS when that is set. The recording and
// the output go to the temporary folder and are deleted afterwards.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_recording.h"
#include "viewer/data/tools/recording_generator.h"

namespace grafyon::bench {
namespace {

constexpr std::uint64_t RECORDING_BYTES = 2ull << 30;
constexpr std::uint32_t CHANNELS = 8;

// Eight FLOAT channels: ramps of whole numbers, so that the text stays short on the disk.
const std::string& TwoGiBRecording() {
    static const std::string path = [] {
        RecordingOptions options;
        options.path = (BenchDir::Get().Path() / "two_gib.mdf").string();
        options.frames = RECORDING_BYTES / (CHANNELS * 4);
        for (std::uint32_t c = 0; c < CHANNELS; ++c) {
            GeneratedChannel channel;
            channel.name = "Channel " + std::to_string(c + 1);
            channel.label = channel.name;
            channel.dataType = DATA_TYPE_FLOAT;
            channel.signal = SignalShape::RAMP;
            channel.amplitude = 500.0;
            channel.period = 1000;
            options.channels.push_back(channel);
        }
        // The recording, and about as much again for the text.
        if (BenchDir::Get().FreeBytes() < 4 * RECORDING_BYTES)
            return std::string();
        return GenerateRecording(options) == GENERATE_OK ? options.path : std::string();
    }();
    return path;
}

// Runs the program and returns its exit status, its peak resident bytes and its seconds.
struct ChildRun {
    int status = -1;
    double peakBytes = 0;
    double seconds = 0;
};

ChildRun RunChild(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    ChildRun run;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakBytes = double(usage.ru_maxrss) * 1024.0;  // ru_maxrss counts KiB
    return run;
}

void BM_GrafyonExportPeakResident(benchmark::State& state) {
    const std::string& recording = TwoGiBRecording();
    if (recording.empty()) {
        state.SkipWithError("no room for the recording");
        return;
    }
    const char* filter = std::getenv("GRAFYON_BENCH_FILTER");
    std::vector<std::string> arguments = {GRAFYON_EXPORT_PROGRAM,
                                          recording,
                                          "--filter",
                                          filter != nullptr ? filter : "Standard",
                                          "--output",
                                          (BenchDir::Get().Path() / "two_gib.txt").string()};
    if (const char* folder = std::getenv("GRAFYON_BENCH_FILTERS")) {
        arguments.push_back("--filters");
        arguments.push_back(folder);
    }
    ChildRun run;
    for (auto _ : state) {
        run = RunChild(arguments);
        state.SetIterationTime(run.seconds);
    }
    std::filesystem::remove(BenchDir::Get().Path() / "two_gib.txt");
    state.counters["exit_status"] = run.status;
    state.counters["peak_rss_MiB"] = run.peakBytes / double(1 << 20);
    state.counters["recording_GBps"] = double(RECORDING_BYTES) / 1e9 / run.seconds;
    if (run.status != 0)
        state.SkipWithError("grafyon-export failed: is the filter there?");
}
BENCHMARK(BM_GrafyonExportPeakResident)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace grafyon::bench

BENCHMARK_MAIN();
