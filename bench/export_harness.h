// One export of a generated recording through the library's run, read through the viewer's
// export read context (host function 4), timed by the wall clock and the process's CPU.
#pragma once

#include <chrono>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench_recording.h"
#include "exportfilter/engine/quenar_interface.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/access/export_read_context.h"

namespace grafyon::bench {

struct Seconds {
    double wall = 0.0;
    double cpu = 0.0;
};

inline double CpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

inline int ExportReadRows(void* context, double* values) {
    return ExportReadRow(*static_cast<ExportReadContext*>(context), values);
}

// Exports every dataset of the recording with the filter that makeFilter puts into the
// library (classes registered by registerClasses), each record sampled every `step`
// seconds; name gives each selected record its output names. False when a step failed.
inline bool TimedExport(
    Recording& r, DataAccess& access, double step,
    void (*registerClasses)(exportfilter::ClassRegistry&),
    const std::function<std::unique_ptr<exportfilter::CQuenarClass>()>& makeFilter,
    const std::function<void(CQuenarSelectItem&)>& name, Seconds& seconds) {
    using namespace grafyon::exportfilter;
    QuenarLibraryState state;
    registerClasses(state.registry);
    state.SetFlags(QUENAR_FLAG_NO_MESSAGE_BOXES | QUENAR_FLAG_NO_STATUS_WINDOW);
    CQuenarClass* filter = state.AdoptFilter(makeFilter());
    QuenarSelectList records;
    std::vector<const Dataset*> datasets;
    for (Dataset* dataset : r.description->Datasets()) {
        auto record = std::make_unique<CQuenarSelectItem>();
        record->name = dataset->name;
        record->handle = dataset;
        record->step = step;
        record->carrierName = std::string("Time");
        record->carrierUnit = std::string("s");
        records.push_back(std::move(record));
        datasets.push_back(dataset);
    }
    if (SelectDatasets(state, records, filter) != 0)
        return false;
    for (auto& record : records)
        name(*record);
    ExportReadContext context;
    if (context.Open(access, *r.description, datasets, 0, -1) != 0)
        return false;
    state.hostFunctions.Register(QUENAR_FN_READ_ROW, AsHostFunction(&ExportReadRows));

    const auto wallStart = std::chrono::steady_clock::now();
    const double cpuStart = CpuSeconds();
    int result = ReqFuncAssignment(state, records, filter, &context);
    if (result == 0)
        result = FormatAssignment(state, records, filter, &context);
    if (result == 0)
        result = Convert(state, records, filter);
    seconds.cpu = CpuSeconds() - cpuStart;
    seconds.wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    return result == 0;
}

}  // namespace grafyon::bench
