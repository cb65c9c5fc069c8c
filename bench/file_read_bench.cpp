// How FileView is backed: sequential reading of a page-cached 1 GiB file with pread into a
// reusable buffer against sliding mmap views of 64 KiB and one mapping.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include "bench_recording.h"

namespace grafyon::bench {
namespace {

const Recording& OneGiB() {
    static Recording r = MakeFloatRecording("one_gib.dta", (1ull << 30) / 64, 16);
    return r;
}

// Loads one word per 64-byte line, so that every byte reaches the processor as with pread.
std::uint64_t Touch(const std::uint8_t* p, std::size_t n) {
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < n; i += 64)
        sum += p[i];
    return sum;
}

void BM_Pread(benchmark::State& state) {
    const Recording& r = OneGiB();
    if (r.path.empty())
        return state.SkipWithError("no room");
    const std::size_t buffer = static_cast<std::size_t>(state.range(0));
    PlainRead(r.path, 1u << 20);
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainRead(r.path, buffer));
    state.SetBytesProcessed(static_cast<std::int64_t>(r.Bytes() * state.iterations()));
}
BENCHMARK(BM_Pread)->Arg(32 << 10)->Arg(256 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(
    benchmark::kMillisecond);

void BM_MmapSlidingViews(benchmark::State& state) {
    const Recording& r = OneGiB();
    if (r.path.empty())
        return state.SkipWithError("no room");
    const std::size_t view = static_cast<std::size_t>(state.range(0));
    const int fd = ::open(r.path.c_str(), O_RDONLY | O_CLOEXEC);
    for (auto _ : state) {
        std::uint64_t sum = 0;
        for (std::uint64_t pos = 0; pos < r.Bytes(); pos += view) {
            void* p = ::mmap(nullptr, view, PROT_READ, MAP_SHARED, fd, static_cast<off_t>(pos));
            sum += Touch(static_cast<const std::uint8_t*>(p), view);
            ::munmap(p, view);
        }
        benchmark::DoNotOptimize(sum);
    }
    ::close(fd);
    state.SetBytesProcessed(static_cast<std::int64_t>(r.Bytes() * state.iterations()));
}
BENCHMARK(BM_MmapSlidingViews)->Arg(64 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_MmapWholeFile(benchmark::State& state) {
    const Recording& r = OneGiB();
    if (r.path.empty())
        return state.SkipWithError("no room");
    const int fd = ::open(r.path.c_str(), O_RDONLY | O_CLOEXEC);
    for (auto _ : state) {
        void* p = ::mmap(nullptr, r.Bytes(), PROT_READ, MAP_SHARED, fd, 0);
        ::madvise(p, r.Bytes(), MADV_SEQUENTIAL);
        benchmark::DoNotOptimize(Touch(static_cast<const std::uint8_t*>(p), r.Bytes()));
        ::munmap(p, r.Bytes());
    }
    ::close(fd);
    state.SetBytesProcessed(static_cast<std::int64_t>(r.Bytes() * state.iterations()));
}
BENCHMARK(BM_MmapWholeFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace grafyon::bench

BENCHMARK_MAIN();
