// What the "Scaling" dialog edits for one curve, and how its result reaches the layout.
#pragma once

#include <cstdint>

namespace grafyon {
class CGraphicLayout;
class Dataset;
}  // namespace grafyon

namespace grafyon {

struct ScalingValues {
    double minimum = 0.0;
    double maximum = 0.0;
    std::uint32_t color = 0;
    bool showCurve = true;
};

// What OK changed. The caller takes a view snapshot when range is set; sends HINT_REDRAW
// for range or color, and HINT_CURVES when the curve was deactivated or activated.
struct ScalingChanges {
    bool accepted = false;
    bool range = false;
    bool color = false;
    bool activeFlag = false;
};

// The dialog's start values for a curve. From the context menu the curve is on screen,
// so "&Show Curve" starts checked; otherwise it shows the active flag.
ScalingValues ScalingValuesFrom(const Dataset& curve, bool fromContextMenu);

// Manual scaling of the range (equal values widened, reversed ones swapped), the color,
// and the active flag from "&Show Curve"; a changed flag re-applies the curves of the
// layout's document.
ScalingChanges ApplyScalingValues(const ScalingValues& values, CGraphicLayout& layout,
                                  Dataset& curve);

}  // namespace grafyon
