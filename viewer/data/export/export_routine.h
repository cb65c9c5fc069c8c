// The viewer's export routine: one export of a measurement through the export library,
// from the choice of the filter to the written files. GUI-free, so that the menu command,
// the unattended start-up and grafyon-export run the same steps.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace grafyon {

class DataAccess;
class Dataset;
class MeasurementDescription;

// Results besides the library's own (which are positive).
inline constexpr int EXPORT_OK = 0;
inline constexpr int EXPORT_NO_DATA = -1;                // no measurement with datasets
inline constexpr int EXPORT_NO_FILTER = -100;            // the library returned no filter
inline constexpr int EXPORT_NO_ACTIVE_DATASET = -200;    // nothing is shown, so nothing goes
inline constexpr int EXPORT_NO_SELECTED_DATASET = -300;  // the filter took none of them
inline constexpr int EXPORT_READER_FAILED = -400;        // the frames cannot be read
inline constexpr int EXPORT_TARGET_IS_SOURCE = -500;     // an output is a file of the measurement
inline constexpr int EXPORT_BUSY = -600;                 // another export is running
inline constexpr int EXPORT_OUTPUT_REFUSED = -700;       // the requested output cannot be used

// What is exported: the document's measurement and the datasets it shows.
struct ExportSource {
    const MeasurementDescription* description = nullptr;  // null: no measurement
    DataAccess* access = nullptr;                         // the description must be attached to it
    std::string documentPath;
    std::vector<const Dataset*> datasets;  // the active datasets in the document's order
};

struct ExportRequest {
    std::string filterName;  // empty: the library lets the user choose
    std::int64_t firstFrame = 0;
    std::int64_t frameCount = -1;  // negative: to the end
    // Empty: the files the filter names. A folder: those files, in that folder. Otherwise
    // the one data file of the export, which then replaces an existing file.
    std::string outputPath;
};

struct ExportOutcome {
    int result = EXPORT_OK;
    // One line in English saying why the export failed; empty on success.
    std::string reason;
    // The library has shown nothing about this failure, so the user must be told.
    bool unreported = false;
};

// The first frame and the frame count clamped to a measurement of `frames` frames: a
// negative first frame becomes 0, one beyond the last frame the last frame; a negative
// count, or one beyond the end, runs to the end.
struct FrameRange {
    std::int64_t first = 0;
    std::int64_t count = 0;
};
FrameRange ClampFrameRange(std::int64_t first, std::int64_t count, std::int64_t frames);

// One whole export. Refused with EXPORT_BUSY while another one runs (the library's
// progress window keeps the event loop alive, so a command could start a second one).
ExportOutcome RunExport(const ExportSource& source, const ExportRequest& request);

// Whether an export is running now; a document must not be closed or replaced meanwhile.
bool ExportIsRunning();

}  // namespace grafyon
