// Between the stored font record and QFont.
#pragma once

#include <QFont>

#include "viewer/settings/log_font.h"

namespace grafyon {

// Largest pixel size a stored record may ask for; a damaged file must not make the glyph
// cache rasterise giant glyphs.
inline constexpr int FONT_PIXEL_SIZE_MAX = 1024;

// The record's face, size, weight, style and hints as a QFont. A negative height is the
// character height in pixels; a positive one the cell height (ascent plus descent); 0 keeps
// the default size. Escapement, orientation, character set and precisions have no QFont
// counterpart and are left out.
QFont QFontFromLogFont(const LogFont& font);

// The record of a font's face, character height in pixels (negative), weight, style and
// hints, as the labelling page stores it.
LogFont LogFontFromQFont(const QFont& font);

}  // namespace grafyon
