// The text export end to end: a recording of FLOAT channels in the page cache read through
// the viewer's export read context (host function 4), formatted by the text format with
// the default columns ("%15.6g" in 16 characters: a time column and one column per
// dataset) and written to a file through the library's run; then the same values written
// from memory by pandas.DataFrame.to_csv and numpy.savetxt in the same run, for the ratios.
//
// Run: TMPDIR=/dev/shm build/bench/text_export_bench [--rows N] [--channels C] [--no-python]
// The recording (rows x channels x 4 bytes) and the outputs go to $TMPDIR (default /tmp);
// on tmpfs the disk's speed stays out of the figures. The ratios need python3-pandas (run by
// /usr/bin/python3, or the interpreter PYTHON names).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_recording.h"
#include "exportfilter/engine/quenar_interface.h"
#include "exportfilter/formats/text/text_stream.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/access/export_read_context.h"

namespace grafyon::bench {
namespace {

using namespace grafyon::exportfilter;

constexpr double FACTOR = 0.5;  // the calibration of DescribeFloatRecording
constexpr double OFFSET = 1.0;
constexpr double STEP = 0.001;  // the sample step of its time segment

int ReadRow(void* context, double* values) {
    return ExportReadRow(*static_cast<ExportReadContext*>(context), values);
}

double CpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

struct Reference {
    double pandas = 0.0;
    double numpy = 0.0;
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
        double seconds = 0.0;
        if (std::sscanf(line, "pandas %lf", &seconds) == 1)
            reference.pandas = seconds;
        else if (std::sscanf(line, "numpy %lf", &seconds) == 1)
            reference.numpy = seconds;
    }
    ::pclose(pipe);
    return reference;
}

}  // namespace
}  // namespace grafyon::bench

int main(int argc, char** argv) {
    using namespace grafyon;
    using namespace grafyon::bench;
    using namespace grafyon::exportfilter;
    std::uint64_t rows = 10'000'000;
    std::uint64_t channels = 8;
    bool python = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rows") == 0 && i + 1 < argc)
            rows = std::strtoull(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--channels") == 0 && i + 1 < argc)
            channels = std::strtoull(argv[++i], nullptr, 10);
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

    // The library with the text format and a filter of the default columns (definition
    // mode 1: no dialog); one record per dataset.
    QuenarLibraryState state;
    RegisterTextClasses(state.registry);
    state.SetFlags(QUENAR_FLAG_NO_MESSAGE_BOXES | QUENAR_FLAG_NO_STATUS_WINDOW);
    auto owned = std::make_unique<CQuenarStreamText>();
    owned->SetTypeCode(QUENAR_TYPE_TEXT);
    owned->CreateDefaultChannelDefinitions(1);
    CQuenarClass* filter = state.AdoptFilter(std::move(owned));
    QuenarSelectList records;
    std::vector<const Dataset*> datasets;
    for (Dataset* dataset : r.description->Datasets()) {
        auto record = std::make_unique<CQuenarSelectItem>();
        record->name = dataset->name;
        record->handle = dataset;
        record->step = STEP;
        record->carrierName = std::string("Time");
        record->carrierUnit = std::string("s");
        records.push_back(std::move(record));
        datasets.push_back(dataset);
    }
    if (SelectDatasets(state, records, filter) != 0) {
        std::fprintf(stderr, "dataset selection failed\n");
        return 1;
    }
    for (auto& record : records)
        record->dataFileName = target;
    ExportReadContext context;
    if (context.Open(access, *r.description, datasets, 0, -1) != 0) {
        std::fprintf(stderr, "cannot open the read context\n");
        return 1;
    }
    state.hostFunctions.Register(QUENAR_FN_READ_ROW, AsHostFunction(&ReadRow));

    const auto wallStart = std::chrono::steady_clock::now();
    const double cpuStart = CpuSeconds();
    int result = ReqFuncAssignment(state, records, filter, &context);
    if (result == 0)
        result = FormatAssignment(state, records, filter, &context);
    if (result == 0)
        result = Convert(state, records, filter);
    const double cpu = CpuSeconds() - cpuStart;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    if (result != 0) {
        std::fprintf(stderr, "export failed: %d\n", result);
        return 1;
    }
    std::error_code error;
    const auto bytes = std::filesystem::file_size(target, error);
    std::filesystem::remove(target, error);
    context.Close();

    const double values = double(rows) * double(channels);
    std::printf("text export: %llu rows x %llu FLOAT datasets (+ time column), output in %s\n",
                static_cast<unsigned long long>(rows), static_cast<unsigned long long>(channels),
                outDir.c_str());
    std::printf("  %.3f s wall, %.3f s CPU, %.1f MB written: %.1f M values/s (wall)\n", wall, cpu,
                double(bytes) / 1e6, values / wall / 1e6);
    std::printf("  target >= 20 M values/s: %s\n", values / wall >= 20e6 ? "met" : "NOT met");
    if (!python)
        return 0;
    const Reference reference = RunPython(r, outDir);
    if (reference.pandas <= 0.0 || reference.numpy <= 0.0) {
        std::printf("  no reference figures (python3 with pandas and numpy needed)\n");
        return 0;
    }
    std::printf("  pandas.DataFrame.to_csv: %.3f s, %.2f M values/s; text export %.1fx as fast\n",
                reference.pandas, values / reference.pandas / 1e6, reference.pandas / wall);
    std::printf("  numpy.savetxt:           %.3f s, %.2f M values/s; text export %.1fx as fast\n",
                reference.numpy, values / reference.numpy / 1e6, reference.numpy / wall);
    std::printf(
        "  target >= 5x both: %s\n",
        reference.pandas / wall >= 5.0 && reference.numpy / wall >= 5.0 ? "met" : "NOT met");
    return 0;
}
