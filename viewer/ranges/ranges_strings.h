// Numbered texts of the range dialogs.
#pragma once

#include <QString>

#include <span>

#include "viewer/strings/numbered_text.h"

namespace grafyon {

inline constexpr int RANGES_STR_RANGE = 5126;         // column "Range"
inline constexpr int RANGES_STR_START_SAMPLE = 5130;  // column "Start sample"
inline constexpr int RANGES_STR_END_SAMPLE = 5131;    // column "End sample"

std::span<const ViewerStringEntry> RangesStringTable();
// The text in the current language; empty for a number the table does not hold.
QString RangesString(int id);

}  // namespace grafyon
