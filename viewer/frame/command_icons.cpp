// Images of the toolbar commands.
#include "command_icons.h"

#include <QString>

namespace grafyon {

namespace {

struct CommandImage {
    int commandId;
    const char* themeName;  // freedesktop icon name, or empty when none fits
    const char* ownImage;   // file in the resource folder :/icons
};

constexpr CommandImage IMAGES[] = {
    {57601, "document-open", "open.svg"},
    {57604, "document-save-as", "save-as.svg"},
    {32807, "document-send", "export.svg"},
    {32773, "dialog-information", "file-info.svg"},
    {32774, "document-properties", "diagram-properties.svg"},
    {32780, "", "next-curve.svg"},
    {32781, "", "previous-curve.svg"},
    {32782, "", "full-range.svg"},
    {32784, "", "show-all.svg"},
    {32783, "", "autoscale.svg"},
    {32785, "", "equalized.svg"},
    {32786, "zoom-in", "zoom-in.svg"},
    {32787, "zoom-out", "zoom-out.svg"},
    {32788, "", "zoom-center.svg"},
    {32789, "edit-undo", "undo.svg"},
    {32790, "edit-redo", "redo.svg"},
    {32791, "", "cursor-mode.svg"},
    {32792, "", "cursor-left.svg"},
    {32793, "", "cursor-right.svg"},
    {32797, "", "range-first.svg"},
    {32798, "", "range-second.svg"},
    {32799, "", "range-administration.svg"},
    {32814, "", "show-range.svg"},
};

}  // namespace

QIcon CommandIcon(int commandId) {
    for (const CommandImage& image : IMAGES) {
        if (image.commandId != commandId)
            continue;
        const QIcon own(QStringLiteral(":/icons/") + QLatin1String(image.ownImage));
        if (image.themeName[0] == '\0')
            return own;
        return QIcon::fromTheme(QLatin1String(image.themeName), own);
    }
    return {};
}

}  // namespace grafyon
