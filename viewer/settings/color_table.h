// Named colors: the entry type, the default curve colors and the standard palette.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace grafyon {

// A color as 0x00BBGGRR.
using ColorRef = std::uint32_t;

// Offered by the color popup besides the palette; no curve color of its own.
inline constexpr ColorRef COLOR_TRANSPARENT = 0xFFFFFFFFu;

constexpr ColorRef MakeColorRef(int red, int green, int blue) {
    return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(ColorRef color) {
    return static_cast<int>(color & 0xFF);
}
constexpr int GreenOf(ColorRef color) {
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef color) {
    return static_cast<int>((color >> 16) & 0xFF);
}

struct ColorEntry {
    ColorRef color = 0;
    std::string name;

    bool operator==(const ColorEntry&) const = default;
};

using ColorList = std::vector<ColorEntry>;

// The 20 curve colors used when the settings file holds no table.
const ColorList& DefaultCurveColors();
// The 16 colors offered by the color button when no curve color table is registered.
const ColorList& StandardPalette();

}  // namespace grafyon
