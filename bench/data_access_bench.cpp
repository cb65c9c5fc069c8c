// Data access speed: attach (extremes cache and pyramid in one pass) against a
// plain sequential read, peak resident memory, Extremes, and min/max per pixel column.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include <unistd.h>

#include "bench_recording.h"
#include "viewer/data/access/data_access.h"

namespace grafyon::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Latencies of single calls: the median, the 99th percentile and the worst, in microseconds.
void ReportLatencies(benchmark::State& state, std::vector<double>& seconds) {
    if (seconds.empty())
        return;
    std::sort(seconds.begin(), seconds.end());
    const auto at = [&](double q) {
        return seconds[std::min(seconds.size() - 1, std::size_t(q * double(seconds.size())))] * 1e6;
    };
    state.counters["p50_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["worst_us"] = seconds.back() * 1e6;
}

// 2 GiB: 32 FLOAT channels (128-byte frames), 16 777 216 frames.
Recording& TwoGiB() {
    static Recording r = MakeFloatRecording("two_gib.dta", (2ull << 30) / 128, 32);
    return r;
}

// 100 million frames of 4 FLOAT channels (16-byte frames, 1.6 GB).
Recording& HundredMillion() {
    static Recording r = MakeFloatRecording("hundred_million.dta", 100'000'000, 4);
    return r;
}

// An attached access per recording, for the query benchmarks.
DataAccess& Attached(Recording& r) {
    static std::vector<std::pair<Recording*, std::unique_ptr<DataAccess>>> all;
    for (auto& [rec, access] : all) {
        if (rec == &r)
            return *access;
    }
    auto access = std::make_unique<DataAccess>();
    if (access->Attach(*r.description) != ATTACH_OK)
        std::abort();
    all.emplace_back(&r, std::move(access));
    return *all.back().second;
}

// Attach with cache and pyramid against a plain read of the same file, alternating in
// every iteration so that both see the same page cache and clock. range(0): scan workers
// (1: the caller's thread only; 0: one per processor).
void BM_AttachVersusPlainRead(benchmark::State& state, Recording& (*recording)()) {
    Recording& r = recording();
    if (r.path.empty()) {
        state.SkipWithError("no room for the recording");
        return;
    }
    DataAccess::ScanOptions options;
    options.workers = static_cast<unsigned>(state.range(0));
    PlainRead(r.path, 1u << 20);  // into the page cache
    // The first attach of a process also pays for the first touch of the summaries' memory
    // (in a virtual machine that can cost more than the scan); it is reported apart and
    // the ratio is taken over the others.
    double readSeconds = 0, readSmallSeconds = 0, attachSeconds = 0, firstAttach = 0;
    std::uint64_t summaries = 0, counted = 0;
    for (auto _ : state) {
        auto t0 = Clock::now();
        benchmark::DoNotOptimize(PlainRead(r.path, 1u << 20));
        auto t1 = Clock::now();
        benchmark::DoNotOptimize(PlainRead(r.path, options.bufferBytes));
        auto t2 = Clock::now();
        DataAccess access;
        access.SetScanOptions(options);
        if (access.Attach(*r.description) != ATTACH_OK) {
            state.SkipWithError("attach failed");
            return;
        }
        auto t3 = Clock::now();
        summaries = access.SummaryBytes();
        state.SetIterationTime(Seconds(t3 - t2));
        if (firstAttach == 0) {
            firstAttach = Seconds(t3 - t2);
            continue;
        }
        readSeconds += Seconds(t1 - t0);
        readSmallSeconds += Seconds(t2 - t1);
        attachSeconds += Seconds(t3 - t2);
        ++counted;
    }
    const double gb = double(r.Bytes()) / 1e9 * double(counted);
    state.counters["first_attach_GBps"] = double(r.Bytes()) / 1e9 / firstAttach;
    const double read = std::max(gb / readSeconds, gb / readSmallSeconds);
    state.counters["read1M_GBps"] = gb / readSeconds;
    state.counters["read256k_GBps"] = gb / readSmallSeconds;
    state.counters["attach_GBps"] = gb / attachSeconds;
    state.counters["attach_vs_read"] = (gb / attachSeconds) / read;
    state.counters["summaries_MiB"] = double(summaries) / double(1 << 20);
    state.counters["summary_pct"] = 100.0 * double(summaries) / double(r.Bytes());
}
BENCHMARK_CAPTURE(BM_AttachVersusPlainRead, two_gib_32ch, &TwoGiB)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(6);
BENCHMARK_CAPTURE(BM_AttachVersusPlainRead, hundred_million_4ch, &HundredMillion)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(4);

// Peak resident memory of a fresh process (this program started again) that describes the
// recording and attaches it; see AttachPeakResidentChild.
void BM_AttachPeakResident(benchmark::State& state, Recording& (*recording)()) {
    Recording& r = recording();
    if (r.path.empty()) {
        state.SkipWithError("no room for the recording");
        return;
    }
    char self[4096] = {};
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) {
        state.SkipWithError("no /proc/self/exe");
        return;
    }
    std::string command;  // appended piece by piece: GCC 12 warns falsely on operator+ (PR 105329)
    command.append("'").append(self, static_cast<std::size_t>(n)).append("' --attach-peak-rss '");
    command.append(r.path).append("' ").append(std::to_string(r.frames)).append(" ");
    command.append(std::to_string(r.channels)).append(" ").append(std::to_string(state.range(0)));
    double before = 0, peak = 0, summaries = 0, seconds = 0;
    for (auto _ : state) {
        FILE* child = ::popen(command.c_str(), "r");
        if (child == nullptr ||
            std::fscanf(child, "%lf %lf %lf %lf", &before, &peak, &summaries, &seconds) != 4) {
            if (child)
                ::pclose(child);
            state.SkipWithError("the child did not report");
            return;
        }
        ::pclose(child);
    }
    state.counters["rss_before_MiB"] = before / double(1 << 20);
    state.counters["peak_rss_MiB"] = peak / double(1 << 20);
    state.counters["summaries_MiB"] = summaries / double(1 << 20);
    state.counters["peak_minus_summaries_MiB"] = (peak - summaries) / double(1 << 20);
    state.counters["fresh_process_attach_GBps"] = double(r.Bytes()) / 1e9 / seconds;
}
BENCHMARK_CAPTURE(BM_AttachPeakResident, two_gib_32ch, &TwoGiB)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Extremes of random ranges, lengths spread evenly over the decades from 1 frame to all.
void BM_Extremes(benchmark::State& state, Recording& (*recording)()) {
    Recording& r = recording();
    if (r.path.empty()) {
        state.SkipWithError("no room for the recording");
        return;
    }
    DataAccess& access = Attached(r);
    const std::vector<Dataset*> datasets = r.description->Datasets();
    std::mt19937_64 random(1);
    std::vector<std::pair<std::uint64_t, std::uint64_t>> ranges(8192);
    for (auto& [first, count] : ranges) {
        count = std::max<std::uint64_t>(
            1, std::uint64_t(std::pow(double(r.frames), double(random() % 10000) / 10000.0)));
        first = random() % (r.frames - count + 1);
    }
    std::size_t i = 0;
    std::vector<double> latencies;
    latencies.reserve(1 << 20);
    {
        double lo, hi;  // a first call grows the query buffer (first touch of its memory)
        access.Extremes(*datasets[0], 1, r.frames - 2, lo, hi);
    }
    for (auto _ : state) {
        const auto& [first, count] = ranges[i++ % ranges.size()];
        double lo, hi;
        const auto t0 = Clock::now();
        access.Extremes(*datasets[i % datasets.size()], first, count, lo, hi);
        latencies.push_back(Seconds(Clock::now() - t0));
        benchmark::DoNotOptimize(lo);
        benchmark::DoNotOptimize(hi);
    }
    ReportLatencies(state, latencies);
}
BENCHMARK_CAPTURE(BM_Extremes, two_gib_32ch, &TwoGiB)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Extremes, hundred_million_4ch, &HundredMillion)->Unit(benchmark::kMicrosecond);

