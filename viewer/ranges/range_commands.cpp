// Enabling rules of the range commands.
#include "range_commands.h"

namespace grafyon {

bool FirstBorderEnabled(const RangeCommandState& state) {
    return !state.documentError && state.datasetCount > 0 && state.cursorMode;
}

bool SecondBorderEnabled(const RangeCommandState& state) {
    return FirstBorderEnabled(state) && state.firstBorderSet;
}

bool RangesDialogEnabled(const RangeCommandState& state) {
    return !state.documentError && state.rangeCount > 0;
}

bool ShowRangesEnabled(const RangeCommandState& state) {
    return RangesDialogEnabled(state);
}

bool RangeCommandEnabled(int command, const RangeCommandState& state) {
    switch (command) {
        case RANGE_CMD_FIRST_BORDER:
            return FirstBorderEnabled(state);
        case RANGE_CMD_SECOND_BORDER:
            return SecondBorderEnabled(state);
        case RANGE_CMD_ADMINISTRATION:
            return RangesDialogEnabled(state);
        case RANGE_CMD_SHOW:
            return ShowRangesEnabled(state);
        default:
            return false;
    }
}

}  // namespace grafyon
