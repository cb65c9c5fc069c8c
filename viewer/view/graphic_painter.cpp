// QPainter drawing of the diagram model.
#include "graphic_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <algorithm>
#include <bit>
#include <cmath>

#include "curve_runs.h"
#include "model/axis_scale.h"
#include "model/curve_color.h"
#include "model/graphic_layout.h"
#include "model/plot_mapping.h"
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

// Fills outer except inner: a frame or background around a rectangle that is filled next
// anyway, so that no pixel is filled twice.
void FillAround(QPainter& painter, const QRect& outer, const QRect& inner, const QColor& color) {
    const QRect hole = inner.intersected(outer);
    if (hole.isEmpty()) {
        painter.fillRect(outer, color);
        return;
    }
    if (hole.top() > outer.top())
        painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), hole.top() - outer.top()),
                         color);
    if (hole.bottom() < outer.bottom())
        painter.fillRect(
            QRect(outer.left(), hole.bottom() + 1, outer.width(), outer.bottom() - hole.bottom()),
            color);
    if (hole.left() > outer.left())
        painter.fillRect(QRect(outer.left(), hole.top(), hole.left() - outer.left(), hole.height()),
                         color);
    if (hole.right() < outer.right())
        painter.fillRect(
            QRect(hole.right() + 1, hole.top(), outer.right() - hole.right(), hole.height()),
            color);
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

void DrawImageInBands(QPainter& painter, const QRect& target, const QImage& image,
                      const QRectF& source) {
    constexpr int BAND_ROWS = 64;
    if (target.height() <= BAND_ROWS) {
        painter.drawImage(QRectF(target), image, source);
        return;
    }
    const qreal scale = source.height() / target.height();
    for (int y = target.top(); y <= target.bottom(); y += BAND_ROWS) {
        const int rows = std::min(BAND_ROWS, target.bottom() + 1 - y);
        const qreal from = source.top() + (y - target.top()) * scale;
        painter.drawImage(QRectF(target.left(), y, target.width(), rows), image,
                          QRectF(source.left(), from, source.width(), rows * scale));
    }
}

void CGraphicPainter::Bind(CGraphicLayout* layout) {
    m_layout = layout;
    RebuildObjects();
}

