// One export of a measurement through the export library.
#include "export_routine.h"

#include <algorithm>
#include <filesystem>
#include <memory>

#include <unistd.h>

#include "common/quenar_select_item.h"
#include "export_host.h"
#include "exportfilter/quenvartexila.h"
#include "source_files.h"
#include "viewer/data/access/access_status.h"
#include "viewer/data/access/export_read_context.h"
#include "viewer/data/measurement_description.h"

namespace grafyon {

namespace {

namespace fs = std::filesystem;

// The library keeps one state per process and its progress window dispatches events
// during a run, so the process runs one export at a time.
bool g_exportRunning = false;

class RunningExport {
public:
    RunningExport() { g_exportRunning = true; }
    ~RunningExport() { g_exportRunning = false; }
    RunningExport(const RunningExport&) = delete;
    RunningExport& operator=(const RunningExport&) = delete;
};

std::string Quoted(const std::string& text) {
    return "\u00ab" + text + "\u00bb";
}

ExportOutcome Failure(int result, std::string reason, bool unreported = false) {
    return {result, std::move(reason), unreported};
}

ExportOutcome LibraryFailure(const char* step, int result) {
    return Failure(result,
                   std::string(step) + " ended with result " + std::to_string(result) + ".");
}

// A file that can be written: an existing regular file with write permission, or a new
// name in a folder where files can be created.
bool Writable(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::exists(status))
        return fs::is_regular_file(status) && ::access(path.c_str(), W_OK) == 0;
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty())
        folder = ".";
    return fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// Moves the outputs that the filter named to the requested path: into it when it is a
// folder, onto it when the filter writes a single data file (a description file then takes
// the path with its own extension).
ExportOutcome RedirectOutputs(QuenarSelectList& records, const std::string& output) {
    std::error_code ec;
    const bool folder = fs::is_directory(output, ec);
    std::vector<std::string> dataFiles;
    for (const auto& record : records) {
        if (!record->dataFileName.empty() &&
            std::find(dataFiles.begin(), dataFiles.end(), record->dataFileName) == dataFiles.end())
            dataFiles.push_back(record->dataFileName);
    }
    if (!folder && dataFiles.size() > 1) {
        return Failure(EXPORT_OUTPUT_REFUSED,
                       "The filter writes " + std::to_string(dataFiles.size()) +
                           " data files, so the output must be a folder; " + Quoted(output) +
                           " is none.",
                       true);
    }
    std::vector<std::string> targets;
    for (const auto& record : records) {
        for (std::string* name : {&record->dataFileName, &record->descriptionFileName}) {
            if (name->empty())
                continue;
            if (folder) {
                *name = (fs::path(output) / fs::path(*name).filename()).string();
            } else if (name == &record->dataFileName) {
                *name = output;
            } else {
                *name = fs::path(output).replace_extension(fs::path(*name).extension()).string();
            }
            targets.push_back(*name);
        }
        if (!record->descriptionFileName.empty() &&
            record->descriptionFileName == record->dataFileName) {
            return Failure(EXPORT_OUTPUT_REFUSED,
                           Quoted(record->dataFileName) +
                               " would be both the data file and the description file.",
                           true);
        }
    }
    for (const std::string& target : targets) {
        if (!Writable(target)) {
            return Failure(EXPORT_OUTPUT_REFUSED, Quoted(target) + " cannot be written.", true);
        }
    }
    return {};
}

// Steps from the records to the written files, with a filter that the caller releases.
ExportOutcome ExportWithFilter(const ExportSource& source, const ExportRequest& request,
                               const std::string& measurementPath,
                               exportfilter::CQuenarClass* filter) {
    if (source.datasets.empty()) {
        return Failure(EXPORT_NO_ACTIVE_DATASET, "No dataset is active, so nothing was exported.");
    }
    const MeasurementDescription& d = *source.description;
    const FrameRange range = ClampFrameRange(request.firstFrame, request.frameCount,
                                             static_cast<std::int64_t>(d.FrameCount()));

    // One record per active dataset; its handle is the dataset itself, opaque to the
    // library and read only by the host functions.
    const double step = d.SampleStep();
    const std::string carrierName = d.CarrierName();
    const std::string carrierUnit = d.CarrierUnit();
    QuenarSelectList records;
    for (const Dataset* dataset : source.datasets) {
        auto record = std::make_unique<CQuenarSelectItem>();
        record->name = dataset->name;
        record->file = measurementPath;
        record->handle = const_cast<Dataset*>(dataset);
        record->label = dataset->label;
        record->unit = dataset->unit;
        record->step = step;
        // Without a constant step no x value is meaningful; 0 keeps the start harmless.
        record->start = step > 0.0 ? step * static_cast<double>(range.first) : 0.0;
        record->carrierName = carrierName;
        record->carrierUnit = carrierUnit;
        records.push_back(std::move(record));
    }

    int result = QuenvartexilaSelectDatasets(records, filter);
    if (result != 0)
        return LibraryFailure("Choosing the datasets for the filter", result);
    result = QuenvartexilaSelectExportFiles(measurementPath.c_str(), records, filter);
    if (result != 0)
        return LibraryFailure("Naming the output files", result);
    if (!request.outputPath.empty()) {
        if (ExportOutcome redirected = RedirectOutputs(records, request.outputPath);
            redirected.result != EXPORT_OK)
            return redirected;
    }

    // The library compares names with the description only; the data files are ours to
    // guard, by identity as well.
    const SourceFiles sourceFiles(d, source.documentPath);
    for (const auto& record : records) {
        for (const std::string* name : {&record->dataFileName, &record->descriptionFileName}) {
            if (const std::string hit = sourceFiles.Match(*name); !hit.empty()) {
                return Failure(EXPORT_TARGET_IS_SOURCE,
                               "The export would replace " + Quoted(hit) +
                                   ", a file of the measurement; nothing was written.",
                               true);
            }
        }
    }

    std::vector<const Dataset*> handles;
    for (const auto& record : records) {
        if (record->selected == 1)
            handles.push_back(DatasetOfRecord(record.get()));
    }
    if (handles.empty())
        return Failure(EXPORT_NO_SELECTED_DATASET, "No dataset is left for the export.");

    RegisterExportHostFunctions();
    QuenvartexilaSetStatusWindow(filter, 1, nullptr, nullptr);
    ExportReadContext context;
    const int opened = context.Open(*source.access, d, handles, range.first, range.count);
    if (opened != READER_OK) {
        return Failure(EXPORT_READER_FAILED,
                       "The frames of " + Quoted(source.documentPath) + " cannot be read (status " +
                           std::to_string(opened) + "); nothing was written.",
                       true);
    }
    result = QuenvartexilaReqFuncAssignment(records, filter, &context);
    if (result == 0)
        result = QuenvartexilaFormatAssignment(records, filter, &context);
    if (result == 0)
        result = QuenvartexilaConvert(records, filter);
    const int readStatus = context.Status();
    records.clear();
    context.Close();
    if (result == 0)
        return {};
    if (readStatus < 0) {
        return Failure(result,
                       Quoted(source.documentPath) +
                           " could not be read during the export (status " +
                           std::to_string(readStatus) + "); nothing was written.",
                       true);
    }
    return LibraryFailure("The export", result);
}

}  // namespace

