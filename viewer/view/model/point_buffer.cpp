// Point reduction for drawing curves.
#include "point_buffer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace grafyon {

namespace {

// Appends unless the buffer is full; the buffer was sized for the client width.
void Append(DatasetDisplay& d, CurvePoint p) {
    if (static_cast<std::size_t>(d.pointCount) >= d.points.size())
        return;
    d.points[static_cast<std::size_t>(d.pointCount++)] = p;
}

}  // namespace

void BuildColumnPoints(DatasetDisplay& d, const std::vector<ColumnRange>& columns,
                       const GraphicRect& plot) {
    d.pointCount = 0;
    d.flatPixel = FLAT_PIXEL_NOT_CONSTANT;
    d.bufferPlotTop = plot.top;
    bool havePrevious = false;
    CurvePoint previous;
    const std::size_t width =
        std::min<std::size_t>(columns.size(), static_cast<std::size_t>(std::max(0, plot.Width())));
    for (std::size_t i = 0; i < width; ++i) {
        const ColumnRange& c = columns[i];
        if (c.empty || !std::isfinite(c.minimum) || !std::isfinite(c.maximum))
            continue;
        const int x = plot.left + static_cast<int>(i);
        CurvePoint first{x, ValueToRow(c.maximum, d.displayMinimum, d.displayMaximum, plot)};
        CurvePoint second{x, ValueToRow(c.minimum, d.displayMinimum, d.displayMaximum, plot)};
        if (first.y == second.y) {
            Append(d, first);
            previous = first;
            havePrevious = true;
            continue;
        }
        if (havePrevious && std::abs(second.y - previous.y) < std::abs(first.y - previous.y)) {
            std::swap(first, second);
        }
        Append(d, first);
        Append(d, second);
        previous = second;
        havePrevious = true;
    }
}

void BuildFlatPoints(DatasetDisplay& d, double value, const GraphicRect& plot, double startTime,
                     double endTime, double lastTime) {
    d.pointCount = 0;
    d.bufferPlotTop = plot.top;
    const int row = ValueToRow(value, d.displayMinimum, d.displayMaximum, plot);
    if (row < plot.top || row >= plot.bottom || !(endTime > startTime)) {
        d.flatPixel = -1;
        return;
    }
    d.flatPixel = row;
    auto column = [&](double t) {
        return std::clamp(TimeToColumn(t, startTime, endTime, plot), plot.left,
                          std::max(plot.left, plot.right - 1));
    };
    const double from = std::max(0.0, startTime);
    const double to = std::min(endTime, lastTime);
    if (to < from)
        return;
    Append(d, {column(from), row});
    Append(d, {column(to), row});
}

}  // namespace grafyon
