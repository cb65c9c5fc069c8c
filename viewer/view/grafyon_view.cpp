// Painting from a cached image, cursor-only repaints, scroll bars and live resizing.
#include "grafyon_view.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <climits>
#include <cmath>

#include "grafyon_doc.h"
#include "view_strings.h"

namespace grafyon {

namespace {
constexpr int RESIZE_SETTLE_MS = 150;
constexpr std::int64_t SCROLL_LIMIT = INT_MAX / 2;
}  // namespace

CGrafyonView::CGrafyonView(QWidget* parent) : QAbstractScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);  // never erased before painting
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    m_resizeTimer.setSingleShot(true);
    m_resizeTimer.setInterval(RESIZE_SETTLE_MS);
    connect(&m_resizeTimer, &QTimer::timeout, this, &CGrafyonView::ResizeEnded);
}

CGrafyonView::~CGrafyonView() = default;

QString CGrafyonView::ErrorText(int code) {
    switch (code) {
        case LAYOUT_NO_DATA:
            return ViewString(VIEW_STR_NO_DATA);
        case LAYOUT_NO_CURVES:
            return ViewString(VIEW_STR_NO_CURVES);
        case LAYOUT_NO_FILE:
            return ViewString(VIEW_STR_NO_FILE);
        default:
            return ViewString(VIEW_STR_INTERNAL);
    }
}

void CGrafyonView::SetDocument(CGrafyonDoc* document) {
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    if (m_document) {
        connect(m_document, &CGrafyonDoc::ViewUpdate, this, &CGrafyonView::OnUpdate);
        connect(m_document, &QObject::destroyed, this, [this] {
            m_document = nullptr;
            m_painter.Bind(nullptr);
        });
    }
    InitialUpdate();
}

void CGrafyonView::SetDiagramFont(const QFont& font) {
    m_font = font;
    m_cacheValid = false;
    viewport()->update();
}

void CGrafyonView::InitialUpdate() {
    m_painter.Bind(m_document ? &m_document->Layout() : nullptr);
    UpdateClientRect();
    m_cacheValid = false;
    UpdateHorizontalBar();
    UpdateVerticalBar();
    viewport()->update();
}

QSize CGrafyonView::ClientSize() const {
    if (isVisible())
        return viewport()->size();
    // A hidden view gets its viewport laid out only when shown; a measurement opened from
    // the command line before that still needs the size the diagrams will have.
    QSize size = contentsRect().size();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        size.rwidth() -= bar;
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        size.rheight() -= bar;
    return size.expandedTo(QSize(0, 0));
}

void CGrafyonView::UpdateClientRect() {
    if (m_document == nullptr)
        return;
    const QSize size = ClientSize();
    m_document->Layout().SetClientRect(0, 0, size.width() + 1, size.height() + 1);
}

void CGrafyonView::EmptyBarsWhenNeeded() {
    if (m_document == nullptr)
        return;
    CGraphicLayout& layout = m_document->Layout();
    m_updatingBars = true;
    if (layout.CurveCount() == 0 || layout.GetViewMode() == ViewMode::AllCurves ||
        (layout.CurveCount() <= layout.DiagramsPerPage() && layout.FirstCurveIndex() == 0)) {
        verticalScrollBar()->setRange(0, 0);
    }
    if (layout.Samples() == 0)
        horizontalScrollBar()->setRange(0, 0);
    m_updatingBars = false;
}

void CGrafyonView::UpdateHorizontalBar() {
    m_updatingBars = true;
    QScrollBar* bar = horizontalScrollBar();
    if (m_document == nullptr || m_document->Layout().Samples() == 0) {
        bar->setRange(0, 0);
    } else {
        CGraphicLayout& layout = m_document->Layout();
        const std::int64_t samples = static_cast<std::int64_t>(layout.Samples());
        const std::int64_t first = layout.FirstSample();
        const std::int64_t page = layout.LastSample() - first + 1;
        // Very long recordings scroll in steps of several samples.
        const std::int64_t unit = std::max<std::int64_t>(1, samples / SCROLL_LIMIT + 1);
        bar->setRange(0, static_cast<int>(std::max<std::int64_t>(0, samples - page) / unit));
        bar->setPageStep(static_cast<int>(std::max<std::int64_t>(1, page / unit)));
        bar->setSingleStep(std::max(1, bar->pageStep() / 10));
        bar->setValue(static_cast<int>(first / unit));
    }
    m_updatingBars = false;
}

