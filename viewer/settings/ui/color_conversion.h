// Between stored colors (0x00BBGGRR) and QColor.
#pragma once

#include <QColor>

#include "viewer/settings/color_table.h"

namespace grafyon {

// COLOR_TRANSPARENT becomes Qt::transparent.
QColor QColorFromColorRef(ColorRef color);
// A fully transparent color becomes COLOR_TRANSPARENT; otherwise alpha is dropped.
ColorRef ColorRefFromQColor(const QColor& color);

}  // namespace grafyon
