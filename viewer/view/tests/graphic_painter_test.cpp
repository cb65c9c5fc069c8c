// Painting the diagram model into images: separators, plot, curves, titles, cursor.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "viewer/data/measurement_description.h"
#include "viewer/view/curve_runs.h"
#include "viewer/view/graphic_painter.h"
#include "viewer/view/model/curve_color.h"
#include "viewer/view/model/graphic_layout.h"
#include "viewer/view/model/point_buffer.h"
#include "viewer/view/test_support/test_recording.h"

namespace grafyon {
namespace {

// The shared recording with value(frame) = factor * sin(frame / 50) + offset, its
// datasets "Channel 0", "Channel 1", ... in "bar" between -factor and factor, drawn into
// 640 x 480 pixels.
struct Scene : test::TestRecording {
    explicit Scene(int datasets, std::uint64_t frames = 2000)
        : TestRecording(frames, 0.001, datasets) {
        values.SetFormula([](const Dataset& d, std::uint64_t f) {
            return d.factor * std::sin(static_cast<double>(f) / 50.0) + d.offset;
        });
        for (std::size_t i = 0; i < list.size(); ++i) {
            Dataset& d = *list[i];
            d.name = d.label = "Channel " + std::to_string(i);
            d.unit = "bar";
            d.minimum = -d.factor;
            d.maximum = d.factor;
        }
        layout.SetClientRect(0, 0, 641, 481);
        layout.SetPointFiller(
            [this](Dataset& curve, const GraphicRect& plot, double t0, double t1) {
                std::vector<ColumnRange> columns(static_cast<std::size_t>(plot.Width()));
                const std::uint64_t last = static_cast<std::uint64_t>(std::ceil(t1 / 0.001));
                for (std::uint64_t f = static_cast<std::uint64_t>(t0 / 0.001);
                     f <= last && f < 2000; ++f) {
                    const double t = f * 0.001;
                    const int c = static_cast<int>((t - t0) / (t1 - t0) * plot.Width());
                    if (c < 0 || c >= plot.Width())
                        continue;
                    ColumnRange& r = columns[static_cast<std::size_t>(c)];
                    const double v = values.Value(curve, f);
                    r.minimum = r.empty ? v : std::min(r.minimum, v);
                    r.maximum = r.empty ? v : std::max(r.maximum, v);
                    r.empty = false;
                }
                BuildColumnPoints(curve.display, columns, plot);
            });
        layout.InitialView(InitialViewSettings{}, {0x0000FF, 0x008000, 0xFF0000});
        layout.SetIntervalMode(IntervalMode::All);
        painter.Bind(&layout);
        font.setPixelSize(12);
        font.setFamily("DejaVu Sans");
    }

    QImage Paint(int flags = DRAW_ALL) {
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        result = painter.Paint(p, font, flags, image.rect());
        return image;
    }

