// The navigator on a real view with a generated recording, driven by keys, mouse and wheel.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <memory>
#include <string>
#include <vector>

#include "test_support.h"
#include "viewer/data/tools/recording_generator.h"
#include "viewer/navigation/navigation_commands.h"
#include "viewer/navigation/view_navigator.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/grafyon_view.h"
#include "viewer/view/model/zoom_history.h"

namespace grafyon {
namespace {

using test::TempDir;
using Window = std::pair<std::int64_t, std::int64_t>;

// 5000 samples of 4 channels; the first view shows samples 0 ... 999 in two diagrams.
struct NavigatorFixture {
    NavigatorFixture() {
        RecordingOptions options;
        options.path = dir / "nav.mdf";
        options.frames = 5000;
        options.channelCount = 4;
        std::string error;
        EXPECT_EQ(GenerateRecording(options, &error), GENERATE_OK) << error;
        path = QString::fromStdString(options.path);

        InitialViewSettings settings;
        settings.window = InitialWindow::NumberOfSamples;
        settings.numOfValues = 1000;
        settings.diagramsPerPage = 2;
        document.SetInitialView(settings, {0xFF0000, 0x00AA00, 0x0000FF});
        view.resize(800, 600);
        view.SetDocument(&document);
        navigator = new CViewNavigator(view, document);  // owned by the view
        view.show();
        QCoreApplication::processEvents();
    }
    void Open() {
        ASSERT_TRUE(document.OnOpenDocument(path));
        Paint();
    }
    void Paint() {
        view.viewport()->repaint();
        QCoreApplication::processEvents();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&view, Qt::Key(key), modifiers);
    }
    Window Shown() { return {Layout().FirstSample(), Layout().LastSample()}; }
    CGraphicLayout& Layout() { return document.Layout(); }
    QWidget* Viewport() { return view.viewport(); }
    QPoint PlotPoint(int diagram, double fx, double fy) {
        const GraphicRect plot = Layout().Diagram(diagram).PlotRect();
        return {plot.left + static_cast<int>(fx * plot.Width()),
                plot.bottom - static_cast<int>(fy * plot.Height())};
    }
    void Wheel(int delta) {
        const QPointF at = PlotPoint(0, 0.5, 0.5);
        QWheelEvent wheel(at, Viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Viewport(), &wheel);
    }

