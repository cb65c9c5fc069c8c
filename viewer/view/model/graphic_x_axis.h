// A horizontal axis above or below the diagrams.
#pragma once

#include <string>

#include "graphic_object.h"

namespace grafyon {

// Where an axis stands: above the diagrams or below them.
enum class XAxisPosition { Top, Bottom };
// What an axis counts in.
enum class XAxisUnit { Samples, Time };

class CGraphicXAxis : public CGraphicObject {
public:
    explicit CGraphicXAxis(XAxisPosition position) : position(position) {}

    int Type() const override { return GRAPHIC_X_AXIS_TYPE; }
    // Spacing plus two text lines (one with the single-line flag).
    int Height() const { return axisSpacing + extraSpacing + (singleLine ? 1 : 2) * m_textHeight; }

    XAxisPosition position;
    int axisSpacing = 3;
    int extraSpacing = 0;
    XAxisUnit unit = XAxisUnit::Time;
    std::string unitText;  // the title
    std::string startLabel;
    std::string endLabel;
    int startLabelColumn = -1;
    int endLabelColumn = -1;
    double startValue = 0.0;
    double endValue = 0.0;
    bool singleLine = false;
    int plotLeft = 0;
    int plotRight = 0;
};

}  // namespace grafyon
