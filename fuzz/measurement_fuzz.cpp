// Fuzz target: a measurement description (MDF/MCF, or TARKO when built with
// GRAFYON_FUZZ_TARKO) opened by content, its data files validated and attached, and a few
// frames and value queries read through the data access layer. The data files the seed
// recordings name lie beside the input. Every status must be one the readers document, and
// what the access layer answers must agree with itself.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "fuzz_files.h"
#include "recording_seeds.h"
#include "viewer/data/access/access_status.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/dataset.h"
#include "viewer/data/open/measurement_open.h"

namespace grafyon::fuzz {
namespace {

#ifdef GRAFYON_FUZZ_TARKO
constexpr bool TARKO = true;
constexpr char INPUT_NAME[] = "input.tks";
#else
constexpr bool TARKO = false;
constexpr char INPUT_NAME[] = "input.mdf";
#endif

void Check(bool condition) {
    if (!condition)
        std::abort();
}

bool IsDocumentedStatus(MeasurementStatus status) {
    switch (status) {
        case MeasurementStatus::Ok:
        case MeasurementStatus::NoDataset:
        case MeasurementStatus::NoTimeBase:
        case MeasurementStatus::SingleFrame:
        case MeasurementStatus::Corrupt:
        case MeasurementStatus::NotSupported:
        case MeasurementStatus::UnknownFormat:
        case MeasurementStatus::NotMdf:
        case MeasurementStatus::NotTarko:
        case MeasurementStatus::DataFileMissing:
        case MeasurementStatus::DataFileEmpty:
        case MeasurementStatus::DataFileBroken:
        case MeasurementStatus::NoInput:
            return true;
    }
    return false;
}

bool IsQueryStatus(int status) {
    return status == QUERY_OK || status == QUERY_NOT_ATTACHED || status == QUERY_NOT_READABLE ||
           status == QUERY_BAD_RANGE || status == READ_TRUNCATED || status == READ_IO_ERROR;
}

const std::vector<MeasurementFormatReader>& Readers() {
    static const std::vector<MeasurementFormatReader> readers = [] {
        std::vector<MeasurementFormatReader> chosen;
        for (const MeasurementFormatReader& reader : MeasurementFormatReaders()) {
            if (std::string_view(reader.name) == (TARKO ? "TARKO" : "MDF"))
                chosen.push_back(reader);
        }
        if (chosen.empty())
            std::abort();
        return chosen;
    }();
    return readers;
}

void MakeDataFiles() {
    for (const RecordingOptions& options : SeedRecordings(ScratchFolder(), TARKO)) {
        if (GenerateRecording(options) != GENERATE_OK)
            std::abort();
    }
}

// The first chunks of a reader over the whole recording and over its last frames.
void ReadFrames(DataAccess& access, const MeasurementDescription& description) {
    std::vector<std::uint8_t> buffer(4096);
    const std::int64_t starts[] = {0, static_cast<std::int64_t>(description.FrameCount()) - 3};
    for (const std::int64_t first : starts) {
        int status = READER_OK;
        FrameReader* reader = access.OpenReader(&description, first, -1, buffer, &status);
        if (reader == nullptr) {
            Check(status < 0 && status >= READER_NOT_ATTACHED);
            continue;
        }
        for (int chunk = 0; chunk < 4; ++chunk) {
            const std::int64_t frames = access.ReadChunk(reader);
            Check(frames == 0 || frames == READ_TRUNCATED || frames == READ_IO_ERROR ||
                  (frames > 0 && static_cast<std::uint64_t>(frames) <= buffer.size()));
            if (frames <= 0)
                break;
        }
        access.CloseReader(reader);
    }
}

// Extremes of the whole recording hold every finite value and every column's extremes.
void QueryValues(DataAccess& access, const MeasurementDescription& description) {
    const std::uint64_t frames = description.FrameCount();
    for (const Dataset* dataset : description.Datasets()) {
        double lo = 0, hi = 0;
        const int status = access.Extremes(*dataset, 0, frames, lo, hi);
        Check(IsQueryStatus(status));
        if (status != QUERY_OK)
            continue;
        Check(!(lo > hi));
        for (const std::uint64_t frame : {std::uint64_t{0}, frames / 2, frames - 1}) {
            const std::optional<double> value = access.ValueAt(*dataset, frame);
            if (value && std::isfinite(*value) && std::isfinite(lo) && std::isfinite(hi))
                Check(*value >= lo && *value <= hi);
        }
        std::vector<CurveColumn> columns(7);
        const int columnStatus = access.ColumnExtremes(*dataset, 0, frames, columns);
        Check(IsQueryStatus(columnStatus));
        if (columnStatus != QUERY_OK)
            continue;
        for (const CurveColumn& column : columns) {
            Check(column.firstFrame <= column.endFrame && column.endFrame <= frames);
            if (!column.empty && std::isfinite(lo) && std::isfinite(hi))
                Check(column.minimum >= lo && column.maximum <= hi &&
                      column.minimum <= column.maximum);
        }
    }
}

}  // namespace
}  // namespace grafyon::fuzz

// The data files are made once before the first input, outside the time an input may take.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    grafyon::fuzz::MakeDataFiles();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace grafyon;
    using namespace grafyon::fuzz;
    const std::string path = WriteScratchFile(INPUT_NAME, {data, size});
    MeasurementDescription description;
    DataAccess access;
    const MeasurementOpenResult result = OpenMeasurement(path, description, access, Readers());
    Check(IsDocumentedStatus(result.status));
    if (result.attached) {
        Check(description.FrameCount() > 0 && description.FrameSize() > 0);
        ReadFrames(access, description);
        QueryValues(access, description);
        access.Detach(description);
    }
    return 0;
}