void CGrafyonView::UpdateVerticalBar() {
    m_updatingBars = true;
    QScrollBar* bar = verticalScrollBar();
    if (m_document == nullptr) {
        bar->setRange(0, 0);
    } else {
        CGraphicLayout& layout = m_document->Layout();
        const int perPage = layout.DiagramsPerPage();
        if (layout.GetViewMode() == ViewMode::CurvePerDiagram &&
            (layout.CurveCount() > perPage || layout.FirstCurveIndex() > 0)) {
            const int maximum = layout.CurveCount() <= perPage
                                    ? layout.FirstCurveIndex() + layout.CurveCount() - 1
                                    : layout.CurveCount() - 1;
            bar->setRange(0, std::max(0, maximum - perPage + 1));
            bar->setPageStep(perPage);
            bar->setValue(layout.FirstCurveIndex());
        } else {
            bar->setRange(0, 0);
        }
    }
    m_updatingBars = false;
}

void CGrafyonView::OnUpdate(int hint) {
    if (hint != HINT_LAYOUT_REPLACED && hint != HINT_OBJECTS) {
        EmptyBarsWhenNeeded();
        if (m_document && m_document->Layout().Samples() == 0) {
            m_cacheValid = false;
            viewport()->update();
            return;
        }
    }
    switch (hint) {
        case HINT_LAYOUT_REPLACED:
            InitialUpdate();
            break;
        case HINT_OBJECTS:
            m_painter.RebuildObjects();
            m_cacheValid = false;
            viewport()->update();
            break;
        case HINT_CURSOR: {
            // Only the strips of the cursor that moved change, where it was and where it is;
            // the repaint draws every cursor again inside what it repaints, so crossings
            // come out right.
            if (m_document) {
                CGraphicLayout& layout = m_document->Layout();
                layout.LayoutPass(PainterTextHeight(m_font), PainterCharUnit(m_font), false);
            }
            QRegion region;
            const auto changed = [&](const CursorDrawn& before, const CursorDrawn& now) {
                if (before == now)
                    return;
                for (const QRect& r : before.rects)
                    region += r;
                for (const QRect& r : now.rects)
                    region += r;
            };
            changed(m_drawnA, CursorNow(CGraphicPainter::Cursors::A));
            changed(m_drawnB, CursorNow(CGraphicPainter::Cursors::B));
            if (!region.isEmpty())
                viewport()->update(region);
            break;
        }
        case HINT_VISIBLE_RANGE:
            UpdateHorizontalBar();
            m_cacheValid = false;
            viewport()->update();
            break;
        case HINT_CURVES:
            UpdateVerticalBar();
            m_cacheValid = false;
            viewport()->update();
            break;
        default:
            // A redraw may follow a change of the window too (undo, a scrolling cursor).
            UpdateHorizontalBar();
            m_cacheValid = false;
            viewport()->update();
            break;
    }
}

CGrafyonView::CursorDrawn CGrafyonView::CursorNow(CGraphicPainter::Cursors which) const {
    CursorDrawn now;
    now.rects = m_painter.CursorRegions(m_font, which);
    if (m_document) {
        const CGraphicLayout& layout = m_document->Layout();
        now.on = layout.cursorOn;
        const bool a = which == CGraphicPainter::Cursors::A;
        now.sample = a ? layout.cursorSample : layout.cursorBSample;
        now.column = a ? layout.cursorColumn : layout.cursorBColumn;
    }
    return now;
}