FrameRange ClampFrameRange(std::int64_t first, std::int64_t count, std::int64_t frames) {
    if (frames <= 0)
        return {};
    first = std::clamp<std::int64_t>(first, 0, frames - 1);
    const std::int64_t left = frames - first;
    if (count < 0 || count > left)
        count = left;
    return {first, count};
}

bool ExportIsRunning() {
    return g_exportRunning;
}

ExportOutcome RunExport(const ExportSource& source, const ExportRequest& request) {
    if (g_exportRunning)
        return Failure(EXPORT_BUSY, "Another export is running.", true);
    const RunningExport running;

    const MeasurementDescription* d = source.description;
    if (d == nullptr || d->Empty() || d->Datasets().empty() || source.access == nullptr) {
        return Failure(EXPORT_NO_DATA, source.documentPath.empty()
                                           ? "No measurement with datasets is open."
                                           : Quoted(source.documentPath) +
                                                 " holds no data that could be exported.");
    }
    const HeaderElement* header = d->Header();
    const std::string measurementPath =
        header != nullptr && !header->filePath.empty() ? header->filePath : source.documentPath;

    // The data source is the document itself, found by its path without a dialog.
    QuenarSelectList sources;
    sources.push_back(std::make_unique<CQuenarSelectItem>());
    sources.back()->name = source.documentPath;
    CQuenarSelectItem* chosen = nullptr;
    exportfilter::CQuenarClass* filter = nullptr;
    QuenvartexilaSelectFileAndFilter(
        &sources, chosen, filter, source.documentPath.c_str(),
        request.filterName.empty() ? nullptr : request.filterName.c_str());
    sources.clear();
    if (filter == nullptr) {
        return Failure(EXPORT_NO_FILTER, request.filterName.empty()
                                             ? "No export filter was chosen."
                                             : "The export filter " + Quoted(request.filterName) +
                                                   " was not found or could not be read.");
    }
    ExportOutcome outcome = ExportWithFilter(source, request, measurementPath, filter);
    QuenvartexilaReleaseFilter(filter);
    return outcome;
}

}  // namespace grafyon