    TempDir dir;
    QString path;
    CGrafyonDoc document;
    CGrafyonView view;
    CViewNavigator* navigator = nullptr;
};

TEST(ViewNavigator, ActionsCarryTextsShortcutsAndEnablingWithoutADocument) {
    NavigatorFixture f;
    QAction* zoomIn = f.navigator->Action(NAV_CMD_ZOOM_IN);
    ASSERT_NE(zoomIn, nullptr);
    EXPECT_EQ(zoomIn->text(), "&Zoom in");
    EXPECT_EQ(zoomIn->shortcut(), QKeySequence(Qt::Key_Plus));
    const QList<QKeySequence> undo = f.navigator->Action(NAV_CMD_UNDO_ZOOM)->shortcuts();
    EXPECT_TRUE(undo.contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
    EXPECT_TRUE(undo.contains(QKeySequence(Qt::ALT | Qt::Key_Backspace)));
    EXPECT_EQ(f.navigator->Action(NAV_CMD_FULL_RANGE)->statusTip(), "Show full time range");
    EXPECT_EQ(f.navigator->Action(NAV_CMD_NEXT_CURVE)->text(), "Activate next curve");
    EXPECT_TRUE(f.navigator->Action(NAV_CMD_CURSOR_MODE)->isCheckable());
    EXPECT_TRUE(f.navigator->Action(NAV_CMD_ZOOM_CENTER_MODE)->isCheckable());
    EXPECT_FALSE(f.navigator->Action(NAV_CMD_SHOW_ALL)->isCheckable());
    EXPECT_EQ(f.navigator->Action(12345), nullptr);

    // Nothing is open: every command is disabled and does nothing.
    EXPECT_FALSE(zoomIn->isEnabled());
    EXPECT_FALSE(f.navigator->Execute(NAV_CMD_ZOOM_IN));
    f.Open();
    EXPECT_TRUE(zoomIn->isEnabled());
    EXPECT_FALSE(f.navigator->Action(NAV_CMD_UNDO_ZOOM)->isEnabled());
    EXPECT_FALSE(f.navigator->Action(NAV_CMD_REDO_ZOOM)->isEnabled());
    EXPECT_FALSE(f.navigator->Action(NAV_CMD_CURSOR_STEP_LEFT)->isEnabled());
    EXPECT_FALSE(f.navigator->Action(NAV_CMD_POPUP_INFORMATIONS)->isEnabled());
    // The first view is the history's first entry.
    EXPECT_EQ(f.document.ZoomHistory().Count(), 1);
}

TEST(ViewNavigator, ARecordingWithoutFramesEnablesNoCommand) {
    NavigatorFixture f;
    RecordingOptions options;
    options.path = f.dir / "empty.mdf";
    options.frames = 0;
    options.channelCount = 2;
    std::string error;
    ASSERT_EQ(GenerateRecording(options, &error), GENERATE_OK) << error;
    ASSERT_TRUE(f.document.OnOpenDocument(QString::fromStdString(options.path)));
    // Datasets from an open that did not fail, but no sample: as the main window, the
    // navigator offers nothing on the data.
    EXPECT_TRUE(f.document.HoldsData());
    EXPECT_GE(f.document.OpenStatus(), 0);
    EXPECT_FALSE(f.document.HasUsableData());
    for (int id : {NAV_CMD_ZOOM_IN, NAV_CMD_SHOW_ALL, NAV_CMD_CURSOR_MODE, NAV_CMD_X_PROPERTIES})
        EXPECT_FALSE(f.navigator->Action(id)->isEnabled()) << id;
    f.Open();
    EXPECT_TRUE(f.document.HasUsableData());
    EXPECT_TRUE(f.navigator->Action(NAV_CMD_ZOOM_IN)->isEnabled());
}

TEST(ViewNavigator, KeysPageZoomAndUndoWithTheScrollBarFollowing) {
    NavigatorFixture f;
    f.Open();
    ASSERT_EQ(f.Shown(), Window(0, 999));
    QScrollBar* bar = f.view.horizontalScrollBar();
    f.Key(Qt::Key_Right);
    EXPECT_EQ(f.Shown(), Window(1000, 1999));
    EXPECT_EQ(bar->value(), 1000);
    f.Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(f.Shown(), Window(1099, 2098));
    f.Key(Qt::Key_End);
    EXPECT_EQ(f.Shown(), Window(4000, 4999));
    f.Key(Qt::Key_Home);
    EXPECT_EQ(f.Shown(), Window(0, 999));
    f.Key(Qt::Key_Plus);
    EXPECT_EQ(f.Shown(), Window(333, 666));
    EXPECT_EQ(bar->value(), 333);
    f.Key(Qt::Key_Minus);
    EXPECT_EQ(f.Shown(), Window(0, 999));
    EXPECT_EQ(f.document.ZoomHistory().Count(), 7);

    EXPECT_TRUE(f.navigator->Action(NAV_CMD_UNDO_ZOOM)->isEnabled());
    f.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.Shown(), Window(333, 666));
    EXPECT_EQ(bar->value(), 333);
    f.Key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(f.Shown(), Window(0, 999));
    EXPECT_TRUE(f.navigator->Action(NAV_CMD_REDO_ZOOM)->isEnabled());
    f.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(f.Shown(), Window(333, 666));

    f.Key(Qt::Key_A, Qt::ControlModifier);  // show all
    EXPECT_EQ(f.Shown(), Window(0, 4999));
    EXPECT_FALSE(f.navigator->Action(NAV_CMD_REDO_ZOOM)->isEnabled());
}

TEST(ViewNavigator, HundredCursorStepsRepaintOnlyTheCursor) {
    NavigatorFixture f;
    f.Open();
    f.Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(f.navigator->CursorMode());
    EXPECT_TRUE(f.navigator->Action(NAV_CMD_CURSOR_MODE)->isChecked());
    EXPECT_TRUE(f.navigator->Action(NAV_CMD_CURSOR_STEP_RIGHT)->isEnabled());
    EXPECT_TRUE(f.Layout().cursorOn);
    EXPECT_EQ(f.Layout().cursorSample, 499);
    f.Paint();
    const int renders = f.view.FullRenderCount();
    const int refreshes = f.document.Filler().RefreshCount();
    const int snapshots = f.document.ZoomHistory().Count();
    for (int i = 0; i < 100; ++i) {
        f.Key(Qt::Key_Right);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(f.Layout().cursorSample, 599);
    EXPECT_EQ(f.Shown(), Window(0, 999));
    EXPECT_EQ(f.view.FullRenderCount(), renders);
    EXPECT_EQ(f.document.Filler().RefreshCount(), refreshes);
    EXPECT_EQ(f.document.ZoomHistory().Count(), snapshots);
    EXPECT_LT(f.view.LastRepaintRegion().boundingRect().width(), f.Viewport()->width());

    // Past the last visible sample the window follows, a quarter ahead of the cursor.
    f.Key(Qt::Key_End);
    EXPECT_EQ(f.Layout().cursorSample, 999);
    f.Key(Qt::Key_Right);
    EXPECT_EQ(f.Layout().cursorSample, 1000);
    EXPECT_EQ(f.Shown(), Window(250, 1249));
    EXPECT_EQ(f.view.horizontalScrollBar()->value(), 250);
    EXPECT_EQ(f.document.ZoomHistory().Count(), snapshots + 1);
    f.Paint();
    EXPECT_GT(f.view.FullRenderCount(), renders);
    f.Key(Qt::Key_Home);
    EXPECT_EQ(f.Layout().cursorSample, 250);

    f.Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(f.navigator->CursorMode());
    EXPECT_FALSE(f.Layout().cursorOn);
    EXPECT_FALSE(f.navigator->Action(NAV_CMD_CURSOR_STEP_RIGHT)->isEnabled());
}

TEST(ViewNavigator, CursorModeSwitchesTheZoomModeOffAndAClickPlacesTheCursor) {
    NavigatorFixture f;
    f.Open();
    f.Key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(f.navigator->ZoomAndCenterMode());
    EXPECT_TRUE(f.navigator->Action(NAV_CMD_ZOOM_CENTER_MODE)->isChecked());
    f.navigator->SetCursorMode(true);
    EXPECT_FALSE(f.navigator->ZoomAndCenterMode());
    EXPECT_FALSE(f.navigator->Action(NAV_CMD_ZOOM_CENTER_MODE)->isChecked());

    const QPoint point = f.PlotPoint(1, 0.25, 0.5);
    const GraphicRect plot = f.Layout().Diagram(1).PlotRect();
    QTest::mouseClick(f.Viewport(), Qt::LeftButton, Qt::NoModifier, point);
    EXPECT_EQ(f.Layout().cursorSample, 999 * (point.x() - plot.left) / plot.Width());
    EXPECT_EQ(f.Shown(), Window(0, 999));
}

TEST(ViewNavigator, RubberBandZoomsAndEscapeOrTheRightButtonCancels) {
    NavigatorFixture f;
    f.Open();
    f.navigator->SetZoomAndCenterMode(true);
    Dataset* curve = f.Layout().Diagram(0).curve;
    ASSERT_NE(curve, nullptr);
    const double minimum = curve->display.displayMinimum;
    const double maximum = curve->display.displayMaximum;
    const QPoint from = f.PlotPoint(0, 0.25, 0.75);
    const QPoint to = f.PlotPoint(0, 0.5, 0.25);

    // Escape during the drag: nothing changes.
    QTest::mousePress(f.Viewport(), Qt::LeftButton, Qt::NoModifier, from);
    EXPECT_TRUE(f.navigator->RubberBandActive());
    QTest::mouseMove(f.Viewport(), to);
    f.Key(Qt::Key_Escape);
    EXPECT_FALSE(f.navigator->RubberBandActive());
    QTest::mouseRelease(f.Viewport(), Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(f.Shown(), Window(0, 999));
    EXPECT_EQ(curve->display.displayMinimum, minimum);

    // The right button during the drag cancels it without opening the menu.
    QTest::mousePress(f.Viewport(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(f.Viewport(), to);
    QTest::mousePress(f.Viewport(), Qt::RightButton, Qt::NoModifier, to);
    QTest::mouseRelease(f.Viewport(), Qt::RightButton, Qt::NoModifier, to);
    QTest::mouseRelease(f.Viewport(), Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_FALSE(f.navigator->ContextMenu()->isVisible());
    EXPECT_EQ(f.Shown(), Window(0, 999));
    EXPECT_EQ(f.document.ZoomHistory().Count(), 1);

    // A real drag zooms the curve and the time window, with one snapshot.
    QTest::mousePress(f.Viewport(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(f.Viewport(), to);
    QTest::mouseRelease(f.Viewport(), Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_FALSE(f.navigator->RubberBandActive());
    EXPECT_GT(f.Layout().StartTime(), 0.2);
    EXPECT_LT(f.Layout().EndTime(), 0.51);
    EXPECT_GT(curve->display.displayMinimum, minimum);
    EXPECT_LT(curve->display.displayMaximum, maximum);
    EXPECT_EQ(f.document.ZoomHistory().Count(), 2);
    EXPECT_EQ(f.view.horizontalScrollBar()->value(), f.Layout().FirstSample());
    f.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.Shown(), Window(0, 999));
    EXPECT_EQ(curve->display.displayMinimum, minimum);
}

TEST(ViewNavigator, AClickInTheZoomModeCentresByTheCentreMode) {
    NavigatorFixture f;
    f.Open();
    f.Key(Qt::Key_End);  // 4000 ... 4999
    f.navigator->SetZoomAndCenterMode(true);
    f.navigator->SetCenterMode(CenterMode::Horizontal);
    Dataset* curve = f.Layout().Diagram(0).curve;
    const double minimum = curve->display.displayMinimum;
    // A band four pixels high is a click: the window centres on it, leftwards.
    const QPoint at = f.PlotPoint(0, 0.25, 0.8);
    QTest::mousePress(f.Viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseMove(f.Viewport(), at + QPoint(30, 4));
    QTest::mouseRelease(f.Viewport(), Qt::LeftButton, Qt::NoModifier, at + QPoint(30, 4));
    EXPECT_LT(f.Layout().StartTime(), 3.9);
    EXPECT_NEAR(f.Layout().EndTime() - f.Layout().StartTime(), 0.999, 1e-9);
    EXPECT_EQ(curve->display.displayMinimum, minimum);

    f.navigator->SetCenterMode(CenterMode::Inactive);
    const double start = f.Layout().StartTime();
    QTest::mouseClick(f.Viewport(), Qt::LeftButton, Qt::NoModifier, f.PlotPoint(0, 0.9, 0.9));
    EXPECT_EQ(f.Layout().StartTime(), start);
    EXPECT_EQ(f.navigator->GetCenterMode(), CenterMode::Inactive);
    f.navigator->SetCenterMode(CenterModeFromSetting(7));
    EXPECT_EQ(f.navigator->GetCenterMode(), CenterMode::Inactive);
}

TEST(ViewNavigator, WheelAndArrowKeysMoveTheCurveInFront) {
    NavigatorFixture f;
    f.Open();
    ASSERT_EQ(f.Layout().CurveCount(), 4);
    f.Wheel(-120);  // towards the user: the next curve
    EXPECT_EQ(f.Layout().FirstCurveIndex(), 1);
    EXPECT_EQ(f.view.verticalScrollBar()->value(), 1);
    f.Wheel(-60);
    EXPECT_EQ(f.Layout().FirstCurveIndex(), 1);  // half a notch waits for the other half
    f.Wheel(-60);
    EXPECT_EQ(f.Layout().FirstCurveIndex(), 2);
    f.Wheel(240);
    EXPECT_EQ(f.Layout().FirstCurveIndex(), 0);
    f.Key(Qt::Key_Down);
    EXPECT_EQ(f.Layout().FirstCurveIndex(), 1);
    f.Key(Qt::Key_Up);
    EXPECT_EQ(f.Layout().FirstCurveIndex(), 0);
    f.Key(Qt::Key_PageDown);
    EXPECT_EQ(f.Layout().FirstCurveIndex(), 2);
    f.Key(Qt::Key_PageUp);
    EXPECT_EQ(f.Layout().FirstCurveIndex(), 0);
    EXPECT_EQ(f.document.ZoomHistory().Count(), 1);  // curve scrolling takes no snapshot
}

TEST(ViewNavigator, ScrollBarActionsMoveTheWindowAndTheCurves) {
    NavigatorFixture f;
    f.Open();
    QScrollBar* bar = f.view.horizontalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(f.Shown(), Window(1000, 1999));
    EXPECT_EQ(bar->value(), 1000);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.Shown(), Window(1100, 2099));
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(f.Shown(), Window(4000, 4999));
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(f.Shown(), Window(4000, 4999));
    EXPECT_EQ(f.document.ZoomHistory().Count(), 4);
    f.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.Shown(), Window(1100, 2099));

    QScrollBar* curves = f.view.verticalScrollBar();
    curves->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.Layout().FirstCurveIndex(), 1);
    curves->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(f.Layout().FirstCurveIndex(), 2);
    curves->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(f.Layout().FirstCurveIndex(), 0);
}

TEST(ViewNavigator, ContextMenuTargetsItemsAndCommands) {
    NavigatorFixture f;
    f.Open();
    std::vector<std::pair<CGraphicObject*, bool>> requested;
    QObject::connect(
        f.navigator, &CViewNavigator::PropertiesRequested,
        [&](CGraphicObject* target, bool isDiagram) { requested.emplace_back(target, isDiagram); });
    CGraphicDiagram* diagram = &f.Layout().Diagram(0);
    QTest::mouseClick(f.Viewport(), Qt::RightButton, Qt::NoModifier, f.PlotPoint(0, 0.5, 0.5));
    QMenu* menu = f.navigator->ContextMenu();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(f.document.PopupTarget(), diagram);
    EXPECT_TRUE(f.document.PopupTargetIsDiagram());
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0], f.navigator->Action(NAV_CMD_POPUP_PROPERTIES));
    EXPECT_EQ(items[1]->text(), "&Y-Autoscale");
    EXPECT_EQ(items[2]->text(), "&Informations...");
    EXPECT_FALSE(items[2]->isEnabled());  // no information dialog connected
    EXPECT_EQ(items[3]->text(), "&Deactivate");
    items[0]->trigger();
    ASSERT_EQ(requested.size(), 1u);
    EXPECT_EQ(requested[0].first, diagram);
    EXPECT_TRUE(requested[0].second);
    menu->hide();

    // Y-Autoscale of the zoomed-in window takes a snapshot.
    f.Key(Qt::Key_Plus);
    const int snapshots = f.document.ZoomHistory().Count();
    f.navigator->OpenContextMenu(f.PlotPoint(0, 0.5, 0.5));
    f.navigator->Action(NAV_CMD_POPUP_Y_AUTOSCALE)->trigger();
    EXPECT_EQ(f.document.ZoomHistory().Count(), snapshots + 1);
    menu->hide();

    // Deactivate takes the curve out of the diagrams.
    Dataset* first = diagram->curve;
    f.navigator->OpenContextMenu(f.PlotPoint(0, 0.5, 0.5));
    f.navigator->Action(NAV_CMD_POPUP_DEACTIVATE)->trigger();
    EXPECT_FALSE(first->active);
    EXPECT_EQ(f.Layout().CurveCount(), 3);
    EXPECT_NE(f.Layout().Diagram(0).curve, first);
    menu->hide();

    // On the axis only the properties are offered.
    const GraphicRect axis = f.Layout().BottomAxis().Rect();
    QTest::mouseClick(f.Viewport(), Qt::RightButton, Qt::NoModifier,
                      QPoint(axis.left + 50, axis.top + 3));
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->actions().size(), 1);
    menu->actions()[0]->trigger();
    ASSERT_EQ(requested.size(), 2u);
    EXPECT_FALSE(requested[1].second);
    EXPECT_EQ(requested[1].first, &f.Layout().BottomAxis());
    menu->hide();

    // The keyboard opens it at the top-left corner of the client area, inside diagram 0.
    f.Key(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(f.document.PopupTarget(), diagram);
    menu->hide();

    // Outside every object no menu opens.
    EXPECT_FALSE(f.navigator->OpenContextMenu(QPoint(0, 0)));
}

TEST(ViewNavigator, InformationsIsOfferedOnceSomethingShowsIt) {
    NavigatorFixture f;
    Dataset* shown = nullptr;
    QObject::connect(f.navigator, &CViewNavigator::InformationRequested,
                     [&](Dataset* dataset) { shown = dataset; });
    f.Open();
    ASSERT_TRUE(f.navigator->OpenContextMenu(f.PlotPoint(1, 0.5, 0.5)));
    QAction* information = f.navigator->Action(NAV_CMD_POPUP_INFORMATIONS);
    EXPECT_TRUE(information->isEnabled());
    information->trigger();
    EXPECT_EQ(shown, f.Layout().Diagram(1).curve);
    f.navigator->ContextMenu()->hide();
}

TEST(ViewNavigator, PropertyCommandsAndTheCursorFormat) {
    NavigatorFixture f;
    f.Open();
    int xAxis = 0;
    int curves = 0;
    QObject::connect(f.navigator, &CViewNavigator::XAxisPropertiesRequested, [&] { ++xAxis; });
    QObject::connect(f.navigator, &CViewNavigator::CurvePropertiesRequested, [&] { ++curves; });
    f.navigator->Action(NAV_CMD_X_PROPERTIES)->trigger();
    f.navigator->Action(NAV_CMD_Y_PROPERTIES)->trigger();
    EXPECT_EQ(xAxis, 1);
    EXPECT_EQ(curves, 1);

    f.navigator->SetCursorFormatSettings(12, 3, 2);
    f.Key(Qt::Key_F5);
    EXPECT_EQ(f.Layout().GetCursorValueFormat().Text(), "%12.3e");
}

TEST(ViewNavigator, ReopeningStartsAFreshHistoryAndKeepsTheModes) {
    NavigatorFixture f;
    f.navigator->SetCursorMode(true);
    f.Open();
    EXPECT_TRUE(f.Layout().cursorOn);
    EXPECT_EQ(f.Layout().cursorSample, 499);
    f.Key(Qt::Key_Plus);
    EXPECT_EQ(f.document.ZoomHistory().Count(), 2);
    f.Open();
    EXPECT_EQ(f.document.ZoomHistory().Count(), 1);
    EXPECT_EQ(f.document.PopupTarget(), nullptr);
    EXPECT_TRUE(f.navigator->CursorMode());
    f.document.OnNewDocument();
    EXPECT_EQ(f.document.ZoomHistory().Count(), 0);
    EXPECT_FALSE(f.navigator->Action(NAV_CMD_ZOOM_IN)->isEnabled());
    f.Key(Qt::Key_Plus);  // nothing to do, nothing breaks
    EXPECT_EQ(f.document.ZoomHistory().Count(), 0);
}

TEST(ViewNavigator, ADocumentThatGoesFirstLeavesTheNavigatorInert) {
    NavigatorFixture f;
    auto document = std::make_unique<CGrafyonDoc>();
    CGrafyonView view;
    view.resize(400, 300);
    view.SetDocument(document.get());
    auto* navigator = new CViewNavigator(view, *document);
    ASSERT_TRUE(document->OnOpenDocument(f.path));
    navigator->SetZoomAndCenterMode(true);
    view.show();
    QCoreApplication::processEvents();
    QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    EXPECT_TRUE(navigator->RubberBandActive());
    document.reset();
    EXPECT_FALSE(navigator->RubberBandActive());
    EXPECT_FALSE(navigator->Action(NAV_CMD_ZOOM_IN)->isEnabled());
    EXPECT_FALSE(navigator->Execute(NAV_CMD_ZOOM_IN));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 80));
    QTest::keyClick(&view, Qt::Key_Plus);
    view.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_FALSE(navigator->OpenContextMenu(QPoint(100, 50)));
    navigator->SetCursorMode(true);
    EXPECT_TRUE(navigator->CursorMode());
}

}  // namespace
}  // namespace grafyon

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