    CGraphicPainter painter;
    QFont font;
    int result = -1;
};

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

TEST(GraphicPainter, SeparatorsFollowTheGap) {
    Scene s(3);
    QImage image = s.Paint();
    ASSERT_EQ(s.result, 0);
    const int y = s.layout.Diagram(0).Rect().bottom;
    EXPECT_EQ(Pixel(image, 300, y), 0x808080u);
    EXPECT_EQ(Pixel(image, 300, y + 1), 0x000000u);
    EXPECT_EQ(Pixel(image, 300, y + 2), 0xF0F0F0u);  // the next diagram's background

    s.layout.SetGap(0);
    image = s.Paint();
    const int top1 = s.layout.Diagram(1).Rect().top;
    EXPECT_EQ(s.layout.Diagram(0).Rect().bottom, top1);
    for (int x = 0; x < 5; ++x)
        EXPECT_NE(Pixel(image, x, top1), 0x000000u);
}

TEST(GraphicPainter, PlotCurveAndBands) {
    Scene s(2);
    std::vector<RangeBand>& bands = s.layout.Bands();
    s.layout.SetBandBuilder([](std::vector<RangeBand>& b, const GraphicRect& plot, double, double) {
        b = {{plot.left + 10, plot.left + 20}};
    });
    QImage image = s.Paint();
    ASSERT_EQ(s.result, 0);
    ASSERT_EQ(bands.size(), 1u);
    const GraphicRect& plot = s.layout.Diagram(0).PlotRect();
    EXPECT_EQ(Pixel(image, plot.left - 1, plot.top + 3), 0xC0C0C0u);   // plot frame
    EXPECT_EQ(Pixel(image, plot.left + 15, plot.top + 1), 0xFFFF80u);  // band (0x80FFFF as BGR)
    // The curve color appears inside the plot, in both diagrams.
    int red = 0, green = 0;
    for (int x = plot.left; x < plot.right; ++x) {
        for (int y = plot.top; y < plot.bottom; ++y)
            red += Pixel(image, x, y) == 0xFF0000u;
        const GraphicRect& p1 = s.layout.Diagram(1).PlotRect();
        for (int y = p1.top; y < p1.bottom; ++y)
            green += Pixel(image, x, y) == 0x008000u;
    }
    EXPECT_GT(red, plot.Width());
    EXPECT_GT(green, plot.Width());
    // Points stay within two per column.
    EXPECT_LE(s.list[0]->display.pointCount, 2 * plot.Width());
}

// Noise that changes every frame: every column of a curve is a tall vertical run, as on a
// long recording.
double Noise(const Dataset& d, std::uint64_t f) {
    std::uint64_t x = (f + 1) * 0x9E3779B97F4A7C15ull ^ reinterpret_cast<std::uintptr_t>(&d);
    x ^= x >> 29;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 32;
    return d.factor * (static_cast<double>(x % 2001) / 1000.0 - 1.0) + d.offset;
}

// The picture as it was drawn before: everything white first.
QImage PaintPlainly(Scene& s) {
    return s.Paint();
}

// The view's way: what the objects leave free cleared on a picture that still shows the
// previous one.
QImage PaintFast(Scene& s, QImage image) {
    QPainter p(&image);
    const QColor white(Qt::white);
    s.result = s.painter.Paint(p, s.font, DRAW_ALL & ~DRAW_CURSORS, image.rect(), &white);
    return image;
}

TEST(GraphicPainter, ClearingAroundObjectsGivesTheSamePicture) {
    Scene s(5);
    s.values.SetFormula(Noise);
    s.layout.SetDiagramCount(4);
    s.layout.SetTopAxis(true);
    s.layout.SetYGrid(true);
    s.layout.SetBandBuilder([](std::vector<RangeBand>& b, const GraphicRect& plot, double, double) {
        b = {{plot.left + 30, plot.left + 90}};
    });
    QImage garbage(640, 480, QImage::Format_RGB32);
    garbage.fill(QColor(0xFF, 0x00, 0xFF));

    const QImage plain = PaintPlainly(s);
    ASSERT_EQ(s.result, 0);
    const QImage fast = PaintFast(s, garbage);
    ASSERT_EQ(s.result, 0);
    EXPECT_TRUE(fast == plain);

    // Curves scaled so that they leave their diagrams, drawn over the previous picture.
    ASSERT_EQ(s.layout.ManualScale(*s.layout.Diagram(1).curve, -0.2, 0.1), 1);
    ASSERT_EQ(s.layout.ManualScale(*s.layout.Diagram(3).curve, 0.5, 0.6), 1);
    const QImage plainScaled = PaintPlainly(s);
    const QImage fastScaled = PaintFast(s, plain);
    EXPECT_TRUE(fastScaled == plainScaled);
    EXPECT_FALSE(fastScaled == plain);

    // All curves in one diagram, the front curve on top.
    s.layout.SetViewMode(ViewMode::AllCurves);
    const QImage plainAll = PaintPlainly(s);
    EXPECT_TRUE(PaintFast(s, garbage) == plainAll);

    // Sizing: separators and backgrounds only; the rest cleared.
    s.layout.SetViewMode(ViewMode::CurvePerDiagram);
    QImage sizing(640, 480, QImage::Format_RGB32);
    sizing.fill(Qt::white);
    {
        QPainter p(&sizing);
        s.painter.Paint(p, s.font, DRAW_SEPARATORS | DRAW_BACKGROUNDS, sizing.rect());
    }
    QImage sizingFast = garbage;
    {
        QPainter p(&sizingFast);
        const QColor white(Qt::white);
        s.painter.Paint(p, s.font, DRAW_SEPARATORS | DRAW_BACKGROUNDS, sizingFast.rect(), &white);
    }
    EXPECT_TRUE(sizingFast == sizing);
}

// The cursor box a painter that never drew a box before works out for the layout's state
// (after drawing the diagrams once, for the titles' widths).
CursorBoxLayout FreshBox(Scene& s, int diagram) {
    CGraphicPainter fresh;
    fresh.Bind(&s.layout);
    QImage image(640, 480, QImage::Format_RGB32);
    QPainter p(&image);
    fresh.Paint(p, s.font, DRAW_ALL, image.rect());
    return fresh.CursorBox(s.layout.Diagram(diagram), s.font);
}

void ExpectSameBox(const CursorBoxLayout& a, const CursorBoxLayout& b) {
    EXPECT_EQ(a.box, b.box);
    EXPECT_EQ(a.position, b.position);
    EXPECT_EQ(a.value, b.value);
    EXPECT_EQ(a.positionRect, b.positionRect);
    EXPECT_EQ(a.valueRect, b.valueRect);
    EXPECT_EQ(a.baseline, b.baseline);
}

TEST(GraphicPainter, RememberedCursorBoxesFollowEveryChangeOfWhatTheyShow) {
    Scene s(2);
    s.Paint();
    s.layout.cursorOn = true;
    s.layout.cursorSample = 700;
    const CGraphicDiagram& d = s.layout.Diagram(0);
    const auto check = [&](const char* what) {
        SCOPED_TRACE(what);
        s.layout.LayoutPass(PainterTextHeight(s.font), PainterCharUnit(s.font), false);
        s.Paint();
        const CursorBoxLayout before = s.painter.CursorBox(d, s.font);
        ExpectSameBox(s.painter.CursorBox(d, s.font), before);  // asked again: remembered
        ExpectSameBox(before, FreshBox(s, 0));
        EXPECT_FALSE(before.value.isEmpty());
    };
    check("first");
    const QString first = s.painter.CursorBox(d, s.font).value;
    s.layout.cursorSample = 701;
    check("a cursor step");
    EXPECT_NE(s.painter.CursorBox(d, s.font).value, first);
    s.layout.SetAxisInSamples(true);
    check("positions in samples");
    s.layout.SetCursorValueFormat(CursorValueFormat::Build(12, 3, 2));
    check("another format");
    s.font.setPixelSize(15);
    check("another font");
    s.layout.SetClientRect(0, 0, 501, 401);
    check("another size");
    // The value alone changes (the recording's values were replaced).
    s.values.SetFormula([](const Dataset&, std::uint64_t) { return 0.125; });
    check("another value");
    EXPECT_EQ(s.painter.CursorBox(d, s.font).value, QStringLiteral("1.250e-01"));
}

int InkColumnsInRows(const QImage& image, int top, int bottom, int left, int right, QRgb color) {
    int leftmost = -1;
    for (int x = left; x < right; ++x) {
        for (int y = top; y < bottom; ++y) {
            if (Pixel(image, x, y) == color)
                return x;
        }
    }
    return leftmost;
}

TEST(GraphicPainter, LongTitlesAreRightAlignedAndCut) {
    Scene s(1);
    s.list[0]->label = std::string(200, 'W');
    QImage image = s.Paint();
    const CGraphicDiagram& d = s.layout.Diagram(0);
    ASSERT_NE(s.painter.Drawing(d), nullptr);
    const int titleOffset = s.painter.Drawing(d)->titleOffset;
    const int titleLeft = d.Rect().left + titleOffset + 5;
    const int first = InkColumnsInRows(image, d.Rect().top, d.PlotRect().top - 2, titleLeft,
                                       d.Rect().right, 0xFF0000);
    EXPECT_GE(first, titleLeft);
    EXPECT_LE(first, titleLeft + 3);  // the cut text starts at the rectangle's left edge
    // Nothing of the title is drawn left of its rectangle (besides the maximum label).
    EXPECT_EQ(InkColumnsInRows(image, d.Rect().top, d.PlotRect().top - 2,
                               d.Rect().left + titleOffset + 3, titleLeft, 0xFF0000),
              -1);

    s.list[0]->label = "Short";
    s.list[0]->unit = "V";
    image = s.Paint();
    const int shortFirst = InkColumnsInRows(image, d.Rect().top, d.PlotRect().top - 2, titleLeft,
                                            d.Rect().right, 0xFF0000);
    EXPECT_GT(shortFirst, (titleLeft + d.Rect().right) / 2 - 60);  // centred
}

TEST(GraphicPainter, CursorInvertsOnlyItsStrips) {
    Scene s(2);
    QImage image = s.Paint();
    s.layout.cursorOn = true;
    s.layout.cursorSample = 1000;
    s.Paint();  // places the cursor
    image = s.Paint();
    const QImage before = image;
    QPainter p(&image);
    const std::vector<QRect> regions = s.painter.PaintCursors(p, s.font);
    p.end();
    const GraphicRect& plot = s.layout.Diagram(0).PlotRect();
    const int column = s.layout.cursorColumn;
    ASSERT_GE(column, plot.left);
    // The painter, not the model, remembers where it drew the cross.
    const DiagramDrawing* drawn = s.painter.Drawing(s.layout.Diagram(0));
    ASSERT_NE(drawn, nullptr);
    EXPECT_TRUE(drawn->cursorDrawn);
    EXPECT_EQ(drawn->cursorColumn, column);
    // White plot background becomes black under the cross.
    int inverted = 0;
    for (int y = plot.top; y < plot.bottom; ++y) {
        if (Pixel(before, column, y) == 0xFFFFFFu)
            inverted += Pixel(image, column, y) == 0u;
    }
    EXPECT_GT(inverted, plot.Height() / 2);
    // Every changed pixel lies in one of the reported regions, and they are small.
    long area = 0;
    for (const QRect& r : regions)
        area += static_cast<long>(r.width()) * r.height();
    EXPECT_LT(area, 640L * 480L / 20);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (before.pixel(x, y) == image.pixel(x, y))
                continue;
            bool inside = false;
            for (const QRect& r : regions)
                inside = inside || r.contains(x, y);
            ASSERT_TRUE(inside) << x << "," << y;
        }
    }

