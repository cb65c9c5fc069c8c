// Numbered texts of the document and the diagram view.
#pragma once

#include <QString>

#include <span>

#include "viewer/strings/numbered_text.h"

namespace grafyon {

inline constexpr int VIEW_STR_TIME = 1024;       // carrier name of an old time base
inline constexpr int VIEW_STR_NO_FILE = 1048;    // "No File opened !"
inline constexpr int VIEW_STR_NO_CURVES = 1051;  // "No curves defined !"
inline constexpr int VIEW_STR_INTERNAL = 1052;   // "Internal error !"
inline constexpr int VIEW_STR_SAMPLES = 1053;    // title of an axis in samples
inline constexpr int VIEW_STR_SECONDS = 1054;    // carrier unit of an old time base
inline constexpr int VIEW_STR_NO_DATA = 1065;    // "No existing data !"
inline constexpr int VIEW_STR_UNKNOWN_FORMAT = 4096;
inline constexpr int VIEW_STR_CORRUPT = 4097;
inline constexpr int VIEW_STR_UNKNOWN_ERROR = 4098;
inline constexpr int VIEW_STR_NOT_SUPPORTED = 4099;
inline constexpr int VIEW_STR_DATA_FILE_NOT_OPENED = 4100;
inline constexpr int VIEW_STR_FILE_MAPPING = 4101;
inline constexpr int VIEW_STR_NO_DATA_AVAILABLE = 4118;

std::span<const ViewerStringEntry> ViewStringTable();
// The text in the current language; empty for a number the table does not hold.
QString ViewString(int id);

}  // namespace grafyon
