// The main window's placement as stored in "App Window Position", and when to apply it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/settings_file.h"

namespace grafyon {

// Show commands of a placement.
inline constexpr unsigned PLACEMENT_SHOW_NORMAL = 1;
inline constexpr unsigned PLACEMENT_SHOW_MINIMIZED = 2;
inline constexpr unsigned PLACEMENT_SHOW_MAXIMIZED = 3;
inline constexpr unsigned PLACEMENT_SHOW_MINIMIZE = 6;
inline constexpr unsigned PLACEMENT_SHOW_MIN_NO_ACTIVE = 7;
inline constexpr unsigned PLACEMENT_SHOW_FORCE_MINIMIZE = 11;
// Flag: the window goes back to maximised when restored from minimised.
inline constexpr unsigned PLACEMENT_RESTORE_TO_MAXIMIZED = 2;

// How much of a stored window must overlap a screen (pixels each way) to be usable.
inline constexpr int PLACEMENT_MIN_VISIBLE = 32;

// A rectangle as left, top, right, bottom; right and bottom lie just outside.
struct PlacementRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PlacementRect&) const = default;
};

struct WindowPlacement {
    unsigned flags = 0;
    unsigned showCommand = PLACEMENT_SHOW_NORMAL;
    int minimizedX = -1;
    int minimizedY = -1;
    int maximizedX = -1;
    int maximizedY = -1;
    PlacementRect normal;

    bool operator==(const WindowPlacement&) const = default;
};

// The ten numbers as "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d".
std::string FormatWindowPlacement(const WindowPlacement& placement);
// The same format; nullopt unless all ten numbers are read (blanks may precede a number,
// text after the tenth is ignored, a number outside 32 bits makes the text malformed).
std::optional<WindowPlacement> ParseWindowPlacement(std::string_view text);

bool IsMinimizedShowCommand(unsigned showCommand);
// The form that is stored: a minimised window is stored as shown normal.
WindowPlacement PlacementForStorage(WindowPlacement placement);

// Whether the placement may be applied on the given screens: its normal rectangle is not
// empty, not larger than all screens together, and overlaps one screen by at least
// PLACEMENT_MIN_VISIBLE pixels each way (or by its whole size when smaller).
bool PlacementIsOnScreen(const WindowPlacement& placement,
                         const std::vector<PlacementRect>& screens);

// "App Window Position" of section "Settings"; nullopt when missing or malformed.
std::optional<WindowPlacement> ReadWindowPlacement(const SettingsFile& file);
// Stores PlacementForStorage(placement).
bool WriteWindowPlacement(SettingsFile& file, const WindowPlacement& placement);

}  // namespace grafyon