    // Copying inverted strips from the image below gives exactly the blended picture,
    // the pixel where the lines cross included.
    QImage copied = before;
    QPainter q(&copied);
    s.painter.PaintCursors(q, s.font, &before);
    q.end();
    EXPECT_EQ(copied, image);
}

TEST(GraphicPainter, CursorBIsADashedOrangeLineInEveryDiagramInsideItsRegions) {
    Scene s(2);
    s.layout.cursorOn = true;
    s.layout.cursorSample = 1000;
    s.layout.cursorBSample = 500;
    s.Paint();  // places both cursors
    const QImage before = s.Paint();
    QImage image = before;
    QPainter p(&image);
    const std::vector<QRect> regions = s.painter.PaintCursors(p, s.font, &before);
    p.end();
    const int b = s.layout.cursorBColumn;
    ASSERT_GE(b, 0);
    EXPECT_NE(b, s.layout.cursorColumn);
    for (int i = 0; i < s.layout.DiagramCount(); ++i) {
        const GraphicRect& plot = s.layout.Diagram(i).PlotRect();
        int orange = 0, other = 0;
        for (int y = plot.top; y < plot.bottom; ++y)
            (Pixel(image, b, y) == 0xFF7F00u ? orange : other) += 1;
        // Dashes: about half the column, with gaps.
        EXPECT_GT(orange, plot.Height() / 3) << i;
        EXPECT_GT(other, 0) << i;
    }
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (before.pixel(x, y) == image.pixel(x, y))
                continue;
            bool inside = false;
            for (const QRect& r : regions)
                inside = inside || r.contains(x, y);
            ASSERT_TRUE(inside) << x << "," << y;
        }
    }
    // Outside the window B has no column and draws nothing.
    s.layout.cursorBSample = 1999;
    s.layout.SetLastSample(1500);
    s.Paint();
    EXPECT_EQ(s.layout.cursorBColumn, -1);
}

