// Scroll-bar positions of the view: the visible samples and the curve window.
#pragma once

#include <cstdint>

namespace grafyon {

class CGraphicLayout;
class CZoomHistory;

enum class ScrollAction {
    LINE_BACK,     // arrow left or up
    LINE_FORWARD,  // arrow right or down
    PAGE_BACK,
    PAGE_FORWARD,
    THUMB,  // the thumb was dragged or released at a position
    TO_START,
    TO_END,
};

// A bar whose maximum is its last unit, so that the thumb of a page of
// P units ends at maximum when its position is maximum - P + 1.
struct ScrollBarState {
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
    std::int64_t page = 1;
    std::int64_t position = 0;
};

// The position an action leads to, clamped to minimum ... maximum - page + 1.
std::int64_t ScrollTarget(const ScrollBarState& bar, ScrollAction action, std::int64_t thumb,
                          std::int64_t lineStep);

// The horizontal bar: the visible samples (page = visible sample count, position = first).
ScrollBarState HorizontalBar(CGraphicLayout& layout);
// Moves the window; when it moved, a snapshot is taken unless snapshot is false (while the
// thumb is dragged) and HINT_VISIBLE_RANGE is returned.
int ScrollHorizontal(CGraphicLayout& layout, CZoomHistory& history, ScrollAction action,
                     std::int64_t thumb, bool snapshot);

// The vertical bar: the curve window of one curve per diagram (page = diagrams per page,
// position = the curve in the first diagram).
ScrollBarState VerticalBar(CGraphicLayout& layout);
// Activates the curve the action leads to: HINT_CURVES when it changed, never a snapshot.
int ScrollVertical(CGraphicLayout& layout, ScrollAction action, std::int64_t thumb);

}  // namespace grafyon
