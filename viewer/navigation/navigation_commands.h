// Moving through a document's data: paging, zooming, the cursor and curve scrolling.
#pragma once

#include <cstdint>

namespace grafyon {

class CGraphicDiagram;
class CGraphicLayout;
class CZoomHistory;
struct CursorValueFormat;

// Command identifiers, numbered as the resources number them.
inline constexpr int NAV_CMD_LEFT = 32778;  // cursor one sample left, else page left
inline constexpr int NAV_CMD_RIGHT = 32779;
inline constexpr int NAV_CMD_NEXT_CURVE = 32780;
inline constexpr int NAV_CMD_PREVIOUS_CURVE = 32781;
inline constexpr int NAV_CMD_FULL_RANGE = 32782;
inline constexpr int NAV_CMD_AUTOSCALE = 32783;
inline constexpr int NAV_CMD_SHOW_ALL = 32784;
inline constexpr int NAV_CMD_EQUALIZED_SCALING = 32785;
inline constexpr int NAV_CMD_ZOOM_IN = 32786;
inline constexpr int NAV_CMD_ZOOM_OUT = 32787;
inline constexpr int NAV_CMD_ZOOM_CENTER_MODE = 32788;
inline constexpr int NAV_CMD_UNDO_ZOOM = 32789;
inline constexpr int NAV_CMD_REDO_ZOOM = 32790;
inline constexpr int NAV_CMD_CURSOR_MODE = 32791;
inline constexpr int NAV_CMD_CURSOR_STEP_LEFT = 32792;
inline constexpr int NAV_CMD_CURSOR_STEP_RIGHT = 32793;
inline constexpr int NAV_CMD_POPUP_INFORMATIONS = 32794;
inline constexpr int NAV_CMD_Y_PROPERTIES = 32795;
inline constexpr int NAV_CMD_X_PROPERTIES = 32796;
inline constexpr int NAV_CMD_CURSOR_FORMAT = 32800;
inline constexpr int NAV_CMD_POPUP_PROPERTIES = 32801;
inline constexpr int NAV_CMD_POPUP_Y_AUTOSCALE = 32802;
inline constexpr int NAV_CMD_TENTH_LEFT = 32805;
inline constexpr int NAV_CMD_TENTH_RIGHT = 32806;
inline constexpr int NAV_CMD_HOME = 32809;
inline constexpr int NAV_CMD_END = 32810;
inline constexpr int NAV_CMD_POPUP_DEACTIVATE = 32811;
inline constexpr int NAV_CMD_CURVE_PAGE_DOWN = 32817;
inline constexpr int NAV_CMD_CURVE_PAGE_UP = 32818;
// The second cursor (B) of a measurement between two cursors.
inline constexpr int NAV_CMD_CURSOR_B_LEFT = 32840;
inline constexpr int NAV_CMD_CURSOR_B_RIGHT = 32841;
inline constexpr int NAV_CMD_CURSOR_B_AT_CURSOR = 32842;
inline constexpr int NAV_CMD_CURSOR_B_REMOVE = 32843;

// Which of the two cursors a cursor function moves.
enum class CursorId { A, B };

// What a click of the zoom-and-centre mode centres; the numbers are those of "Center Mode".
enum class CenterMode {
    Both = 0,        // the time window and the display range of the diagram's curve
    Horizontal = 1,  // only the time window
    Inactive = 2,    // nothing
};

// The stored "Center Mode", out-of-range numbers taken as the nearest mode.
constexpr CenterMode CenterModeFromSetting(int stored) {
    return stored <= 0 ? CenterMode::Both
                       : (stored == 1 ? CenterMode::Horizontal : CenterMode::Inactive);
}

// The three mode settings that steer the navigation.
struct NavigationModes {
    bool cursorMode = false;
    bool zoomAndCenterMode = false;
    CenterMode centerMode = CenterMode::Both;
};

// Every function below does nothing and returns 0 when the layout is not bound to a
// document with datasets and samples; otherwise it returns the hint the views need
// (HINT_VISIBLE_RANGE, HINT_CURVES, HINT_REDRAW, HINT_CURSOR) or 0 when nothing changed.
bool Navigable(CGraphicLayout& layout);

// Sets the first, then the last visible sample; when the window moved a snapshot is
// taken and HINT_VISIBLE_RANGE returned.
int SetVisibleRange(CGraphicLayout& layout, CZoomHistory& history, std::int64_t first,
                    std::int64_t last);

int PageLeft(CGraphicLayout& layout, CZoomHistory& history);
int PageRight(CGraphicLayout& layout, CZoomHistory& history);
int TenthLeft(CGraphicLayout& layout, CZoomHistory& history);
int TenthRight(CGraphicLayout& layout, CZoomHistory& history);
int GoToStart(CGraphicLayout& layout, CZoomHistory& history);
int GoToEnd(CGraphicLayout& layout, CZoomHistory& history);
int ZoomIn(CGraphicLayout& layout, CZoomHistory& history);
int ZoomOut(CGraphicLayout& layout, CZoomHistory& history);

// The whole recording, without a snapshot.
int ShowFullRange(CGraphicLayout& layout);
// Autoscales the visible samples of every curve, without a snapshot.
int AutoscaleVisible(CGraphicLayout& layout, bool equalized);
// Full range and autoscaling over it, with a snapshot: HINT_VISIBLE_RANGE, or
// HINT_REDRAW when only the scaling changed.
int ShowAll(CGraphicLayout& layout, CZoomHistory& history);

// The cursor mode: switching it on places a cursor outside the window in its middle and
// switches the zoom-and-centre mode off. The modes change even without a document.
int SetCursorMode(CGraphicLayout& layout, NavigationModes& modes, bool on);
// Moves the cursor by delta samples; leaving the window scrolls it so that the cursor
// stands a quarter of the window inside the edge it crossed (snapshot). Cursor B not yet
// set starts from cursor A.
int CursorStep(CGraphicLayout& layout, CZoomHistory& history, std::int64_t delta,
               CursorId which = CursorId::A);
// Moves the cursor to a sample (clamped to the recording) as a step would.
int CursorTo(CGraphicLayout& layout, CZoomHistory& history, std::int64_t sample,
             CursorId which = CursorId::A);
// A left click at (x, y) with the cursor mode on: the cursor goes to the sample under a
// diagram's plot area (cursor B with Shift held).
int CursorClick(CGraphicLayout& layout, CZoomHistory& history, int x, int y,
                CursorId which = CursorId::A);
// Cursor B onto cursor A's sample, and cursor B removed; HINT_CURSOR when it changed.
int CursorBAtCursorA(CGraphicLayout& layout);
int RemoveCursorB(CGraphicLayout& layout);

// Keys Left and Right, Home and End: the cursor in cursor mode, else the window.
int NavigateLeft(CGraphicLayout& layout, CZoomHistory& history, const NavigationModes& modes);
int NavigateRight(CGraphicLayout& layout, CZoomHistory& history, const NavigationModes& modes);
int NavigateHome(CGraphicLayout& layout, CZoomHistory& history, const NavigationModes& modes);
int NavigateEnd(CGraphicLayout& layout, CZoomHistory& history, const NavigationModes& modes);

// The curve in front by delta (keys Up and Down, the wheel); in the all-curves mode the
// window is that one curve, so every curve can come to the front.
int MoveCurve(CGraphicLayout& layout, int delta);
// A page of diagrams up (-1) or down (+1); nothing in the all-curves mode.
int MoveCurvePage(CGraphicLayout& layout, int direction);

// Applies a cursor value format and redraws.
int ApplyCursorFormat(CGraphicLayout& layout, const CursorValueFormat& format);
// The popup commands on a diagram: autoscaling its curve over the visible samples (with
// a snapshot) and switching its curve off.
int YAutoscaleDiagram(CGraphicLayout& layout, CZoomHistory& history, CGraphicDiagram& diagram);
int DeactivateDiagramCurve(CGraphicLayout& layout, CGraphicDiagram& diagram);

}  // namespace grafyon