// Columns of the rectangle that hold anything but the background, grouped into runs that
// are separated by at least minBlank empty columns: (first column, last column) per run.
std::vector<std::pair<int, int>> InkRuns(const QImage& image, const QRect& rect, QRgb background,
                                         int minBlank) {
    std::vector<std::pair<int, int>> runs;
    int blank = minBlank;
    for (int x = rect.left(); x <= rect.right(); ++x) {
        bool ink = false;
        for (int y = rect.top(); y <= rect.bottom() && !ink; ++y)
            ink = Pixel(image, x, y) != background;
        if (!ink) {
            ++blank;
            continue;
        }
        if (blank >= minBlank || runs.empty())
            runs.emplace_back(x, x);
        runs.back().second = x;
        blank = 0;
    }
    return runs;
}

std::string Trimmed(const std::string& text) {
    return QString::fromStdString(text).trimmed().toStdString();
}

TEST(GraphicPainter, CursorBoxShowsEveryDigitOfBothNumbers) {
    Scene s(1);
    const CursorValueFormat formats[] = {CursorValueFormat::Build(10, 6, 1),
                                         CursorValueFormat::Build(12, 6, 0),
                                         CursorValueFormat::Build(12, 4, 2)};
    const QFontMetrics metrics(s.font);
    const int gap = metrics.horizontalAdvance(QStringLiteral("00"));
    for (const double value : {90.1257, -1.59372, -1234567.891, 56.2642}) {
        s.values.SetFormula([value](const Dataset&, std::uint64_t) { return value; });
        for (const CursorValueFormat& format : formats) {
            for (const bool samples : {false, true}) {
                SCOPED_TRACE(format.Text() + " " + std::to_string(value) +
                             (samples ? " samples" : " time"));
                s.layout.SetCursorValueFormat(format);
                s.layout.SetAxisInSamples(samples);
                s.layout.cursorOn = true;
                s.layout.cursorSample = 1499;
                QImage image = s.Paint();
                ASSERT_EQ(s.result, 0);
                const CGraphicDiagram& d = s.layout.Diagram(0);
                const CursorBoxLayout box = s.painter.CursorBox(d, s.font);
                const double position = samples ? 1500.0 : 1499 * 0.001;
                EXPECT_EQ(box.value.toStdString(), Trimmed(format.Apply(value)));
                EXPECT_EQ(box.position.toStdString(), Trimmed(format.Apply(position)));
                // Side by side with a visible gap, inside the box and the title band.
                EXPECT_GE(box.valueRect.left() - box.positionRect.right() - 1, gap);
                EXPECT_TRUE(box.box.contains(box.positionRect.left(), box.box.top()));
                EXPECT_TRUE(box.box.contains(box.valueRect.right(), box.box.top()));
                EXPECT_LT(box.box.right(), d.Rect().right);
                EXPECT_LT(box.box.bottom(), d.PlotRect().top);

                // What is drawn: two runs of ink as wide as the two complete texts.
                QPainter p(&image);
                s.painter.PaintCursors(p, s.font);
                p.end();
                const auto runs = InkRuns(image, box.box, 0xF0F0F0, gap / 2);
                ASSERT_EQ(runs.size(), 2u);
                const int positionInk = metrics.tightBoundingRect(box.position).width();
                const int valueInk = metrics.tightBoundingRect(box.value).width();
                EXPECT_NEAR(runs[0].second - runs[0].first + 1, positionInk, 2);
                EXPECT_NEAR(runs[1].second - runs[1].first + 1, valueInk, 2);
            }
        }
    }
}

