// Enabling rules of the range commands, from plain values the document and view supply.
#pragma once

namespace grafyon {

inline constexpr int RANGE_CMD_FIRST_BORDER = 32797;    // "1st range border (Ctrl+1)"
inline constexpr int RANGE_CMD_SECOND_BORDER = 32798;   // "2nd range border (Ctrl+2)"
inline constexpr int RANGE_CMD_ADMINISTRATION = 32799;  // "&Ranges..."
inline constexpr int RANGE_CMD_SHOW = 32814;            // "Show range"

struct RangeCommandState {
    bool documentError = false;
    int datasetCount = 0;
    bool cursorMode = false;
    // A first border that was set and not yet used by a second one.
    bool firstBorderSet = false;
    int rangeCount = 0;
};

bool FirstBorderEnabled(const RangeCommandState& state);
bool SecondBorderEnabled(const RangeCommandState& state);
bool RangesDialogEnabled(const RangeCommandState& state);
bool ShowRangesEnabled(const RangeCommandState& state);
// The rule of one of the four commands above; false for any other number.
bool RangeCommandEnabled(int command, const RangeCommandState& state);

}  // namespace grafyon
