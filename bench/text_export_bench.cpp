// The text export end to end: a recording of FLOAT channels in the page cache read through
// the viewer's export read context (host function 4), formatted by the text format with
// the default columns ("%15.6g" in 16 characters: a time column and one column per
// dataset) and written to a file through the library's run; then the same lines written
// from memory by pandas.DataFrame.to_csv and numpy.savetxt in the same run, for the ratios.
//
// Run: TMPDIR=/dev/shm build/bench/text_export_bench [--rows N] [--channels C] [--runs R]
//      [--no-python]
// The recording (rows x channels x 4 bytes) and the outputs go to $TMPDIR (default /tmp);
// on tmpfs the disk's speed stays out of the figures. The export runs R times (default 3)
// and its best run counts. Every figure is given by the wall clock and by the CPU time of
// the process (all of it single-threaded), which a machine shared with other work disturbs
// less. The ratios need python3-pandas (run by /usr/bin/python3, or the interpreter PYTHON
// names).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "export_harness.h"
#include "exportfilter/formats/text/text_stream.h"

namespace grafyon::bench {
namespace {

using namespace grafyon::exportfilter;

constexpr double FACTOR = 0.5;  // the calibration of DescribeFloatRecording
constexpr double OFFSET = 1.0;
constexpr double STEP = 0.001;  // the sample step of its time segment

// One export of the whole recording into target; false when a step failed. The text format
// with a filter of the default columns (definition mode 1: no dialog).
bool Export(Recording& r, DataAccess& access, const std::string& target, Seconds& seconds) {
    return TimedExport(
        r, access, STEP, RegisterTextClasses,
        [] {
            auto filter = std::make_unique<CQuenarStreamText>();
            filter->SetTypeCode(QUENAR_TYPE_TEXT);
            filter->CreateDefaultChannelDefinitions(1);
            return std::unique_ptr<CQuenarClass>(std::move(filter));
        },
        [&](CQuenarSelectItem& record) { record.dataFileName = target; }, seconds);
}

struct Reference {
    Seconds pandas;
    Seconds numpy;
};

Reference RunPython(const Recording& r, const std::string& outDir) {
    Reference reference;
    // Debian's interpreter, which python3-pandas installs into, unless PYTHON names another.
    const char* python = std::getenv("PYTHON");
    std::string command = python != nullptr ? python : "/usr/bin/python3";
    for (const std::string& argument :
         {std::string(TEXT_EXPORT_REFERENCE_SCRIPT), r.path, std::to_string(r.frames),
          std::to_string(r.channels), std::to_string(FACTOR), std::to_string(OFFSET),
          std::to_string(STEP), outDir}) {
        command += " '";
        command += argument;
        command += "'";
    }
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return reference;
    char line[256];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        Seconds s;
        if (std::sscanf(line, "pandas %lf %lf", &s.wall, &s.cpu) == 2)
            reference.pandas = s;
        else if (std::sscanf(line, "numpy %lf %lf", &s.wall, &s.cpu) == 2)
            reference.numpy = s;
    }
    ::pclose(pipe);
    return reference;
}

void PrintReference(const char* name, const Seconds& s, const Seconds& ours, double values) {
    std::printf(
        "  %-24s %8.3f s wall %8.3f s CPU: %6.2f M values/s (CPU); text export %.1fx "
        "(wall) %.1fx (CPU) as fast\n",
        name, s.wall, s.cpu, values / s.cpu / 1e6, s.wall / ours.wall, s.cpu / ours.cpu);
}

}  // namespace
}  // namespace grafyon::bench

int main(int argc, char** argv) {
    using namespace grafyon;
    using namespace grafyon::bench;
    std::uint64_t rows = 10'000'000;
    std::uint64_t channels = 8;
    int runs = 3;
    bool python = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rows") == 0 && i + 1 < argc)
            rows = std::strtoull(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--channels") == 0 && i + 1 < argc)
            channels = std::strtoull(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--no-python") == 0)
            python = false;
    }

    Recording r = MakeFloatRecording("text_export.dta", rows, channels);
    if (r.path.empty())
        return 1;
    PlainRead(r.path, 1u << 20);  // into the page cache
    DataAccess access;
    if (access.Attach(*r.description, false) != ATTACH_OK) {
        std::fprintf(stderr, "cannot attach the recording\n");
        return 1;
    }
    const std::string outDir = BenchDir::Get().Path().string();
    const std::string target = outDir + "/text_export.txt";
    const double values = double(rows) * double(channels);
    std::printf("text export: %llu rows x %llu FLOAT datasets (+ time column), output in %s\n",
                static_cast<unsigned long long>(rows), static_cast<unsigned long long>(channels),
                outDir.c_str());

    Seconds best{1e300, 1e300};
    std::uintmax_t bytes = 0;
    for (int run = 0; run < runs; ++run) {
        Seconds s;
        if (!Export(r, access, target, s)) {
            std::fprintf(stderr, "the export failed\n");
            return 1;
        }
        std::error_code error;
        bytes = std::filesystem::file_size(target, error);
        std::filesystem::remove(target, error);
        std::printf("  run %d: %.3f s wall, %.3f s CPU\n", run + 1, s.wall, s.cpu);
        best.wall = std::min(best.wall, s.wall);
        best.cpu = std::min(best.cpu, s.cpu);
    }
    std::printf(
        "  best: %.3f s wall, %.3f s CPU, %.1f MB written: %.1f M values/s (wall), "
        "%.1f M values/s (CPU)\n",
        best.wall, best.cpu, double(bytes) / 1e6, values / best.wall / 1e6,
        values / best.cpu / 1e6);
    std::printf("  target >= 20 M values/s: %s (wall), %s (CPU)\n",
                values / best.wall >= 20e6 ? "met" : "NOT met",
                values / best.cpu >= 20e6 ? "met" : "NOT met");
    if (!python)
        return 0;
    const Reference reference = RunPython(r, outDir);
    if (reference.pandas.cpu <= 0.0 || reference.numpy.cpu <= 0.0) {
        std::printf("  no reference figures (python3 with pandas and numpy needed)\n");
        return 0;
    }
    PrintReference("pandas.DataFrame.to_csv", reference.pandas, best, values);
    PrintReference("numpy.savetxt", reference.numpy, best, values);
    const auto met = [&](auto ratio) {
        return ratio(reference.pandas) >= 5.0 && ratio(reference.numpy) >= 5.0 ? "met" : "NOT met";
    };
    std::printf("  target >= 5x both: %s (wall), %s (CPU)\n",
                met([&](const Seconds& s) { return s.wall / best.wall; }),
                met([&](const Seconds& s) { return s.cpu / best.cpu; }));
    return 0;
}
