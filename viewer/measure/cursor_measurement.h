// What the measurement between the two cursors shows: per visible curve the values at the
// cursors, their differences and the statistics of the frames between them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "viewer/data/access/data_access.h"

namespace grafyon {

class CGraphicLayout;
class CRange;
class CRangeList;
class Dataset;

// Frames first ... last (both included) between the cursors, in order.
struct CursorSpan {
    std::int64_t first = 0;
    std::int64_t last = 0;
    std::int64_t Count() const { return last - first + 1; }
};

// The frames between the cursors while both stand inside the recording; nothing otherwise.
std::optional<CursorSpan> CursorFrames(CGraphicLayout& layout);

struct CurveMeasurement {
    const Dataset* curve = nullptr;
    std::optional<double> valueA;  // nothing when the frame cannot be read
    std::optional<double> valueB;
    int status = QUERY_OK;  // of the statistics; they are all 0 unless QUERY_OK
    RangeStatistics statistics;
};

struct CursorMeasurement {
    std::int64_t sampleA = 0;
    std::int64_t sampleB = 0;
    double timeA = 0.0;
    double timeB = 0.0;
    std::vector<CurveMeasurement> curves;

    double DeltaT() const { return timeB - timeA; }
};

// The curves the diagrams show: every curve when all share one diagram, else the front
// curve of each diagram, in diagram order.
std::vector<const Dataset*> VisibleCurves(CGraphicLayout& layout);

// The measurement for the current cursors, nothing unless both are set.
std::optional<CursorMeasurement> MeasureCursors(CGraphicLayout& layout, DataAccess& access);

// The table as text: one line of column titles, then one line per curve, cells separated by
// tabs and lines ending in '\n'. Numbers with up to 10 significant digits, positions as the
// 1-based sample numbers the user sees, an empty cell where there is no value.
// titles: "Curve", "Unit", "A", "B", "Δt", "1/Δt", "Δy", "Minimum", "Maximum", "Mean", "RMS",
// "Standard deviation", "Peak-to-peak", "Position of minimum", "Position of maximum" in the
// user's language.
inline constexpr std::size_t MEASUREMENT_COLUMNS = 15;
std::vector<std::vector<std::string>> MeasurementCells(const CursorMeasurement& measurement);
std::string MeasurementText(const CursorMeasurement& measurement,
                            const std::vector<std::string>& titles);

// "Range from cursors": an active range over the frames between the cursors, named after
// them ("A-B" with the 1-based samples). Nothing unless both cursors are set.
CRange* AddRangeFromCursors(CGraphicLayout& layout, CRangeList& ranges);

}  // namespace grafyon
