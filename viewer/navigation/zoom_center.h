// The zoom-and-centre mouse mode: rubber-band zoom and click-to-centre on diagrams and axes.
#pragma once

#include "navigation_commands.h"
#include "viewer/view/model/graphic_rect.h"

namespace grafyon {

class CGraphicLayout;
class CGraphicObject;
class CZoomHistory;

// A band at least this many pixels wide (and high, on a diagram) is a zoom; a smaller
// one counts as a click.
inline constexpr int ZOOM_BAND_MINIMUM = 5;

// The object the mode handles at (x, y): a diagram when the point lies in its plot
// rectangle, a horizontal axis when x lies between its plot left and right; else null.
CGraphicObject* ZoomCenterTarget(CGraphicLayout& layout, int x, int y);

// Orders two fractions and clamps them to 0 ... 1; false when they select nothing or
// the whole range, which changes nothing.
bool FractionSpan(double a, double b, double& lo, double& hi);

// Finishes a press at (x, y) on target: band is the normalised rubber band (right and
// bottom exclusive; empty when nothing was dragged). A large enough band zooms the
// display ranges of the diagram's curves and the time window, anything else centres
// them on the press by the centre mode. When anything changed a snapshot is taken;
// HINT_REDRAW when a display range changed, else HINT_VISIBLE_RANGE, 0 for no change.
int ZoomOrCenter(CGraphicLayout& layout, CZoomHistory& history, CGraphicObject& target,
                 const GraphicRect& band, int x, int y, CenterMode centerMode);

}  // namespace grafyon