TEST(GraphicPainter, CursorBoxLeavesOutWhatHasNoRoom) {
    Scene s(1);
    s.values.SetFormula([](const Dataset&, std::uint64_t) { return -1234567.891; });
    s.layout.SetCursorValueFormat(CursorValueFormat::Build(12, 6, 0));
    s.layout.cursorOn = true;
    s.layout.cursorSample = 1000;
    const std::string value = Trimmed(CursorValueFormat::Build(12, 6, 0).Apply(-1234567.891));
    bool both = false, valueOnly = false, none = false;
    for (int width = 640; width >= 40; width -= 4) {
        s.layout.SetClientRect(0, 0, width + 1, 481);
        s.Paint();
        const CGraphicDiagram& d = s.layout.Diagram(0);
        const CursorBoxLayout box = s.painter.CursorBox(d, s.font);
        if (box.box.isEmpty()) {
            EXPECT_TRUE(box.value.isEmpty() && box.position.isEmpty()) << width;
            none = true;
            continue;
        }
        // A number is there complete or not at all; the value goes last.
        EXPECT_EQ(box.value.toStdString(), value) << width;
        if (box.position.isEmpty()) {
            valueOnly = true;
        } else {
            both = true;
            EXPECT_EQ(box.position.toStdString(), "1.000000") << width;
        }
        const int titleLeft = d.Rect().left + s.painter.Drawing(d)->titleOffset + 5;
        EXPECT_GE(box.box.left(), titleLeft) << width;
    }
    EXPECT_TRUE(both);
    EXPECT_TRUE(valueOnly);
    EXPECT_TRUE(none);
}

