// The view: paints the document's diagrams and keeps the scroll bars in step.
#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QImage>
#include <QRegion>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <vector>

#include "graphic_painter.h"

namespace grafyon {

class CGrafyonDoc;

class CGrafyonView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CGrafyonView(QWidget* parent = nullptr);
    ~CGrafyonView() override;

    void SetDocument(CGrafyonDoc* document);
    CGrafyonDoc* Document() const { return m_document; }
    void SetDiagramFont(const QFont& font);
    const QFont& DiagramFont() const { return m_font; }
    CGraphicPainter& Painter() { return m_painter; }

    // Gives the layout the size the diagrams have, also while the view is hidden.
    void UpdateClientRect();
    // Reacts to the document's hints (the HINT_ constants of the layout).
    void OnUpdate(int hint);
    // While the user drags the frame's border only the separators are repainted.
    void SetSizing(bool sizing);

    // Renders what the view shows into an image of the viewport's size (also used
    // without a screen).
    QImage Render();

    // Counters for tests and diagnostics.
    int FullRenderCount() const { return m_fullRenders; }
    const QRegion& LastRepaintRegion() const { return m_lastRepaint; }
    // The layout error of the last full render (0 when diagrams were drawn).
    int LastError() const { return m_cacheError; }

    // The text shown instead of diagrams for a layout error.
    static QString ErrorText(int code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void InitialUpdate();
    void RenderCache();
    void UpdateHorizontalBar();
    void UpdateVerticalBar();
    void EmptyBarsWhenNeeded();
    struct CursorDrawn;
    CursorDrawn CursorNow(CGraphicPainter::Cursors which) const;
    void ResizeEnded();
    QSize ClientSize() const;

    CGrafyonDoc* m_document = nullptr;
    CGraphicPainter m_painter;
    QFont m_font;
    int m_flags = DRAW_ALL;
    QImage m_cache;
    bool m_cacheValid = false;
    int m_cacheError = 0;
    // Where each cursor was drawn last, and for which cursor state: a cursor step repaints
    // the strips and boxes of the cursor that changed only.
    struct CursorDrawn {
        std::vector<QRect> rects;
        std::int64_t sample = -1;
        int column = -1;
        bool on = false;
        bool operator==(const CursorDrawn&) const = default;
    };
    CursorDrawn m_drawnA;
    CursorDrawn m_drawnB;
    QRegion m_lastRepaint;
    int m_fullRenders = 0;
    bool m_sizing = false;
    bool m_updatingBars = false;
    QTimer m_resizeTimer;
};

}  // namespace grafyon
