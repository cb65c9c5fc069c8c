// One diagram: a plot area showing one curve (or all curves in front of one).
#pragma once

#include <string>
#include <vector>

#include "axis_scale.h"
#include "graphic_object.h"
#include "scaling.h"

namespace grafyon {

class Dataset;

// What the labels beside the plot show: the display maximum at the top, the minimum at the
// bottom (the only kind drawn).
enum class LabelKind { MinimumMaximum };

// Pixel columns of a range band inside the plot.
struct RangeBand {
    int left = 0;
    int right = 0;
};

class CGraphicDiagram : public CGraphicObject {
public:
    int Type() const override { return GRAPHIC_DIAGRAM_TYPE; }
    void Measure(int textHeight) override;
    void SetRect(int left, int top, int right, int bottom) override;

    const GraphicRect& PlotRect() const { return m_plot; }

    // The plot rectangle follows the object rectangle, the text height and the
    // label width.
    void UpdatePlotRect();

    Dataset* curve = nullptr;                          // the curve in front, drawn last
    const std::vector<Dataset*>* curveList = nullptr;  // every curve, when all share one diagram
    int labelWidth = 6;
    bool yGrid = false;
    std::uint32_t plotBackground = 0xFFFFFF;
    std::uint32_t plotFrame = 0xC0C0C0;
    std::uint32_t gridColor = 0xC0C0C0;
    std::uint32_t cursorColor = 0xFFFFFF;
    std::uint32_t rangeColor = 0x80FFFF;
    const std::vector<RangeBand>* rangeBands = nullptr;
    LabelKind labelKind = LabelKind::MinimumMaximum;
    bool minMaxLabels = true;
    int labelPrecision = 2;
    CursorValueFormat cursorValueFormat;
    int cursorBoxWidth = 0;

    // The tick set of the front curve over the plot height.
    TickSet Ticks() const;
    // Texts of the maximum and minimum labels of the front curve.
    std::string MaximumLabel() const;
    std::string MinimumLabel() const;
    // The title: label followed by "[unit]".
    std::string Title() const;

private:
    GraphicRect m_plot;
};

}  // namespace grafyon