// Min/max per column of one curve for a 2000-column window of state.range(0) frames at
// random positions; range(1) = 1 for exact column edges.
void BM_ColumnExtremes(benchmark::State& state, Recording& (*recording)()) {
    Recording& r = recording();
    if (r.path.empty()) {
        state.SkipWithError("no room for the recording");
        return;
    }
    DataAccess& access = Attached(r);
    const Dataset& dataset = *r.description->Datasets()[1];
    const std::uint64_t count = std::min<std::uint64_t>(std::uint64_t(state.range(0)), r.frames);
    const ColumnEdges edges = state.range(1) ? ColumnEdges::Exact : ColumnEdges::Snapped;
    std::vector<CurveColumn> columns(2000);
    std::mt19937_64 random(2);
    std::vector<double> latencies;
    access.ColumnExtremes(dataset, 0, count, columns, edges);  // grows the query buffer once
    for (auto _ : state) {
        const std::uint64_t first = random() % (r.frames - count + 1);
        const auto t0 = Clock::now();
        if (access.ColumnExtremes(dataset, first, count, columns, edges) != QUERY_OK) {
            state.SkipWithError("query failed");
            return;
        }
        latencies.push_back(Seconds(Clock::now() - t0));
        benchmark::DoNotOptimize(columns.data());
    }
    ReportLatencies(state, latencies);
    state.counters["frames_per_column"] = double(count) / 2000.0;
}
void ZoomLevels(benchmark::internal::Benchmark* b) {
    // From one frame per column to the whole recording, including the band just below
    // 2000 x 128 frames where columns are narrower than one summary block (raw frames).
    for (const std::int64_t count : {2000ll, 20000ll, 128000ll, 255999ll, 256000ll, 1000000ll,
                                     2500000ll, 10000000ll, 40000000ll, 100000000ll}) {
        b->Args({count, 0});
    }
    for (const std::int64_t count : {256000ll, 2500000ll, 100000000ll})
        b->Args({count, 1});
}
BENCHMARK_CAPTURE(BM_ColumnExtremes, hundred_million_4ch, &HundredMillion)
    ->Apply(ZoomLevels)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ColumnExtremes, two_gib_32ch, &TwoGiB)
    ->Args({255999, 0})
    ->Args({256000, 0})
    ->Args({16777216, 0})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace grafyon::bench

// --attach-peak-rss PATH FRAMES CHANNELS WORKERS: attaches the recording and prints the
// resident bytes before, the peak resident bytes, and the bytes of the summaries.
static int AttachPeakResidentChild(char** argv) {
    using namespace grafyon;
    auto description =
        bench::DescribeFloatRecording(argv[2], std::stoull(argv[3]), std::stoull(argv[4]));
    DataAccess access;
    DataAccess::ScanOptions options;
    options.workers = static_cast<unsigned>(std::stoul(argv[5]));
    access.SetScanOptions(options);
    const std::uint64_t before = bench::Resident();
    bench::ResetPeakResident();
    const auto t0 = std::chrono::steady_clock::now();
    if (access.Attach(*description) != ATTACH_OK)
        return 1;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("%llu %llu %llu %.6f\n", static_cast<unsigned long long>(before),
                static_cast<unsigned long long>(bench::PeakResident()),
                static_cast<unsigned long long>(access.SummaryBytes()), seconds);
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 6 && std::string(argv[1]) == "--attach-peak-rss")
        return AttachPeakResidentChild(argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;  // the recordings go with the temporary folder's destructor
}
