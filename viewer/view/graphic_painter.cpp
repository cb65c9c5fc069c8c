// QPainter drawing of the diagram model.
#include "graphic_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

#include "model/axis_scale.h"
#include "model/graphic_layout.h"
#include "viewer/data/dataset.h"

namespace grafyon {

namespace {

QColor Color(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

QRect ToQRect(const GraphicRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// Row of value v inside a plot whose value range is [minimum, maximum].
int ValueRow(double v, double minimum, double maximum, const GraphicRect& plot) {
    const double range = maximum - minimum;
    if (!(range > 0.0))
        return plot.bottom - 1;
    return plot.bottom - 1 +
           static_cast<int>(std::trunc((v - minimum) / range * (plot.top - plot.bottom + 1)));
}

// Ticks of one kind along a scale: calls visit(position value) for every multiple.
template <class Visit>
void ForEachTick(double minimum, double maximum, double step, int maxTicks, Visit visit) {
    if (!(step > 0.0))
        return;
    // The ends themselves count as ticks too when they are multiples.
    ForEachMultiple(minimum - step * 1e-9, maximum + step * 1e-9, step, maxTicks, visit);
}

}  // namespace

int PainterTextHeight(const QFont& font) {
    return QFontMetrics(font).height();
}

int PainterCharUnit(const QFont& font) {
    return QFontMetrics(font).horizontalAdvance(QStringLiteral("00000")) / 10;
}

void CGraphicPainter::Bind(CGraphicLayout* layout) {
    m_layout = layout;
    RebuildObjects();
}

void CGraphicPainter::RebuildObjects() {
    m_objects.clear();
    m_drawings.clear();
    if (m_layout == nullptr)
        return;
    for (int i = 0; i < m_layout->ObjectCount(); ++i) {
        if (CGraphicObject* object = m_layout->ObjectAt(i))
            m_objects.push_back(object);
    }
}

const DiagramDrawing* CGraphicPainter::Drawing(const CGraphicDiagram& diagram) const {
    const auto found = m_drawings.find(&diagram);
    return found == m_drawings.end() ? nullptr : &found->second;
}

int CGraphicPainter::Paint(QPainter& painter, const QFont& font, int flags, const QRect& clip) {
    if (m_layout == nullptr)
        return LAYOUT_INTERNAL;
    if (forceFull) {
        forceFull = false;
        flags = DRAW_ALL;
    }
    painter.save();
    painter.setFont(font);
    const int textHeight = PainterTextHeight(font);
    const int charUnit = PainterCharUnit(font);
    const int result = m_layout->LayoutPass(textHeight, charUnit, (flags & DRAW_OBJECTS) != 0);
    if (result != 0) {
        painter.restore();
        return result;
    }
    if (static_cast<int>(m_objects.size()) != m_layout->ObjectCount())
        RebuildObjects();
    if (flags & DRAW_SEPARATORS) {
        for (std::size_t i = 0; i + 1 < m_objects.size(); ++i) {
            DrawSeparator(painter, m_objects[i]->Rect().bottom, m_layout->ClientRect().Width());
        }
    }
    if (flags & DRAW_OBJECTS) {
        for (CGraphicObject* object : m_objects) {
            if (!ToQRect(object->Rect()).intersects(clip))
                continue;
            if (object->Type() == GRAPHIC_DIAGRAM_TYPE) {
                DrawDiagram(painter, static_cast<const CGraphicDiagram&>(*object), flags);
            } else if (object->Type() == GRAPHIC_X_AXIS_TYPE) {
                DrawAxis(painter, static_cast<CGraphicXAxis&>(*object), flags);
            }
        }
    }
    painter.restore();
    return 0;
}

void CGraphicPainter::DrawSeparator(QPainter& painter, int y, int width) const {
    const int gap = m_layout->Gap();
    if (gap <= 0)
        return;
    auto line = [&](int row, QColor color) {
        painter.setPen(QPen(color, 1));
        painter.drawLine(0, row, width - 1, row);
    };
    if (gap == 1) {
        line(y, Qt::black);
        return;
    }
    line(y, QColor(0x80, 0x80, 0x80));
    for (int row = y + 1; row <= y + gap - 2; ++row)
        line(row, QColor(0xC0, 0xC0, 0xC0));
    line(y + gap - 1, Qt::black);
}

void CGraphicPainter::DrawDiagram(QPainter& painter, const CGraphicDiagram& diagram, int flags) {
    const QRect rect = ToQRect(diagram.Rect());
    if (flags & DRAW_BACKGROUNDS)
        painter.fillRect(rect, Color(diagram.backgroundColor));
    Dataset* front = diagram.curve;
    if (front == nullptr)
        return;
    const GraphicRect& plot = diagram.PlotRect();
    painter.save();
    painter.setClipRect(rect);
    const bool plotUsable = plot.Width() >= 1 && plot.Height() >= 1;
    const double minimum = front->display.displayMinimum;
    const double maximum = front->display.displayMaximum;
    const TickSet ticks = plotUsable ? diagram.Ticks() : TickSet{};
    const int maxLines = std::max(0, plot.Height() / 4 + 2);

    if (plotUsable) {
        painter.fillRect(QRect(plot.left - 1, plot.top - 1, plot.Width() + 2, plot.Height() + 2),
                         Color(diagram.plotFrame));
        painter.fillRect(ToQRect(plot), Color(diagram.plotBackground));
        if (diagram.rangeBands != nullptr) {
            for (const RangeBand& band : *diagram.rangeBands) {
                if (band.left < plot.left || band.right < band.left)
                    continue;
                const QRect fill(band.left, plot.top, band.right - band.left + 1, plot.Height());
                painter.fillRect(fill.intersected(ToQRect(plot)), Color(diagram.rangeColor));
            }
        }
        painter.setClipRect(ToQRect(plot));
        if (diagram.yGrid && ticks.major > 0.0) {
            QPen grid(Color(diagram.gridColor), 1, Qt::DotLine);
            painter.setPen(grid);
            painter.setBackground(Color(diagram.plotBackground));
            painter.setBackgroundMode(Qt::OpaqueMode);
            ForEachMultiple(minimum, maximum, ticks.major, maxLines, [&](double v) {
                const int row = ValueRow(v, minimum, maximum, plot);
                painter.drawLine(plot.left, row, plot.right - 1, row);
            });
            painter.setBackgroundMode(Qt::TransparentMode);
        }
        std::vector<Dataset*> curves;
        if (diagram.curveList != nullptr) {
            for (Dataset* c : *diagram.curveList) {
                if (c != front)
                    curves.push_back(c);
            }
        }
        curves.push_back(front);
        for (Dataset* curve : curves) {
            const DatasetDisplay& d = curve->display;
            const int count = std::min<int>(d.pointCount, static_cast<int>(d.points.size()));
            if (count < 1 || !(d.displayMaximum > d.displayMinimum))
                continue;
            const int shift = plot.top - d.bufferPlotTop;
            QPolygon line(count);
            for (int i = 0; i < count; ++i) {
                line.setPoint(i, d.points[static_cast<std::size_t>(i)].x,
                              d.points[static_cast<std::size_t>(i)].y + shift);
            }
            painter.setPen(QPen(Color(d.color), 1));
            if (count == 1) {
                painter.drawPoint(line.point(0));
            } else {
                painter.drawPolyline(line);
            }
        }
        painter.setClipRect(rect);
    }

    // The tick strip left of the plot and the labels, in the front curve's color.
    const QColor text = Color(front->display.color);
    painter.setPen(QPen(text, 1));
    if (plotUsable) {
        const GraphicRect strip{plot.left, plot.top, plot.right, plot.bottom};
        const int right = plot.left - 2;
        const std::pair<double, int> kinds[] = {{ticks.sub, 2}, {ticks.minor, 3}, {ticks.major, 5}};
        for (const auto& [step, length] : kinds) {
            ForEachTick(minimum, maximum, step, maxLines, [&](double v) {
                const int row = ValueRow(v, minimum, maximum, strip);
                painter.drawLine(right - length + 1, row, right, row);
            });
        }
    }
    const QFontMetrics metrics(painter.font());
    const int textHeight = metrics.height();
    const QString maxText = QString::fromStdString(diagram.MaximumLabel());
    const QString minText = QString::fromStdString(diagram.MinimumLabel());
    const int left = diagram.Rect().left + 2;
    painter.drawText(QPoint(left, diagram.Rect().top + metrics.ascent()), maxText);
    painter.drawText(QPoint(left, diagram.Rect().bottom - textHeight - 1 + metrics.ascent()),
                     minText);
    const int titleOffset = metrics.horizontalAdvance(maxText);
    m_drawings[&diagram].titleOffset = titleOffset;

    const QString title = QString::fromStdString(diagram.Title());
    const QRect titleRect(QPoint(diagram.Rect().left + titleOffset + 5, diagram.Rect().top),
                          QPoint(diagram.Rect().right - 3 - 1, plot.top - 2 - 1));
    if (titleRect.width() > 0 && titleRect.height() > 0) {
        painter.save();
        painter.setClipRect(titleRect);
        const int width = metrics.horizontalAdvance(title);
        const int x = width <= titleRect.width()
                          ? titleRect.left() + (titleRect.width() - width) / 2
                          : titleRect.right() + 1 - width;
        painter.drawText(QPoint(x, titleRect.top() + metrics.ascent()), title);
        painter.restore();
    }
    painter.restore();
}

void CGraphicPainter::DrawAxis(QPainter& painter, CGraphicXAxis& axis, int flags) const {
    const QRect rect = ToQRect(axis.Rect());
    if (flags & DRAW_BACKGROUNDS)
        painter.fillRect(rect, Color(axis.backgroundColor));
    painter.save();
    painter.setClipRect(rect);
    painter.setPen(QPen(Qt::black, 1));
    const QFontMetrics metrics(painter.font());
    const int textHeight = metrics.height();
    const int pixels = axis.plotRight - axis.plotLeft;
    CAxisScale scale;
    scale.SetRange(axis.startValue, axis.endValue);
    scale.SetTickLengths(4, 8);
    const int decimals = scale.Compute(pixels, 4, axis.unit == XAxisUnit::Samples);
    const TickSet ticks = scale.Ticks();
    const double span = axis.endValue - axis.startValue;
    const bool bottom = axis.position == XAxisPosition::Bottom;
    auto column = [&](double v) {
        return axis.plotLeft + static_cast<int>(std::trunc((v - axis.startValue) / span * pixels));
    };
    if (span > 0.0 && pixels > 0) {
        const int maxTicks = pixels + 2;
        const std::pair<double, int> kinds[] = {
            {ticks.sub, 2}, {ticks.minor, scale.MinorLength()}, {ticks.major, scale.MajorLength()}};
        for (const auto& [step, length] : kinds) {
            ForEachTick(axis.startValue, axis.endValue, step, maxTicks, [&](double v) {
                const int x = column(v);
                if (bottom) {
                    painter.drawLine(x, rect.top(), x, rect.top() + length - 1);
                } else {
                    painter.drawLine(x, rect.bottom() - length + 1, x, rect.bottom());
                }
            });
        }
        // Labels right of their major ticks, skipping those that would collide.
        int freeFrom = rect.left();
        const int baseline = bottom ? rect.top() + 1 + metrics.ascent()
                                    : rect.bottom() - textHeight + metrics.ascent();
        ForEachTick(axis.startValue, axis.endValue, ticks.major, maxTicks, [&](double v) {
            const QString label = QString::fromStdString(AxisTickLabel(v, ticks.major, decimals));
            const int x = column(v) + 2;
            const int width = metrics.horizontalAdvance(label);
            if (x < freeFrom || x + width > rect.right() + 1)
                return;
            painter.drawText(QPoint(x, baseline), label);
            freeFrom = x + width + metrics.horizontalAdvance(QLatin1Char('0'));
        });
    }
    const QString title = QString::fromStdString(axis.unitText);
    const int titleTop =
        bottom ? rect.top() + textHeight + 3 : rect.bottom() + 1 - 2 * textHeight - 3 - 1;
    const int width = metrics.horizontalAdvance(title);
    const int x = axis.plotLeft + (pixels - width) / 2;
    painter.drawText(QPoint(x, titleTop + metrics.ascent()), title);
    painter.restore();
}

QRect CGraphicPainter::ValueBox(const CGraphicDiagram& diagram) const {
    // Twice the cursor box width: the value and the cursor's position side by side.
    const int right = diagram.Rect().right - 1;
    const int left = diagram.Rect().right - 2 * diagram.cursorBoxWidth - 5;
    const int top = diagram.Rect().top + 1;
    const int bottom = diagram.PlotRect().top - 2;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

namespace {

// The part rect of image (in the painter's logical pixels) with its colors inverted, as a
// white pen under difference or exclusive-or composition leaves it.
QImage InvertedPart(const QImage& image, const QRect& rect) {
    const qreal ratio = image.devicePixelRatio();
    const QRect device(qRound(rect.x() * ratio), qRound(rect.y() * ratio),
                       std::max(1, qRound(rect.width() * ratio)),
                       std::max(1, qRound(rect.height() * ratio)));
    QImage part = image.copy(device);
    part.invertPixels(QImage::InvertRgb);
    return part;
}

}  // namespace

void CGraphicPainter::DrawCursor(QPainter& painter, const CGraphicDiagram& diagram,
                                 const QImage* below) {
    Dataset* front = diagram.curve;
    if (front == nullptr || !m_layout->cursorOn || m_layout->cursorColumn < 0)
        return;
    const GraphicRect& plot = diagram.PlotRect();
    if (plot.Width() < 1 || plot.Height() < 1)
        return;
    const int column = m_layout->cursorColumn;
    const int row = front->display.cursorPixelRow + (plot.top - front->display.plotTopAtCursor);
    const bool columnInside = column >= plot.left && column < plot.right;
    const bool rowInside = row >= plot.top && row < plot.bottom;
    const bool white = (diagram.cursorColor & 0xFFFFFFu) == 0xFFFFFFu;
    if (below != nullptr && !below->isNull() && white) {
        const QRect vertical(column, plot.top, 1, plot.Height());
        const QRect horizontal(plot.left, row, plot.Width(), 1);
        if (columnInside)
            painter.drawImage(QRectF(vertical), InvertedPart(*below, vertical));
        if (rowInside) {
            QImage strip = InvertedPart(*below, horizontal);
            // Where the two lines cross, the second inversion restores the pixel.
            if (columnInside) {
                const QImage original =
                    below->copy(QRect(qRound(column * below->devicePixelRatio()),
                                      qRound(row * below->devicePixelRatio()), 1, 1));
                const int x = qRound((column - plot.left) * below->devicePixelRatio());
                if (x < strip.width())
                    strip.setPixel(x, 0, original.pixel(0, 0));
            }
            painter.drawImage(QRectF(horizontal), strip);
        }
    } else {
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        painter.setPen(QPen(Color(diagram.cursorColor), 1));
        if (columnInside)
            painter.drawLine(column, plot.top, column, plot.bottom - 1);
        if (rowInside)
            painter.drawLine(plot.left, row, plot.right - 1, row);
        painter.restore();
    }
    DiagramDrawing& drawn = m_drawings[&diagram];
    drawn.cursorDrawn = true;
    drawn.cursorColumn = column;
    drawn.cursorRow = row;

    const QRect box = ValueBox(diagram);
    if (box.width() <= 0 || box.height() <= 0)
        return;
    painter.fillRect(box, Color(diagram.backgroundColor));
    const CursorValueFormat& format = diagram.cursorValueFormat;
    const double position = m_layout->AxisInSamples()
                                ? static_cast<double>(m_layout->cursorSample + 1)
                                : m_layout->cursorTime;
    const QString value =
        QString::fromStdString(format.Apply(front->display.valueAtCursor)).trimmed();
    const QString where = QString::fromStdString(format.Apply(position)).trimmed();
    painter.setPen(Color(front->display.color));
    QRect valueRect = box;
    valueRect.setLeft(box.left() + box.width() / 2);
    QRect whereRect = box;
    whereRect.setRight(valueRect.left() - 1);
    painter.drawText(valueRect, Qt::AlignRight | Qt::AlignVCenter, value);
    painter.drawText(whereRect, Qt::AlignRight | Qt::AlignVCenter, where);
}

std::vector<QRect> CGraphicPainter::PaintCursors(QPainter& painter, const QFont& font,
                                                 const QImage* below) {
    std::vector<QRect> touched;
    if (m_layout == nullptr)
        return touched;
    painter.save();
    painter.setFont(font);
    for (int i = 0; i < m_layout->DiagramCount(); ++i)
        DrawCursor(painter, m_layout->Diagram(i), below);
    painter.restore();
    return CursorRegions(font);
}

std::vector<QRect> CGraphicPainter::CursorRegions(const QFont&) const {
    std::vector<QRect> regions;
    if (m_layout == nullptr || !m_layout->cursorOn)
        return regions;
    for (int i = 0; i < m_layout->DiagramCount(); ++i) {
        const CGraphicDiagram& diagram = m_layout->Diagram(i);
        if (diagram.curve == nullptr)
            continue;
        const GraphicRect& plot = diagram.PlotRect();
        const int column = m_layout->cursorColumn;
        if (column >= plot.left && column < plot.right)
            regions.emplace_back(column, plot.top, 1, plot.Height());
        const int row = diagram.curve->display.cursorPixelRow +
                        (plot.top - diagram.curve->display.plotTopAtCursor);
        if (row >= plot.top && row < plot.bottom)
            regions.emplace_back(plot.left, row, plot.Width(), 1);
        const QRect box = ValueBox(diagram);
        if (box.isValid())
            regions.push_back(box);
    }
    return regions;
}

}  // namespace grafyon
