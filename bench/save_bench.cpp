// Saving a measurement: all datasets of a 2 GiB recording against `cp` of its data file,
// 4 of its 32 datasets compacted against a plain sequential read, and the peak resident
// memory of grafyon-save on it. Each pair alternates in every iteration, with the written
// files removed and the page cache's dirty pages written out (untimed) before each run, so
// both see the same cache and disk.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench_recording.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/mdf/mdf_writer.h"
#include "viewer/data/save/measurement_save.h"

extern char** environ;

namespace grafyon::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// 2 GiB: 32 FLOAT channels (128-byte frames), 16 777 216 frames.
Recording& TwoGiB() {
    static Recording r = MakeFloatRecording("save_source.dta", (2ull << 30) / 128, 32);
    return r;
}

std::string InBenchDir(const std::string& name) {
    return (BenchDir::Get().Path() / name).string();
}

// Runs a program and waits for it; its exit status (-1 when it did not end normally) and,
// when asked, its peak resident memory in bytes.
int RunProgram(const std::vector<std::string>& args, std::uint64_t* peakResident = nullptr) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child)
        return -1;
    if (peakResident != nullptr)
        *peakResident = std::uint64_t(usage.ru_maxrss) * 1024;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void RemoveOutputs(const std::string& stem) {
    for (const char* extension : {".mdf", ".dta", ".mcf"})
        std::remove((stem + extension).c_str());
    ::sync();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

SaveRequest MdfRequest(const std::string& stem) {
    SaveRequest request;
    request.target = stem + ".mdf";
    request.form = SaveFileForm::Mdf;
    return request;
}

// Every dataset saved (the frames copied unchanged) against cp of the data file.
void BM_SaveAllVersusCp(benchmark::State& state) {
    Recording& r = TwoGiB();
    if (r.path.empty())
        return state.SkipWithError("no room for the recording");
    DataAccess access;
    if (access.Attach(*r.description, false) != ATTACH_OK)
        return state.SkipWithError("attach failed");
    const std::string copy = InBenchDir("cp_copy.dta");
    const std::string stem = InBenchDir("saved_all");
    PlainRead(r.path, 1u << 20);  // into the page cache
    std::vector<double> ratios;
    double cpSeconds = 0, saveSeconds = 0;
    for (auto _ : state) {
        RemoveOutputs(stem);
        const auto t0 = Clock::now();
        if (RunProgram({"/bin/cp", r.path, copy}) != 0)
            return state.SkipWithError("cp failed");
        const auto t1 = Clock::now();
        std::remove(copy.c_str());
        ::sync();
        const auto t2 = Clock::now();
        if (SaveMeasurement(*r.description, access, MdfRequest(stem)) != SAVE_OK)
            return state.SkipWithError("save failed");
        const auto t3 = Clock::now();
        state.SetIterationTime(Seconds(t3 - t2));
        cpSeconds += Seconds(t1 - t0);
        saveSeconds += Seconds(t3 - t2);
        ratios.push_back(Seconds(t1 - t0) / Seconds(t3 - t2));
    }
    RemoveOutputs(stem);
    const double gb = double(r.Bytes()) / 1e9 * double(state.iterations());
    state.counters["cp_GBps"] = gb / cpSeconds;
    state.counters["save_GBps"] = gb / saveSeconds;
    state.counters["save_vs_cp"] = cpSeconds / saveSeconds;
    state.counters["save_vs_cp_median"] = Median(ratios);
}
BENCHMARK(BM_SaveAllVersusCp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// 4 of the 32 datasets (compacted frames of 16 bytes) against a plain read of the source.
void BM_CompactVersusPlainRead(benchmark::State& state) {
    Recording& r = TwoGiB();
    if (r.path.empty())
        return state.SkipWithError("no room for the recording");
    DataAccess access;
    if (access.Attach(*r.description, false) != ATTACH_OK)
        return state.SkipWithError("attach failed");
    const std::vector<Dataset*> datasets = r.description->Datasets();
    for (std::size_t i = 0; i < datasets.size(); ++i)
        datasets[i]->active = i % 8 == 0;
    const std::string stem = InBenchDir("saved_four");
    PlainRead(r.path, 1u << 20);
    std::vector<double> ratios;
    double readSeconds = 0, saveSeconds = 0;
    for (auto _ : state) {
        RemoveOutputs(stem);
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(PlainRead(r.path, 1u << 20));
        const auto t1 = Clock::now();
        if (SaveMeasurement(*r.description, access, MdfRequest(stem)) != SAVE_OK)
            return state.SkipWithError("save failed");
        const auto t2 = Clock::now();
        state.SetIterationTime(Seconds(t2 - t1));
        readSeconds += Seconds(t1 - t0);
        saveSeconds += Seconds(t2 - t1);
        ratios.push_back(Seconds(t1 - t0) / Seconds(t2 - t1));
    }
    for (Dataset* d : datasets)
        d->active = true;
    RemoveOutputs(stem);
    const double gb = double(r.Bytes()) / 1e9 * double(state.iterations());
    state.counters["read_GBps"] = gb / readSeconds;
    state.counters["compact_read_GBps"] = gb / saveSeconds;
    state.counters["compact_vs_read"] = readSeconds / saveSeconds;
    state.counters["compact_vs_read_median"] = Median(ratios);
}
BENCHMARK(BM_CompactVersusPlainRead)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// grafyon-save (beside this program's folder, in bin/) storing the whole recording and
// four of its datasets: its peak resident memory.
void BM_ToolPeakResident(benchmark::State& state) {
    Recording& r = TwoGiB();
    if (r.path.empty())
        return state.SkipWithError("no room for the recording");
    char self[4096] = {};
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return state.SkipWithError("no /proc/self/exe");
    const std::string tool =
        (std::filesystem::path(self).parent_path().parent_path() / "bin" / "grafyon-save").string();
    if (::access(tool.c_str(), X_OK) != 0)
        return state.SkipWithError("grafyon-save is not built");
    const std::string source = InBenchDir("save_source.mdf");
    if (WriteMdfDescription(*r.description, source) != MDF_WRITE_OK)
        return state.SkipWithError("the description cannot be written");
    const std::string stem = InBenchDir("tool_saved");
    std::uint64_t peakAll = 0, peakFour = 0;
    double seconds = 0;
    for (auto _ : state) {
        RemoveOutputs(stem);
        const auto t0 = Clock::now();
        if (RunProgram({tool, source, stem + ".mdf"}, &peakAll) != 0)
            return state.SkipWithError("grafyon-save failed");
        seconds += Seconds(Clock::now() - t0);
        RemoveOutputs(stem);
        if (RunProgram({tool, source, stem + ".mcf", "--datasets", "1,9,17,25"}, &peakFour) != 0)
            return state.SkipWithError("grafyon-save failed");
    }
    RemoveOutputs(stem);
    state.counters["peak_rss_all_MiB"] = double(peakAll) / double(1 << 20);
    state.counters["peak_rss_four_MiB"] = double(peakFour) / double(1 << 20);
    state.counters["tool_all_GBps"] =
        double(r.Bytes()) / 1e9 * double(state.iterations()) / seconds;
}
BENCHMARK(BM_ToolPeakResident)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace grafyon::bench

BENCHMARK_MAIN();