TEST(GraphicPainter, TheLowLevelOfAStepChannelIsDrawn) {
    Scene s(1);
    // 0 and 1 in turns of 100 samples, scaled from 0: the low level is the display minimum.
    s.values.SetFormula(
        [](const Dataset&, std::uint64_t f) { return static_cast<double>((f / 100) % 2); });
    s.list[0]->minimum = 0.0;
    s.list[0]->maximum = 1.0;
    s.layout.Autoscale(0, 2000, false, true);
    ASSERT_EQ(s.list[0]->display.displayMinimum, 0.0);
    s.layout.cursorOn = true;
    s.layout.cursorSample = 50;  // on the low level
    QImage image = s.Paint();
    ASSERT_EQ(s.result, 0);
    const GraphicRect& plot = s.layout.Diagram(0).PlotRect();
    int low = 0;
    for (int x = plot.left; x < plot.right; ++x)
        low += Pixel(image, x, plot.bottom - 1) == 0xFF0000u;
    EXPECT_GT(low, plot.Width() / 3);  // half of the time on the low level

    // The cursor's horizontal line lies on that row too.
    EXPECT_EQ(s.list[0]->display.cursorPixelRow, plot.bottom - 1);
    const std::vector<QRect> regions = s.painter.CursorRegions(s.font);
    EXPECT_NE(std::find(regions.begin(), regions.end(),
                        QRect(plot.left, plot.bottom - 1, plot.Width(), 1)),
              regions.end());
    // At the last visible sample the cursor stands in the plot's last column.
    s.layout.cursorSample = s.layout.LastSample();
    s.Paint();
    EXPECT_EQ(s.layout.cursorColumn, plot.right - 1);
}

TEST(GraphicPainter, ATransparentCurveKeepsItsTextsReadable) {
    Scene s(1);
    s.list[0]->display.color = COLOR_TRANSPARENT;
    s.list[0]->label = "Pressure";
    const QImage image = s.Paint();
    ASSERT_EQ(s.result, 0);
    const CGraphicDiagram& d = s.layout.Diagram(0);
    const GraphicRect& plot = d.PlotRect();
    // No line inside the plot: only its white background.
    int drawn = 0;
    for (int x = plot.left; x < plot.right; ++x) {
        for (int y = plot.top; y < plot.bottom; ++y)
            drawn += Pixel(image, x, y) != 0xFFFFFFu;
    }
    EXPECT_EQ(drawn, 0);
    // The labels and the title stand in black on the diagram's background.
    int black = 0;
    for (int x = d.Rect().left; x < d.Rect().right; ++x) {
        for (int y = d.Rect().top; y < plot.top - 2; ++y)
            black += Pixel(image, x, y) == 0x000000u;
    }
    EXPECT_GT(black, 20);
    EXPECT_EQ(CurveTextColor(COLOR_TRANSPARENT), 0x000000u);
    EXPECT_FALSE(CurveLineVisible(COLOR_TRANSPARENT));
    EXPECT_EQ(CurveTextColor(0x0000FF), 0x0000FFu);
}

