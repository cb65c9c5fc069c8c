// Which navigation commands are enabled and which show a check mark.
#include "command_state.h"

#include <algorithm>
#include <iterator>

#include "navigation_commands.h"

namespace grafyon {

namespace {

constexpr int COMMANDS[] = {
    NAV_CMD_LEFT,
    NAV_CMD_RIGHT,
    NAV_CMD_NEXT_CURVE,
    NAV_CMD_PREVIOUS_CURVE,
    NAV_CMD_FULL_RANGE,
    NAV_CMD_AUTOSCALE,
    NAV_CMD_SHOW_ALL,
    NAV_CMD_EQUALIZED_SCALING,
    NAV_CMD_ZOOM_IN,
    NAV_CMD_ZOOM_OUT,
    NAV_CMD_ZOOM_CENTER_MODE,
    NAV_CMD_UNDO_ZOOM,
    NAV_CMD_REDO_ZOOM,
    NAV_CMD_CURSOR_MODE,
    NAV_CMD_CURSOR_STEP_LEFT,
    NAV_CMD_CURSOR_STEP_RIGHT,
    NAV_CMD_POPUP_INFORMATIONS,
    NAV_CMD_Y_PROPERTIES,
    NAV_CMD_X_PROPERTIES,
    NAV_CMD_CURSOR_FORMAT,
    NAV_CMD_POPUP_PROPERTIES,
    NAV_CMD_POPUP_Y_AUTOSCALE,
    NAV_CMD_TENTH_LEFT,
    NAV_CMD_TENTH_RIGHT,
    NAV_CMD_HOME,
    NAV_CMD_END,
    NAV_CMD_POPUP_DEACTIVATE,
    NAV_CMD_CURVE_PAGE_DOWN,
    NAV_CMD_CURVE_PAGE_UP,
    NAV_CMD_CURSOR_B_LEFT,
    NAV_CMD_CURSOR_B_RIGHT,
    NAV_CMD_CURSOR_B_AT_CURSOR,
    NAV_CMD_CURSOR_B_REMOVE,
};

}  // namespace

bool IsNavigationCommand(int id) {
    return std::find(std::begin(COMMANDS), std::end(COMMANDS), id) != std::end(COMMANDS);
}

bool CommandEnabled(int id, const CommandContext& context) {
    if (!IsNavigationCommand(id) || !context.documentUsable)
        return false;
    switch (id) {
        case NAV_CMD_UNDO_ZOOM:
            return context.historyIndex > 0;
        case NAV_CMD_REDO_ZOOM:
            return context.historyCount - context.historyIndex - 1 > 0;
        case NAV_CMD_CURSOR_STEP_LEFT:
        case NAV_CMD_CURSOR_STEP_RIGHT:
        case NAV_CMD_CURSOR_B_LEFT:
        case NAV_CMD_CURSOR_B_RIGHT:
        case NAV_CMD_CURSOR_B_AT_CURSOR:
            return context.cursorMode;
        default:
            return true;
    }
}

bool CommandCheckable(int id) {
    return id == NAV_CMD_ZOOM_CENTER_MODE || id == NAV_CMD_CURSOR_MODE;
}

bool CommandChecked(int id, const CommandContext& context) {
    if (id == NAV_CMD_ZOOM_CENTER_MODE)
        return context.zoomAndCenterMode;
    if (id == NAV_CMD_CURSOR_MODE)
        return context.cursorMode;
    return false;
}

}  // namespace grafyon
