// Rubber-band zoom and click-to-centre of the zoom-and-centre mouse mode.
#include "zoom_center.h"

#include <algorithm>
#include <vector>

#include "navigation_commands.h"
#include "viewer/data/measurement_description.h"
#include "viewer/view/model/graphic_layout.h"
#include "viewer/view/model/zoom_history.h"

namespace grafyon {

namespace {

// The horizontal extent shared by the diagrams' plots and the axes.
struct PlotColumns {
    int left = 0;
    int width = 0;
};

PlotColumns ColumnsOf(const CGraphicObject& target) {
    if (target.Type() == GRAPHIC_DIAGRAM_TYPE) {
        const GraphicRect& plot = static_cast<const CGraphicDiagram&>(target).PlotRect();
        return {plot.left, plot.Width()};
    }
    // An axis keeps its plot right one column inside the diagrams' exclusive edge.
    const auto& axis = static_cast<const CGraphicXAxis&>(target);
    return {axis.plotLeft, axis.plotRight + 1 - axis.plotLeft};
}

// The curves a diagram shows that the mode may rescale.
std::vector<Dataset*> ActiveCurvesOf(const CGraphicDiagram& diagram) {
    std::vector<Dataset*> curves;
    if (diagram.curveList != nullptr) {
        curves = *diagram.curveList;
    } else if (diagram.curve != nullptr) {
        curves.push_back(diagram.curve);
    }
    std::erase_if(curves, [](const Dataset* d) { return !d->active; });
    return curves;
}

bool ZoomCurves(const CGraphicDiagram& diagram, const GraphicRect& band) {
    const GraphicRect& plot = diagram.PlotRect();
    const double height = plot.bottom - plot.top;
    if (!(height > 0.0))
        return false;
    double lo = 0.0, hi = 0.0;
    if (!FractionSpan((plot.bottom - band.top) / height, (plot.bottom - band.bottom) / height, lo,
                      hi)) {
        return false;
    }
    bool changed = false;
    for (Dataset* curve : ActiveCurvesOf(diagram)) {
        DatasetDisplay& display = curve->display;
        const double minimum = display.displayMinimum;
        const double range = display.displayMaximum - minimum;
        changed |= display.SetDisplayRange(minimum + lo * range, minimum + hi * range);
    }
    return changed;
}

void ZoomTime(CGraphicLayout& layout, const PlotColumns& columns, const GraphicRect& band) {
    if (columns.width <= 0)
        return;
    double lo = 0.0, hi = 0.0;
    const double width = columns.width;
    if (!FractionSpan((band.left - columns.left) / width, (band.right - columns.left) / width, lo,
                      hi)) {
        return;
    }
    const double start = layout.StartTime();
    const double span = layout.EndTime() - start;
    layout.SetTimeWindow(start + lo * span, start + hi * span);
}

// A fraction of exactly a half, or one outside the plot, centres nothing.
bool CentringFraction(double f) {
    return f >= 0.0 && f <= 1.0 && f != 0.5;
}

bool CentreCurves(const CGraphicDiagram& diagram, int y) {
    const GraphicRect& plot = diagram.PlotRect();
    const double height = plot.bottom - plot.top;
    if (!(height > 0.0))
        return false;
    const double f = (plot.bottom - y) / height;
    if (!CentringFraction(f))
        return false;
    bool changed = false;
    for (Dataset* curve : ActiveCurvesOf(diagram)) {
        DatasetDisplay& display = curve->display;
        const double shift = (display.displayMaximum - display.displayMinimum) * (f - 0.5);
        changed |=
            display.SetDisplayRange(display.displayMinimum + shift, display.displayMaximum + shift);
    }
    return changed;
}

void CentreTime(CGraphicLayout& layout, const PlotColumns& columns, int x) {
    if (columns.width <= 0)
        return;
    const double f = static_cast<double>(x - columns.left) / columns.width;
    if (!CentringFraction(f))
        return;
    const double start = layout.StartTime();
    const double end = layout.EndTime();
    const double length = end - start;
    const double duration = static_cast<double>(layout.Samples() - 1) * layout.Step();
    const double shift = length * (f - 0.5);
    double newStart = start + shift;
    double newEnd = end + shift;
    if (shift < 0.0 && newStart < 0.0) {
        newStart = 0.0;
        newEnd = length;
    } else if (shift > 0.0 && newEnd > duration) {
        newEnd = duration;
        newStart = std::max(0.0, duration - length);
    }
    layout.SetTimeWindow(newStart, newEnd);
}

}  // namespace

CGraphicObject* ZoomCenterTarget(CGraphicLayout& layout, int x, int y) {
    CGraphicObject* object = layout.HitTest(x, y);
    if (object == nullptr)
        return nullptr;
    if (object->Type() == GRAPHIC_DIAGRAM_TYPE) {
        return static_cast<CGraphicDiagram*>(object)->PlotRect().Contains(x, y) ? object : nullptr;
    }
    if (object->Type() == GRAPHIC_X_AXIS_TYPE) {
        const auto* axis = static_cast<CGraphicXAxis*>(object);
        return x >= axis->plotLeft && x <= axis->plotRight ? object : nullptr;
    }
    return nullptr;
}

bool FractionSpan(double a, double b, double& lo, double& hi) {
    lo = std::clamp(std::min(a, b), 0.0, 1.0);
    hi = std::clamp(std::max(a, b), 0.0, 1.0);
    return lo != hi && !(lo == 0.0 && hi == 1.0);
}

int ZoomOrCenter(CGraphicLayout& layout, CZoomHistory& history, CGraphicObject& target,
                 const GraphicRect& band, int x, int y, CenterMode centerMode) {
    if (!Navigable(layout))
        return 0;
    const bool diagram = target.Type() == GRAPHIC_DIAGRAM_TYPE;
    if (!diagram && target.Type() != GRAPHIC_X_AXIS_TYPE)
        return 0;
    const PlotColumns columns = ColumnsOf(target);
    const double startTime = layout.StartTime();
    const double endTime = layout.EndTime();
    bool rangesChanged = false;

    const bool wide = band.Width() >= ZOOM_BAND_MINIMUM;
    const bool zoom = diagram ? wide && band.Height() >= ZOOM_BAND_MINIMUM : wide;
    if (zoom) {
        if (diagram)
            rangesChanged = ZoomCurves(static_cast<CGraphicDiagram&>(target), band);
        ZoomTime(layout, columns, band);
    } else {
        if (centerMode == CenterMode::Inactive)
            return 0;
        if (diagram && centerMode == CenterMode::Both) {
            rangesChanged = CentreCurves(static_cast<CGraphicDiagram&>(target), y);
        }
        if (centerMode == CenterMode::Both || centerMode == CenterMode::Horizontal) {
            CentreTime(layout, columns, x);
        }
    }
    const bool timeChanged = layout.StartTime() != startTime || layout.EndTime() != endTime;
    if (!rangesChanged && !timeChanged)
        return 0;
    history.Take(layout);
    return rangesChanged ? HINT_REDRAW : HINT_VISIBLE_RANGE;
}

}  // namespace grafyon
