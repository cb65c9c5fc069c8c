// Paging, zooming, the history, the cursor, the mouse mode and the enabling rules on a model.
#include <gtest/gtest.h>

#include <utility>

#include "viewer/navigation/command_state.h"
#include "viewer/navigation/navigation_commands.h"
#include "viewer/navigation/scroll_position.h"
#include "viewer/navigation/zoom_center.h"
#include "viewer/view/test_support/test_scene.h"

namespace grafyon {
namespace {

using test::Scene;
using Window = std::pair<std::int64_t, std::int64_t>;

TEST(Paging, PagesTenthsStartAndEndKeepTheWidthAndStopAtTheEnds) {
    Scene s(1000, 2, 100);
    s.Show(300, 399);  // w = 99
    EXPECT_EQ(PageRight(s.layout, s.history), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(400, 499));
    EXPECT_EQ(PageLeft(s.layout, s.history), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(300, 399));
    EXPECT_EQ(TenthRight(s.layout, s.history), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(309, 408));  // trunc(99 / 10) = 9
    EXPECT_EQ(TenthLeft(s.layout, s.history), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(300, 399));

    s.Show(50, 149);
    EXPECT_EQ(PageLeft(s.layout, s.history), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(0, 99));
    EXPECT_EQ(PageLeft(s.layout, s.history), 0);  // already at the start
    EXPECT_EQ(TenthLeft(s.layout, s.history), 0);
    EXPECT_EQ(s.Window(), Window(0, 99));

    s.Show(850, 949);
    EXPECT_EQ(PageRight(s.layout, s.history), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(900, 999));
    EXPECT_EQ(PageRight(s.layout, s.history), 0);
    EXPECT_EQ(TenthRight(s.layout, s.history), 0);

    EXPECT_EQ(GoToStart(s.layout, s.history), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(0, 99));
    EXPECT_EQ(GoToStart(s.layout, s.history), 0);
    EXPECT_EQ(GoToEnd(s.layout, s.history), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(900, 999));

    // A tenth of a narrow window is still one sample.
    s.Show(500, 505);
    EXPECT_EQ(TenthRight(s.layout, s.history), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(501, 506));
}

TEST(Paging, EveryMoveTakesOneSnapshotAndNoMoveNone) {
    Scene s(1000, 1, 100);
    ASSERT_EQ(s.history.Count(), 1);
    PageRight(s.layout, s.history);
    TenthRight(s.layout, s.history);
    GoToEnd(s.layout, s.history);
    EXPECT_EQ(s.history.Count(), 4);
    GoToEnd(s.layout, s.history);
    PageRight(s.layout, s.history);
    EXPECT_EQ(s.history.Count(), 4);
    EXPECT_DOUBLE_EQ(s.history.Entry(3).startTime, 900 * 0.01);
    EXPECT_DOUBLE_EQ(s.history.Entry(3).endTime, 999 * 0.01);
}

TEST(Zoom, ZoomInKeepsTheCentreAndNarrowsShortWindows) {
    Scene s(1000, 1, 100);
    s.Show(100, 109);  // 10 visible samples, w = 9, t = 3
    EXPECT_EQ(ZoomIn(s.layout, s.history), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(103, 106));

    s.Show(100, 700);  // w = 600, t = 200: a = 100 + 200
    ZoomIn(s.layout, s.history);
    EXPECT_EQ(s.Window(), Window(300, 500));

    s.Show(100, 105);  // w = 5
    ZoomIn(s.layout, s.history);
    EXPECT_EQ(s.Window(), Window(101, 104));
    ZoomIn(s.layout, s.history);  // w = 3
    EXPECT_EQ(s.Window(), Window(101, 103));
    ZoomIn(s.layout, s.history);  // w = 2
    EXPECT_EQ(s.Window(), Window(101, 102));
    const int before = s.history.Count();
    EXPECT_EQ(ZoomIn(s.layout, s.history), 0);  // w = 1: nothing
    EXPECT_EQ(s.Window(), Window(101, 102));
    EXPECT_EQ(s.history.Count(), before);

    s.Show(100, 104);  // w = 4
    ZoomIn(s.layout, s.history);
    EXPECT_EQ(s.Window(), Window(101, 103));
}

TEST(Zoom, EveryIntervalModeZoomsInToTwoSamplesAndPagesKeepTheWidth) {
    for (const IntervalMode mode : {IntervalMode::Values, IntervalMode::MaxIndex,
                                    IntervalMode::Time, IntervalMode::MaxTime}) {
        SCOPED_TRACE(static_cast<int>(mode));
        Scene s(1000, 1, 100);
        s.layout.SetIntervalMode(mode);
        s.Show(100, 105);
        ASSERT_EQ(s.Window(), Window(100, 105));
        while (ZoomIn(s.layout, s.history) != 0) {
        }
        EXPECT_EQ(s.Last() - s.First(), 1);  // two visible samples: nothing narrower
        const int count = s.history.Count();
        EXPECT_EQ(ZoomIn(s.layout, s.history), 0);
        EXPECT_EQ(s.history.Count(), count);

        s.Show(100, 102);  // w = 2
        EXPECT_EQ(ZoomIn(s.layout, s.history), HINT_VISIBLE_RANGE);
        EXPECT_EQ(s.Window(), Window(100, 101));
        s.Show(300, 399);
        EXPECT_EQ(PageRight(s.layout, s.history), HINT_VISIBLE_RANGE);
        EXPECT_EQ(s.Window(), Window(400, 499));
    }
}

TEST(Zoom, ZoomOutTriplesAndStopsAtBothEnds) {
    Scene s(1000, 1, 100);
    s.Show(0, 9);  // at the start of the file
    EXPECT_EQ(ZoomOut(s.layout, s.history), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(0, 18));

    s.Show(400, 409);
    ZoomOut(s.layout, s.history);
    EXPECT_EQ(s.Window(), Window(391, 418));

    s.Show(5, 14);  // first - w would be -4
    ZoomOut(s.layout, s.history);
    EXPECT_EQ(s.Window(), Window(0, 23));

    s.Show(990, 999);
    ZoomOut(s.layout, s.history);
    EXPECT_EQ(s.Window(), Window(981, 999));
    s.Show(0, 999);
    EXPECT_EQ(ZoomOut(s.layout, s.history), 0);
}

TEST(Zoom, ATwoSampleRecordingNeverMoves) {
    Scene s(2, 1, 100);
    EXPECT_EQ(s.Window(), Window(0, 1));
    EXPECT_EQ(ZoomIn(s.layout, s.history), 0);
    EXPECT_EQ(ZoomOut(s.layout, s.history), 0);
    EXPECT_EQ(PageRight(s.layout, s.history), 0);
    EXPECT_EQ(TenthLeft(s.layout, s.history), 0);
    EXPECT_EQ(GoToEnd(s.layout, s.history), 0);
    EXPECT_EQ(s.Window(), Window(0, 1));
}

TEST(ShowAll, FullRangeAutoscalesAndSnapshots) {
    Scene s(1000, 2, 100);
    s.Show(200, 299);
    s.list[0]->display.SetDisplayRange(5, 6);
    EXPECT_EQ(ShowAll(s.layout, s.history), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(0, 999));
    EXPECT_EQ(s.list[0]->display.displayMinimum, 0.0);
    EXPECT_GE(s.list[0]->display.displayMaximum, 999.0);
    EXPECT_EQ(s.history.Count(), 2);

    // Only the scaling differs now; the result equals the current entry, which is kept.
    s.list[1]->display.SetDisplayRange(5, 6);
    EXPECT_EQ(ShowAll(s.layout, s.history), HINT_REDRAW);
    EXPECT_EQ(s.list[1]->display.displayMinimum, 0.0);
    EXPECT_EQ(s.history.Count(), 2);
    EXPECT_EQ(ShowAll(s.layout, s.history), 0);
    EXPECT_EQ(s.history.Count(), 2);
}

TEST(ShowAll, FullRangeAndAutoscalingTakeNoSnapshot) {
    Scene s(1000, 2, 100);
    s.Show(200, 299);
    EXPECT_EQ(ShowFullRange(s.layout), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(0, 999));
    EXPECT_EQ(ShowFullRange(s.layout), 0);
    s.Show(200, 299);
    EXPECT_EQ(AutoscaleVisible(s.layout, false), HINT_REDRAW);
    // ch0 runs from 200 to 299 there; ch1 from 400 to 598.
    EXPECT_EQ(s.list[0]->display.displayMinimum, 200.0);
    EXPECT_EQ(AutoscaleVisible(s.layout, false), 0);
    EXPECT_EQ(AutoscaleVisible(s.layout, true), HINT_REDRAW);
    EXPECT_EQ(s.list[0]->display.displayMinimum, s.list[1]->display.displayMinimum);
    EXPECT_EQ(s.list[0]->display.displayMaximum, s.list[1]->display.displayMaximum);
    EXPECT_EQ(s.history.Count(), 1);
}

TEST(Cursor, ModeOnPlacesTheCursorAndSwitchesTheZoomModeOff) {
    Scene s(1000, 1, 100);
    NavigationModes modes;
    modes.zoomAndCenterMode = true;
    EXPECT_EQ(SetCursorMode(s.layout, modes, true), HINT_CURSOR);
    EXPECT_TRUE(modes.cursorMode);
    EXPECT_FALSE(modes.zoomAndCenterMode);
    EXPECT_TRUE(s.layout.cursorOn);
    EXPECT_EQ(s.layout.cursorSample, 49);  // 0 + trunc(99 / 2)
    EXPECT_EQ(SetCursorMode(s.layout, modes, true), 0);

    EXPECT_EQ(SetCursorMode(s.layout, modes, false), HINT_CURSOR);
    EXPECT_FALSE(s.layout.cursorOn);
    s.Show(500, 599);
    SetCursorMode(s.layout, modes, true);
    EXPECT_EQ(s.layout.cursorSample, 549);
    s.Show(500, 501);  // w < 2
    SetCursorMode(s.layout, modes, false);
    SetCursorMode(s.layout, modes, true);
    EXPECT_EQ(s.layout.cursorSample, 500);
    // A cursor inside the window stays.
    s.Show(400, 599);
    SetCursorMode(s.layout, modes, false);
    EXPECT_EQ(SetCursorMode(s.layout, modes, true), HINT_CURSOR);
    EXPECT_EQ(s.layout.cursorSample, 500);
}

TEST(Cursor, StepsInsideMoveOnlyTheCursor) {
    Scene s(1000, 1, 100);
    NavigationModes modes;
    SetCursorMode(s.layout, modes, true);
    EXPECT_EQ(CursorStep(s.layout, s.history, 1), HINT_CURSOR);
    EXPECT_EQ(s.layout.cursorSample, 50);
    EXPECT_EQ(CursorStep(s.layout, s.history, -3), HINT_CURSOR);
    EXPECT_EQ(s.layout.cursorSample, 47);
    EXPECT_EQ(s.history.Count(), 1);
    EXPECT_EQ(s.Window(), Window(0, 99));
}

TEST(Cursor, LeavingTheWindowPutsTheCursorAQuarterInsideTheEdge) {
    Scene s(1000, 1, 100);
    NavigationModes modes;
    SetCursorMode(s.layout, modes, true);
    s.Show(200, 299);             // w = 99, quarter 24
    s.layout.cursorSample = 299;  // the last visible sample
    EXPECT_EQ(CursorStep(s.layout, s.history, 1), HINT_REDRAW);
    EXPECT_EQ(s.layout.cursorSample, 300);
    EXPECT_EQ(s.Window(), Window(225, 324));
    EXPECT_EQ(s.Last() - s.layout.cursorSample, 24);
    EXPECT_EQ(s.history.Count(), 2);

    s.layout.cursorSample = 225;
    EXPECT_EQ(CursorStep(s.layout, s.history, -1), HINT_REDRAW);
    EXPECT_EQ(s.Window(), Window(200, 299));
    EXPECT_EQ(s.layout.cursorSample, 224);

    // Near the ends the window stops at the recording.
    s.Show(900, 998);
    s.layout.cursorSample = 998;
    EXPECT_EQ(CursorStep(s.layout, s.history, 1), HINT_REDRAW);
    EXPECT_EQ(s.Window(), Window(901, 999));
    EXPECT_EQ(CursorStep(s.layout, s.history, 1), 0);  // the last sample: nothing
    s.Show(1, 100);
    s.layout.cursorSample = 1;
    EXPECT_EQ(CursorStep(s.layout, s.history, -1), HINT_REDRAW);
    EXPECT_EQ(s.Window(), Window(0, 99));
    EXPECT_EQ(CursorStep(s.layout, s.history, -1), 0);

    // A window of 3 samples still scrolls by at least one.
    s.Show(500, 502);
    s.layout.cursorSample = 502;
    CursorStep(s.layout, s.history, 1);
    EXPECT_EQ(s.Window(), Window(502, 504));
}

TEST(Cursor, HomeEndAndTheKeysFollowTheCursorMode) {
    Scene s(1000, 1, 100);
    NavigationModes modes;
    s.Show(300, 399);
    EXPECT_EQ(NavigateRight(s.layout, s.history, modes), HINT_VISIBLE_RANGE);  // a page
    EXPECT_EQ(s.Window(), Window(400, 499));
    EXPECT_EQ(NavigateHome(s.layout, s.history, modes), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(0, 99));
    EXPECT_EQ(NavigateEnd(s.layout, s.history, modes), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(900, 999));
    EXPECT_EQ(NavigateLeft(s.layout, s.history, modes), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(800, 899));

    SetCursorMode(s.layout, modes, true);
    EXPECT_EQ(s.layout.cursorSample, 849);
    EXPECT_EQ(NavigateHome(s.layout, s.history, modes), HINT_CURSOR);
    EXPECT_EQ(s.layout.cursorSample, 800);
    EXPECT_EQ(NavigateHome(s.layout, s.history, modes), 0);
    EXPECT_EQ(NavigateEnd(s.layout, s.history, modes), HINT_CURSOR);
    EXPECT_EQ(s.layout.cursorSample, 899);
    EXPECT_EQ(NavigateLeft(s.layout, s.history, modes), HINT_CURSOR);
    EXPECT_EQ(s.layout.cursorSample, 898);
    EXPECT_EQ(NavigateRight(s.layout, s.history, modes), HINT_CURSOR);
    EXPECT_EQ(s.Window(), Window(800, 899));
    // Moving to a sample far outside clamps to the recording and scrolls.
    EXPECT_EQ(CursorTo(s.layout, s.history, 5000), HINT_REDRAW);
    EXPECT_EQ(s.layout.cursorSample, 999);
    EXPECT_EQ(s.Window(), Window(900, 999));
}

TEST(Cursor, AClickPutsTheCursorOnTheSampleUnderThePlot) {
    Scene s(1000, 2, 100);
    s.layout.cursorOn = true;
    s.Show(100, 199);  // w = 99
    s.history.Take(s.layout);
    const GraphicRect plot = s.layout.Diagram(1).PlotRect();
    const int x = plot.left + plot.Width() / 2;
    EXPECT_EQ(CursorClick(s.layout, s.history, x, plot.top + 3), HINT_CURSOR);
    EXPECT_EQ(s.layout.cursorSample,
              100 + static_cast<std::int64_t>(99.0 * (x - plot.left) / plot.Width()));
    EXPECT_EQ(CursorClick(s.layout, s.history, x, plot.top + 3), 0);  // the same sample
    EXPECT_EQ(CursorClick(s.layout, s.history, plot.left, plot.top + 3), HINT_CURSOR);
    EXPECT_EQ(s.layout.cursorSample, 100);
    // Outside the plot, on the axis or outside everything: nothing.
    EXPECT_EQ(CursorClick(s.layout, s.history, plot.left - 3, plot.top + 3), 0);
    const CGraphicXAxis& axis = s.layout.BottomAxis();
    EXPECT_EQ(CursorClick(s.layout, s.history, x, axis.Rect().top + 2), 0);
    EXPECT_EQ(CursorClick(s.layout, s.history, 5000, 5000), 0);
    EXPECT_EQ(s.layout.cursorSample, 100);
    EXPECT_EQ(s.history.Count(), 2);
}

TEST(Cursor, CursorBMovesOnItsOwnAndStartsFromCursorA) {
    Scene s(1000, 2, 100);
    NavigationModes modes;
    SetCursorMode(s.layout, modes, true);  // cursor A at 49
    EXPECT_EQ(s.layout.cursorBSample, -1);
    EXPECT_EQ(RemoveCursorB(s.layout), 0);
    // Not yet set: a step starts from cursor A; A stays where it is.
    EXPECT_EQ(CursorStep(s.layout, s.history, 1, CursorId::B), HINT_CURSOR);
    EXPECT_EQ(s.layout.cursorBSample, 50);
    EXPECT_EQ(s.layout.cursorSample, 49);
    EXPECT_EQ(CursorStep(s.layout, s.history, -5, CursorId::B), HINT_CURSOR);
    EXPECT_EQ(s.layout.cursorBSample, 45);
    EXPECT_EQ(CursorBAtCursorA(s.layout), HINT_CURSOR);
    EXPECT_EQ(s.layout.cursorBSample, 49);
    EXPECT_EQ(CursorBAtCursorA(s.layout), 0);
    // Leaving the window scrolls it as cursor A would; B stops at the ends of the recording.
    s.layout.cursorBSample = 99;
    EXPECT_EQ(CursorStep(s.layout, s.history, 1, CursorId::B), HINT_REDRAW);
    EXPECT_EQ(s.Window(), Window(25, 124));
    EXPECT_EQ(CursorTo(s.layout, s.history, -7, CursorId::B), HINT_REDRAW);
    EXPECT_EQ(s.layout.cursorBSample, 0);
    EXPECT_EQ(CursorStep(s.layout, s.history, -1, CursorId::B), 0);
    EXPECT_EQ(CursorTo(s.layout, s.history, 999, CursorId::B), HINT_REDRAW);
    EXPECT_EQ(s.layout.cursorBSample, 999);
    EXPECT_EQ(s.layout.cursorSample, 49);

    // A Shift click sets B, a plain click A; the layout pass gives B its column.
    s.Show(100, 199);
    const GraphicRect plot = s.layout.Diagram(0).PlotRect();
    EXPECT_EQ(CursorClick(s.layout, s.history, plot.left, plot.top + 2, CursorId::B), HINT_CURSOR);
    EXPECT_EQ(s.layout.cursorBSample, 100);
    EXPECT_EQ(s.layout.cursorSample, 49);
    s.Show(100, 199);
    EXPECT_EQ(s.layout.cursorBColumn, plot.left);
    s.Show(101, 200);  // B just outside the window: no column
    EXPECT_EQ(s.layout.cursorBColumn, -1);
    EXPECT_EQ(RemoveCursorB(s.layout), HINT_CURSOR);
    EXPECT_EQ(s.layout.cursorBSample, -1);
}

TEST(Curves, KeysAndWheelMoveTheCurveInFront) {
    Scene s(100, 5, 50);  // two diagrams per page
    EXPECT_EQ(MoveCurve(s.layout, -1), 0);
    EXPECT_EQ(MoveCurve(s.layout, 1), HINT_CURVES);
    EXPECT_EQ(s.layout.FirstCurveIndex(), 1);
    EXPECT_EQ(MoveCurvePage(s.layout, 1), HINT_CURVES);
    EXPECT_EQ(s.layout.FirstCurveIndex(), 3);
    EXPECT_EQ(MoveCurve(s.layout, 1), 0);  // the last curve is shown
    EXPECT_EQ(MoveCurvePage(s.layout, -1), HINT_CURVES);
    EXPECT_EQ(s.layout.FirstCurveIndex(), 1);
    EXPECT_EQ(MoveCurvePage(s.layout, -1), HINT_CURVES);
    EXPECT_EQ(s.layout.FirstCurveIndex(), 0);
    EXPECT_EQ(s.history.Count(), 1);
}

TEST(Curves, TheAllCurvesModeBringsEveryCurveToTheFront) {
    Scene s(100, 3, 50, 0.01, ViewMode::AllCurves, 4);
    ASSERT_EQ(s.layout.GetViewMode(), ViewMode::AllCurves);
    EXPECT_EQ(MoveCurve(s.layout, 1), HINT_CURVES);
    EXPECT_EQ(MoveCurve(s.layout, 1), HINT_CURVES);
    EXPECT_EQ(s.layout.FirstCurveIndex(), 2);
    EXPECT_EQ(s.layout.Diagram(0).curve, s.list[2]);
    EXPECT_EQ(MoveCurve(s.layout, 1), 0);
    EXPECT_EQ(MoveCurvePage(s.layout, -1), 0);
    EXPECT_EQ(MoveCurve(s.layout, -1), HINT_CURVES);
    EXPECT_EQ(s.layout.FirstCurveIndex(), 1);
}

TEST(Popup, YAutoscaleSnapshotsAndDeactivateReassignsTheCurves) {
    Scene s(1000, 3, 100);
    s.Show(100, 199);
    CGraphicDiagram& diagram = s.layout.Diagram(0);
    ASSERT_EQ(diagram.curve, s.list[0]);
    EXPECT_EQ(YAutoscaleDiagram(s.layout, s.history, diagram), HINT_REDRAW);
    EXPECT_EQ(s.list[0]->display.displayMinimum, 100.0);
    EXPECT_EQ(s.history.Count(), 2);
    EXPECT_EQ(YAutoscaleDiagram(s.layout, s.history, diagram), 0);
    EXPECT_EQ(s.history.Count(), 2);

    EXPECT_EQ(DeactivateDiagramCurve(s.layout, diagram), HINT_CURVES);
    EXPECT_FALSE(s.list[0]->active);
    EXPECT_EQ(s.layout.CurveCount(), 2);
    EXPECT_EQ(s.layout.Diagram(0).curve, s.list[1]);
}

TEST(Popup, DeactivatingKeepsTheCurvesOfEveryReadableKind) {
    test::TestRecording r(1000, 0.01, 1);
    Dataset* extended = r.AddDataset(ELEMENT_DATASET_EXTENDED);
    Dataset* unreadable = r.AddDataset();
    Dataset* listed = r.AddDataset(ELEMENT_DATASET_LIST);
    r.values.unreadableDatasets = {unreadable};
    r.layout.InitialView(InitialViewSettings{}, {0x0000FF});
    r.layout.LayoutPass(12, 6, false);
    ASSERT_EQ(r.layout.Curves(), (std::vector<Dataset*>{r.list[0], extended, listed}));
    EXPECT_EQ(MoveCurve(r.layout, 1), HINT_CURVES);
    EXPECT_EQ(r.layout.Diagram(1).curve, listed);

    EXPECT_EQ(DeactivateDiagramCurve(r.layout, r.layout.Diagram(0)), HINT_CURVES);
    EXPECT_FALSE(extended->active);
    EXPECT_EQ(r.layout.Curves(), (std::vector<Dataset*>{r.list[0], listed}));
    EXPECT_EQ(r.layout.Diagram(0).curve, listed);  // the front curve went: the last one
    r.layout.ActivateCurve(0);
    EXPECT_EQ(DeactivateDiagramCurve(r.layout, r.layout.Diagram(0)), HINT_CURVES);
    EXPECT_EQ(r.layout.Curves(), (std::vector<Dataset*>{listed}));
    EXPECT_EQ(r.layout.Diagram(0).curve, listed);
    EXPECT_EQ(r.layout.Diagram(1).curve, nullptr);
}

TEST(CursorFormat, F5AppliesTheFormatToEveryDiagram) {
    Scene s(100, 2, 50);
    EXPECT_EQ(ApplyCursorFormat(s.layout, CursorValueFormat::Build(12, 3, 2)), HINT_REDRAW);
    EXPECT_EQ(s.layout.GetCursorValueFormat().Text(), "%12.3e");
    EXPECT_EQ(s.layout.Diagram(1).cursorValueFormat.Text(), "%12.3e");
}

TEST(NoDocument, EveryOperationDoesNothing) {
    CGraphicLayout layout;
    CZoomHistory history;
    NavigationModes modes;
    EXPECT_FALSE(Navigable(layout));
    EXPECT_EQ(PageLeft(layout, history), 0);
    EXPECT_EQ(PageRight(layout, history), 0);
    EXPECT_EQ(TenthRight(layout, history), 0);
    EXPECT_EQ(GoToEnd(layout, history), 0);
    EXPECT_EQ(ZoomIn(layout, history), 0);
    EXPECT_EQ(ZoomOut(layout, history), 0);
    EXPECT_EQ(ShowAll(layout, history), 0);
    EXPECT_EQ(ShowFullRange(layout), 0);
    EXPECT_EQ(AutoscaleVisible(layout, true), 0);
    EXPECT_EQ(CursorStep(layout, history, 1), 0);
    EXPECT_EQ(CursorClick(layout, history, 10, 10), 0);
    EXPECT_EQ(MoveCurve(layout, 1), 0);
    EXPECT_EQ(ScrollHorizontal(layout, history, ScrollAction::PAGE_FORWARD, 0, true), 0);
    EXPECT_EQ(ScrollVertical(layout, ScrollAction::LINE_FORWARD, 0), 0);
    EXPECT_EQ(ZoomCenterTarget(layout, 10, 10), nullptr);
    // The mode itself still follows the command.
    EXPECT_EQ(SetCursorMode(layout, modes, true), 0);
    EXPECT_TRUE(modes.cursorMode);
    EXPECT_FALSE(layout.cursorOn);
    EXPECT_EQ(history.Count(), 0);
}

TEST(CenterMode, StoredNumbersBeyondTheRangeTakeTheNearestMode) {
    EXPECT_EQ(CenterModeFromSetting(-1), CenterMode::Both);
    EXPECT_EQ(CenterModeFromSetting(0), CenterMode::Both);
    EXPECT_EQ(CenterModeFromSetting(1), CenterMode::Horizontal);
    EXPECT_EQ(CenterModeFromSetting(2), CenterMode::Inactive);
    EXPECT_EQ(CenterModeFromSetting(3), CenterMode::Inactive);
}

TEST(CommandState, EnablingRulesAndCheckMarks) {
    CommandContext c;
    EXPECT_FALSE(CommandEnabled(NAV_CMD_ZOOM_IN, c));  // no usable document
    c.documentUsable = true;
    for (int id : {NAV_CMD_LEFT, NAV_CMD_RIGHT, NAV_CMD_ZOOM_IN, NAV_CMD_ZOOM_OUT, NAV_CMD_SHOW_ALL,
                   NAV_CMD_CURSOR_MODE, NAV_CMD_ZOOM_CENTER_MODE, NAV_CMD_CURVE_PAGE_UP,
                   NAV_CMD_CURSOR_FORMAT, NAV_CMD_X_PROPERTIES}) {
        EXPECT_TRUE(CommandEnabled(id, c)) << id;
    }
    EXPECT_FALSE(CommandEnabled(12345, c));
    c.historyIndex = 0;
    c.historyCount = 1;
    EXPECT_FALSE(CommandEnabled(NAV_CMD_UNDO_ZOOM, c));
    EXPECT_FALSE(CommandEnabled(NAV_CMD_REDO_ZOOM, c));
    c.historyIndex = 1;
    c.historyCount = 3;
    EXPECT_TRUE(CommandEnabled(NAV_CMD_UNDO_ZOOM, c));
    EXPECT_TRUE(CommandEnabled(NAV_CMD_REDO_ZOOM, c));
    c.historyIndex = 2;
    EXPECT_FALSE(CommandEnabled(NAV_CMD_REDO_ZOOM, c));
    EXPECT_FALSE(CommandEnabled(NAV_CMD_CURSOR_STEP_LEFT, c));
    EXPECT_FALSE(CommandChecked(NAV_CMD_CURSOR_MODE, c));
    c.cursorMode = true;
    EXPECT_TRUE(CommandEnabled(NAV_CMD_CURSOR_STEP_LEFT, c));
    EXPECT_TRUE(CommandEnabled(NAV_CMD_CURSOR_STEP_RIGHT, c));
    EXPECT_TRUE(CommandChecked(NAV_CMD_CURSOR_MODE, c));
    EXPECT_FALSE(CommandChecked(NAV_CMD_ZOOM_CENTER_MODE, c));
    c.zoomAndCenterMode = true;
    EXPECT_TRUE(CommandChecked(NAV_CMD_ZOOM_CENTER_MODE, c));
    EXPECT_TRUE(CommandCheckable(NAV_CMD_ZOOM_CENTER_MODE));
    EXPECT_FALSE(CommandCheckable(NAV_CMD_ZOOM_IN));
    EXPECT_FALSE(CommandChecked(NAV_CMD_ZOOM_IN, c));
    c.documentUsable = false;
    EXPECT_FALSE(CommandEnabled(NAV_CMD_CURSOR_STEP_LEFT, c));
    EXPECT_FALSE(CommandEnabled(NAV_CMD_UNDO_ZOOM, c));
}

TEST(ScrollBars, TargetsAreClampedToTheLastFullPage) {
    const ScrollBarState bar{0, 999, 100, 450};
    EXPECT_EQ(ScrollTarget(bar, ScrollAction::LINE_BACK, 0, 10), 440);
    EXPECT_EQ(ScrollTarget(bar, ScrollAction::LINE_FORWARD, 0, 10), 460);
    EXPECT_EQ(ScrollTarget(bar, ScrollAction::PAGE_BACK, 0, 10), 350);
    EXPECT_EQ(ScrollTarget(bar, ScrollAction::PAGE_FORWARD, 0, 10), 550);
    EXPECT_EQ(ScrollTarget(bar, ScrollAction::THUMB, 123, 10), 123);
    EXPECT_EQ(ScrollTarget(bar, ScrollAction::THUMB, 950, 10), 900);
    EXPECT_EQ(ScrollTarget(bar, ScrollAction::THUMB, -5, 10), 0);
    EXPECT_EQ(ScrollTarget(bar, ScrollAction::TO_START, 0, 10), 0);
    EXPECT_EQ(ScrollTarget(bar, ScrollAction::TO_END, 0, 10), 900);
    const ScrollBarState nearEnd{0, 999, 100, 880};
    EXPECT_EQ(ScrollTarget(nearEnd, ScrollAction::PAGE_FORWARD, 0, 10), 900);
    // A page larger than the bar leaves only the minimum.
    const ScrollBarState wide{0, 9, 20, 0};
    EXPECT_EQ(ScrollTarget(wide, ScrollAction::PAGE_FORWARD, 0, 1), 0);
    EXPECT_EQ(ScrollTarget(wide, ScrollAction::TO_END, 0, 1), 0);
}

TEST(ScrollBars, TheHorizontalBarMovesTheWindowAndTheVerticalOneTheCurves) {
    Scene s(1000, 5, 100);
    s.Show(300, 399);
    const ScrollBarState bar = HorizontalBar(s.layout);
    EXPECT_EQ(bar.maximum, 999);
    EXPECT_EQ(bar.page, 100);
    EXPECT_EQ(bar.position, 300);
    EXPECT_EQ(ScrollHorizontal(s.layout, s.history, ScrollAction::LINE_FORWARD, 0, true),
              HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(310, 409));
    EXPECT_EQ(s.history.Count(), 2);
    EXPECT_EQ(ScrollHorizontal(s.layout, s.history, ScrollAction::THUMB, 600, false),
              HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(600, 699));
    EXPECT_EQ(s.history.Count(), 2);  // no snapshot while the thumb is dragged
    EXPECT_EQ(ScrollHorizontal(s.layout, s.history, ScrollAction::TO_END, 0, true),
              HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(900, 999));
    EXPECT_EQ(ScrollHorizontal(s.layout, s.history, ScrollAction::PAGE_FORWARD, 0, true), 0);

    const ScrollBarState curves = VerticalBar(s.layout);
    EXPECT_EQ(curves.maximum, 4);
    EXPECT_EQ(curves.page, 2);
    EXPECT_EQ(ScrollVertical(s.layout, ScrollAction::PAGE_FORWARD, 0), HINT_CURVES);
    EXPECT_EQ(s.layout.FirstCurveIndex(), 2);
    EXPECT_EQ(ScrollVertical(s.layout, ScrollAction::TO_END, 0), HINT_CURVES);
    EXPECT_EQ(s.layout.FirstCurveIndex(), 3);
    EXPECT_EQ(ScrollVertical(s.layout, ScrollAction::LINE_FORWARD, 0), 0);
    EXPECT_EQ(ScrollVertical(s.layout, ScrollAction::THUMB, 1), HINT_CURVES);
    EXPECT_EQ(s.layout.FirstCurveIndex(), 1);
    EXPECT_EQ(ScrollVertical(s.layout, ScrollAction::TO_START, 0), HINT_CURVES);
    EXPECT_EQ(s.layout.FirstCurveIndex(), 0);
}

}  // namespace
}  // namespace grafyon
