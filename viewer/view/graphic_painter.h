// Paints a diagram layout with QPainter: separators, diagrams, axes and cursors.
#pragma once

#include <QColor>
#include <QFont>
#include <QPolygon>
#include <QRect>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "model/graphic_rect.h"

class QPainter;

namespace grafyon {

class CGraphicLayout;
class CGraphicObject;
class Dataset;
class CGraphicDiagram;
class CGraphicXAxis;

// Drawing flags.
inline constexpr int DRAW_SEPARATORS = 1;
inline constexpr int DRAW_CURSORS = 2;
inline constexpr int DRAW_OBJECTS = 4;
inline constexpr int DRAW_BACKGROUNDS = 8;
inline constexpr int DRAW_ALL = 15;

// Colour of the second cursor (B) of a measurement, 0xBBGGRR as the diagram colours (orange).
inline constexpr std::uint32_t CURSOR_B_COLOR = 0x007FFF;

// What the painter last drew in one diagram.
struct DiagramDrawing {
    int titleOffset = 0;       // pixel width of the maximum label; the title starts right of it
    bool cursorDrawn = false;  // the inverted cursor cross is on the target
    int cursorColumn = -1;
    int cursorRow = -1;
};

// Where a diagram's cursor value box lies and what it shows: the cursor's horizontal
// position and, right of it after a visible gap, the front curve's value, each complete.
// A number without room is left out (the position first), never cut.
struct CursorBoxLayout {
    QRect box;  // cleared before the texts are drawn; empty when nothing is shown
    QString position;
    QString value;
    QRect positionRect;  // the text's advance from its left to its right end; empty when left out
    QRect valueRect;
    int baseline = 0;
};

class CGraphicPainter {
public:
    // Stores the layout and rebuilds the object list from it.
    void Bind(CGraphicLayout* layout);
    // Re-reads the layout's objects in stacking order (after the objects hint).
    void RebuildObjects();
    bool IsBound() const { return m_layout != nullptr; }

    // Draws with the given flags (the cursor flag is handled by PaintCursors);
    // 0 or the layout pass's error, -100 when not bound. With a clear colour, what the
    // objects' backgrounds do not cover inside clip is filled with it first (the same
    // picture as filling all of clip first, without filling most pixels twice).
    int Paint(QPainter& painter, const QFont& font, int flags, const QRect& clip,
              const QColor* clear = nullptr);
    // Draws the cursor cross of every diagram as an inversion of what is below, and
    // the value boxes. With the image the painter's target shows (the view's cache), the
    // inverted strips are copied from it, which is much faster than a difference blend.
    // Returns the rectangles it touched.
    std::vector<QRect> PaintCursors(QPainter& painter, const QFont& font,
                                    const QImage* below = nullptr);
    // Which cursors CursorRegions covers.
    enum class Cursors { A, B, Both };
    // The rectangles the cursors at the layout's current state cover (strips of the
    // cursor column and rows plus the value boxes of cursor A, the strips of cursor B), for
    // partial repaints.
    std::vector<QRect> CursorRegions(const QFont& font, Cursors which = Cursors::Both) const;

    // The cursor value box of one of the bound layout's diagrams for the current cursor.
    CursorBoxLayout CursorBox(const CGraphicDiagram& diagram, const QFont& font) const;

    // The drawing state of one of the bound layout's diagrams; null before it was drawn.
    const DiagramDrawing* Drawing(const CGraphicDiagram& diagram) const;

    bool forceFull = false;

private:
    void DrawSeparator(QPainter& painter, int y, int width) const;
    // A diagram in three layers: backgrounds, range bands and grid; its curves; ticks and
    // texts.
    void DrawDiagramUnder(QPainter& painter, const CGraphicDiagram& diagram, int flags) const;
    void DrawCurves(QPainter& painter, const CGraphicDiagram& diagram);
    void DrawDiagramOver(QPainter& painter, const CGraphicDiagram& diagram);
    void DrawAxis(QPainter& painter, CGraphicXAxis& axis, int flags) const;
    void DrawCursor(QPainter& painter, const CGraphicDiagram& diagram, const QImage* below);

    CursorBoxLayout ComputeCursorBox(const CGraphicDiagram& diagram, const QFont& font) const;
    // Everything a cursor box depends on.
    struct BoxInputs {
        const Dataset* front;
        bool cursorOn;
        int cursorColumn;
        bool inSamples;
        std::int64_t cursorSample;
        double cursorTime;
        double value;
        GraphicRect rect;
        int plotTop;
        int titleOffset;
        int boxWidth;
        int formatWidth;
        int formatPrecision;
        char formatConversion;
        QFont font;
        bool operator==(const BoxInputs& other) const;
    };

    CGraphicLayout* m_layout = nullptr;
    std::vector<CGraphicObject*> m_objects;
    // Per diagram of the layout; emptied whenever the objects are read again.
    std::map<const CGraphicDiagram*, DiagramDrawing> m_drawings;
    // The last box worked out per diagram, with what it was worked out from.
    mutable std::map<const CGraphicDiagram*, std::pair<std::optional<BoxInputs>, CursorBoxLayout>>
        m_boxes;
    QPolygon m_line;  // reused for every curve
};

// Text height and character unit of a font, as the layout pass measures them.
int PainterTextHeight(const QFont& font);
int PainterCharUnit(const QFont& font);

// Draws source of image into target in bands of few rows. Qt's raster engine hands a blend of
// 96 rows or more to its thread pool and waits for it: for a strip one pixel wide (a cursor)
// the hand-off costs many times the pixels.
void DrawImageInBands(QPainter& painter, const QRect& target, const QImage& image,
                      const QRectF& source);

}  // namespace grafyon