TEST(GraphicPainter, ErrorsAndTinyWindowsPaintNothingInside) {
    Scene s(1);
    for (Dataset* d : s.list)
        d->active = false;
    s.layout.ApplyCurves(s.list, false);
    s.Paint();
    EXPECT_EQ(s.result, LAYOUT_NO_CURVES);
    CGraphicPainter unbound;
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter p(&image);
    EXPECT_EQ(unbound.Paint(p, QFont(), DRAW_ALL, image.rect()), LAYOUT_INTERNAL);

    Scene tiny(1);
    tiny.layout.SetClientRect(0, 0, 30, 12);
    tiny.Paint();
    EXPECT_EQ(tiny.result, 0);
}

TEST(GraphicPainter, FlatCurvesAndEmptyRanges) {
    GraphicRect plot{10, 10, 110, 60};
    DatasetDisplay d;
    d.points.assign(400, {});
    d.SetDisplayRange(4.0, 6.0);
    BuildFlatPoints(d, 5.0, plot, 0.0, 1.0, 0.5);
    ASSERT_EQ(d.pointCount, 2);
    EXPECT_EQ(d.points[0].x, 10);
    EXPECT_EQ(d.points[1].x, 60);
    EXPECT_EQ(d.points[0].y, 35);
    BuildFlatPoints(d, 50.0, plot, 0.0, 1.0, 0.5);
    EXPECT_EQ(d.pointCount, 0);
    EXPECT_EQ(d.flatPixel, -1);

    // Far outside values are held near the plot; NaN columns are left out.
    std::vector<ColumnRange> columns(100);
    columns[0] = {1e300, 1e300, false};
    columns[1] = {std::nan(""), 1.0, false};
    columns[2] = {4.5, 5.5, false};
    BuildColumnPoints(d, columns, plot);
    ASSERT_EQ(d.pointCount, 3);
    EXPECT_GE(d.points[0].y, plot.bottom - 26 * plot.Height());
    EXPECT_EQ(d.points[1].x, 12);
}

// Drawing in bands gives the picture of one drawing: heights on and around the band size,
// and a source at twice the target's scale (a pixel ratio of 2).
TEST(GraphicPainter, ImagesDrawnInBandsEqualOneDrawing) {
    QImage source(40, 600, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (y * 7) % 256, (x ^ y) % 256));
    }
    for (const int height : {1, 63, 64, 65, 128, 129, 250}) {
        for (const qreal scale : {1.0, 2.0}) {
            const QRect target(3, 5, 17, height);
            const QRectF from(2, 7, 17 * scale, height * scale);
            QImage once(30, 300, QImage::Format_RGB32), banded(30, 300, QImage::Format_RGB32);
            once.fill(Qt::white);
            banded.fill(Qt::white);
            QPainter a(&once);
            a.drawImage(QRectF(target), source, from);
            a.end();
            QPainter b(&banded);
            DrawImageInBands(b, target, source, from);
            b.end();
            EXPECT_TRUE(once == banded) << height << " rows at scale " << scale;
        }
    }
}

