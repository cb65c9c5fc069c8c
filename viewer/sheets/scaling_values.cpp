// Applying the "Scaling" dialog to one curve.
#include "viewer/sheets/scaling_values.h"

#include "viewer/data/measurement_description.h"
#include "viewer/view/model/graphic_layout.h"

namespace grafyon {

ScalingValues ScalingValuesFrom(const Dataset& curve, bool fromContextMenu) {
    ScalingValues v;
    v.minimum = curve.display.displayMinimum;
    v.maximum = curve.display.displayMaximum;
    v.color = curve.display.color;
    v.showCurve = fromContextMenu || curve.active;
    return v;
}

ScalingChanges ApplyScalingValues(const ScalingValues& v, CGraphicLayout& layout, Dataset& curve) {
    ScalingChanges changes;
    changes.accepted = true;
    changes.range = layout.ManualScale(curve, v.minimum, v.maximum) != 0;
    if (curve.display.color != v.color) {
        curve.display.color = v.color;
        changes.color = true;
    }
    if (curve.active != v.showCurve) {
        curve.active = v.showCurve;
        changes.activeFlag = true;
        layout.ApplyCurves(false);
    }
    return changes;
}

}  // namespace grafyon
