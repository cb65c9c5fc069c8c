// Opening a recording again with a valid summary cache against scanning it: the attach of a
// 2 GiB recording of FLOAT channels in the page cache, first scanned (as without a cache),
// then read from the cache file the scan left, best of R runs each.
//
// Run: TMPDIR=/dev/shm build/bench/summary_cache_bench [--rows N] [--channels C] [--runs R]
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "bench_recording.h"
#include "viewer/data/access/data_access.h"

namespace {

using namespace grafyon;

// Seconds of one attach; false when it failed or did not come from where it should.
bool TimedAttach(bench::Recording& r, const std::string& cacheFolder, bool fromCache,
                 double& seconds) {
    DataAccess access;
    DataAccess::ScanOptions options;
    options.cacheFolder = cacheFolder;
    access.SetScanOptions(options);
    const auto start = std::chrono::steady_clock::now();
    const int status = access.Attach(*r.description);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return status == ATTACH_OK && access.LastAttachFromCache() == fromCache;
}

}  // namespace

int main(int argc, char** argv) {
    std::uint64_t rows = 16u << 20;
    std::uint64_t channels = 32;
    int runs = 5;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rows") == 0 && i + 1 < argc)
            rows = std::strtoull(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--channels") == 0 && i + 1 < argc)
            channels = std::strtoull(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
    }
    bench::Recording r = bench::MakeFloatRecording("summary_cache.dta", rows, channels);
    if (r.path.empty())
        return 1;
    // A data file written just now is not cached (it may change within the clock's tick).
    timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ::utimensat(AT_FDCWD, r.path.c_str(), old, 0);
    bench::PlainRead(r.path, 1u << 20);
    const std::string cache = (bench::BenchDir::Get().Path() / "cache/").string();

    double scan = 1e300;
    double cached = 1e300;
    for (int run = 0; run < runs; ++run) {
        double s = 0.0;
        if (!TimedAttach(r, {}, false, s)) {
            std::fprintf(stderr, "the scan failed\n");
            return 1;
        }
        scan = std::min(scan, s);
    }
    double first = 0.0;
    if (!TimedAttach(r, cache, false, first)) {
        std::fprintf(stderr, "the first attach with a cache folder failed\n");
        return 1;
    }
    for (int run = 0; run < runs; ++run) {
        double s = 0.0;
        if (!TimedAttach(r, cache, true, s)) {
            std::fprintf(stderr, "the reopen did not read the cache\n");
            return 1;
        }
        cached = std::min(cached, s);
    }
    std::printf("summary cache: %.2f GB recording, %llu FLOAT datasets\n", double(r.Bytes()) / 1e9,
                static_cast<unsigned long long>(channels));
    std::printf("  scan %.1f ms, scan and write the cache %.1f ms, reopen from the cache %.1f ms\n",
                scan * 1e3, first * 1e3, cached * 1e3);
    std::printf(
        "  reopen %.1fx as fast as the scan (target >= 10x: %s), %.1f ms (target <= 100 ms: "
        "%s)\n",
        scan / cached, scan / cached >= 10.0 ? "met" : "NOT met", cached * 1e3,
        cached <= 0.1 ? "met" : "NOT met");
    return 0;
}
