// The measurement between the two cursors, its text table and the range made from it.
#include "cursor_measurement.h"

#include <algorithm>
#include <cmath>

#include "common/printf_format.h"
#include "viewer/data/dataset.h"
#include "viewer/view/model/graphic_diagram.h"
#include "viewer/view/model/graphic_layout.h"
#include "viewer/view/model/range_list.h"

namespace grafyon {

namespace {

std::string Number(double value) {
    if (!std::isfinite(value))
        return {};
    return FormatPrintf("%.10g", value + 0.0);  // + 0.0 turns -0 into 0
}

std::string Number(const std::optional<double>& value) {
    return value ? Number(*value) : std::string();
}

std::string Position(std::uint64_t frame) {
    return std::to_string(frame + 1);
}

}  // namespace

std::optional<CursorSpan> CursorFrames(CGraphicLayout& layout) {
    const std::int64_t a = layout.cursorSample;
    const std::int64_t b = layout.cursorBSample;
    const auto samples = static_cast<std::int64_t>(layout.Samples());
    if (a < 0 || b < 0 || a >= samples || b >= samples)
        return std::nullopt;
    return CursorSpan{std::min(a, b), std::max(a, b)};
}

std::vector<const Dataset*> VisibleCurves(CGraphicLayout& layout) {
    std::vector<const Dataset*> curves;
    if (layout.GetViewMode() == ViewMode::AllCurves) {
        curves.assign(layout.Curves().begin(), layout.Curves().end());
        return curves;
    }
    for (int i = 0; i < layout.DiagramCount(); ++i) {
        if (const Dataset* curve = layout.Diagram(i).curve)
            curves.push_back(curve);
    }
    return curves;
}

std::optional<CursorMeasurement> MeasureCursors(CGraphicLayout& layout, DataAccess& access) {
    if (!CursorFrames(layout))
        return std::nullopt;
    CursorMeasurement m;
    m.sampleA = layout.cursorSample;
    m.sampleB = layout.cursorBSample;
    m.timeA = layout.SampleTime(m.sampleA);
    m.timeB = layout.SampleTime(m.sampleB);
    const auto a = static_cast<std::uint64_t>(m.sampleA);
    const auto b = static_cast<std::uint64_t>(m.sampleB);
    for (const Dataset* curve : VisibleCurves(layout)) {
        CurveMeasurement c;
        c.curve = curve;
        c.valueA = access.ValueAt(*curve, a);
        c.valueB = access.ValueAt(*curve, b);
        // While the whole recording is scanned, a long stretch would be read frame by frame
        // on the user's thread: its statistics show once the scan is in.
        const std::uint64_t span = (a < b ? b - a : a - b) + 1;
        c.status = span > access.PendingFrameLimit(*curve)
                       ? QUERY_PENDING
                       : access.Statistics(*curve, a, b, c.statistics);
        m.curves.push_back(c);
    }
    return m;
}

std::vector<std::vector<std::string>> MeasurementCells(const CursorMeasurement& m) {
    std::vector<std::vector<std::string>> rows;
    const double dt = m.DeltaT();
    for (const CurveMeasurement& c : m.curves) {
        std::vector<std::string> row;
        row.push_back(c.curve->name);
        row.push_back(c.curve->unit);
        row.push_back(Number(c.valueA));
        row.push_back(Number(c.valueB));
        row.push_back(Number(dt));
        row.push_back(dt != 0.0 ? Number(1.0 / dt) : std::string());
        row.push_back(c.valueA && c.valueB ? Number(*c.valueB - *c.valueA) : std::string());
        const RangeStatistics& s = c.statistics;
        if (c.status == QUERY_OK && s.count > 0) {
            for (const double v :
                 {s.minimum, s.maximum, s.mean, s.rms, s.standardDeviation, s.PeakToPeak()})
                row.push_back(Number(v));
            row.push_back(Position(s.minimumFrame));
            row.push_back(Position(s.maximumFrame));
        } else {
            row.resize(MEASUREMENT_COLUMNS);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string MeasurementText(const CursorMeasurement& m, const std::vector<std::string>& titles) {
    std::string text;
    const auto line = [&text](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                text += '\t';
            // A tab or line break inside a name would shift the columns.
            for (const char ch : cells[i])
                text += ch == '\t' || ch == '\n' || ch == '\r' ? ' ' : ch;
        }
        text += '\n';
    };
    line(titles);
    for (const auto& row : MeasurementCells(m))
        line(row);
    return text;
}

CRange* AddRangeFromCursors(CGraphicLayout& layout, CRangeList& ranges) {
    const std::optional<CursorSpan> span = CursorFrames(layout);
    if (!span)
        return nullptr;
    const std::string name = std::to_string(span->first + 1) + "-" + std::to_string(span->last + 1);
    return &ranges.Add(span->first, span->last, true, name, "");
}

}  // namespace grafyon
