// The one process-wide palette that color buttons offer.
#pragma once

#include "viewer/settings/color_table.h"

namespace grafyon {

// Refers to palette (owned elsewhere; it must outlive the registration) from now on;
// nullptr returns to the standard palette.
void SetActivePalette(const ColorList* palette);
bool IsActivePalette(const ColorList* palette);
// The registered list, or the standard palette when none is registered or it is empty.
const ColorList& ActivePalette();

}  // namespace grafyon
