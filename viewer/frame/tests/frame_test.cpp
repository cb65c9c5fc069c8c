// The main window, the start-up hooks and the snapshot tool.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <QUrl>

#include <cstdlib>
#include <fstream>
#include <string>

#include "test_support.h"
#include "viewer/app/language_module.h"
#include "viewer/data/tools/recording_generator.h"
#include "viewer/frame/document_export.h"
#include "viewer/frame/file_filter.h"
#include "viewer/frame/frame_strings.h"
#include "viewer/frame/main_frame.h"
#include "viewer/frame/toolbars_dialog.h"
#include "viewer/frame/viewer_runtime.h"
#include "viewer/measure/measurement_panel.h"
#include "viewer/navigation/navigation_commands.h"
#include "viewer/navigation/view_navigator.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/grafyon_view.h"
#include "viewer/view/view_strings.h"

namespace grafyon {
namespace {

using test::ScopedConfigDirs;
using test::TempDir;

std::string WriteRecording(const TempDir& dir, const std::string& name, std::uint64_t frames) {
    RecordingOptions options;
    options.path = dir / name;
    options.frames = frames;
    options.channelCount = 5;
    options.ranges = 2;
    std::string error;
    EXPECT_EQ(GenerateRecording(options, &error), GENERATE_OK) << error;
    return options.path;
}

TEST(FileFilter, TableFiltersBecomeQtNameFilters) {
    EXPECT_EQ(NameFiltersFromTable("Vantorelline-Files (*.mcf;*.mdf,*.tks)|*.mcf;*.mdf;*.tks||"),
              QStringList{"Vantorelline-Files (*.mcf;*.mdf,*.tks) (*.mcf *.mdf *.tks)"});
    EXPECT_EQ(NameFiltersFromTable("A (*.a)|*.a|All files (*.*)|*.*||"),
              (QStringList{"A (*.a) (*.a)", "All files (*.*) (*.*)"}));
    // A pair without patterns ends the list; nothing at all gives nothing.
    EXPECT_EQ(NameFiltersFromTable("A|*.a|B||C|*.c"), QStringList{"A (*.a)"});
    EXPECT_TRUE(NameFiltersFromTable("").isEmpty());
    EXPECT_TRUE(NameFiltersFromTable("no pipes").isEmpty());
}

TEST(InitialView, TakesEverySettingThatShapesTheFirstView) {
    ViewerSettings s;
    s.diagramViewMode = 1;
    s.numOfDiagrams = 7;
    s.showYGrid = true;
    s.xAxisDisplayOnTop = true;
    s.xAxisDisplayOnBottom = false;
    s.xAxisStartIntervalMode = START_TIME_INTERVAL;
    s.xAxisTimeInterval = 2.5;
    s.cursorValueFormatWidth = 14;
    s.cursorValueFormatPrecision = 9;
    const InitialViewSettings v = InitialViewFrom(s);
    EXPECT_EQ(v.viewMode, ViewMode::AllCurves);
    EXPECT_EQ(v.diagramsPerPage, 7);
    EXPECT_TRUE(v.yGrid);
    EXPECT_TRUE(v.topAxis);
    EXPECT_FALSE(v.bottomAxis);
    EXPECT_EQ(v.window, InitialWindow::TimeInterval);
    EXPECT_EQ(v.timeInterval, 2.5);
    EXPECT_EQ(v.cursorValueFormat.width, 14);
    EXPECT_EQ(v.cursorValueFormat.precision, 9);
}

struct FrameFixture {
    FrameFixture() {
        runtime.document->SetMessageSink(
            [this](int number, const QString&) { messages.push_back(number); });
        frame = std::make_unique<CMainFrame>(runtime);
        frame->show();
        QCoreApplication::processEvents();
    }
    TempDir dir;
    ScopedConfigDirs config;
    ViewerRuntime runtime;
    std::vector<int> messages;
    std::unique_ptr<CMainFrame> frame;
};

TEST(MainFrame, OpensDroppedFilesAndClosesWithNew) {
    FrameFixture f;
    const std::string path = WriteRecording(f.dir, "dropped.mdf", 3000);

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.frame.get(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(f.runtime.document->HoldsData());
    EXPECT_TRUE(f.frame->windowTitle().startsWith("dropped.mdf - "));
    EXPECT_TRUE(f.messages.empty());

    // Ctrl+N closes the measurement and shows the empty view.
    QTest::keyClick(f.frame.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(f.runtime.document->HoldsData());
    f.frame->View().viewport()->repaint();
    EXPECT_EQ(f.frame->View().LastError(), LAYOUT_NO_FILE);
    EXPECT_FALSE(f.frame->windowTitle().contains("dropped"));

    // A file that is not a measurement reports and leaves the document empty.
    const std::string text = f.dir / "readme.txt";
    std::ofstream(text) << "hello\n";
    EXPECT_FALSE(f.frame->OpenFile(QString::fromStdString(text)));
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_FALSE(f.runtime.document->HoldsData());
}

TEST(MainFrame, OpenUsesTheSettingsForTheFirstView) {
    FrameFixture f;
    f.runtime.settings.xAxisStartIntervalMode = START_NUMBER_OF_SAMPLES;
    f.runtime.settings.xAxisNumOfValues = 250;
    f.runtime.settings.numOfDiagrams = 3;
    const std::string path = WriteRecording(f.dir, "settings.mdf", 10000);
    ASSERT_TRUE(f.frame->OpenFile(QString::fromStdString(path)));
    CGraphicLayout& layout = f.runtime.document->Layout();
    EXPECT_EQ(layout.LastSample() - layout.FirstSample() + 1, 250);
    EXPECT_EQ(layout.DiagramsPerPage(), 3);
}

TEST(MainFrame, TheHandedInRecentFileListFillsTheFileMenuAndLearnsOpens) {
    TempDir dir;
    ScopedConfigDirs config;
    ViewerRuntime runtime;
    const std::string good = WriteRecording(dir, "good.mdf", 3000);
    const std::string gone = dir / "gone.mdf";
    std::vector<std::string> list{gone, good};
    std::vector<std::string> added;
    FrameHooks hooks;
    hooks.entries = [&list] { return list; };
    hooks.add = [&added](const std::string& path) { added.push_back(path); };
    hooks.remove = [&list](std::size_t index) { list.erase(list.begin() + index); };
    int aboutShown = 0;
    hooks.showAbout = [&aboutShown] { ++aboutShown; };
    runtime.document->SetMessageSink([](int, const QString&) {});
    CMainFrame frame(runtime, hooks);

    // The about command is there once the program hands in its about box.
    ASSERT_TRUE(frame.Action(ID_APP_ABOUT)->isEnabled());
    frame.Action(ID_APP_ABOUT)->trigger();
    EXPECT_EQ(aboutShown, 1);

    QMenu* file = frame.menuBar()->actions().constFirst()->menu();
    ASSERT_NE(file, nullptr);
    const auto recentEntry = [file](const std::string& path) -> QAction* {
        emit file->aboutToShow();
        for (QAction* action : file->actions()) {
            if (action->text().endsWith(QString::fromStdString(path)))
                return action;
        }
        return nullptr;
    };
    ASSERT_NE(recentEntry(gone), nullptr);
    ASSERT_NE(recentEntry(good), nullptr);
    EXPECT_EQ(recentEntry(gone)->text(), "&1 " + QString::fromStdString(gone));

    // An entry that no longer opens leaves the list; one that opens is recorded again.
    recentEntry(gone)->trigger();
    EXPECT_EQ(list, std::vector<std::string>{good});
    EXPECT_TRUE(added.empty());
    recentEntry(good)->trigger();
    EXPECT_TRUE(runtime.document->HoldsData());
    EXPECT_EQ(added, std::vector<std::string>{good});
}

std::vector<int> ToolBarCommands(const CMainFrame& frame, QToolBar* bar) {
    std::vector<int> ids;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator()) {
            ids.push_back(0);
            continue;
        }
        for (int id = 32700; id < 60000; ++id) {
            if (frame.Action(id) == action) {
                ids.push_back(id);
                break;
            }
        }
    }
    return ids;
}

TEST(MainFrame, MenusToolbarsAndStatusBar) {
    FrameFixture f;
    QStringList menus;
    for (QAction* a : f.frame->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&View", "&Tools", "&Help"}));

    const auto& bars = f.frame->ToolBars();
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(bars[0]->windowTitle(), "Standard");
    EXPECT_EQ(bars[1]->windowTitle(), "Diagram");
    EXPECT_EQ(bars[2]->windowTitle(), "Ranges");
    EXPECT_EQ(ToolBarCommands(*f.frame, bars[0]),
              (std::vector<int>{57601, 57604, 32807, 0, 32773}));
    EXPECT_EQ(ToolBarCommands(*f.frame, bars[1]),
              (std::vector<int>{32774, 0, 32780, 32781, 0,     32782, 32784, 32783, 32785, 0, 32786,
                                32787, 0, 32788, 32789, 32790, 0,     32791, 32792, 32793}));
    EXPECT_EQ(ToolBarCommands(*f.frame, bars[2]),
              (std::vector<int>{32797, 32798, 0, 32799, 32814}));
    // Every button has an image and a tool tip.
    for (QToolBar* bar : bars) {
        for (QAction* a : bar->actions()) {
            if (a->isSeparator())
                continue;
            EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
            EXPECT_FALSE(a->toolTip().isEmpty()) << a->text().toStdString();
        }
    }
    EXPECT_EQ(f.frame->statusBar()->currentMessage(), "Ready");

    // Accelerators of the window's own commands.
    const std::pair<int, QKeySequence> keys[] = {
        {57601, QKeySequence("Ctrl+O")},    {57604, QKeySequence("Ctrl+S")},
        {57600, QKeySequence("Ctrl+N")},    {32807, QKeySequence("Ctrl+X")},
        {32773, QKeySequence("Ctrl+I")},    {32816, QKeySequence("Ctrl+L")},
        {32797, QKeySequence("Ctrl+1")},    {32798, QKeySequence("Ctrl+2")},
        {32774, QKeySequence("Alt+Return")}};
    for (const auto& [id, key] : keys) {
        ASSERT_NE(f.frame->Action(id), nullptr) << id;
        EXPECT_TRUE(f.frame->Action(id)->shortcuts().contains(key)) << id;
    }

    // The file information without a measurement, and the about box without its hook, are there
    // and disabled; the workspace, the export filters and help are not.
    for (int id : {32773, 57664})
        EXPECT_FALSE(f.frame->Action(id)->isEnabled()) << id;
    for (int id : {57601, 32816, 32804, 32808, 57670, 32771, 32803})
        EXPECT_TRUE(f.frame->Action(id)->isEnabled()) << id;
    // Without a measurement nothing that needs one is enabled.
    for (int id : {57604, 32774, 32797, 32798, 32799, 32814, 32807})
        EXPECT_FALSE(f.frame->Action(id)->isEnabled()) << id;
}

TEST(MainFrame, ToolbarsDialogSwitchesAllBarsAndLeavesTheStatusBar) {
    FrameFixture f;
    CToolbarsDialog dialog(f.frame->ToolBars(), f.frame.get());
    ASSERT_EQ(dialog.List().count(), 3);
    EXPECT_EQ(dialog.List().item(1)->text(), "Diagram");
    dialog.SwitchAll(false);
    for (QToolBar* bar : f.frame->ToolBars())
        EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(f.frame->statusBar()->isVisible());
    dialog.List().item(2)->setCheckState(Qt::Checked);
    EXPECT_TRUE(f.frame->ToolBars()[2]->isVisible());
    EXPECT_FALSE(f.frame->ToolBars()[0]->isVisible());
    dialog.SwitchAll(true);
    for (QToolBar* bar : f.frame->ToolBars())
        EXPECT_TRUE(bar->isVisible());
    // The status bar toggle is independent of the toolbars.
    f.frame->Action(ID_VIEW_STATUS_BAR)->trigger();
    EXPECT_FALSE(f.frame->statusBar()->isVisible());
    EXPECT_TRUE(f.frame->ToolBars()[0]->isVisible());
}

// Accepts the next modal dialog as soon as it shows.
void AcceptNextDialog() {
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
}

TEST(MainFrame, RangeBordersAddAnOrderedRange) {
    FrameFixture f;
    const std::string path = WriteRecording(f.dir, "ranges.mdf", 5000);
    ASSERT_TRUE(f.frame->OpenFile(QString::fromStdString(path)));
    CGrafyonDoc& document = *f.runtime.document;
    const int before = document.Ranges().Count();
    EXPECT_TRUE(f.frame->Action(ID_TOOLS_RANGES)->isEnabled());
    // The borders need the cursor mode.
    EXPECT_FALSE(f.frame->Action(ID_RANGE_FIRST_BORDER)->isEnabled());
    f.frame->Navigator().Execute(NAV_CMD_CURSOR_MODE);
    f.frame->UpdateCommandUI();
    ASSERT_TRUE(f.frame->Action(ID_RANGE_FIRST_BORDER)->isEnabled());
    EXPECT_FALSE(f.frame->Action(ID_RANGE_SECOND_BORDER)->isEnabled());
    EXPECT_EQ(f.runtime.settings.cursorMode, 1);

    CGraphicLayout& layout = document.Layout();
    layout.cursorSample = 100;
    f.frame->OnFirstRangeBorder();
    EXPECT_TRUE(f.frame->Action(ID_RANGE_SECOND_BORDER)->isEnabled());
    layout.cursorSample = 40;
    AcceptNextDialog();
    f.frame->OnSecondRangeBorder();
    ASSERT_EQ(document.Ranges().Count(), before + 1);
    bool found = false;
    for (int i = 0; i < document.Ranges().Count(); ++i) {
        const CRange& r = document.Ranges().At(i);
        if (r.Start() == 40 && r.End() == 100)
            found = true;
    }
    EXPECT_TRUE(found);
    // The mark was used up.
    EXPECT_FALSE(f.frame->Action(ID_RANGE_SECOND_BORDER)->isEnabled());
}

TEST(MainFrame, CursorBRangeFromCursorsAndTheMeasurementPanel) {
    FrameFixture f;
    {
        const std::string path = WriteRecording(f.dir, "cursors.mdf", 5000);
        ASSERT_TRUE(f.frame->OpenFile(QString::fromStdString(path)));
        CGrafyonDoc& document = *f.runtime.document;
        // Hidden by default; both cursor commands need cursor B.
        EXPECT_FALSE(f.frame->MeasurementPanel().isVisible());
        EXPECT_FALSE(f.frame->Action(ID_RANGE_FROM_CURSORS)->isEnabled());
        EXPECT_FALSE(f.frame->Action(ID_FILE_EXPORT_CURSORS)->isEnabled());
        f.frame->Navigator().Execute(NAV_CMD_CURSOR_MODE);
        CGraphicLayout& layout = document.Layout();
        layout.cursorSample = 300;
        // Ctrl+B puts cursor B on cursor A, Shift+Right moves it alone.
        f.frame->View().setFocus();
        QTest::keyClick(&f.frame->View(), Qt::Key_B, Qt::ControlModifier);
        EXPECT_EQ(layout.cursorBSample, 300);
        QTest::keyClick(&f.frame->View(), Qt::Key_Right, Qt::ShiftModifier);
        EXPECT_EQ(layout.cursorBSample, 301);
        EXPECT_EQ(layout.cursorSample, 300);
        layout.cursorBSample = 1200;
        document.UpdateAllViews(HINT_CURSOR);
        EXPECT_TRUE(f.frame->Action(ID_RANGE_FROM_CURSORS)->isEnabled());
        EXPECT_TRUE(f.frame->Action(ID_FILE_EXPORT_CURSORS)->isEnabled());
        const int before = document.Ranges().Count();
        f.frame->Action(ID_RANGE_FROM_CURSORS)->trigger();
        ASSERT_EQ(document.Ranges().Count(), before + 1);
        bool found = false;
        for (int i = 0; i < document.Ranges().Count(); ++i) {
            const CRange& r = document.Ranges().At(i);
            found = found || (r.Start() == 300 && r.End() == 1200 && r.Active());
        }
        EXPECT_TRUE(found);
        QTest::keyClick(&f.frame->View(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(layout.cursorBSample, -1);
        EXPECT_FALSE(f.frame->Action(ID_RANGE_FROM_CURSORS)->isEnabled());

        f.frame->Action(ID_VIEW_MEASUREMENT)->trigger();
        EXPECT_TRUE(f.frame->MeasurementPanel().isVisible());
        EXPECT_EQ(f.frame->dockWidgetArea(&f.frame->MeasurementPanel()), Qt::BottomDockWidgetArea);
        f.frame->addDockWidget(Qt::RightDockWidgetArea, &f.frame->MeasurementPanel());
        f.frame->close();
    }
    // The panel's state and side come back with the next window.
    f.frame = std::make_unique<CMainFrame>(f.runtime);
    EXPECT_FALSE(f.frame->MeasurementPanel().isHidden());
    EXPECT_EQ(f.frame->dockWidgetArea(&f.frame->MeasurementPanel()), Qt::RightDockWidgetArea);
    EXPECT_FALSE(f.frame->MeasurementPanel().isFloating());
    f.frame->MeasurementPanel().hide();
    f.frame->close();
    f.frame = std::make_unique<CMainFrame>(f.runtime);
    EXPECT_TRUE(f.frame->MeasurementPanel().isHidden());
}

TEST(MainFrame, TheScanBehindTheFirstPictureShowsInTheStatusBar) {
    FrameFixture f;
    const std::string path = WriteRecording(f.dir, "scanned.mdf", 400'000);
    ASSERT_TRUE(f.frame->OpenFile(QString::fromStdString(path)));
    CGrafyonDoc& document = *f.runtime.document;
    ASSERT_TRUE(document.ScanPending());
    EXPECT_EQ(f.frame->statusBar()->currentMessage(), "Reading the whole measurement: 0 %");
    document.FinishScan();
    EXPECT_FALSE(document.ScanPending());
    EXPECT_EQ(f.frame->statusBar()->currentMessage(), "Ready");
    EXPECT_TRUE(document.Layout().Curves().front()->extremesKnown);
}

TEST(MainFrame, SaveAsStoresTheMeasurementAndOpensTheStoredFile) {
    FrameFixture f;
    const std::string path = WriteRecording(f.dir, "source.mdf", 4000);
    ASSERT_TRUE(f.frame->OpenFile(QString::fromStdString(path)));
    ASSERT_TRUE(f.frame->Action(ID_FILE_SAVE_AS)->isEnabled());
    f.runtime.settings.openStoredFile = true;
    f.runtime.settings.saveFileFilterIndex = 1;
    const QString target = QString::fromStdString(f.dir / "stored.mcf");
    // The "Storage" dialog, then the file dialog.
    QTimer::singleShot(0, [target] {
        auto* storage = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(storage, nullptr);
        EXPECT_EQ(storage->windowTitle(), "Storage");
        QTimer::singleShot(0, [target] {
            auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(files, nullptr);
            files->selectFile(target);
            static_cast<QDialog*>(files)->accept();
        });
        storage->accept();
    });
    QTest::keyClick(f.frame.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(f.runtime.document->PathName(), target);
    EXPECT_EQ(f.runtime.document->Description().FrameCount(), 4000u);
    EXPECT_TRUE(f.messages.empty());
}

TEST(GermanTexts, EveryNumberedTextOfTheWindowAndTheViewIsTranslated) {
    const char* bin = std::getenv("GRAFYON_BIN_DIR");
    ASSERT_NE(bin, nullptr);
    LanguageModule module;
    ASSERT_TRUE(module.Load(std::string(bin) + "/Grafyon.DEU"));
    QTranslator translator;
    ASSERT_TRUE(translator.load(reinterpret_cast<const uchar*>(module.TranslationData().data()),
                                static_cast<int>(module.TranslationData().size())));
    for (auto table : {FrameStringTable(), ViewStringTable()}) {
        for (const ViewerStringEntry& entry : table) {
            const QString german = translator.translate(VIEWER_STRINGS_CONTEXT,
                                                        QByteArray::number(entry.id).constData());
            EXPECT_FALSE(german.isEmpty()) << entry.id;
            // A prompt keeps its tool tip after the line break.
            EXPECT_EQ(german.contains('\n'), QString::fromUtf8(entry.english).contains('\n'))
                << entry.id;
        }
    }
    EXPECT_EQ(translator.translate("grafyon::CMainFrame", "&File"), "&Datei");
}

TEST(MainFrame, AcceleratorsReachTheirCommands) {
    FrameFixture f;
    const std::string path = WriteRecording(f.dir, "keys.mdf", 5000);
    ASSERT_TRUE(f.frame->OpenFile(QString::fromStdString(path)));
    f.frame->activateWindow();
    CGrafyonDoc& document = *f.runtime.document;
    const int before = document.Ranges().Count();

    // Ctrl+C switches the cursor mode on; Ctrl+1 and Ctrl+2 mark a range with the dialog.
    QTest::keyClick(f.frame.get(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(f.frame->Navigator().CursorMode());
    document.Layout().cursorSample = 300;
    QTest::keyClick(f.frame.get(), Qt::Key_1, Qt::ControlModifier);
    document.Layout().cursorSample = 700;
    AcceptNextDialog();
    QTest::keyClick(f.frame.get(), Qt::Key_2, Qt::ControlModifier);
    ASSERT_EQ(document.Ranges().Count(), before + 1);

    // A closed dialog leaves no active window on the offscreen platform.
    QApplication::setActiveWindow(f.frame.get());
    // Alt+Enter opens the diagram sheet; Cancel leaves the document as it was.
    bool sheetShown = false;
    QTimer::singleShot(0, [&sheetShown] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            sheetShown = true;
            dialog->reject();
        }
    });
    QTest::keyClick(f.frame.get(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_TRUE(sheetShown);
    EXPECT_TRUE(document.HoldsData());

    QApplication::setActiveWindow(f.frame.get());
    // Ctrl+O asks for a file; cancelling keeps the measurement.
    bool fileDialogShown = false;
    QTimer::singleShot(0, [&fileDialogShown] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            fileDialogShown = true;
            dialog->reject();
        }
    });
    QTest::keyClick(f.frame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(fileDialogShown);
    EXPECT_TRUE(document.HoldsData());
}

TEST(MainFrame, ExportTakesTheZoomedRangeAndTheCurves) {
    FrameFixture f;
    const std::string path = WriteRecording(f.dir, "zoomed.mdf", 4000);
    ASSERT_TRUE(f.frame->OpenFile(QString::fromStdString(path)));
    CGrafyonDoc& document = *f.runtime.document;
    EXPECT_TRUE(f.frame->Action(ID_FILE_EXPORT)->isEnabled());
    CGraphicLayout& layout = document.Layout();
    layout.SetFirstSample(1200);
    layout.SetLastSample(1799);
    const FrameRange range = VisibleFrameRange(document);
    EXPECT_EQ(range.first, 1200);
    EXPECT_EQ(range.count, 600);
    // A curve switched off is not exported; the others keep the document's order.
    std::vector<Dataset*> datasets = document.Description().Datasets();
    ASSERT_GE(datasets.size(), 3u);
    datasets[1]->active = false;
    layout.ApplyCurves(datasets, false);
    const ExportSource source = ExportSourceOf(document);
    EXPECT_EQ(source.description, &document.Description());
    EXPECT_EQ(source.documentPath, path);
    ASSERT_EQ(source.datasets.size(), datasets.size() - 1);
    EXPECT_EQ(source.datasets[0], datasets[0]);
    EXPECT_EQ(source.datasets[1], datasets[2]);

    // Ctrl+X without a filter of the user's: the library's headless choice is cancelled and
    // nothing changes.
    f.frame->activateWindow();
    QTest::keyClick(f.frame.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(document.HoldsData());
    EXPECT_FALSE(ExportIsRunning());
    EXPECT_TRUE(f.frame->Action(ID_FILE_EXPORT)->isEnabled());

    // Closed, the document has nothing to export.
    f.frame->OnFileNew();
    EXPECT_FALSE(f.frame->Action(ID_FILE_EXPORT)->isEnabled());
    EXPECT_EQ(ExportSourceOf(document).description, nullptr);
}

TEST(MainFrame, AFileOpenedBeforeTheWindowShowsGetsTheFullWidth) {
    TempDir dir;
    ScopedConfigDirs config;
    ViewerRuntime runtime;
    runtime.settings.xAxisStartIntervalMode = START_SPEED_OPTIMIZED;
    CMainFrame frame(runtime);  // not shown, as during start-up
    const std::string path = WriteRecording(dir, "early.mdf", 100'000);
    ASSERT_TRUE(frame.OpenFile(QString::fromStdString(path)));
    CGraphicLayout& layout = runtime.document->Layout();
    // Sixteen samples for each of several hundred columns, not for a default-sized widget.
    EXPECT_GT(layout.LastSample() - layout.FirstSample() + 1, 16 * 500);
    frame.show();
    QCoreApplication::processEvents();
    const int usable = frame.View().viewport()->width() - 2;
    EXPECT_NEAR(double(layout.LastSample() + 1), 16.0 * usable, 16.0 * 40);
}

QString Tool(const char* name) {
    const char* bin = std::getenv("GRAFYON_BIN_DIR");
    return QString::fromUtf8(bin ? bin : ".") + "/" + name;
}

TEST(Snapshot, RendersRecordingsAndErrorsIntoPictures) {
    TempDir dir;
    const std::string path = WriteRecording(dir, "snap.mdf", 20000);
    const QString out = QString::fromStdString(dir / "snap.png");
    QProcess tool;
    tool.start(Tool("grafyon-snapshot"), {QString::fromStdString(path), out, "--width", "640",
                                          "--height", "400", "--diagrams", "2", "--grid"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    QImage picture(out);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(640, 400));

    // A file that does not open still gives a picture, with the text, and says so.
    const std::string bad = dir / "bad.mdf";
    std::ofstream(bad) << "MDF? no";
    const QString badOut = QString::fromStdString(dir / "bad.png");
    tool.start(Tool("grafyon-snapshot"), {QString::fromStdString(bad), badOut});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 2);
    EXPECT_FALSE(QImage(badOut).isNull());
    EXPECT_TRUE(tool.readAllStandardError().contains("Unknown File Format"));

    // With the cursor on a sample the picture holds its cross and value box.
    const QString cursorOut = QString::fromStdString(dir / "cursor.png");
    tool.start(Tool("grafyon-snapshot"),
               {QString::fromStdString(path), cursorOut, "--width", "640", "--height", "400",
                "--diagrams", "2", "--grid", "--cursor", "500"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    EXPECT_NE(QImage(cursorOut), picture);

    // Bad arguments are refused before anything is read.
    for (const char* bad : {"--diagrams", "--cursor"}) {
        tool.start(Tool("grafyon-snapshot"), {QString::fromStdString(path), out, bad, "0"});
        ASSERT_TRUE(tool.waitForFinished(60000));
        EXPECT_EQ(tool.exitCode(), 1) << bad;
    }
}

}  // namespace
}  // namespace grafyon

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
