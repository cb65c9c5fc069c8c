// Converting stored colors to and from QColor.
#include "viewer/settings/ui/color_conversion.h"

namespace grafyon {

QColor QColorFromColorRef(ColorRef color) {
    if (color == COLOR_TRANSPARENT)
        return QColor(Qt::transparent);
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

ColorRef ColorRefFromQColor(const QColor& color) {
    if (color.isValid() && color.alpha() == 0)
        return COLOR_TRANSPARENT;
    const QColor rgb = color.toRgb();
    return MakeColorRef(rgb.red(), rgb.green(), rgb.blue());
}

}  // namespace grafyon