void CGraphicPainter::RebuildObjects() {
    m_objects.clear();
    m_drawings.clear();
    m_boxes.clear();
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

int CGraphicPainter::Paint(QPainter& painter, const QFont& font, int flags, const QRect& clip,
                           const QColor* clear) {
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
    if (clear != nullptr) {
        QRegion uncovered(clip);
        if ((flags & DRAW_OBJECTS) && (flags & DRAW_BACKGROUNDS)) {
            for (const CGraphicObject* object : m_objects) {
                const QRect rect = ToQRect(object->Rect());
                if (rect.intersects(clip) && (object->Type() == GRAPHIC_DIAGRAM_TYPE ||
                                              object->Type() == GRAPHIC_X_AXIS_TYPE))
                    uncovered -= rect;
            }
        }
        for (const QRect& rect : uncovered)
            painter.fillRect(rect, *clear);
    }
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
                const auto& diagram = static_cast<const CGraphicDiagram&>(*object);
                DrawDiagramUnder(painter, diagram, flags);
                DrawCurves(painter, diagram);
                DrawDiagramOver(painter, diagram);
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

void CGraphicPainter::DrawDiagramUnder(QPainter& painter, const CGraphicDiagram& diagram,
                                       int flags) const {
    const QRect rect = ToQRect(diagram.Rect());
    Dataset* front = diagram.curve;
    const GraphicRect& plot = diagram.PlotRect();
    const bool plotUsable = plot.Width() >= 1 && plot.Height() >= 1;
    // The plot and its frame are filled below: the background leaves them out.
    const QRect frame(plot.left - 1, plot.top - 1, plot.Width() + 2, plot.Height() + 2);
    if (flags & DRAW_BACKGROUNDS) {
        if (front != nullptr && plotUsable)
            FillAround(painter, rect, frame, Color(diagram.backgroundColor));
        else
            painter.fillRect(rect, Color(diagram.backgroundColor));
    }
    if (front == nullptr || !plotUsable)
        return;
    painter.save();
    painter.setClipRect(rect);
    FillAround(painter, frame, ToQRect(plot), Color(diagram.plotFrame));
    painter.fillRect(ToQRect(plot), Color(diagram.plotBackground));
    if (diagram.rangeBands != nullptr) {
        for (const RangeBand& band : *diagram.rangeBands) {
            if (band.left < plot.left || band.right < band.left)
                continue;
            const QRect fill(band.left, plot.top, band.right - band.left + 1, plot.Height());
            painter.fillRect(fill.intersected(ToQRect(plot)), Color(diagram.rangeColor));
        }
    }
    const TickSet ticks = diagram.Ticks();
    if (diagram.yGrid && ticks.major > 0.0) {
        painter.setClipRect(ToQRect(plot));
        const double minimum = front->display.displayMinimum;
        const double maximum = front->display.displayMaximum;
        QPen grid(Color(diagram.gridColor), 1, Qt::DotLine);
        painter.setPen(grid);
        painter.setBackground(Color(diagram.plotBackground));
        painter.setBackgroundMode(Qt::OpaqueMode);
        ForEachMultiple(minimum, maximum, ticks.major, std::max(0, plot.Height() / 4 + 2),
                        [&](double v) {
                            const int row = ValueToRow(v, minimum, maximum, plot);
                            painter.drawLine(plot.left, row, plot.right - 1, row);
                        });
    }
    painter.restore();
}

namespace {

// The curves a diagram draws, the front curve last (on top).
std::vector<const Dataset*> DrawnCurves(const CGraphicDiagram& diagram) {
    std::vector<const Dataset*> curves;
    if (diagram.curveList != nullptr) {
        for (const Dataset* c : *diagram.curveList) {
            if (c != diagram.curve)
                curves.push_back(c);
        }
    }
    curves.push_back(diagram.curve);
    return curves;
}

bool CurveDrawn(const DatasetDisplay& d) {
    return std::min<int>(d.pointCount, static_cast<int>(d.points.size())) >= 1 &&
           d.displayMaximum > d.displayMinimum && CurveLineVisible(d.color);
}

}  // namespace

void CGraphicPainter::DrawCurves(QPainter& painter, const CGraphicDiagram& diagram) {
    QPolygon& line = m_line;
    const GraphicRect& plot = diagram.PlotRect();
    if (diagram.curve == nullptr || plot.Width() < 1 || plot.Height() < 1)
        return;
    painter.save();
    const QRect clip = ToQRect(plot);
    painter.setClipRect(clip);
    QImage* direct = DirectCurveTarget(painter);
    for (const Dataset* curve : DrawnCurves(diagram)) {
        const DatasetDisplay& d = curve->display;
        if (!CurveDrawn(d))
            continue;
        const int count = std::min<int>(d.pointCount, static_cast<int>(d.points.size()));
        const int shift = plot.top - d.bufferPlotTop;
        line.resize(count);
        QPoint* out = line.data();
        for (int i = 0; i < count; ++i) {
            const CurvePoint& p = d.points[static_cast<std::size_t>(i)];
            out[i] = QPoint(p.x, p.y + shift);
        }
        const QColor color = Color(d.color);
        if (direct != nullptr) {
            FillCurveRuns(*direct, out, count, clip, color.rgb());
            continue;
        }
        painter.setPen(QPen(color, 1));
        if (count == 1)
            painter.drawPoint(out[0]);
        else
            painter.drawPolyline(out, count);
    }
    painter.restore();
}

void CGraphicPainter::DrawDiagramOver(QPainter& painter, const CGraphicDiagram& diagram) {
    Dataset* front = diagram.curve;
    if (front == nullptr)
        return;
    const QRect rect = ToQRect(diagram.Rect());
    const GraphicRect& plot = diagram.PlotRect();
    const bool plotUsable = plot.Width() >= 1 && plot.Height() >= 1;
    painter.save();
    painter.setClipRect(rect);
    const double minimum = front->display.displayMinimum;
    const double maximum = front->display.displayMaximum;
    const int maxLines = std::max(0, plot.Height() / 4 + 2);

    // The tick strip left of the plot and the labels, in the front curve's color.
    const QColor text = Color(CurveTextColor(front->display.color));
    painter.setPen(QPen(text, 1));
    if (plotUsable) {
        const TickSet ticks = diagram.Ticks();
        const int right = plot.left - 2;
        const std::pair<double, int> kinds[] = {{ticks.sub, 2}, {ticks.minor, 3}, {ticks.major, 5}};
        for (const auto& [step, length] : kinds) {
            ForEachTick(minimum, maximum, step, maxLines, [&](double v) {
                const int row = ValueToRow(v, minimum, maximum, plot);
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
        painter.setClipRect(titleRect);
        const int width = metrics.horizontalAdvance(title);
        const int x = width <= titleRect.width()
                          ? titleRect.left() + (titleRect.width() - width) / 2
                          : titleRect.right() + 1 - width;
        painter.drawText(QPoint(x, titleRect.top() + metrics.ascent()), title);
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

bool CGraphicPainter::BoxInputs::operator==(const BoxInputs& o) const {
    return front == o.front && cursorOn == o.cursorOn && cursorColumn == o.cursorColumn &&
           inSamples == o.inSamples && cursorSample == o.cursorSample &&
           std::bit_cast<std::uint64_t>(cursorTime) == std::bit_cast<std::uint64_t>(o.cursorTime) &&
           std::bit_cast<std::uint64_t>(value) == std::bit_cast<std::uint64_t>(o.value) &&
           rect == o.rect && plotTop == o.plotTop && titleOffset == o.titleOffset &&
           boxWidth == o.boxWidth && formatWidth == o.formatWidth &&
           formatPrecision == o.formatPrecision && formatConversion == o.formatConversion &&
           font == o.font;
}

CursorBoxLayout CGraphicPainter::CursorBox(const CGraphicDiagram& diagram,
                                           const QFont& font) const {
    // A cursor step asks for every box several times (repaint region, drawing, the regions
    // drawn); texts and their widths are worked out once for one state of everything the
    // box depends on.
    if (m_layout == nullptr)
        return {};
    const DiagramDrawing* drawn = Drawing(diagram);
    const CursorValueFormat& format = diagram.cursorValueFormat;
    BoxInputs inputs{diagram.curve,
                     m_layout->cursorOn,
                     m_layout->cursorColumn,
                     m_layout->AxisInSamples(),
                     m_layout->cursorSample,
                     m_layout->cursorTime,
                     diagram.curve ? diagram.curve->display.valueAtCursor : 0.0,
                     diagram.Rect(),
                     diagram.PlotRect().top,
                     drawn ? drawn->titleOffset : 0,
                     diagram.cursorBoxWidth,
                     format.width,
                     format.precision,
                     format.conversion,
                     font};
    auto& memo = m_boxes[&diagram];
    if (memo.first && *memo.first == inputs)
        return memo.second;
    memo.second = ComputeCursorBox(diagram, font);
    memo.first = std::move(inputs);
    return memo.second;
}

CursorBoxLayout CGraphicPainter::ComputeCursorBox(const CGraphicDiagram& diagram,
                                                  const QFont& font) const {
    CursorBoxLayout layout;
    const Dataset* front = diagram.curve;
    if (m_layout == nullptr || front == nullptr || !m_layout->cursorOn ||
        m_layout->cursorColumn < 0)
        return layout;
    const QFontMetrics metrics(font);
    const CursorValueFormat& format = diagram.cursorValueFormat;
    const double where = m_layout->AxisInSamples() ? static_cast<double>(m_layout->cursorSample + 1)
                                                   : m_layout->cursorTime;
    const QString value =
        QString::fromStdString(format.Apply(front->display.valueAtCursor)).trimmed();
    const QString position = QString::fromStdString(format.Apply(where)).trimmed();

    // The title band above the plot, right of the maximum label.
    const GraphicRect& rect = diagram.Rect();
    const DiagramDrawing* drawn = Drawing(diagram);
    const int leftLimit = rect.left + (drawn ? drawn->titleOffset : 0) + 5;
    const int right = rect.right - 2;
    const int top = rect.top + 1;
    const int bottom = diagram.PlotRect().top - 3;
    if (bottom < top)
        return layout;
    // Digits on the title's baseline, moved up when they would reach into the plot; a band
    // lower than the digits shows nothing.
    const QRect ink = metrics.tightBoundingRect(QStringLiteral("0123456789.-+e"));
    int baseline = std::min(rect.top + metrics.ascent(), bottom - ink.bottom());
    if (baseline + ink.top() < top)
        return layout;

    const int pad = 3;
    const int gap = metrics.horizontalAdvance(QStringLiteral("00"));
    const int valueWidth = metrics.horizontalAdvance(value);
    const int positionWidth = metrics.horizontalAdvance(position);
    // Each number has the room the format asks for (the cursor box width); longer numbers
    // widen the box instead of being cut.
    const int slot = std::max(0, diagram.cursorBoxWidth - gap);
    const int valueRight = right - pad;  // one past the value's last pixel
    const int valueLeft = valueRight - valueWidth;
    const int positionRight = valueRight - std::max(valueWidth, slot) - gap;
    const int positionLeft = positionRight - positionWidth;
    int boxLeft = 0;
    if (!position.isEmpty() && positionLeft - pad >= leftLimit) {
        layout.position = position;
        layout.positionRect =
            QRect(positionLeft, baseline - metrics.ascent(), positionWidth, metrics.height());
        boxLeft = positionLeft - pad;
    } else if (valueLeft - pad >= leftLimit) {
        boxLeft = valueLeft - pad;
    } else {
        return layout;
    }
    layout.value = value;
    layout.valueRect = QRect(valueLeft, baseline - metrics.ascent(), valueWidth, metrics.height());
    layout.box = QRect(QPoint(boxLeft, top), QPoint(right, bottom));
    layout.baseline = baseline;
    return layout;
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
        if (columnInside) {
            const QImage part = InvertedPart(*below, vertical);
            DrawImageInBands(painter, vertical, part, QRectF(part.rect()));
        }
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

    const CursorBoxLayout box = CursorBox(diagram, painter.font());
    if (box.box.isEmpty())
        return;
    painter.fillRect(box.box, Color(diagram.backgroundColor));
    painter.setPen(Color(CurveTextColor(front->display.color)));
    if (!box.position.isEmpty())
        painter.drawText(QPoint(box.positionRect.left(), box.baseline), box.position);
    painter.drawText(QPoint(box.valueRect.left(), box.baseline), box.value);
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
    const int b = m_layout->cursorBColumn;
    if (m_layout->cursorOn && b >= 0) {
        // Cursor B: a dashed line of its own colour, not an inversion, so both cursors can
        // stand on one column and still be told apart.
        QPen pen(Color(CURSOR_B_COLOR), 1, Qt::DashLine);
        painter.setPen(pen);
        for (int i = 0; i < m_layout->DiagramCount(); ++i) {
            const GraphicRect& plot = m_layout->Diagram(i).PlotRect();
            if (b >= plot.left && b < plot.right && plot.Height() > 0)
                painter.drawLine(b, plot.top, b, plot.bottom - 1);
        }
    }
    painter.restore();
    return CursorRegions(font);
}

std::vector<QRect> CGraphicPainter::CursorRegions(const QFont& font, Cursors which) const {
    std::vector<QRect> regions;
    if (m_layout == nullptr || !m_layout->cursorOn)
        return regions;
    for (int i = 0; which != Cursors::B && i < m_layout->DiagramCount(); ++i) {
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
        const QRect box = CursorBox(diagram, font).box;
        if (!box.isEmpty())
            regions.push_back(box);
    }
    const int b = m_layout->cursorBColumn;
    for (int i = 0; which != Cursors::A && b >= 0 && i < m_layout->DiagramCount(); ++i) {
        const GraphicRect& plot = m_layout->Diagram(i).PlotRect();
        if (b >= plot.left && b < plot.right && plot.Height() > 0)
            regions.emplace_back(b, plot.top, 1, plot.Height());
    }
    return regions;
}

}  // namespace grafyon
