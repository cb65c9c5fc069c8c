// Numbered texts of saving a measurement.
#pragma once

#include <QString>

#include <span>

#include "viewer/strings/numbered_text.h"

namespace grafyon {

// The file types of the save dialog: first the one-file form, then description and data file.
inline constexpr int SAVE_STR_FILE_FILTER = 1061;

std::span<const ViewerStringEntry> SaveStringTable();
// The text in the current language; empty for a number the table does not hold.
QString SaveString(int id);

}  // namespace grafyon
