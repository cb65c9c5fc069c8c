// The MDF export end to end: a recording of FLOAT channels in the page cache read through
// the viewer's export read context, written by the MDF format (data file of floats and its
// description) through the library's run; then `cp` of the written data file in the same
// run, for the ratio of throughputs.
//
// Run: TMPDIR=/dev/shm build/bench/mdf_export_bench [--rows N] [--channels C] [--runs R]
// The recording (rows x channels x 4 bytes), the export and the copy go to $TMPDIR (default
// /tmp); on tmpfs the disk's speed stays out of the figures. Export and copy run R times
// each (default 3), alternating, and the best of each counts.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "export_harness.h"
#include "exportfilter/formats/mdf/mdf_channel_def.h"
#include "exportfilter/formats/mdf/mdf_stream.h"

namespace grafyon::bench {
namespace {

using namespace grafyon::exportfilter;

constexpr double STEP = 0.001;

bool Export(Recording& r, DataAccess& access, const std::string& dataFile,
            const std::string& descriptionFile, Seconds& seconds) {
    return TimedExport(
        r, access, STEP, RegisterMdfClasses,
        [] {
            // Every dataset into a copy of one channel definition, no dialog.
            auto filter = std::make_unique<CQuenarStreamMdf>();
            filter->SetTypeCode(QUENAR_TYPE_MDF);
            filter->CreateDefaultChannelDefinitions(1);
            filter->onlySelected = 1;
            filter->allocationMode = 0;
            return std::unique_ptr<CQuenarClass>(std::move(filter));
        },
        [&](CQuenarSelectItem& record) {
            record.dataFileName = dataFile;
            record.descriptionFileName = descriptionFile;
        },
        seconds);
}

double Copy(const std::string& from, const std::string& to) {
    const std::string command = "cp '" + from + "' '" + to + "'";
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0)
        return -1.0;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace
}  // namespace grafyon::bench

int main(int argc, char** argv) {
    using namespace grafyon;
    using namespace grafyon::bench;
    std::uint64_t rows = 10'000'000;
    std::uint64_t channels = 32;
    int runs = 3;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rows") == 0 && i + 1 < argc)
            rows = std::strtoull(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--channels") == 0 && i + 1 < argc)
            channels = std::strtoull(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
    }

    Recording r = MakeFloatRecording("mdf_export_source.dta", rows, channels);
    if (r.path.empty())
        return 1;
    PlainRead(r.path, 1u << 20);  // into the page cache
    DataAccess access;
    if (access.Attach(*r.description, false) != ATTACH_OK) {
        std::fprintf(stderr, "cannot attach the recording\n");
        return 1;
    }
    const std::string outDir = BenchDir::Get().Path().string();
    const std::string dataFile = outDir + "/mdf_export.dta";
    const std::string descriptionFile = outDir + "/mdf_export.mdf";
    const std::string copy = outDir + "/mdf_export_copy.dta";
    std::printf("MDF export: %llu rows x %llu FLOAT datasets, output in %s\n",
                static_cast<unsigned long long>(rows), static_cast<unsigned long long>(channels),
                outDir.c_str());

    Seconds best{1e300, 1e300};
    double bestCopy = 1e300;
    std::uintmax_t bytes = 0;
    std::error_code error;
    for (int run = 0; run < runs; ++run) {
        Seconds s;
        if (!Export(r, access, dataFile, descriptionFile, s)) {
            std::fprintf(stderr, "the export failed\n");
            return 1;
        }
        bytes = std::filesystem::file_size(dataFile, error);
        std::filesystem::remove(copy, error);
        const double c = Copy(dataFile, copy);
        if (c < 0.0) {
            std::fprintf(stderr, "cp failed\n");
            return 1;
        }
        std::filesystem::remove(copy, error);
        std::printf("  run %d: export %.3f s wall (%.3f s CPU), cp %.3f s\n", run + 1, s.wall,
                    s.cpu, c);
        best.wall = std::min(best.wall, s.wall);
        best.cpu = std::min(best.cpu, s.cpu);
        bestCopy = std::min(bestCopy, c);
    }
    std::filesystem::remove(dataFile, error);
    std::filesystem::remove(descriptionFile, error);
    const double mb = double(bytes) / 1e6;
    const double ratio = bestCopy / best.wall;
    std::printf(
        "  best: export %.1f MB/s, cp %.1f MB/s: the export at %.0f%% of cp (target >= "
        "50%%: %s)\n",
        mb / best.wall, mb / bestCopy, 100.0 * ratio, ratio >= 0.5 ? "met" : "NOT met");
    return 0;
}
