// Paging, zooming, the cursor and curve scrolling on a document's layout.
#include "navigation_commands.h"

#include <algorithm>

#include "viewer/data/measurement_description.h"
#include "viewer/view/model/graphic_layout.h"
#include "viewer/view/model/zoom_history.h"

namespace grafyon {

namespace {

std::int64_t SampleCount(CGraphicLayout& layout) {
    return static_cast<std::int64_t>(std::min<std::uint64_t>(layout.Samples(), INT64_MAX / 4));
}

// Places the cursor inside the window when it is outside; true when it moved.
bool BringCursorIntoWindow(CGraphicLayout& layout) {
    const std::int64_t first = layout.FirstSample();
    const std::int64_t last = layout.LastSample();
    if (layout.cursorSample >= first && layout.cursorSample <= last)
        return false;
    const std::int64_t w = last - first;
    layout.cursorSample = w < 2 ? first : first + w / 2;
    return true;
}

}  // namespace

bool Navigable(CGraphicLayout& layout) {
    const MeasurementDescription* description = layout.DatasetCollection();
    return description != nullptr && !description->Datasets().empty() && layout.Samples() > 0;
}

int SetVisibleRange(CGraphicLayout& layout, CZoomHistory& history, std::int64_t first,
                    std::int64_t last) {
    if (!Navigable(layout))
        return 0;
    const double startTime = layout.StartTime();
    const double endTime = layout.EndTime();
    layout.SetFirstSample(first);
    layout.SetLastSample(last);
    if (layout.StartTime() == startTime && layout.EndTime() == endTime)
        return 0;
    history.Take(layout);
    return HINT_VISIBLE_RANGE;
}

int PageLeft(CGraphicLayout& layout, CZoomHistory& history) {
    if (!Navigable(layout))
        return 0;
    const std::int64_t first = layout.FirstSample();
    const std::int64_t w = layout.LastSample() - first;
    const std::int64_t a = std::max<std::int64_t>(first - w - 1, 0);
    return SetVisibleRange(layout, history, a, a + w);
}

int PageRight(CGraphicLayout& layout, CZoomHistory& history) {
    if (!Navigable(layout))
        return 0;
    const std::int64_t last = layout.LastSample();
    const std::int64_t w = last - layout.FirstSample();
    const std::int64_t b = std::min(last + w + 1, SampleCount(layout) - 1);
    return SetVisibleRange(layout, history, b - w, b);
}

int TenthLeft(CGraphicLayout& layout, CZoomHistory& history) {
    if (!Navigable(layout))
        return 0;
    const std::int64_t first = layout.FirstSample();
    const std::int64_t w = layout.LastSample() - first;
    const std::int64_t s = std::max<std::int64_t>(w / 10, 1);
    const std::int64_t a = std::max<std::int64_t>(first - s, 0);
    return SetVisibleRange(layout, history, a, a + w);
}

int TenthRight(CGraphicLayout& layout, CZoomHistory& history) {
    if (!Navigable(layout))
        return 0;
    const std::int64_t last = layout.LastSample();
    const std::int64_t w = last - layout.FirstSample();
    const std::int64_t s = std::max<std::int64_t>(w / 10, 1);
    const std::int64_t b = std::min(last + s, SampleCount(layout) - 1);
    return SetVisibleRange(layout, history, b - w, b);
}

int GoToStart(CGraphicLayout& layout, CZoomHistory& history) {
    if (!Navigable(layout))
        return 0;
    const std::int64_t w = layout.LastSample() - layout.FirstSample();
    return SetVisibleRange(layout, history, 0, w);
}

int GoToEnd(CGraphicLayout& layout, CZoomHistory& history) {
    if (!Navigable(layout))
        return 0;
    const std::int64_t n = SampleCount(layout);
    const std::int64_t w = layout.LastSample() - layout.FirstSample();
    return SetVisibleRange(layout, history, n - 1 - w, n - 1);
}

int ZoomIn(CGraphicLayout& layout, CZoomHistory& history) {
    if (!Navigable(layout))
        return 0;
    const std::int64_t first = layout.FirstSample();
    const std::int64_t last = layout.LastSample();
    const std::int64_t w = last - first;
    if (w < 2)
        return 0;
    const std::int64_t t = w / 3;
    if (t > 1) {
        const std::int64_t a = first + (w - t) / 2;  // keeps the centre
        return SetVisibleRange(layout, history, a, a + t);
    }
    // Short windows still narrow by at least one sample around their centre.
    if (w == 2)
        return SetVisibleRange(layout, history, first, first + 1);
    if (w == 3)
        return SetVisibleRange(layout, history, first, last - 1);
    return SetVisibleRange(layout, history, first + 1, last - 1);  // w is 4 or 5
}

int ZoomOut(CGraphicLayout& layout, CZoomHistory& history) {
    if (!Navigable(layout))
        return 0;
    const std::int64_t n = SampleCount(layout);
    const std::int64_t first = layout.FirstSample();
    const std::int64_t last = layout.LastSample();
    const std::int64_t w = last - first;
    const std::int64_t a = first - w >= 1 ? first - w : 0;
    const std::int64_t b = last + w < n - 1 ? last + w : n - 1;
    return SetVisibleRange(layout, history, a, b);
}

int ShowFullRange(CGraphicLayout& layout) {
    if (!Navigable(layout))
        return 0;
    const double startTime = layout.StartTime();
    const double endTime = layout.EndTime();
    layout.FullRange();
    return layout.StartTime() == startTime && layout.EndTime() == endTime ? 0 : HINT_VISIBLE_RANGE;
}

int AutoscaleVisible(CGraphicLayout& layout, bool equalized) {
    if (!Navigable(layout))
        return 0;
    const std::int64_t first = layout.FirstSample();
    const std::int64_t count = layout.LastSample() - first + 1;
    return layout.Autoscale(first, count, equalized, false) ? HINT_REDRAW : 0;
}

int ShowAll(CGraphicLayout& layout, CZoomHistory& history) {
    if (!Navigable(layout))
        return 0;
    const int rangeHint = ShowFullRange(layout);
    const bool scaled = layout.Autoscale(0, SampleCount(layout), false, false) != 0;
    history.Take(layout);
    if (rangeHint != 0)
        return HINT_VISIBLE_RANGE;
    return scaled ? HINT_REDRAW : 0;
}

int SetCursorMode(CGraphicLayout& layout, NavigationModes& modes, bool on) {
    modes.cursorMode = on;
    if (on)
        modes.zoomAndCenterMode = false;
    layout.cursorMode = modes.cursorMode;
    if (!Navigable(layout))
        return 0;
    const bool wasOn = layout.cursorOn;
    const std::int64_t wasSample = layout.cursorSample;
    layout.cursorOn = modes.cursorMode;
    if (on)
        BringCursorIntoWindow(layout);
    return layout.cursorOn != wasOn || layout.cursorSample != wasSample ? HINT_CURSOR : 0;
}

int CursorStep(CGraphicLayout& layout, CZoomHistory& history, std::int64_t delta, CursorId which) {
    if (!Navigable(layout))
        return 0;
    const std::int64_t n = SampleCount(layout);
    const std::int64_t first = layout.FirstSample();
    const std::int64_t last = layout.LastSample();
    const std::int64_t w = last - first;
    std::int64_t& sample = which == CursorId::A ? layout.cursorSample : layout.cursorBSample;
    const std::int64_t old = sample;
    std::int64_t from = old < 0 ? first : old;
    if (old < 0 && which == CursorId::B && layout.cursorSample >= 0)
        from = layout.cursorSample;
    const std::int64_t cursor = std::clamp<std::int64_t>(from + delta, 0, n - 1);
    if (cursor == old)
        return 0;
    sample = cursor;
    if (cursor >= first && cursor <= last)
        return HINT_CURSOR;

    const std::int64_t quarter = std::max<std::int64_t>(w / 4, 1);
    std::int64_t newFirst = 0;
    std::int64_t newLast = 0;
    if (cursor > last) {
        newLast = std::min(cursor + quarter, n - 1);
        newFirst = newLast - w;
    } else {
        newFirst = std::max<std::int64_t>(cursor - quarter, 0);
        newLast = newFirst + w;
    }
    const double startTime = layout.StartTime();
    const double endTime = layout.EndTime();
    layout.SetFirstSample(newFirst);
    layout.SetLastSample(newLast);
    if (layout.StartTime() == startTime && layout.EndTime() == endTime)
        return HINT_CURSOR;
    history.Take(layout);
    return HINT_REDRAW;
}

int CursorTo(CGraphicLayout& layout, CZoomHistory& history, std::int64_t sample, CursorId which) {
    if (!Navigable(layout))
        return 0;
    const std::int64_t target = std::clamp<std::int64_t>(sample, 0, SampleCount(layout) - 1);
    std::int64_t from = which == CursorId::A ? layout.cursorSample : layout.cursorBSample;
    if (from < 0 && which == CursorId::B)
        from = layout.cursorSample;
    if (from < 0)
        from = layout.FirstSample();
    if (target == from) {
        // A cursor B not yet set is placed even where cursor A stands.
        std::int64_t& own = which == CursorId::A ? layout.cursorSample : layout.cursorBSample;
        if (own == target)
            return 0;
        own = target;
        return HINT_CURSOR;
    }
    return CursorStep(layout, history, target - from, which);
}

int CursorBAtCursorA(CGraphicLayout& layout) {
    if (!Navigable(layout) || layout.cursorSample < 0 ||
        layout.cursorBSample == layout.cursorSample)
        return 0;
    layout.cursorBSample = layout.cursorSample;
    return HINT_CURSOR;
}

int RemoveCursorB(CGraphicLayout& layout) {
    if (layout.cursorBSample < 0)
        return 0;
    layout.cursorBSample = -1;
    return HINT_CURSOR;
}

int CursorClick(CGraphicLayout& layout, CZoomHistory& history, int x, int y, CursorId which) {
    if (!Navigable(layout))
        return 0;
    CGraphicObject* object = layout.HitTest(x, y);
    if (object == nullptr || object->Type() != GRAPHIC_DIAGRAM_TYPE)
        return 0;
    const GraphicRect& plot = static_cast<CGraphicDiagram*>(object)->PlotRect();
    if (plot.IsEmpty() || !plot.Contains(x, y))
        return 0;
    const std::int64_t first = layout.FirstSample();
    const std::int64_t w = layout.LastSample() - first;
    const std::int64_t sample =
        first + static_cast<std::int64_t>(static_cast<double>(w) * (x - plot.left) /
                                          static_cast<double>(plot.Width()));
    std::int64_t& cursor = which == CursorId::A ? layout.cursorSample : layout.cursorBSample;
    if (sample == cursor)
        return 0;
    cursor = sample;
    history.Take(layout);
    return HINT_CURSOR;
}

int NavigateLeft(CGraphicLayout& layout, CZoomHistory& history, const NavigationModes& modes) {
    return modes.cursorMode ? CursorStep(layout, history, -1) : PageLeft(layout, history);
}

int NavigateRight(CGraphicLayout& layout, CZoomHistory& history, const NavigationModes& modes) {
    return modes.cursorMode ? CursorStep(layout, history, 1) : PageRight(layout, history);
}

int NavigateHome(CGraphicLayout& layout, CZoomHistory& history, const NavigationModes& modes) {
    if (!modes.cursorMode)
        return GoToStart(layout, history);
    if (!Navigable(layout))
        return 0;
    return CursorTo(layout, history, layout.FirstSample());
}

int NavigateEnd(CGraphicLayout& layout, CZoomHistory& history, const NavigationModes& modes) {
    if (!modes.cursorMode)
        return GoToEnd(layout, history);
    if (!Navigable(layout))
        return 0;
    return CursorTo(layout, history, layout.LastSample());
}

int MoveCurve(CGraphicLayout& layout, int delta) {
    if (!Navigable(layout) || delta == 0)
        return 0;
    return layout.MoveActiveCurve(delta) ? HINT_CURVES : 0;
}

int MoveCurvePage(CGraphicLayout& layout, int direction) {
    if (!Navigable(layout) || layout.GetViewMode() == ViewMode::AllCurves || direction == 0)
        return 0;
    const int delta = (direction > 0 ? 1 : -1) * layout.DiagramsPerPage();
    return layout.MoveActiveCurve(delta) ? HINT_CURVES : 0;
}

int ApplyCursorFormat(CGraphicLayout& layout, const CursorValueFormat& format) {
    if (!Navigable(layout))
        return 0;
    layout.SetCursorValueFormat(format);
    return HINT_REDRAW;
}

int YAutoscaleDiagram(CGraphicLayout& layout, CZoomHistory& history, CGraphicDiagram& diagram) {
    if (!Navigable(layout))
        return 0;
    if (!layout.YAutoscale(diagram))
        return 0;
    history.Take(layout);
    return HINT_REDRAW;
}

int DeactivateDiagramCurve(CGraphicLayout& layout, CGraphicDiagram& diagram) {
    if (!Navigable(layout) || diagram.curve == nullptr)
        return 0;
    diagram.curve->active = false;
    layout.ApplyCurves(false);
    return HINT_CURVES;
}

}  // namespace grafyon
