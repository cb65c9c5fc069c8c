// Numbered texts of the main window: toolbar titles, status bar panes, command prompts.
#pragma once

#include <QString>

#include <span>

#include "viewer/strings/numbered_text.h"

namespace grafyon {

inline constexpr int FRAME_STR_DIAGRAM_BAR = 1059;
inline constexpr int FRAME_STR_STANDARD_BAR = 1060;
inline constexpr int FRAME_STR_RANGES_BAR = 5125;
inline constexpr int FRAME_STR_SCANNING = 5126;  // %1: percent
inline constexpr int FRAME_STR_READY = 57345;
inline constexpr int FRAME_STR_CAP = 59137;
inline constexpr int FRAME_STR_NUM = 59138;
inline constexpr int FRAME_STR_SCRL = 59139;

std::span<const ViewerStringEntry> FrameStringTable();
// The text in the current language; a command's prompt is "status text\ntool tip".
QString FrameString(int id);

// The status-bar text and the tool tip of a command's prompt.
QString PromptStatusText(const QString& prompt);
QString PromptToolTip(const QString& prompt);

}  // namespace grafyon
