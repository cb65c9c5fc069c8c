// Numbered texts of the help.
#pragma once

#include <QString>

#include <span>

#include "viewer/strings/numbered_text.h"

namespace grafyon {

// The file name of the user manual in the current language.
inline constexpr int HELP_STR_FILE = 512;

std::span<const ViewerStringEntry> HelpStringTable();
// The text in the current language; empty for a number the table does not hold.
QString HelpString(int id);

}  // namespace grafyon
