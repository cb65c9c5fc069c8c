// Pixel rectangles of the diagram model: right and bottom are exclusive.
#pragma once

namespace grafyon {

struct GraphicRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const GraphicRect&) const = default;
};

}  // namespace grafyon
