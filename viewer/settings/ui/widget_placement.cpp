// Taking and applying the main window's placement with Qt.
#include "viewer/settings/ui/widget_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace grafyon {

PlacementRect ToPlacementRect(const QRect& rect) {
    // QRect's right and bottom are the last pixels; the stored ones lie just outside.
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QRect ToQRect(const PlacementRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

std::vector<PlacementRect> ConnectedScreenRects() {
    std::vector<PlacementRect> rects;
    for (const QScreen* screen : QGuiApplication::screens()) {
        rects.push_back(ToPlacementRect(screen->geometry()));
    }
    return rects;
}

WindowPlacement PlacementOfWindow(const QWidget& window) {
    WindowPlacement placement;
    const Qt::WindowStates state = window.windowState();
    const bool minimized = state.testFlag(Qt::WindowMinimized);
    const bool maximized = state.testFlag(Qt::WindowMaximized);
    if (minimized) {
        placement.showCommand = PLACEMENT_SHOW_MINIMIZED;
        if (maximized)
            placement.flags = PLACEMENT_RESTORE_TO_MAXIMIZED;
    } else if (maximized) {
        placement.showCommand = PLACEMENT_SHOW_MAXIMIZED;
    }
    QRect normal = window.normalGeometry();
    if (!normal.isValid())
        normal = window.geometry();
    placement.normal = ToPlacementRect(normal);
    return placement;
}

bool ApplyWindowPlacement(QWidget& window, const WindowPlacement& placement,
                          const std::vector<PlacementRect>& screens) {
    if (!PlacementIsOnScreen(placement, screens))
        return false;
    Qt::WindowStates state = window.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state != window.windowState())
        window.setWindowState(state);
    window.setGeometry(ToQRect(placement.normal));
    if (placement.showCommand == PLACEMENT_SHOW_MAXIMIZED) {
        window.setWindowState(state | Qt::WindowMaximized);
    }
    return true;
}

bool ApplyWindowPlacement(QWidget& window, const WindowPlacement& placement) {
    return ApplyWindowPlacement(window, placement, ConnectedScreenRects());
}

bool StoreWindowPlacement(SettingsFile& file, const QWidget& window) {
    return WriteWindowPlacement(file, PlacementOfWindow(window));
}

bool RestoreWindowPlacement(const SettingsFile& file, QWidget& window) {
    const std::optional<WindowPlacement> placement = ReadWindowPlacement(file);
    return placement && ApplyWindowPlacement(window, *placement);
}

}  // namespace grafyon
