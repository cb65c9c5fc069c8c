// Value source and point filler on top of DataAccess.
#include "data_access_adapter.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "point_buffer.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/dataset.h"

namespace grafyon {

bool DataAccessValueSource::Readable(const Dataset& dataset) {
    return m_access.Readable(dataset);
}

std::pair<double, double> DataAccessValueSource::Extremes(const Dataset& dataset,
                                                          std::uint64_t first,
                                                          std::uint64_t count) {
    double minimum = 0.0, maximum = 0.0;
    if (m_access.Extremes(dataset, first, count, minimum, maximum) != QUERY_OK) {
        return {dataset.minimum, dataset.maximum};
    }
    return {minimum, maximum};
}

std::optional<double> DataAccessValueSource::ValueAt(const Dataset& dataset, std::uint64_t frame) {
    return m_access.ValueAt(dataset, frame);
}

std::uint64_t DataAccessValueSource::ProposedSampleCount(int pixels, const Dataset& dataset) {
    return m_access.ProposedSampleCount(pixels, dataset);
}

std::uint64_t DataAccessValueSource::PendingFrameLimit(const Dataset& dataset) {
    return m_access.PendingFrameLimit(dataset);
}

void CurvePointFiller::Fill(Dataset& curve, const GraphicRect& plot, double startTime,
                            double endTime) {
    ++m_refreshes;
    DatasetDisplay& d = curve.display;
    d.pointCount = 0;
    d.bufferPlotTop = plot.top;
    if (plot.Width() < 1 || plot.Height() < 1 || !(endTime > startTime))
        return;
    const std::uint64_t samples = m_layout.Samples();
    if (samples == 0)
        return;
    const std::uint64_t limit = m_access.PendingFrameLimit(curve);
    const bool pending = limit != NO_FRAME_LIMIT;
    if (!pending && curve.minimum == curve.maximum) {
        BuildFlatPoints(d, curve.minimum, plot, startTime, endTime,
                        static_cast<double>(samples - 1) * m_layout.Step());
        return;
    }
    // Frames first ... last span the plot width; the last one falls on its right edge.
    const std::int64_t first = m_layout.FirstSample();
    const std::int64_t last = m_layout.LastSample();
    const std::uint64_t count = static_cast<std::uint64_t>(std::max<std::int64_t>(1, last - first));
    if (pending && count > limit)
        return;  // drawn when its summary is in
    m_columns.assign(static_cast<std::size_t>(plot.Width()), CurveColumn{});
    if (m_access.ColumnExtremes(curve, static_cast<std::uint64_t>(first), count, m_columns) !=
        QUERY_OK) {
        return;
    }
    std::vector<ColumnRange> ranges(m_columns.size());
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        ranges[i] = {m_columns[i].minimum, m_columns[i].maximum, m_columns[i].empty};
    }
    // The last sample lies on the plot's right edge: it joins the last column.
    if (const std::optional<double> v = m_access.ValueAt(curve, static_cast<std::uint64_t>(last));
        v && std::isfinite(*v) && !ranges.empty()) {
        ColumnRange& edge = ranges.back();
        edge.minimum = edge.empty ? *v : std::min(edge.minimum, *v);
        edge.maximum = edge.empty ? *v : std::max(edge.maximum, *v);
        edge.empty = false;
    }
    BuildColumnPoints(d, ranges, plot);
}

}  // namespace grafyon
