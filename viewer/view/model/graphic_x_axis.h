// A horizontal axis above or below the diagrams.
#pragma once

#include <string>

#include "graphic_object.h"

namespace grafyon {

inline constexpr int X_AXIS_TOP = 1;
inline constexpr int X_AXIS_BOTTOM = 2;

class CGraphicXAxis : public CGraphicObject {
public:
    explicit CGraphicXAxis(int position) : position(position) {}

    int Type() const override { return GRAPHIC_X_AXIS_TYPE; }
    // Spacing plus two text lines (one with the single-line flag).
    int Height() const { return axisSpacing + extraSpacing + (singleLine ? 1 : 2) * m_textHeight; }

    int position;
    int axisSpacing = 3;
    int extraSpacing = 0;
    int mode = 1;          // 1 = time labels, 0 = sample labels
    std::string unitText;  // the title
    std::string startLabel;
    std::string endLabel;
    int startLabelColumn = -1;
    int endLabelColumn = -1;
    double startValue = 0.0;
    double endValue = 0.0;
    int singleLine = 0;
    int plotLeft = 0;
    int plotRight = 0;
};

}  // namespace grafyon
