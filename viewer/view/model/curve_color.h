// What a curve's colour means for drawing it: "Transparent" hides the line, never the
// texts that name and scale the curve.
#pragma once

#include <cstdint>

#include "viewer/settings/color_table.h"

namespace grafyon {

// The line of a transparent curve is not drawn.
constexpr bool CurveLineVisible(ColorRef color) {
    return color != COLOR_TRANSPARENT;
}

// Labels, tick strip, title and cursor value of a curve, and its name on the curves page:
// its own colour, black for a transparent curve so that they stay readable.
constexpr ColorRef CurveTextColor(ColorRef color) {
    return color == COLOR_TRANSPARENT ? MakeColorRef(0, 0, 0) : color;
}

}  // namespace grafyon
