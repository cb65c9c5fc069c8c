// The process-wide reference to the palette of the color buttons.
#include "viewer/settings/active_palette.h"

namespace grafyon {

namespace {

// Only the user-interface thread touches it.
const ColorList* g_activePalette = nullptr;

}  // namespace

void SetActivePalette(const ColorList* palette) {
    g_activePalette = palette;
}

bool IsActivePalette(const ColorList* palette) {
    return palette != nullptr && g_activePalette == palette;
}

const ColorList& ActivePalette() {
    if (g_activePalette == nullptr || g_activePalette->empty())
        return StandardPalette();
    return *g_activePalette;
}

}  // namespace grafyon