// A curve drawn as column runs: every column's own run whole, one run of rows in each column,
// each inside the rows of the segments that cross the column, neighbouring columns touching
// (no gap in the line), nothing outside the plot. Random curves of one or two points per
// column, gaps, steps of every size, points above, below and left of the plot, a flat line,
// single points.
TEST(GraphicPainter, CurveRunsAreWholeConnectedAndInsideThePlot) {
    std::mt19937 random(25);
    const QRect clip(10, 20, 300, 200);
    const QRgb white = qRgb(255, 255, 255);
    for (int round = 0; round < 300; ++round) {
        std::vector<QPoint> points;
        const int columns = round < 3 ? round + 1 : 1 + static_cast<int>(random() % 320);
        int x = 5 + static_cast<int>(random() % 10);
        for (int c = 0; c < columns; ++c, ++x) {
            if (random() % 10 == 0)
                x += static_cast<int>(random() % 5);  // empty columns
            const int spread = round % 3 == 0 ? 3 : round % 3 == 1 ? 40 : 300;
            const int a = 120 + static_cast<int>(random() % spread) - spread / 2;
            points.emplace_back(x, a);
            if (random() % 3 != 0)
                points.emplace_back(x, a + static_cast<int>(random() % spread) - spread / 2);
        }
        if (round == 3)
            points = {QPoint(12, 30), QPoint(250, 30)};  // a flat curve
        QImage image(340, 260, QImage::Format_RGB32);
        image.fill(white);
        {
            QPainter p(&image);
            p.setClipRect(clip);
            QImage* target = DirectCurveTarget(p);
            ASSERT_NE(target, nullptr);
            FillCurveRuns(*target, points.data(), static_cast<int>(points.size()), clip,
                          qRgb(200, 40, 10));
        }
        SCOPED_TRACE("round " + std::to_string(round));
        const auto set = [&](int px, int py) {
            return image.rect().contains(px, py) && image.pixel(px, py) != white;
        };
        // The rows the segments crossing each column span.
        std::vector<int> lowest(static_cast<std::size_t>(image.width()), INT_MAX);
        std::vector<int> highest(static_cast<std::size_t>(image.width()), INT_MIN);
        for (std::size_t i = 0; i < points.size(); ++i) {
            const QPoint a = points[i], b = points[std::min(i + 1, points.size() - 1)];
            for (int c = std::min(a.x(), b.x()); c <= std::max(a.x(), b.x()); ++c) {
                if (c < 0 || c >= image.width())
                    continue;
                lowest[c] = std::min({lowest[c], a.y(), b.y()});
                highest[c] = std::max({highest[c], a.y(), b.y()});
            }
            if (b.x() == a.x() && i + 1 < points.size()) {
                for (int y = std::min(a.y(), b.y()); y <= std::max(a.y(), b.y()); ++y)
                    ASSERT_EQ(set(a.x(), y), clip.contains(a.x(), y)) << a.x() << "," << y;
            }
        }
        int previousTop = 0, previousBottom = -1;
        for (int c = 0; c < image.width(); ++c) {
            int top = INT_MAX, bottom = INT_MIN, count = 0;
            for (int y = 0; y < image.height(); ++y) {
                if (set(c, y)) {
                    ASSERT_TRUE(clip.contains(c, y)) << c << "," << y;
                    ASSERT_GE(y, lowest[c]) << c;
                    ASSERT_LE(y, highest[c]) << c;
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                    ++count;
                }
            }
            if (count > 0) {
                ASSERT_EQ(count, bottom - top + 1) << "one run in column " << c;
            }
            // A line crossing the column inside the plot leaves pixels there.
            if (clip.contains(c, clip.top()) && lowest[c] != INT_MAX && lowest[c] >= clip.top() &&
                highest[c] <= clip.bottom()) {
                ASSERT_GT(count, 0) << "column " << c;
                if (previousBottom >= previousTop && lowest[c - 1] != INT_MAX) {
                    ASSERT_LE(top, previousBottom + 1) << "gap before column " << c;
                    ASSERT_LE(previousTop, bottom + 1) << "gap before column " << c;
                }
            }
            previousTop = top;
            previousBottom = count > 0 ? bottom : -1;
        }
    }
    // Nothing is written straight into a scaled image or one drawn half opaque.
    QImage image(20, 20, QImage::Format_RGB32);
    QPainter painter(&image);
    EXPECT_EQ(DirectCurveTarget(painter), &image);
    painter.setOpacity(0.5);
    EXPECT_EQ(DirectCurveTarget(painter), nullptr);
    painter.end();
    image.setDevicePixelRatio(2.0);
    QPainter scaled(&image);
    EXPECT_EQ(DirectCurveTarget(scaled), nullptr);
}

}  // namespace
}  // namespace grafyon

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
