// The stored window placement applied to and taken from a top-level QWidget.
#pragma once

#include <QRect>

#include <vector>

#include "common/settings_file.h"
#include "viewer/settings/window_placement.h"

class QWidget;

namespace grafyon {

PlacementRect ToPlacementRect(const QRect& rect);
QRect ToQRect(const PlacementRect& rect);

// The geometries of the screens connected now.
std::vector<PlacementRect> ConnectedScreenRects();

// The window's placement: its normal geometry and whether it is maximised or minimised.
WindowPlacement PlacementOfWindow(const QWidget& window);

// Gives the window the placement's normal geometry, maximised when its show command says so
// (never minimised or hidden); false, window untouched, when the placement is not on any of
// the screens.
bool ApplyWindowPlacement(QWidget& window, const WindowPlacement& placement,
                          const std::vector<PlacementRect>& screens);
bool ApplyWindowPlacement(QWidget& window, const WindowPlacement& placement);

// "App Window Position" of the settings file: stored when the main window closes, restored
// when it is created. Restore returns whether a placement was applied.
bool StoreWindowPlacement(SettingsFile& file, const QWidget& window);
bool RestoreWindowPlacement(const SettingsFile& file, QWidget& window);

}  // namespace grafyon
