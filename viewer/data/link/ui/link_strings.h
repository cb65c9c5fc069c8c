// Numbered texts of linking recordings.
#pragma once

#include <QString>

#include <span>

#include "viewer/strings/numbered_text.h"

namespace grafyon {

inline constexpr int LINK_STR_DATASET_COUNT = 1067;  // "Different number of datasets"
inline constexpr int LINK_STR_RESOLUTION = 1068;     // "Different resolution"
inline constexpr int LINK_STR_FRAME_SIZE = 1069;     // "Different frame size"
inline constexpr int LINK_STR_FILE_FILTER = 1070;    // the save dialog's file type
inline constexpr int LINK_STR_FOLDERS = 1071;        // "Different folders"
// "Dataset", the first column of the curves page, also begins a dataset's reason.
inline constexpr int LINK_STR_DATASET = 5121;

std::span<const ViewerStringEntry> LinkStringTable();
// The text in the current language; empty for a number the table does not hold. "Dataset"
// comes from the curves page's table, whose number it shares.
QString LinkString(int id);

}  // namespace grafyon
