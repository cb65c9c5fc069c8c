// The zoom-and-centre mouse mode on a placed layout: bands, clicks and centre modes.
#include <gtest/gtest.h>

#include "viewer/navigation/navigation_commands.h"
#include "viewer/navigation/zoom_center.h"
#include "viewer/view/test_support/test_scene.h"

namespace grafyon {
namespace {

using test::Scene;

// One sample per second, so times read as sample numbers; window 100 ... 299.
struct ZoomScene : Scene {
    explicit ZoomScene(ViewMode viewMode = ViewMode::CurvePerDiagram)
        : Scene(1000, 3, 100, 1.0, viewMode, 2) {
        Show(100, 299);
        history.Clear();
        history.Take(layout);
        plot = layout.Diagram(0).PlotRect();
        curve = layout.Diagram(0).curve;
        minimum = curve->display.displayMinimum;
        maximum = curve->display.displayMaximum;
    }
    int Press(const GraphicRect& band, int x, int y, CenterMode centerMode = CenterMode::Both) {
        CGraphicObject* target = ZoomCenterTarget(layout, x, y);
        if (target == nullptr)
            return -1;
        return ZoomOrCenter(layout, history, *target, band, x, y, centerMode);
    }
    int Click(int x, int y, CenterMode centerMode = CenterMode::Both) {
        return Press(GraphicRect{}, x, y, centerMode);
    }
    int XAt(double fraction) const { return plot.left + static_cast<int>(fraction * plot.Width()); }
    int YAt(double fraction) const {
        return plot.bottom - static_cast<int>(fraction * plot.Height());
    }