void CGrafyonView::RenderCache() {
    const QSize size = viewport()->size();
    const qreal ratio = devicePixelRatioF();
    if (m_cache.size() != size * ratio) {
        m_cache = QImage(size * ratio, QImage::Format_RGB32);
        m_cache.setDevicePixelRatio(ratio);
    }
    // At a whole-numbered pixel ratio the diagrams and axes fill their own backgrounds
    // exactly and only the rest is cleared; at another one their edges round, so all is.
    const bool wholeRatio = ratio == std::floor(ratio);
    if (!wholeRatio)
        m_cache.fill(Qt::white);
    QPainter painter(&m_cache);
    UpdateClientRect();
    m_cacheError = LAYOUT_NO_FILE;
    if (m_painter.IsBound()) {
        const QColor white(Qt::white);
        m_cacheError = m_painter.Paint(painter, m_font, m_flags & ~DRAW_CURSORS,
                                       QRect(QPoint(0, 0), size), wholeRatio ? &white : nullptr);
    }
    if (m_cacheError != 0) {
        m_cache.fill(Qt::white);
        QFont message = font();
        message.setPointSizeF(message.pointSizeF() * 1.2);
        painter.setFont(message);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, ErrorText(m_cacheError));
    }
    if (m_flags & DRAW_OBJECTS) {
        m_cacheValid = true;
        ++m_fullRenders;
    }
    m_flags = DRAW_ALL;
}

QImage CGrafyonView::Render() {
    if (!m_cacheValid)
        RenderCache();
    QImage image = m_cache.copy();
    if (m_cacheError == 0) {
        QPainter painter(&image);
        m_painter.PaintCursors(painter, m_font, &m_cache);
    }
    return image;
}

void CGrafyonView::paintEvent(QPaintEvent* event) {
    if (!m_cacheValid)
        RenderCache();
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    // Only the damaged rectangles are copied, in bands: one whole-image blend, even clipped,
    // or one cursor strip goes through Qt's threaded blending and costs a cursor step
    // several milliseconds.
    const qreal ratio = m_cache.devicePixelRatio();
    for (const QRect& rect : event->region()) {
        const QRectF source(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio,
                            rect.height() * ratio);
        DrawImageInBands(painter, rect, m_cache, source);
    }
    m_drawnA = m_drawnB = CursorDrawn{};
    if (m_cacheError == 0 && !m_sizing) {
        m_painter.PaintCursors(painter, m_font, &m_cache);
        m_drawnA = CursorNow(CGraphicPainter::Cursors::A);
        m_drawnB = CursorNow(CGraphicPainter::Cursors::B);
    }
    m_lastRepaint = event->region();
}

void CGrafyonView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateClientRect();
    if (m_sizing) {
        m_flags = DRAW_SEPARATORS | DRAW_BACKGROUNDS;
        m_resizeTimer.start();
    }
    m_cacheValid = false;
    viewport()->update();
}

void CGrafyonView::SetSizing(bool sizing) {
    m_sizing = sizing;
    if (sizing) {
        // Ends by itself when no further size change arrives.
        m_resizeTimer.start();
    } else {
        ResizeEnded();
    }
}

void CGrafyonView::ResizeEnded() {
    m_sizing = false;
    m_flags = DRAW_ALL;
    UpdateClientRect();
    m_cacheValid = false;
    viewport()->update();
}

void CGrafyonView::scrollContentsBy(int, int) {
    if (m_updatingBars || m_document == nullptr)
        return;
    CGraphicLayout& layout = m_document->Layout();
    const std::int64_t samples = static_cast<std::int64_t>(layout.Samples());
    const std::int64_t unit = std::max<std::int64_t>(1, samples / SCROLL_LIMIT + 1);
    const std::int64_t first = static_cast<std::int64_t>(horizontalScrollBar()->value()) * unit;
    const std::int64_t width = layout.LastSample() - layout.FirstSample();
    bool changed = false;
    if (first != layout.FirstSample()) {
        layout.SetFirstSample(first);
        layout.SetLastSample(layout.FirstSample() + width);
        changed = true;
        m_document->UpdateAllViews(HINT_VISIBLE_RANGE);
    }
    const int curve = verticalScrollBar()->value();
    if (!changed && curve != layout.FirstCurveIndex() && layout.ActivateCurve(curve)) {
        m_document->UpdateAllViews(HINT_CURVES);
    }
}

}  // namespace grafyon
