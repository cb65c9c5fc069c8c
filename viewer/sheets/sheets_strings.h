// Numbered texts of the option sheet, the diagram property sheet and the "Scaling" dialog.
#pragma once

#include <QString>

#include <span>

#include "viewer/strings/numbered_text.h"

namespace grafyon {

inline constexpr int SHEETS_STR_MINIMUM = 1035;           // "Minimum" column of the curves page
inline constexpr int SHEETS_STR_MAXIMUM = 1050;           // "Maximum" column of the curves page
inline constexpr int SHEETS_STR_OPTIONS = 1058;           // caption of the option sheet
inline constexpr int SHEETS_STR_DIAGRAM = 1059;           // caption of the diagram property sheet
inline constexpr int SHEETS_STR_LANGUAGE_RESTART = 4125;  // after a language change
inline constexpr int SHEETS_STR_DATASET = 5121;           // "Dataset" column of the curves page

std::span<const ViewerStringEntry> SheetsStringTable();
// The text in the current language; empty for a number the table does not hold.
QString SheetsString(int id);

}  // namespace grafyon
