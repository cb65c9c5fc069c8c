// Base of the objects stacked in the view: diagrams and horizontal axes.
#pragma once

#include <cstdint>

#include "graphic_rect.h"

namespace grafyon {

inline constexpr int GRAPHIC_OBJECT_TYPE = 1000;
inline constexpr int GRAPHIC_DIAGRAM_TYPE = 2000;
inline constexpr int GRAPHIC_X_AXIS_TYPE = 3000;

// Drawing is done by the painter of the user interface, which asks Type() which
// kind of object it holds; the model only keeps geometry and state.
class CGraphicObject {
public:
    virtual ~CGraphicObject() = default;

    virtual int Type() const { return GRAPHIC_OBJECT_TYPE; }
    virtual void Measure(int textHeight) { m_textHeight = textHeight; }
    virtual void SetRect(int left, int top, int right, int bottom) {
        m_rect = {left, top, right, bottom};
    }

    const GraphicRect& Rect() const { return m_rect; }
    int TextHeight() const { return m_textHeight; }

    std::uint32_t backgroundColor = 0xF0F0F0;
    std::uint32_t backgroundFrameColor = 0xF0F0F0;

protected:
    GraphicRect m_rect;
    int m_textHeight = 0;
};

}  // namespace grafyon