    GraphicRect plot;
    Dataset* curve = nullptr;
    double minimum = 0.0;
    double maximum = 0.0;
};

TEST(ZoomCenterTarget, DiagramsOnlyInTheirPlotAxesOnlyBetweenTheirPlotColumns) {
    ZoomScene s;
    EXPECT_EQ(ZoomCenterTarget(s.layout, s.plot.left, s.plot.top), &s.layout.Diagram(0));
    EXPECT_EQ(ZoomCenterTarget(s.layout, s.plot.left - 1, s.plot.top + 5), nullptr);
    EXPECT_EQ(ZoomCenterTarget(s.layout, s.plot.left + 5, s.plot.top - 1), nullptr);
    const CGraphicXAxis& axis = s.layout.BottomAxis();
    const int y = axis.Rect().top + 2;
    EXPECT_EQ(ZoomCenterTarget(s.layout, axis.plotLeft, y), &axis);
    EXPECT_EQ(ZoomCenterTarget(s.layout, axis.plotRight, y), &axis);
    EXPECT_EQ(ZoomCenterTarget(s.layout, axis.plotRight + 1, y), nullptr);
    EXPECT_EQ(ZoomCenterTarget(s.layout, axis.plotLeft - 1, y), nullptr);
    EXPECT_EQ(ZoomCenterTarget(s.layout, 2000, 2000), nullptr);
}

TEST(FractionSpan, OrderedClampedAndEmptyOrFullChangesNothing) {
    double lo = 0, hi = 0;
    EXPECT_TRUE(FractionSpan(0.7, 0.2, lo, hi));
    EXPECT_EQ(lo, 0.2);
    EXPECT_EQ(hi, 0.7);
    EXPECT_TRUE(FractionSpan(-0.5, 0.5, lo, hi));
    EXPECT_EQ(lo, 0.0);
    EXPECT_FALSE(FractionSpan(0.3, 0.3, lo, hi));
    EXPECT_FALSE(FractionSpan(-0.1, 1.4, lo, hi));
    EXPECT_FALSE(FractionSpan(1.2, 1.5, lo, hi));  // both beyond the top
}

TEST(RubberBand, ABandZoomsTheCurveAndTheTimeWindow) {
    ZoomScene s;
    const GraphicRect band{s.XAt(0.25), s.YAt(0.75), s.XAt(0.75), s.YAt(0.25)};
    EXPECT_EQ(s.Press(band, band.left, band.top), HINT_REDRAW);
    const double range = s.maximum - s.minimum;
    const double lo = static_cast<double>(s.plot.bottom - band.bottom) / s.plot.Height();
    const double hi = static_cast<double>(s.plot.bottom - band.top) / s.plot.Height();
    EXPECT_NEAR(lo, 0.25, 0.01);
    EXPECT_DOUBLE_EQ(s.curve->display.displayMinimum, s.minimum + lo * range);
    EXPECT_DOUBLE_EQ(s.curve->display.displayMaximum, s.minimum + hi * range);
    // Time window 100 ... 299 (199 s): the band covers its middle half.
    const double t0 = 100.0 + 199.0 * (band.left - s.plot.left) / s.plot.Width();
    const double t1 = 100.0 + 199.0 * (band.right - s.plot.left) / s.plot.Width();
    EXPECT_DOUBLE_EQ(s.layout.StartTime(), t0);
    EXPECT_DOUBLE_EQ(s.layout.EndTime(), t1);
    EXPECT_EQ(s.layout.GetStartMode(), StartMode::Time);
    EXPECT_EQ(s.layout.GetIntervalMode(), IntervalMode::MaxTime);
    EXPECT_EQ(s.history.Count(), 2);
    // The other diagram's curve is untouched.
    EXPECT_EQ(s.layout.Diagram(1).curve->display.displayMinimum, s.list[1]->display.displayMinimum);
    EXPECT_EQ(s.history.Undo(s.layout), HINT_REDRAW);
    EXPECT_EQ(s.curve->display.displayMinimum, s.minimum);
    EXPECT_DOUBLE_EQ(s.layout.StartTime(), 100.0);
    EXPECT_DOUBLE_EQ(s.layout.EndTime(), 299.0);
}

TEST(RubberBand, AFullHeightBandZoomsOnlyTheTime) {
    ZoomScene s;
    const GraphicRect band{s.XAt(0.5), s.plot.top - 3, s.XAt(0.9), s.plot.bottom + 4};
    EXPECT_EQ(s.Press(band, band.left, s.plot.top + 1), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.curve->display.displayMinimum, s.minimum);
    EXPECT_EQ(s.curve->display.displayMaximum, s.maximum);
    EXPECT_GT(s.layout.StartTime(), 190.0);
}

TEST(RubberBand, ABandFourPixelsHighIsAClickThatCentres) {
    ZoomScene s;
    const int x = s.XAt(0.75);
    const int y = s.YAt(0.75);
    const GraphicRect band{x, y, x + 40, y + 4};
    EXPECT_EQ(s.Press(band, x, y), HINT_REDRAW);
    // Centred vertically on the press, not zoomed: the range keeps its size.
    const double f = static_cast<double>(s.plot.bottom - y) / s.plot.Height();
    const double shift = (s.maximum - s.minimum) * (f - 0.5);
    EXPECT_DOUBLE_EQ(s.curve->display.displayMinimum, s.minimum + shift);
    EXPECT_DOUBLE_EQ(s.curve->display.displayMaximum, s.maximum + shift);
    const double fx = static_cast<double>(x - s.plot.left) / s.plot.Width();
    EXPECT_DOUBLE_EQ(s.layout.StartTime(), 100.0 + 199.0 * (fx - 0.5));
    EXPECT_DOUBLE_EQ(s.layout.EndTime() - s.layout.StartTime(), 199.0);
    EXPECT_EQ(s.history.Count(), 2);

    // Four pixels wide is a click as well.
    ZoomScene narrow;
    const GraphicRect thin{x, s.YAt(0.9), x + 4, s.YAt(0.1)};
    EXPECT_EQ(narrow.Press(thin, x, s.YAt(0.5)), HINT_VISIBLE_RANGE);
    EXPECT_DOUBLE_EQ(narrow.layout.EndTime() - narrow.layout.StartTime(), 199.0);
}

TEST(Centre, CentreModeOneMovesOnlyTheTimeWindowAndModeTwoNothing) {
    ZoomScene s;
    EXPECT_EQ(s.Click(s.XAt(0.75), s.YAt(0.9), CenterMode::Horizontal), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.curve->display.displayMinimum, s.minimum);
    EXPECT_EQ(s.curve->display.displayMaximum, s.maximum);
    EXPECT_GT(s.layout.StartTime(), 140.0);

    ZoomScene inactive;
    EXPECT_EQ(inactive.Click(s.XAt(0.75), s.YAt(0.9), CenterMode::Inactive), 0);
    EXPECT_DOUBLE_EQ(inactive.layout.StartTime(), 100.0);
    EXPECT_EQ(inactive.curve->display.displayMinimum, inactive.minimum);
    EXPECT_EQ(inactive.history.Count(), 1);
}

TEST(Centre, TheMiddleChangesNothingAndTheEndsStopTheShift) {
    ZoomScene s;
    ASSERT_EQ(s.plot.Width() % 2, 0);
    ASSERT_EQ(s.plot.Height() % 2, 0);
    const int midX = s.plot.left + s.plot.Width() / 2;
    const int midY = s.plot.bottom - s.plot.Height() / 2;
    EXPECT_EQ(s.Click(midX, midY), 0);
    EXPECT_EQ(s.history.Count(), 1);

    s.Show(10, 209);  // a shift of almost 100 s to the left stops at 0
    EXPECT_EQ(s.Click(s.plot.left, midY), HINT_VISIBLE_RANGE);
    EXPECT_DOUBLE_EQ(s.layout.StartTime(), 0.0);
    EXPECT_DOUBLE_EQ(s.layout.EndTime(), 199.0);
    EXPECT_EQ(s.Click(s.plot.left, midY), 0);  // already at the start

    s.Show(790, 989);  // and to the right at the duration, 999 s
    EXPECT_EQ(s.Click(s.plot.right - 1, midY), HINT_VISIBLE_RANGE);
    EXPECT_DOUBLE_EQ(s.layout.EndTime(), 999.0);
    EXPECT_DOUBLE_EQ(s.layout.StartTime(), 800.0);
}

TEST(Centre, OnTheAxisOnlyTheTimeWindowMoves) {
    ZoomScene s;
    const CGraphicXAxis& axis = s.layout.BottomAxis();
    const int y = axis.Rect().top + 2;
    const int x = axis.plotLeft + (axis.plotRight + 1 - axis.plotLeft) * 3 / 4;
    EXPECT_EQ(s.Click(x, y), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.curve->display.displayMinimum, s.minimum);
    EXPECT_GT(s.layout.StartTime(), 140.0);
    ZoomScene inactive;
    EXPECT_EQ(inactive.Click(x, y, CenterMode::Inactive), 0);

    // A drag five pixels wide (of any height) zooms the time window.
    ZoomScene zoom;
    const GraphicRect band{axis.plotLeft, y, axis.plotLeft + 5, y + 1};
    EXPECT_EQ(zoom.Press(band, axis.plotLeft, y), HINT_VISIBLE_RANGE);
    EXPECT_DOUBLE_EQ(zoom.layout.StartTime(), 100.0);
    EXPECT_LT(zoom.layout.EndTime(), 103.0);
    EXPECT_EQ(zoom.curve->display.displayMinimum, zoom.minimum);
}

TEST(RubberBand, TheAllCurvesDiagramZoomsEveryActiveCurve) {
    ZoomScene s(ViewMode::AllCurves);
    ASSERT_EQ(s.layout.DiagramCount(), 1);
    s.plot = s.layout.Diagram(0).PlotRect();
    s.list[2]->active = false;  // a curve whose flag was cleared is left alone
    std::vector<std::pair<double, double>> before;
    for (const Dataset* d : s.list) {
        before.emplace_back(d->display.displayMinimum, d->display.displayMaximum);
    }
    const GraphicRect band{s.XAt(0.1), s.YAt(0.5), s.XAt(0.9), s.YAt(0.0)};
    EXPECT_EQ(s.Press(band, band.left, band.top), HINT_REDRAW);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(s.list[i]->display.displayMinimum, before[i].first) << i;
        EXPECT_NEAR(s.list[i]->display.displayMaximum, (before[i].first + before[i].second) / 2.0,
                    (before[i].second - before[i].first) * 0.01)
            << i;
    }
    EXPECT_EQ(s.list[2]->display.displayMaximum, before[2].second);
}

}  // namespace
}  // namespace grafyon
