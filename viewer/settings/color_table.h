// Named colours: the entry type, the default curve colours and the standard palette.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace grafyon::viewer {

// A colour as 0x00BBGGRR.
using ColorRef = std::uint32_t;

// Offered by the colour popup besides the palette; no curve colour of its own.
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

// The 20 curve colours used when the settings file holds no table.
const ColorList& DefaultCurveColors();
// The 16 colours offered by the colour button when no curve colour table is registered.
const ColorList& StandardPalette();

}  // namespace grafyon::viewer
