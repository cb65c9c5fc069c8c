// The settings lines of the about box's report page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "viewer/settings/viewer_settings.h"

namespace grafyon {

inline constexpr int SETTINGS_REPORT_LINE_COUNT = 18;

// Line lineNumber (counted from 0) into text and true; false, text untouched, after the
// last line. fontFaceName is the face of the user-interface font.
bool SettingsReportLine(int lineNumber, const ViewerSettings& settings,
                        std::string_view fontFaceName, std::string& text);

// All lines in order.
std::vector<std::string> SettingsReportLines(const ViewerSettings& settings,
                                             std::string_view fontFaceName);

}  // namespace grafyon
