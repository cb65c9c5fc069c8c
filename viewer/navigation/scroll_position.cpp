// Positions and clamping of the two scroll bars and what a new position changes.
#include "scroll_position.h"

#include <algorithm>

#include "navigation_commands.h"
#include "viewer/view/model/graphic_layout.h"
#include "viewer/view/model/zoom_history.h"

namespace grafyon {

std::int64_t ScrollTarget(const ScrollBarState& bar, ScrollAction action, std::int64_t thumb,
                          std::int64_t lineStep) {
    const std::int64_t highest = std::max(bar.minimum, bar.maximum - bar.page + 1);
    std::int64_t position = bar.position;
    switch (action) {
        case ScrollAction::LINE_BACK:
            position -= lineStep;
            break;
        case ScrollAction::LINE_FORWARD:
            position += lineStep;
            break;
        case ScrollAction::PAGE_BACK:
            position -= bar.page;
            break;
        case ScrollAction::PAGE_FORWARD:
            position += bar.page;
            break;
        case ScrollAction::THUMB:
            position = thumb;
            break;
        case ScrollAction::TO_START:
            position = bar.minimum;
            break;
        case ScrollAction::TO_END:
            position = highest;
            break;
    }
    return std::clamp(position, bar.minimum, highest);
}

ScrollBarState HorizontalBar(CGraphicLayout& layout) {
    ScrollBarState bar;
    if (!Navigable(layout))
        return bar;
    bar.maximum = static_cast<std::int64_t>(layout.Samples()) - 1;
    bar.position = layout.FirstSample();
    bar.page = layout.LastSample() - bar.position + 1;
    return bar;
}

int ScrollHorizontal(CGraphicLayout& layout, CZoomHistory& history, ScrollAction action,
                     std::int64_t thumb, bool snapshot) {
    if (!Navigable(layout))
        return 0;
    const ScrollBarState bar = HorizontalBar(layout);
    const std::int64_t position =
        ScrollTarget(bar, action, thumb, std::max<std::int64_t>(bar.page / 10, 1));
    if (position == bar.position)
        return 0;
    const double startTime = layout.StartTime();
    const double endTime = layout.EndTime();
    layout.SetFirstSample(position);
    layout.SetLastSample(position + bar.page - 1);
    if (layout.StartTime() == startTime && layout.EndTime() == endTime)
        return 0;
    if (snapshot)
        history.Take(layout);
    return HINT_VISIBLE_RANGE;
}

ScrollBarState VerticalBar(CGraphicLayout& layout) {
    ScrollBarState bar;
    if (!Navigable(layout) || layout.GetViewMode() == ViewMode::AllCurves)
        return bar;
    const int count = layout.CurveCount();
    const int perPage = layout.DiagramsPerPage();
    const int first = layout.FirstCurveIndex();
    bar.maximum = count <= perPage ? first + count - 1 : count - 1;
    bar.page = perPage;
    bar.position = first;
    return bar;
}

int ScrollVertical(CGraphicLayout& layout, ScrollAction action, std::int64_t thumb) {
    if (!Navigable(layout) || layout.GetViewMode() == ViewMode::AllCurves)
        return 0;
    const ScrollBarState bar = VerticalBar(layout);
    const std::int64_t position = ScrollTarget(bar, action, thumb, 1);
    if (position == bar.position)
        return 0;
    return layout.ActivateCurve(static_cast<int>(position)) ? HINT_CURVES : 0;
}

}  // namespace grafyon
