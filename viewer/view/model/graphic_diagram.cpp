// Plot geometry and label texts of a diagram.
#include "graphic_diagram.h"

#include "viewer/data/dataset.h"

namespace grafyon {

void CGraphicDiagram::Measure(int textHeight) {
    CGraphicObject::Measure(textHeight);
    UpdatePlotRect();
}

void CGraphicDiagram::SetRect(int left, int top, int right, int bottom) {
    CGraphicObject::SetRect(left, top, right, bottom);
    UpdatePlotRect();
}

void CGraphicDiagram::UpdatePlotRect() {
    const int band = 5 * m_textHeight / 4;
    m_plot.left = m_rect.left + labelWidth + 1;
    m_plot.top = m_rect.top + band - 1;
    m_plot.right = m_rect.right - 2;
    m_plot.bottom = m_rect.bottom - band + 1;
}

TickSet CGraphicDiagram::Ticks() const {
    if (curve == nullptr)
        return {};
    return ComputeDiagramTicks(m_plot.Height(), curve->display.displayMinimum,
                               curve->display.displayMaximum, 4, false);
}

std::string CGraphicDiagram::MaximumLabel() const {
    return curve ? MinMaxLabel(curve->display.displayMaximum, labelPrecision) : std::string();
}

std::string CGraphicDiagram::MinimumLabel() const {
    return curve ? MinMaxLabel(curve->display.displayMinimum, labelPrecision) : std::string();
}

std::string CGraphicDiagram::Title() const {
    if (curve == nullptr)
        return {};
    return curve->label + "[" + curve->unit + "]";
}

}  // namespace grafyon
