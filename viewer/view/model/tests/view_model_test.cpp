// The diagram model without any display: range, curves, ticks, scaling, layout pass.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "viewer/data/measurement_description.h"
#include "viewer/view/model/axis_scale.h"
#include "viewer/view/model/graphic_layout.h"
#include "viewer/view/model/plot_mapping.h"
#include "viewer/view/model/range_list.h"
#include "viewer/view/model/sample_time.h"
#include "viewer/view/model/scaling.h"
#include "viewer/view/test_support/test_recording.h"

namespace grafyon {
namespace {

// One segment of the given frames and step and n datasets with value(frame) =
// (index + 1) × frame.
using Recording = test::TestRecording;

TEST(SampleTime, ToleratesBinaryFractions) {
    int truncatedEarly = 0;
    for (int i = 0; i < 100000; ++i) {
        const double t = i * 0.001;
        EXPECT_EQ(TimeToSample(t, 0.001), i);
        EXPECT_EQ(TimeToSampleCeil(t, 0.001), i);
        if (static_cast<int>(t / 0.001) != i)
            ++truncatedEarly;
    }
    EXPECT_GT(truncatedEarly, 0);  // plain truncation would be off by one for these
    EXPECT_EQ(TimeToSample(0.0015, 0.001), 1);
    EXPECT_EQ(TimeToSampleCeil(0.0015, 0.001), 2);
    EXPECT_EQ(TimeToSample(-1.0, 0.001), 0);
    EXPECT_EQ(TimeToSample(std::nan(""), 0.001), 0);
    EXPECT_EQ(TimeToSample(5.0, 0.0), 0);
}

TEST(VisibleRange, TwoSamplesStayPut) {
    Recording r(2, 0.5, 1);
    r.layout.SetIntervalMode(IntervalMode::Values);
    r.layout.SetInterval(100);
    r.layout.SetFirstSample(5);
    EXPECT_EQ(r.layout.FirstSample(), 0);
    EXPECT_EQ(r.layout.LastSample(), 1);
    r.layout.SetLastSample(0);
    EXPECT_EQ(r.layout.LastSample(), 1);
    r.layout.SetLastSample(7);
    EXPECT_EQ(r.layout.LastSample(), 1);
    EXPECT_DOUBLE_EQ(r.layout.EndTime(), 0.5);
}

TEST(VisibleRange, OneSampleKeepsAOneStepWindow) {
    Recording r(1, 0.25, 1);
    r.layout.FullRange();
    EXPECT_EQ(r.layout.FirstSample(), 0);
    EXPECT_EQ(r.layout.LastSample(), 0);
    EXPECT_DOUBLE_EQ(r.layout.StartTime(), 0.0);
    EXPECT_DOUBLE_EQ(r.layout.EndTime(), 0.25);
}

TEST(VisibleRange, IntervalValidationByMode) {
    Recording r(100, 0.01, 1);
    r.layout.SetIntervalMode(IntervalMode::Values);
    r.layout.SetInterval(1);
    EXPECT_EQ(r.layout.GetIntervalValue(), 2.0);
    r.layout.SetFirstSample(97);  // samples - 3
    r.layout.SetInterval(10);
    EXPECT_EQ(r.layout.GetIntervalValue(), 3.0);
    EXPECT_EQ(r.layout.FirstSample(), 97);
    EXPECT_EQ(r.layout.LastSample(), 99);

    r.layout.SetFirstSample(10);
    r.layout.SetIntervalMode(IntervalMode::MaxIndex);
    r.layout.SetInterval(3);
    EXPECT_EQ(r.layout.GetIntervalValue(), 11.0);
    r.layout.SetInterval(500);
    EXPECT_EQ(r.layout.GetIntervalValue(), 99.0);

    r.layout.SetIntervalMode(IntervalMode::Time);
    r.layout.SetInterval(0.001);
    EXPECT_DOUBLE_EQ(r.layout.GetIntervalValue(), 0.01);
    r.layout.SetInterval(5.0);
    EXPECT_DOUBLE_EQ(r.layout.GetIntervalValue(), 0.99 - 0.1);
    EXPECT_EQ(r.layout.LastSample(), 99);

    r.layout.SetIntervalMode(IntervalMode::MaxTime);
    r.layout.SetInterval(0.05);  // before the start: one step after it
    EXPECT_DOUBLE_EQ(r.layout.GetIntervalValue(), 0.11);
    EXPECT_EQ(r.layout.LastSample(), 11);

    r.layout.SetIntervalMode(IntervalMode::All);
    EXPECT_EQ(r.layout.LastSample(), 99);
    r.layout.SetLastSample(50);
    EXPECT_EQ(r.layout.GetIntervalMode(), IntervalMode::MaxIndex);
    EXPECT_EQ(r.layout.LastSample(), 50);

    // Stored garbage never reaches the range.
    r.layout.SetInterval(std::nan(""));
    r.layout.SetStart(std::numeric_limits<double>::infinity());
    EXPECT_LT(r.layout.FirstSample(), r.layout.LastSample());
    EXPECT_LE(r.layout.LastSample(), 99);
}

TEST(VisibleRange, LastSampleInEveryIntervalModeIsTheOneSet) {
    for (const IntervalMode mode : {IntervalMode::Values, IntervalMode::MaxIndex,
                                    IntervalMode::Time, IntervalMode::MaxTime}) {
        Recording r(100, 0.01, 1);
        r.layout.SetIntervalMode(mode);
        r.layout.SetFirstSample(40);
        r.layout.SetLastSample(41);
        EXPECT_EQ(r.layout.LastSample(), 41) << static_cast<int>(mode);
        r.layout.SetLastSample(99);
        EXPECT_EQ(r.layout.LastSample(), 99) << static_cast<int>(mode);
        EXPECT_DOUBLE_EQ(r.layout.EndTime(), 0.99) << static_cast<int>(mode);
    }
    // The time interval is the duration from the start to the last sample.
    Recording r(100, 0.01, 1);
    r.layout.SetIntervalMode(IntervalMode::Time);
    r.layout.SetFirstSample(40);
    r.layout.SetLastSample(50);
    EXPECT_NEAR(r.layout.GetIntervalValue(), 0.1, 1e-12);
}

TEST(VisibleRange, TimeWindowAndStartClamping) {
    Recording r(1000, 0.001, 1);
    EXPECT_EQ(r.layout.SetTimeWindow(0.4, 0.123), 1);
    EXPECT_EQ(r.layout.GetStartMode(), StartMode::Time);
    EXPECT_EQ(r.layout.GetIntervalMode(), IntervalMode::MaxTime);
    EXPECT_EQ(r.layout.FirstSample(), 123);  // not 122: times are taken to the nearest sample
    EXPECT_EQ(r.layout.LastSample(), 400);
    EXPECT_EQ(r.layout.SetTimeWindow(0.3, 0.3), 0);

    r.layout.SetStart(5.0);  // beyond (samples - 2) x step
    EXPECT_DOUBLE_EQ(r.layout.GetStartValue(), 0.998);
    EXPECT_EQ(r.layout.FirstSample(), 998);
    EXPECT_EQ(r.layout.LastSample(), 999);

    r.layout.SetStartMode(StartMode::Sample);
    r.layout.SetStart(-4);
    EXPECT_EQ(r.layout.FirstSample(), 0);
    r.layout.SetIntervalMode(IntervalMode::Values);
    r.layout.FullRange();
    EXPECT_EQ(r.layout.FirstSample(), 0);
    EXPECT_EQ(r.layout.LastSample(), 999);
}

TEST(VisibleRange, UnusableStepShowsSampleNumbers) {
    Recording r(50, 0.0, 1);
    EXPECT_EQ(r.layout.Step(), 1.0);
    r.layout.SetIntervalMode(IntervalMode::All);
    EXPECT_DOUBLE_EQ(r.layout.EndTime(), 49.0);
}

TEST(Curves, FewerCurvesThanDiagramsAndNavigation) {
    Recording r(100, 0.01, 3);
    r.layout.SetDiagramCount(4);
    r.layout.ApplyCurves(r.list, true);
    EXPECT_EQ(r.layout.Diagram(0).curve, r.list[0]);
    EXPECT_EQ(r.layout.Diagram(2).curve, r.list[2]);
    EXPECT_EQ(r.layout.Diagram(3).curve, nullptr);
    EXPECT_EQ(r.layout.MoveActiveCurve(1), 0);  // the last curve is already shown

    r.layout.SetDiagramCount(2);
    EXPECT_EQ(r.layout.MoveActiveCurve(1), 1);
    EXPECT_EQ(r.layout.FirstCurveIndex(), 1);
    EXPECT_EQ(r.layout.MoveActiveCurve(1), 0);
    EXPECT_EQ(r.layout.MoveActiveCurve(-5), 1);
    EXPECT_EQ(r.layout.FirstCurveIndex(), 0);
    EXPECT_EQ(r.layout.MoveActiveCurve(-1), 0);
    EXPECT_EQ(r.layout.ActivateCurve(3), 0);

    // Hit test finds only diagrams that show a curve.
    r.layout.SetDiagramCount(4);
    r.layout.ApplyCurves(r.list, false);
    ASSERT_EQ(r.layout.LayoutPass(12, 7, false), 0);
    const GraphicRect last = r.layout.Diagram(3).Rect();
    EXPECT_EQ(r.layout.HitTest(last.left + 5, last.top + 5), nullptr);
    const GraphicRect first = r.layout.Diagram(0).Rect();
    EXPECT_EQ(r.layout.HitTest(first.left + 5, first.top + 5), &r.layout.Diagram(0));
    EXPECT_EQ(r.layout.HitTest(first.right, first.top + 5), nullptr);  // right edge exclusive
}

TEST(Curves, DeactivatingTheFrontCurveOfTheAllCurvesDiagram) {
    Recording r(100, 0.01, 3);
    r.layout.SetViewMode(ViewMode::AllCurves);
    r.layout.ApplyCurves(r.list, true);
    ASSERT_EQ(r.layout.DiagramCount(), 1);
    EXPECT_EQ(r.layout.Diagram(0).curveList->size(), 3u);

    r.layout.ActivateCurve(0);
    r.list[0]->active = false;
    EXPECT_EQ(r.layout.ApplyCurves(r.list, false), 1);
    EXPECT_EQ(r.layout.FirstCurveIndex(), 0);
    EXPECT_EQ(r.layout.Diagram(0).curve, r.list[1]);

    r.list[0]->active = true;
    r.layout.ApplyCurves(r.list, false);
    r.layout.ActivateCurve(1);
    r.list[1]->active = false;
    r.layout.ApplyCurves(r.list, false);
    EXPECT_EQ(r.layout.FirstCurveIndex(), 1);  // the last curve
    EXPECT_EQ(r.layout.Diagram(0).curve, r.list[2]);

    for (Dataset* d : r.list)
        d->active = false;
    r.layout.ApplyCurves(r.list, false);
    EXPECT_EQ(r.layout.FirstCurveIndex(), 0);
    EXPECT_EQ(r.layout.Diagram(0).curve, nullptr);
    EXPECT_EQ(r.layout.LayoutPass(12, 7, true), LAYOUT_NO_CURVES);
}

TEST(Curves, ReadableDatasetsOfEveryKindInFileOrder) {
    Recording r(100, 0.01, 1);                                   // ch0: kind 100
    Dataset* extended = r.AddDataset(ELEMENT_DATASET_EXTENDED);  // ch1
    Dataset* unreadable = r.AddDataset();                        // ch2
    Dataset* listed = r.AddDataset(ELEMENT_DATASET_LIST);        // ch3
    Dataset* last = r.AddDataset();                              // ch4
    r.values.unreadableDatasets = {unreadable};
    EXPECT_EQ(r.layout.CurveDatasets(), (std::vector<Dataset*>{r.list[0], extended, listed, last}));

    unreadable->display.color = 0x123456;
    r.layout.InitialView(InitialViewSettings{}, {0x0000FF, 0x00FF00, 0xFF0000});
    EXPECT_EQ(r.layout.Curves(), r.layout.CurveDatasets());
    // Colours follow the curves' order; a dataset that is no curve keeps its colour.
    EXPECT_EQ(extended->display.color, 0x00FF00u);
    EXPECT_EQ(listed->display.color, 0xFF0000u);
    EXPECT_EQ(last->display.color, 0x0000FFu);
    EXPECT_EQ(unreadable->display.color, 0x123456u);
    // Every curve is autoscaled; the unreadable dataset keeps its empty range.
    EXPECT_LT(listed->display.displayMinimum, listed->display.displayMaximum);
    EXPECT_EQ(unreadable->display.displayMaximum, 0.0);

    // Nothing to rebuild while nothing changed; an inactive one drops out.
    EXPECT_EQ(r.layout.ApplyCurves(false), 0);
    extended->active = false;
    EXPECT_EQ(r.layout.ApplyCurves(false), 1);
    EXPECT_EQ(r.layout.Curves(), (std::vector<Dataset*>{r.list[0], listed, last}));

    CGraphicLayout unbound;
    EXPECT_TRUE(unbound.CurveDatasets().empty());
    EXPECT_EQ(unbound.ApplyCurves(true), 1);
    EXPECT_EQ(unbound.CurveCount(), 0);
}

TEST(Curves, EveryCurveComesToTheFrontOfTheAllCurvesDiagram) {
    Recording r(100, 0.01, 3);
    r.layout.SetDiagramCount(2);
    r.layout.SetViewMode(ViewMode::AllCurves);
    r.layout.ApplyCurves(true);
    ASSERT_EQ(r.layout.DiagramsPerPage(), 2);  // kept for the return to one curve each
    EXPECT_EQ(r.layout.MoveActiveCurve(1), 1);
    EXPECT_EQ(r.layout.MoveActiveCurve(1), 1);
    EXPECT_EQ(r.layout.FirstCurveIndex(), 2);
    EXPECT_EQ(r.layout.Diagram(0).curve, r.list[2]);
    EXPECT_EQ(r.layout.MoveActiveCurve(1), 0);  // the last curve is in front
    EXPECT_EQ(r.layout.MoveActiveCurve(-5), 1);
    EXPECT_EQ(r.layout.FirstCurveIndex(), 0);
}

TEST(Curves, ViewModeRoundTripKeepsTheDiagramsPerPage) {
    Recording r(100, 0.01, 5);
    r.layout.SetDiagramCount(3);
    r.layout.SetViewMode(ViewMode::AllCurves);
    EXPECT_EQ(r.layout.DiagramCount(), 1);
    EXPECT_EQ(r.layout.DiagramsPerPage(), 3);
    r.layout.SetViewMode(ViewMode::CurvePerDiagram);
    EXPECT_EQ(r.layout.DiagramCount(), 3);
    EXPECT_EQ(r.layout.ObjectCount(), 4);  // bottom axis on by default
    r.layout.SetTopAxis(true);
    EXPECT_EQ(r.layout.ObjectCount(), 5);
    EXPECT_EQ(r.layout.ObjectAt(0)->Type(), GRAPHIC_X_AXIS_TYPE);
    EXPECT_EQ(r.layout.ObjectAt(1)->Type(), GRAPHIC_DIAGRAM_TYPE);
    EXPECT_EQ(r.layout.ObjectAt(4), &r.layout.BottomAxis());
    EXPECT_EQ(r.layout.ObjectAt(5), nullptr);
}

TEST(Ticks, DiagramAndAxisSteps) {
    EXPECT_EQ(ComputeDiagramTicks(200, 0, 100, 4, false), (TickSet{10, 5, 0}));
    const TickSet unit = ComputeDiagramTicks(30, 0, 1, 4, false);
    EXPECT_DOUBLE_EQ(unit.major, 0.2);
    EXPECT_DOUBLE_EQ(unit.minor, 0.1);
    EXPECT_EQ(unit.sub, 0.0);
    EXPECT_EQ(ComputeDiagramTicks(0, 0, 1, 4, false), TickSet{});
    EXPECT_EQ(ComputeDiagramTicks(100, 1, 1, 4, false), TickSet{});
    EXPECT_EQ(ComputeDiagramTicks(100, 0, std::numeric_limits<double>::infinity(), 4, false),
              TickSet{});

    CAxisScale samples;
    samples.SetRange(1, 8);
    EXPECT_EQ(samples.Compute(500, 4, true), 0);
    EXPECT_EQ(samples.Ticks(), (TickSet{1, 0, 0}));

    CAxisScale time;
    time.SetRange(0, 1);
    EXPECT_EQ(time.Compute(1000, 4, false), 2);  // 0.1 is halved to 0.05
    EXPECT_DOUBLE_EQ(time.Ticks().major, 0.05);
    EXPECT_DOUBLE_EQ(time.Ticks().minor, 0.01);
    EXPECT_EQ(time.Ticks().sub, 0.0);
    time.SetRange(0.125, 3.5);
    time.SetIncludeEndDecimals(true);
    EXPECT_EQ(time.Compute(100, 4, false), 3);

    EXPECT_EQ(CountDecimals(0.2), 1);
    EXPECT_EQ(CountDecimals(-0.05), 2);
    EXPECT_EQ(CountDecimals(2.0), 0);
    EXPECT_EQ(CountDecimals(std::nan("")), 0);
    EXPECT_EQ(CountDecimals(1.0 / 3.0), 14);

    std::vector<double> lines;
    ForEachMultiple(-0.3, 1.0, 0.25, 100, [&](double v) { lines.push_back(v); });
    EXPECT_EQ(lines, (std::vector<double>{-0.25, 0, 0.25, 0.5, 0.75}));
    lines.clear();
    ForEachMultiple(1e300, 2e300, 1e-10, 1000000, [&](double v) { lines.push_back(v); });
    EXPECT_LE(lines.size(), 1u);  // the value stops advancing at once
    lines.clear();
    ForEachMultiple(0, 1e6, 1, 7, [&](double v) { lines.push_back(v); });
    EXPECT_EQ(lines.size(), 6u);  // at most 7 candidates, 0 itself is not strictly inside

    // A tick computed as a tiny negative multiple reads 0; real values keep their sign.
    EXPECT_EQ(AxisTickLabel(-1.0e-17, 5.0, 0), "0");
    EXPECT_EQ(AxisTickLabel(-3 * 0.1 + 0.3, 0.1, 1), "0.0");
    EXPECT_EQ(AxisTickLabel(-0.5, 0.5, 1), "-0.5");
    EXPECT_EQ(AxisTickLabel(1500.0, 500.0, 0), "1500");
}

TEST(Ticks, BaseStepOfRangesAtPowersOfTen) {
    // Below 1 the largest power of ten not above the range, from 1 on the largest one
    // strictly below it.
    const std::pair<double, double> cases[] = {
        {0.1, 0.1},      {0.01, 0.01},  {1e-5, 1e-5}, {0.3 - 0.2, 0.1}, {0.0999, 0.01},
        {0.10001, 0.1},  {0.99, 0.1},   {1.0, 0.1},   {1.0001, 1.0},    {10.0, 1.0},
        {10.0001, 10.0}, {100.0, 10.0}, {5.0, 1.0},   {1e300, 1e299},   {3e-300, 1e-300},
    };
    for (const auto& [range, step] : cases) {
        int exponent = 0;
        EXPECT_DOUBLE_EQ(BaseStep(range, exponent), step) << range;
        EXPECT_DOUBLE_EQ(std::pow(10.0, exponent), step) << range;
    }
    // A range of 0.1 on 100 pixels: ticks 0.1 apart would be 100 pixels, so 0.1 it is.
    const TickSet tenth = ComputeDiagramTicks(100, 0.2, 0.3, 4, false);
    EXPECT_DOUBLE_EQ(tenth.major, 0.1);
    EXPECT_DOUBLE_EQ(tenth.minor, 0.05);
    EXPECT_DOUBLE_EQ(tenth.sub, 0.01);
}

TEST(PlotMapping, BothEndsOfTheRangeAndOfTheWindowLieInsideThePlot) {
    const GraphicRect plot{10, 20, 110, 70};  // rows 20 ... 69, columns 10 ... 109
    EXPECT_EQ(ValueToRow(0.0, 0.0, 1.0, plot), 69);
    EXPECT_EQ(ValueToRow(1.0, 0.0, 1.0, plot), 20);
    EXPECT_EQ(ValueToRow(0.5, 0.0, 1.0, plot), 45);
    EXPECT_EQ(ValueToRow(-0.01, 0.0, 1.0, plot), 69);  // rounds towards the lowest row
    EXPECT_GT(ValueToRow(-0.1, 0.0, 1.0, plot), 69);   // below the range: under the plot
    EXPECT_LT(ValueToRow(1.1, 0.0, 1.0, plot), 20);
    EXPECT_EQ(ValueToRow(-1e300, 0.0, 1.0, plot), 69 + 24 * 49);  // held at max - 25 ranges
    EXPECT_EQ(ValueToRow(5.0, 3.0, 3.0, plot), 69);               // empty range
    const GraphicRect oneRow{0, 5, 10, 6};
    EXPECT_EQ(ValueToRow(0.0, 0.0, 1.0, oneRow), 5);
    EXPECT_EQ(ValueToRow(1.0, 0.0, 1.0, oneRow), 5);

    EXPECT_EQ(TimeToColumn(2.0, 2.0, 4.0, plot), 10);
    EXPECT_EQ(TimeToColumn(3.0, 2.0, 4.0, plot), 60);
    EXPECT_EQ(TimeToColumn(4.0, 2.0, 4.0, plot), 109);  // the end is the last column
    EXPECT_EQ(TimeToColumn(3.999, 2.0, 4.0, plot), 109);
    EXPECT_GE(TimeToColumn(4.05, 2.0, 4.0, plot), 110);  // beyond the window: outside
    EXPECT_EQ(TimeToColumn(1.9, 2.0, 4.0, plot), 5);
}

TEST(Scaling, OutwardRoundingAndConstants) {
    double lo = 0.3, hi = 7.6;
    RoundRangeOutward(lo, hi);
    EXPECT_DOUBLE_EQ(lo, 0.0);
    EXPECT_DOUBLE_EQ(hi, 8.0);
    lo = 0.0, hi = 8.0;
    RoundRangeOutward(lo, hi);
    EXPECT_DOUBLE_EQ(hi, 9.0);
    lo = 7.6, hi = 0.3;  // the order is kept
    RoundRangeOutward(lo, hi);
    EXPECT_DOUBLE_EQ(lo, 8.0);
    EXPECT_DOUBLE_EQ(hi, 0.0);
    lo = -3.0, hi = 2.0;
    RoundRangeOutward(lo, hi);
    EXPECT_DOUBLE_EQ(lo, -4.0);
    lo = 1e20, hi = 1e20 + 1e5;  // negligible range: left alone
    RoundRangeOutward(lo, hi);
    EXPECT_EQ(lo, 1e20);

    const std::pair<double, std::pair<double, double>> constants[] = {
        {5.0, {4.0, 6.0}}, {5.5, {5.0, 6.0}}, {-3.0, {-4.0, -3.0}}, {0.0, {-1.0, 1.0}}};
    for (const auto& [v, expected] : constants) {
        double minimum = 0, maximum = 0;
        ConstantRange(v, minimum, maximum);
        EXPECT_EQ(minimum, expected.first) << v;
        EXPECT_EQ(maximum, expected.second) << v;
    }
    double minimum = 0, maximum = 0;
    ConstantRange(1e20, minimum, maximum);
    EXPECT_LT(minimum, maximum);
    ConstantRange(std::nan(""), minimum, maximum);
    EXPECT_EQ(minimum, -1.0);
    EXPECT_EQ(maximum, 1.0);
}

TEST(Scaling, LabelsAndCursorFormat) {
    EXPECT_EQ(MinMaxLabel(1234567, 2), "1.2e+06");
    EXPECT_EQ(MinMaxLabel(12345.678, 2), "12345.68");
    EXPECT_EQ(MinMaxLabel(-999998.5, 2), "-999998.50");
    EXPECT_EQ(CursorValueFormat::Build(12, 3, 2).Text(), "%12.3e");
    EXPECT_EQ(CursorValueFormat::Build(10, 6, 1).Text(), "%10.6g");
    EXPECT_EQ(CursorValueFormat::Build(99, -1, 7).Text(), "%25.0g");
    EXPECT_EQ(CursorValueFormat::Build(8, 2, 0).Apply(3.14159), "    3.14");
}

TEST(Scaling, AutoscaleOverTheVisibleSamplesAndEqualized) {
    Recording r(101, 0.01, 2);  // ch0: 0..100, ch1: 0..200
    r.layout.ApplyCurves(r.list, true);
    EXPECT_EQ(r.layout.Autoscale(0, 41, false, false), 1);
    EXPECT_DOUBLE_EQ(r.list[0]->display.displayMinimum, 0.0);
    EXPECT_DOUBLE_EQ(r.list[0]->display.displayMaximum, 50.0);  // 0..40 rounded by 10
    EXPECT_DOUBLE_EQ(r.list[1]->display.displayMaximum, 90.0);  // 0..80

    // The reference flag takes the overall extremes instead.
    r.layout.Autoscale(0, 41, false, true);
    EXPECT_DOUBLE_EQ(r.list[0]->display.displayMaximum, 110.0);
    EXPECT_EQ(r.layout.Autoscale(0, 41, false, true), 0);  // nothing changes twice

    r.layout.Autoscale(0, 41, true, false);
    EXPECT_DOUBLE_EQ(r.list[0]->display.displayMaximum, r.list[1]->display.displayMaximum);

    // A constant curve takes its overall value without asking for extremes.
    r.list[0]->minimum = r.list[0]->maximum = 5.0;
    const int calls = r.values.extremesCalls;
    r.layout.Autoscale(0, 41, false, false);
    EXPECT_EQ(r.values.extremesCalls, calls + 1);  // only the second curve
    EXPECT_EQ(r.list[0]->display.displayMinimum, 4.0);
    EXPECT_EQ(r.list[0]->display.displayMaximum, 6.0);

    EXPECT_EQ(r.layout.ManualScale(*r.list[1], 7.0, -2.0), 1);
    EXPECT_EQ(r.list[1]->display.displayMinimum, -2.0);
    EXPECT_EQ(r.layout.ManualScale(*r.list[1], std::nan(""), 1.0), 0);
    // The current range entered again changes nothing, an empty one included.
    EXPECT_EQ(r.layout.ManualScale(*r.list[1], -2.0, 7.0), 0);
    r.list[1]->display.SetDisplayRange(0.0, 0.0);
    EXPECT_EQ(r.layout.ManualScale(*r.list[1], 0.0, 0.0), 0);
    EXPECT_EQ(r.list[1]->display.displayMaximum, 0.0);
    EXPECT_EQ(r.layout.ManualScale(*r.list[1], 0.0, 0.5), 1);
}

TEST(LayoutPass, GeometryAxesAndCursor) {
    Recording r(1001, 0.001, 2);
    InitialViewSettings s;
    s.window = InitialWindow::NumberOfSamples;
    s.numOfValues = 501;
    s.cursorValueFormat = CursorValueFormat::Build(12, 3, 2);
    r.layout.InitialView(s, {0x0000FF, 0x00FF00});
    EXPECT_EQ(r.list[1]->display.color, 0x00FF00u);
    EXPECT_EQ(r.layout.LastSample(), 500);

    ASSERT_EQ(r.layout.LayoutPass(13, 7, true), 0);
    const CGraphicXAxis& axis = r.layout.BottomAxis();
    const int axisHeight = axis.Rect().Height();
    const int row = r.layout.RowHeight();
    // Rows, gaps, the axis and the margins fill the client height exactly.
    EXPECT_EQ(2 * row + axisHeight + 2 * 2 + 2 * 1, 601);
    const GraphicRect& d0 = r.layout.Diagram(0).Rect();
    EXPECT_EQ(d0.left, 1);
    EXPECT_EQ(d0.top, 1);
    EXPECT_EQ(d0.right, 800);
    const GraphicRect& plot = r.layout.Diagram(0).PlotRect();
    EXPECT_EQ(plot.left, 1 + 6 + 1);
    EXPECT_EQ(plot.top, 1 + 16 - 1);
    EXPECT_EQ(r.layout.Diagram(0).cursorBoxWidth, 15 * 7);
    EXPECT_EQ(axis.unitText, "Time [sec]");
    EXPECT_EQ(axis.startLabel, "0");
    EXPECT_EQ(axis.endLabel, "0.5");

    r.layout.SetAxisInSamples(true);
    r.layout.LayoutPass(13, 7, false);
    EXPECT_EQ(axis.unitText, "Samples");
    EXPECT_EQ(axis.startLabel, "1");
    EXPECT_EQ(axis.endLabel, "501");
    EXPECT_EQ(axis.startLabelColumn, axis.plotLeft);

    r.layout.cursorOn = true;
    r.layout.cursorSample = 250;
    r.layout.LayoutPass(13, 7, false);
    EXPECT_EQ(r.layout.cursorColumn, plot.left + plot.Width() / 2);
    EXPECT_DOUBLE_EQ(r.list[0]->display.valueAtCursor, 250.0);
    r.values.unreadable = true;
    r.layout.LayoutPass(13, 7, false);
    EXPECT_EQ(r.layout.cursorColumn, -1);
}

TEST(LayoutPass, PointBuffersOnlyWhenSomethingChanged) {
    Recording r(1001, 0.001, 3);
    int fills = 0;
    r.layout.SetPointFiller([&](Dataset&, const GraphicRect&, double, double) { ++fills; });
    r.layout.InitialView(InitialViewSettings{}, {0});
    ASSERT_EQ(r.layout.LayoutPass(13, 7, true), 0);
    EXPECT_EQ(fills, 2);  // the two curves on screen, not the third
    EXPECT_EQ(r.list[0]->display.points.size(), 2u * 801u);
    r.layout.LayoutPass(13, 7, true);
    EXPECT_EQ(fills, 2);
    r.layout.SetFirstSample(10);
    r.layout.LayoutPass(13, 7, true);
    EXPECT_EQ(fills, 4);
    // Only the curve whose display range changed is filled again.
    r.list[1]->display.SetDisplayRange(-5, 5);
    r.layout.LayoutPass(13, 7, true);
    EXPECT_EQ(fills, 5);
    r.layout.SetClientRect(0, 0, 500, 601);
    r.layout.LayoutPass(13, 7, true);
    EXPECT_EQ(fills, 7);
    EXPECT_EQ(r.list[2]->display.points.size(), 1000u);

    // The third curve comes on screen: its buffer, stale since the window moved, is filled
    // once; scrolling back needs nothing new.
    std::vector<const Dataset*> filled;
    r.layout.SetPointFiller([&](Dataset& curve, const GraphicRect&, double, double) {
        ++fills;
        filled.push_back(&curve);
    });
    ASSERT_EQ(r.layout.ActivateCurve(2), 1);
    r.layout.LayoutPass(13, 7, true);
    EXPECT_EQ(filled, (std::vector<const Dataset*>{r.list[2]}));
    r.layout.ActivateCurve(0);
    r.layout.LayoutPass(13, 7, true);
    EXPECT_EQ(filled.size(), 1u);
}

TEST(LayoutPass, ErrorsAndTinyWindows) {
    CGraphicLayout unbound;
    EXPECT_EQ(unbound.LayoutPass(13, 7, true), LAYOUT_NO_FILE);
    Recording empty(0, 0.01, 1);
    empty.layout.ApplyCurves(empty.list, true);
    EXPECT_EQ(empty.layout.LayoutPass(13, 7, true), LAYOUT_NO_DATA);
    Recording tiny(100, 0.01, 1);
    tiny.layout.ApplyCurves(tiny.list, true);
    tiny.layout.SetClientRect(0, 0, 20, 10);
    EXPECT_EQ(tiny.layout.LayoutPass(13, 7, true), 0);
    EXPECT_LE(tiny.layout.RowHeight(), 0);
    tiny.layout.SetClientRect(0, 0, 0, 0);
    EXPECT_EQ(tiny.layout.LayoutPass(13, 7, true), LAYOUT_INTERNAL);
}

TEST(RangeBands, ColumnsOfActiveOverlappingRanges) {
    CRangeList list;
    list.Add(500, 500, true, "one sample", "");
    list.Add(100, 200, false, "inactive", "");
    list.Add(900, 1200, true, "beyond the right edge", "");
    list.Add(2000, 2100, true, "outside the window", "");
    std::vector<RangeBand> bands;
    // 1000 pixels for samples 0 .. 999 at 1 ms: one pixel per sample.
    list.ComputeBands(bands, 10, 1010, 0, 999, 0.001, 0.0, 1.0);
    ASSERT_EQ(bands.size(), 2u);
    // A single sample still gets a band of at least three pixels.
    const CRange& single = list.At(1);
    EXPECT_EQ(single.Name(), "one sample");
    EXPECT_GE(single.rightColumn - single.leftColumn + 1, 3);
    EXPECT_LE(single.leftColumn, 10 + 500);
    EXPECT_GE(single.rightColumn, 10 + 500);
    // Inactive and invisible ranges have no band but stay in the list.
    EXPECT_EQ(list.At(0).Name(), "inactive");
    EXPECT_EQ(list.At(0).leftColumn, -1);
    EXPECT_EQ(list.At(3).leftColumn, -1);
    EXPECT_EQ(list.Count(), 4);
    // A band is clipped to the plot.
    EXPECT_EQ(list.At(2).rightColumn, 1010);

    // Far zoomed out a one-sample range is still three pixels wide.
    CRangeList far;
    far.Add(5'000'000, 5'000'000, true, "spot", "");
    far.Add(7'000'001, 7'000'001, true, "spot", "");
    far.ComputeBands(bands, 0, 800, 0, 9'999'999, 0.001, 0.0, 10'000.0);
    ASSERT_EQ(bands.size(), 2u);
    for (const RangeBand& band : bands)
        EXPECT_GE(band.right - band.left + 1, 3);
}

TEST(RangeList, OrderedByStartWithSwappedBordersAndDeepCopies) {
    CRangeList list;
    list.Add(100, 40, true, "reversed", "note \t\n ");
    list.Add(40, 50, true, "same start", "");
    list.Add(10, 20, false, "first", "");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.At(0).Name(), "first");
    EXPECT_EQ(list.At(1).Name(), "reversed");  // equal starts keep their order of arrival
    EXPECT_EQ(list.At(1).Start(), 40);
    EXPECT_EQ(list.At(1).End(), 100);
    EXPECT_EQ(list.At(1).Commentary(), "note");
    EXPECT_EQ(list.CountActive(), 2);

    CRangeList copy(list);
    copy.SetSamples(copy.At(0), 500, 400);
    EXPECT_EQ(copy.At(2).Name(), "first");
    EXPECT_EQ(copy.At(2).Start(), 400);
    EXPECT_EQ(list.At(0).Start(), 10);  // the original is untouched
    copy.Remove(copy.At(0));
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_EQ(list.Count(), 3);
}

TEST(InitialView, SpeedOptimizedShowsSixteenSamplesPerColumn) {
    // 801 pixels with a margin of 1 on each side leave 799 usable columns.
    Recording longOne(1'000'000, 0.001, 1);
    InitialViewSettings s;
    s.window = InitialWindow::SpeedOptimized;
    longOne.layout.InitialView(s, {});
    EXPECT_EQ(longOne.layout.FirstSample(), 0);
    EXPECT_EQ(longOne.layout.LastSample(), 16 * 799 - 1);

    // Fewer samples than that: all of them.
    Recording shortOne(5000, 0.001, 1);
    shortOne.layout.InitialView(s, {});
    EXPECT_EQ(shortOne.layout.LastSample(), 4999);

    // A window without usable width shows every sample.
    Recording narrow(1000, 0.001, 1);
    narrow.layout.SetClientRect(0, 0, 1, 601);
    narrow.layout.InitialView(s, {});
    EXPECT_EQ(narrow.layout.LastSample(), 999);
}

TEST(InitialView, StoredNumbersOfNoModeGiveTwoSamples) {
    EXPECT_EQ(InitialWindowFromSetting(-1), InitialWindow::Other);
    EXPECT_EQ(InitialWindowFromSetting(0), InitialWindow::NumberOfSamples);
    EXPECT_EQ(InitialWindowFromSetting(4), InitialWindow::SpeedOptimized);
    EXPECT_EQ(InitialWindowFromSetting(5), InitialWindow::Other);
    Recording r(1000, 0.001, 1);
    InitialViewSettings s;
    s.window = InitialWindowFromSetting(7);
    r.layout.InitialView(s, {});
    EXPECT_EQ(r.layout.FirstSample(), 0);
    EXPECT_EQ(r.layout.LastSample(), 1);

    // "Diagram View Mode" knows only 1 as all curves in one diagram.
    EXPECT_EQ(ViewModeFromSetting(1), ViewMode::AllCurves);
    EXPECT_EQ(ViewModeFromSetting(2), ViewMode::CurvePerDiagram);
    EXPECT_EQ(SettingFromViewMode(ViewModeFromSetting(0)), 0);
}

}  // namespace
}  // namespace grafyon
