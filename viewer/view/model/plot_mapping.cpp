// Value rows and time columns of a plot.
#include "plot_mapping.h"

#include <algorithm>
#include <cmath>

namespace grafyon {

int ValueToRow(double v, double displayMinimum, double displayMaximum, const GraphicRect& plot) {
    const double range = displayMaximum - displayMinimum;
    const int lowest = plot.bottom - 1;
    if (!(range > 0.0) || !std::isfinite(range) || std::isnan(v))
        return lowest;
    v = std::clamp(v, displayMaximum - 25.0 * range, displayMinimum + 25.0 * range);
    // The span counts rows from the lowest to the top one, both included.
    const double span = static_cast<double>(plot.top - lowest);
    return lowest + static_cast<int>(std::trunc((v - displayMinimum) / range * span));
}

int TimeToColumn(double t, double startTime, double endTime, const GraphicRect& plot) {
    const double span = endTime - startTime;
    if (!(span > 0.0) || !std::isfinite(span) || std::isnan(t))
        return plot.left;
    const double column =
        plot.left + std::trunc((t - startTime) * static_cast<double>(plot.Width()) / span);
    const double limited = std::clamp(column, -1.0e6, 1.0e6);
    // The end of the window is the right edge, which belongs to the plot's last column.
    if (t <= endTime && limited >= plot.right)
        return std::max(plot.left, plot.right - 1);
    return static_cast<int>(limited);
}

}  // namespace grafyon
