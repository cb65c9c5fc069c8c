// What the diagrams keep per dataset for drawing it as a curve.
#pragma once

#include <cstdint>
#include <vector>

namespace grafyon {

struct CurvePoint {
    int x = 0;
    int y = 0;
};

inline constexpr int FLAT_PIXEL_NOT_CONSTANT = 999999;

struct DatasetDisplay {
    int activeAtLastAssignment = 0;
    double displayMinimum = 0.0;
    double displayMaximum = 0.0;
    std::uint32_t color = 0;  // 0x00BBGGRR
    bool pointsDirty = true;
    std::vector<CurvePoint> points;  // two per pixel column
    int pointCount = 0;
    int flatPixel = FLAT_PIXEL_NOT_CONSTANT;
    int bufferPlotTop = 0;
    double valueAtCursor = 0.0;
    int cursorPixelRow = 0;
    int plotTopAtCursor = 0;

    // Stores the range and marks the points dirty; false when nothing changed.
    bool SetDisplayRange(double minimum, double maximum) {
        if (minimum == displayMinimum && maximum == displayMaximum)
            return false;
        displayMinimum = minimum;
        displayMaximum = maximum;
        pointsDirty = true;
        return true;
    }
};

}  // namespace grafyon
