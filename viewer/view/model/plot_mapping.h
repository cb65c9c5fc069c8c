// Where values and times fall inside a plot: the one mapping that curves, cursor, grid and
// tick strip share.
#pragma once

#include "graphic_rect.h"

namespace grafyon {

// Row of value v in the plot: the display minimum on the plot's lowest row (bottom - 1),
// the display maximum on its top row, so that both ends stay visible. Values far outside
// the range are held at 25 ranges beyond it so that coordinates stay small. An empty or
// unusable range maps everything to the lowest row.
int ValueToRow(double v, double displayMinimum, double displayMaximum, const GraphicRect& plot);

// Column of time t in a plot showing [startTime, endTime]: the start on plot.left, the end
// on the plot's last column (right - 1), where the last visible sample is drawn as well.
// Times outside the window map outside the plot (held within a million pixels).
int TimeToColumn(double t, double startTime, double endTime, const GraphicRect& plot);

}  // namespace grafyon
