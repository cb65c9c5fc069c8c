// The main window: commands with their menus, toolbars and keys, the status bar, drops,
// the window placement and live resizing.
#include "main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

#include "command_icons.h"
#include "document_export.h"
#include "environment/varnokastell.h"
#include "exportfilter/quenvartexila.h"
#include "file_filter.h"
#include "file_info_command.h"
#include "frame_strings.h"
#include "toolbars_dialog.h"
#include "viewer/app/message_box.h"
#include "viewer/app/viewer_identity.h"
#include "viewer/app/viewer_strings.h"
#include "viewer/data/link/ui/link_command.h"
#include "viewer/data/link/ui/link_strings.h"
#include "viewer/data/save/ui/save_as_command.h"
#include "viewer/data/save/ui/save_strings.h"
#include "viewer/help/user_manual.h"
#include "viewer/measure/cursor_measurement.h"
#include "viewer/measure/measurement_panel.h"
#include "viewer/navigation/navigation_commands.h"
#include "viewer/navigation/view_navigator.h"
#include "viewer/ranges/range_commands.h"
#include "viewer/ranges/range_dialogs.h"
#include "viewer/settings/settings_values.h"
#include "viewer/settings/ui/font_conversion.h"
#include "viewer/settings/ui/widget_placement.h"
#include "viewer/sheets/diagram_sheet.h"
#include "viewer/sheets/option_sheet.h"
#include "viewer/sheets/scaling_dialog.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/grafyon_view.h"
#include "viewer_runtime.h"

namespace grafyon {

namespace {

// Lock-key bits of the X11 key state that Qt passes along as native modifiers.
constexpr quint32 X11_LOCK_MASK = 0x02;
constexpr quint32 X11_NUM_LOCK_MASK = 0x10;

void SetPrompt(QAction* action, int commandId) {
    const QString prompt = FrameString(commandId);
    if (prompt.isEmpty())
        return;
    action->setStatusTip(PromptStatusText(prompt));
    action->setToolTip(PromptToolTip(prompt));
}

// Whether the measurement panel is shown (1) or hidden (0, the default), the side of the
// window it is docked to (Qt's area: 1 left, 2 right, 4 top, 8 bottom, the default) and
// whether it floats (1) beside the window.
constexpr std::string_view MEASUREMENT_PANEL_VALUE = "Measurement Panel";
constexpr std::string_view MEASUREMENT_PANEL_AREA_VALUE = "Measurement Panel Area";
constexpr std::string_view MEASUREMENT_PANEL_FLOATING_VALUE = "Measurement Panel Floating";

Qt::DockWidgetArea PanelArea(std::optional<int> stored) {
    for (const Qt::DockWidgetArea area : {Qt::LeftDockWidgetArea, Qt::RightDockWidgetArea,
                                          Qt::TopDockWidgetArea, Qt::BottomDockWidgetArea}) {
        if (stored == static_cast<int>(area))
            return area;
    }
    return Qt::BottomDockWidgetArea;
}

}  // namespace

CMainFrame::CMainFrame(ViewerRuntime& runtime, FrameHooks hooks, QWidget* parent)
    : QMainWindow(parent), m_runtime(runtime), m_hooks(std::move(hooks)) {
    CGrafyonDoc& document = *runtime.document;
    m_view = new CGrafyonView(this);  // owned by the frame through Qt's parent
    setCentralWidget(m_view);
    m_view->SetDiagramFont(QFontFromLogFont(runtime.font));
    m_view->SetDocument(&document);

    m_navigator = new CViewNavigator(*m_view, document, this);
    const ViewerSettings& s = runtime.settings;
    m_navigator->SetCursorMode(s.cursorMode != 0);
    m_navigator->SetZoomAndCenterMode(s.zoomAndCenterMode != 0);
    m_navigator->SetCenterMode(CenterModeFromSetting(s.centerMode));
    m_navigator->SetCursorFormatSettings(s.cursorValueFormatWidth, s.cursorValueFormatPrecision,
                                         s.cursorValueFormatType);
    connect(m_navigator, &CViewNavigator::ModesChanged, this, &CMainFrame::StoreModes);
    connect(m_navigator, &CViewNavigator::PropertiesRequested, this,
            &CMainFrame::OnPropertiesRequested);
    connect(m_navigator, &CViewNavigator::XAxisPropertiesRequested, this,
            [this] { OpenDiagramSheet(DIAGRAM_PAGE_X_AXIS); });
    connect(m_navigator, &CViewNavigator::CurvePropertiesRequested, this,
            [this] { OpenDiagramSheet(DIAGRAM_PAGE_CURVES); });
    connect(m_navigator, &CViewNavigator::InformationRequested, this,
            [this](Dataset* dataset) { ShowFileInformation(this, *m_runtime.document, dataset); });

    m_measurement = new CMeasurementPanel(document, this);
    addDockWidget(Qt::BottomDockWidgetArea, m_measurement);
    m_measurement->hide();

    CreateMenus();
    CreateToolBars();
    CreateStatusBar();
    setAcceptDrops(true);
    // Sees size changes before the layout passes them to the view.
    installEventFilter(this);
    // Lock keys are read from every key event of the application.
    qApp->installEventFilter(this);
    resize(1024, 720);
    if (auto file = OpenViewerSettingsFile()) {
        RestoreWindowPlacement(*file, *this);
        const Qt::DockWidgetArea area =
            PanelArea(file->ReadInt(VIEWER_SETTINGS_SECTION, MEASUREMENT_PANEL_AREA_VALUE));
        if (area != Qt::BottomDockWidgetArea)
            addDockWidget(area, m_measurement);
        if (file->ReadInt(VIEWER_SETTINGS_SECTION, MEASUREMENT_PANEL_FLOATING_VALUE).value_or(0) ==
            1)
            m_measurement->setFloating(true);
        if (file->ReadInt(VIEWER_SETTINGS_SECTION, MEASUREMENT_PANEL_VALUE).value_or(0) == 1)
            m_measurement->show();
    }
    // A file named on the command line opens before the window shows; its first view needs
    // the view's real size.
    layout()->activate();
    m_view->UpdateClientRect();

    connect(&document, &CGrafyonDoc::PathChanged, this, [this] {
        m_firstBorder.Clear();
        m_diagramPage = 0;
        UpdateTitle();
        UpdateCommandUI();
    });
    // The navigator refreshes its own actions on every hint; a cursor step changes none of
    // the window's.
    // The scan of the whole recording behind the first picture, in the status bar.
    connect(&document, &CGrafyonDoc::ScanProgress, this, [this](int percent) {
        if (percent < 0)
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(FrameString(FRAME_STR_SCANNING).arg(percent));
    });
    connect(&document, &CGrafyonDoc::ViewUpdate, this, [this](int hint) {
        if (hint != HINT_CURSOR)
            UpdateOwnCommands();
        else
            UpdateCursorCommands();
    });
    UpdateTitle();
    UpdateCommandUI();
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
}

QAction* CMainFrame::AddCommand(int commandId, const QString& text, void (CMainFrame::*slot)()) {
    auto* action = new QAction(text, this);
    SetPrompt(action, commandId);
    action->setIcon(CommandIcon(commandId));
    if (slot != nullptr)
        connect(action, &QAction::triggered, this, slot);
    m_actions[commandId] = action;
    return action;
}

void CMainFrame::OnAppAbout() {
    if (m_hooks.showAbout)
        m_hooks.showAbout();
}

QAction* CMainFrame::Action(int commandId) const {
    if (const auto found = m_actions.find(commandId); found != m_actions.end())
        return found->second;
    return m_navigator->Action(commandId);
}

void CMainFrame::CreateMenus() {
    // Commands of features not built yet stay visible and disabled.
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    QAction* open = AddCommand(ID_FILE_OPEN, tr("&Open...\tCtrl+O"), &CMainFrame::OnFileOpen);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* saveAs =
        AddCommand(ID_FILE_SAVE_AS, tr("Save &As...\tCtrl+S"), &CMainFrame::OnFileSaveAs);
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* exportData =
        AddCommand(ID_FILE_EXPORT, tr("&Exportieren...\tCtrl+X"), &CMainFrame::OnFileExport);
    exportData->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    QAction* info = AddCommand(ID_FILE_INFO, tr("Information...\tCtrl+I"), &CMainFrame::OnFileInfo);
    info->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    QAction* link =
        AddCommand(ID_FILE_LINK, tr("&Link data files\tStrg+L"), &CMainFrame::OnFileLink);
    link->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    // Ctrl+N has no menu item: it closes the measurement.
    QAction* fileNew = AddCommand(ID_FILE_NEW, tr("&New"), &CMainFrame::OnFileNew);
    fileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    addAction(fileNew);
    QAction* exportCursors = AddCommand(ID_FILE_EXPORT_CURSORS, tr("Export &between cursors..."),
                                        &CMainFrame::OnExportBetweenCursors);
    for (QAction* a : {open, saveAs, exportData, exportCursors, info, link})
        m_fileMenu->addAction(a);
    m_recentAnchor = m_fileMenu->addSeparator();
    m_fileMenu->addAction(AddCommand(ID_APP_EXIT, tr("E&xit"), nullptr));
    connect(m_actions[ID_APP_EXIT], &QAction::triggered, this, &QWidget::close);
    connect(m_fileMenu, &QMenu::aboutToShow, this, &CMainFrame::RebuildRecentFiles);
    RebuildRecentFiles();

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(AddCommand(ID_VIEW_TOOLBARS, tr("&Toolbars..."), &CMainFrame::OnToolbars));
    QAction* statusBarToggle = AddCommand(ID_VIEW_STATUS_BAR, tr("St&atus bar"), nullptr);
    statusBarToggle->setCheckable(true);
    statusBarToggle->setChecked(true);
    connect(statusBarToggle, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
    view->addAction(statusBarToggle);
    QAction* diagrams =
        AddCommand(ID_VIEW_DIAGRAMS, tr("&Diagrams...\tAlt+Enter"), &CMainFrame::OnDiagrams);
    diagrams->setShortcuts(
        {QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)});
    view->addAction(diagrams);
    QMenu* yAxes = view->addMenu(tr("&Y-Axes"));
    yAxes->addAction(m_navigator->Action(NAV_CMD_AUTOSCALE));
    yAxes->addAction(m_navigator->Action(NAV_CMD_EQUALIZED_SCALING));
    yAxes->addAction(m_navigator->Action(NAV_CMD_Y_PROPERTIES));
    QMenu* xAxes = view->addMenu(tr("&X-Axes"));
    xAxes->addAction(m_navigator->Action(NAV_CMD_FULL_RANGE));
    xAxes->addAction(m_navigator->Action(NAV_CMD_ZOOM_IN));
    xAxes->addAction(m_navigator->Action(NAV_CMD_ZOOM_OUT));
    xAxes->addAction(m_navigator->Action(NAV_CMD_X_PROPERTIES));
    view->addAction(m_navigator->Action(NAV_CMD_SHOW_ALL));
    view->addAction(m_navigator->Action(NAV_CMD_ZOOM_CENTER_MODE));
    view->addAction(m_navigator->Action(NAV_CMD_CURSOR_MODE));
    view->addAction(m_navigator->Action(NAV_CMD_CURSOR_B_AT_CURSOR));
    view->addAction(m_navigator->Action(NAV_CMD_CURSOR_B_REMOVE));
    QAction* measurement = m_measurement->toggleViewAction();
    measurement->setText(tr("&Measurement panel"));
    measurement->setStatusTip(tr("Show the measurement between cursor A and cursor B"));
    m_actions[ID_VIEW_MEASUREMENT] = measurement;
    view->addAction(measurement);

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->addAction(
        AddCommand(ID_TOOLS_EXPORT_FILTER, tr("&Export filter..."), &CMainFrame::OnExportFilter));
    tools->addAction(AddCommand(ID_TOOLS_WORKSPACE, tr("&Workspace"), &CMainFrame::OnWorkspace));
    tools->addAction(AddCommand(ID_TOOLS_RANGES, tr("&Ranges..."), &CMainFrame::OnRanges));
    tools->addAction(AddCommand(ID_RANGE_FROM_CURSORS, tr("Range from &cursors"),
                                &CMainFrame::OnRangeFromCursors));
    tools->addAction(AddCommand(ID_TOOLS_OPTIONS, tr("&Options..."), &CMainFrame::OnOptions));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(AddCommand(ID_HELP_FINDER, tr("&Help"), &CMainFrame::OnHelp));
    help->addAction(AddCommand(ID_APP_ABOUT, tr("&About Grafy..."), &CMainFrame::OnAppAbout));

    // Toolbar-only commands with their keys.
    QAction* first =
        AddCommand(ID_RANGE_FIRST_BORDER, tr("1st range border"), &CMainFrame::OnFirstRangeBorder);
    first->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    QAction* second = AddCommand(ID_RANGE_SECOND_BORDER, tr("2nd range border"),
                                 &CMainFrame::OnSecondRangeBorder);
    second->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    AddCommand(ID_RANGE_SHOW, tr("Show range"), &CMainFrame::OnShowRange);
    addActions({first, second});

    m_actions[ID_APP_ABOUT]->setEnabled(static_cast<bool>(m_hooks.showAbout));
}

void CMainFrame::CreateToolBars() {
    const auto makeBar = [this](int titleId, const char* objectName,
                                std::initializer_list<int> commands) {
        QToolBar* bar = addToolBar(FrameString(titleId));
        bar->setObjectName(QLatin1String(objectName));
        bar->setIconSize(QSize(16, 16));
        bar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
        for (int id : commands) {
            if (id == 0) {
                bar->addSeparator();
            } else if (QAction* action = Action(id)) {
                if (action->icon().isNull())
                    action->setIcon(CommandIcon(id));
                bar->addAction(action);
            }
        }
        m_toolBars.push_back(bar);
    };
    makeBar(FRAME_STR_STANDARD_BAR, "Standard",
            {ID_FILE_OPEN, ID_FILE_SAVE_AS, ID_FILE_EXPORT, 0, ID_FILE_INFO});
    makeBar(FRAME_STR_DIAGRAM_BAR, "Diagram",
            {ID_VIEW_DIAGRAMS,
             0,
             NAV_CMD_NEXT_CURVE,
             NAV_CMD_PREVIOUS_CURVE,
             0,
             NAV_CMD_FULL_RANGE,
             NAV_CMD_SHOW_ALL,
             NAV_CMD_AUTOSCALE,
             NAV_CMD_EQUALIZED_SCALING,
             0,
             NAV_CMD_ZOOM_IN,
             NAV_CMD_ZOOM_OUT,
             0,
             NAV_CMD_ZOOM_CENTER_MODE,
             NAV_CMD_UNDO_ZOOM,
             NAV_CMD_REDO_ZOOM,
             0,
             NAV_CMD_CURSOR_MODE,
             NAV_CMD_CURSOR_STEP_LEFT,
             NAV_CMD_CURSOR_STEP_RIGHT});
    makeBar(FRAME_STR_RANGES_BAR, "Ranges",
            {ID_RANGE_FIRST_BORDER, ID_RANGE_SECOND_BORDER, 0, ID_TOOLS_RANGES, ID_RANGE_SHOW});
}

void CMainFrame::CreateStatusBar() {
    // Each pane keeps its width and shows its text only while its key is known to be on.
    const auto pane = [this](int id) {
        auto* label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(FrameString(id)) + 8);
        label->setProperty("paneText", FrameString(id));
        statusBar()->addPermanentWidget(label);
        return label;
    };
    m_capPane = pane(FRAME_STR_CAP);
    m_numPane = pane(FRAME_STR_NUM);
    m_scrlPane = pane(FRAME_STR_SCRL);
    statusBar()->showMessage(FrameString(FRAME_STR_READY));
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty())
            statusBar()->showMessage(FrameString(FRAME_STR_READY));
    });
}

void CMainFrame::UpdateLockIndicators(quint32 nativeModifiers) {
    // Only the X11 platform reports the lock keys; elsewhere the panes stay as they are.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    const auto show = [](QLabel* pane, bool on) {
        pane->setText(on ? pane->property("paneText").toString() : QString());
    };
    show(m_capPane, (nativeModifiers & X11_LOCK_MASK) != 0);
    show(m_numPane, (nativeModifiers & X11_NUM_LOCK_MASK) != 0);
}

void CMainFrame::UpdateCommandUI() {
    UpdateOwnCommands();
    m_navigator->UpdateActions();
}

void CMainFrame::UpdateOwnCommands() {
    CGrafyonDoc& document = *m_runtime.document;
    RangeCommandState state;
    state.documentError = !document.HasUsableData();
    state.datasetCount = static_cast<int>(document.Description().Datasets().size());
    state.cursorMode = m_navigator->CursorMode();
    state.firstBorderSet = m_firstBorder.IsSet();
    state.rangeCount = document.Ranges().Count();
    for (int id : {ID_RANGE_FIRST_BORDER, ID_RANGE_SECOND_BORDER, ID_TOOLS_RANGES, ID_RANGE_SHOW})
        m_actions[id]->setEnabled(RangeCommandEnabled(id, state));
    m_actions[ID_VIEW_DIAGRAMS]->setEnabled(document.HasUsableData());
    m_actions[ID_FILE_EXPORT]->setEnabled(document.HoldsData() && document.OpenStatus() == 0 &&
                                          !ExportIsRunning());
    m_actions[ID_TOOLS_EXPORT_FILTER]->setEnabled(!ExportIsRunning());
    m_actions[ID_FILE_LINK]->setEnabled(!ExportIsRunning());
    m_actions[ID_FILE_INFO]->setEnabled(FileInfoAvailable(document));
    m_actions[ID_FILE_SAVE_AS]->setEnabled(document.HasUsableData());
    UpdateCursorCommands();
}

void CMainFrame::UpdateCursorCommands() {
    CGrafyonDoc& document = *m_runtime.document;
    const bool both = document.HasUsableData() && CursorFrames(document.Layout()).has_value();
    m_actions[ID_RANGE_FROM_CURSORS]->setEnabled(both);
    m_actions[ID_FILE_EXPORT_CURSORS]->setEnabled(both && document.OpenStatus() == 0 &&
                                                  !ExportIsRunning());
}

void CMainFrame::StoreModes() {
    m_runtime.settings.cursorMode = m_navigator->CursorMode() ? 1 : 0;
    m_runtime.settings.zoomAndCenterMode = m_navigator->ZoomAndCenterMode() ? 1 : 0;
    UpdateCommandUI();
}

void CMainFrame::RebuildRecentFiles() {
    for (QAction* action : m_recentActions) {
        m_fileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentActions.clear();
    if (!m_hooks.entries)
        return;
    const std::vector<std::string> entries = m_hooks.entries();
    QAction* before = m_actions[ID_APP_EXIT];
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QString path = QString::fromStdString(entries[i]);
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path), m_fileMenu);
        const int index = static_cast<int>(i);
        connect(action, &QAction::triggered, this, [this, index] { OpenRecentFile(index); });
        m_fileMenu->insertAction(before, action);
        m_recentActions.push_back(action);
    }
    if (!m_recentActions.empty()) {
        auto* separator = new QAction(m_fileMenu);
        separator->setSeparator(true);
        m_fileMenu->insertAction(before, separator);
        m_recentActions.push_back(separator);
    }
}

void CMainFrame::OpenRecentFile(int index) {
    if (!m_hooks.entries || ExportIsRunning())
        return;
    const std::vector<std::string> entries = m_hooks.entries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return;
    const QString path = QString::fromStdString(entries[static_cast<std::size_t>(index)]);
    // An entry that no longer opens leaves the list.
    if (!OpenFile(path) && m_hooks.remove)
        m_hooks.remove(static_cast<std::size_t>(index));
}

bool CMainFrame::OpenFile(const QString& path) {
    // The running export reads the document's measurement.
    if (ExportIsRunning())
        return false;
    CGrafyonDoc& document = *m_runtime.document;
    PrepareOpen(m_runtime);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = document.OnOpenDocument(path);
    QApplication::restoreOverrideCursor();
    if (!opened)
        return false;
    if (m_hooks.add)
        m_hooks.add(path.toStdString());
    return true;
}

void CMainFrame::OnFileOpen() {
    if (ExportIsRunning())
        return;
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFiltersFromTable(ViewerString(GRAFY_STR_OPEN_FILTER)) +
                          QStringList{tr("All files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    OpenFile(dialog.selectedFiles().constFirst());
}

void CMainFrame::OnFileSaveAs() {
    const std::optional<QString> stored =
        RunSaveAs(this, *m_runtime.document, m_runtime.settings,
                  NameFiltersFromTable(SaveString(SAVE_STR_FILE_FILTER)));
    if (stored)
        OpenFile(*stored);
}

void CMainFrame::OnFileLink() {
    if (ExportIsRunning())
        return;
    const std::optional<QString> created = RunLinkFiles(
        this, m_runtime.settings, NameFiltersFromTable(ViewerString(GRAFY_STR_OPEN_FILTER)),
        NameFiltersFromTable(LinkString(LINK_STR_FILE_FILTER)),
        InfoNumberFormatFrom(m_runtime.document->Layout().GetCursorValueFormat()));
    if (created)
        OpenFile(*created);
}

void CMainFrame::OnFileNew() {
    if (ExportIsRunning())
        return;
    m_runtime.document->DeleteContents();
}

void CMainFrame::OnFileExport() {
    CGrafyonDoc& document = *m_runtime.document;
    if (ExportIsRunning() || !document.HoldsData() || document.OpenStatus() != 0)
        return;
    const FrameRange range = VisibleFrameRange(document);
    const ExportOutcome outcome = StartExportFilter(document, {}, range.first, range.count);
    UpdateCommandUI();
    // The library has told the user about its own failures; the ones it cannot know of
    // (the data, a target that is a file of the measurement) are told here.
    if (outcome.unreported)
        ShowMessageBox(QString::fromStdString(outcome.reason), MessageIcon::Warning);
}

void CMainFrame::OnExportBetweenCursors() {
    CGrafyonDoc& document = *m_runtime.document;
    if (ExportIsRunning() || !document.HasUsableData() || document.OpenStatus() != 0)
        return;
    const std::optional<CursorSpan> span = CursorFrames(document.Layout());
    if (!span)
        return;
    const ExportOutcome outcome = StartExportFilter(document, {}, span->first, span->Count());
    UpdateCommandUI();
    if (outcome.unreported)
        ShowMessageBox(QString::fromStdString(outcome.reason), MessageIcon::Warning);
}

void CMainFrame::OnRangeFromCursors() {
    CGrafyonDoc& document = *m_runtime.document;
    if (!document.HasUsableData() ||
        AddRangeFromCursors(document.Layout(), document.Ranges()) == nullptr)
        return;
    document.UpdateAllViews(HINT_REDRAW);
    UpdateCommandUI();
}

void CMainFrame::OnExportFilter() {
    if (ExportIsRunning())
        return;
    QuenvartexilaList(nullptr, 0);
}

void CMainFrame::OnFirstRangeBorder() {
    if (!m_actions[ID_RANGE_FIRST_BORDER]->isEnabled())
        return;
    m_firstBorder.Set(m_runtime.document->Layout().cursorSample);
    UpdateCommandUI();
}

void CMainFrame::OnSecondRangeBorder() {
    if (!m_actions[ID_RANGE_SECOND_BORDER]->isEnabled())
        return;
    const std::optional<std::int64_t> first = m_firstBorder.Take();
    if (!first)
        return;
    CGrafyonDoc& document = *m_runtime.document;
    CGraphicLayout& layout = document.Layout();
    RunRangePropertiesDialog(this, document.Ranges(), *first, layout.cursorSample,
                             static_cast<std::int64_t>(layout.Samples()));
    document.UpdateAllViews(HINT_REDRAW);
}

void CMainFrame::OnRanges() {
    if (!m_actions[ID_TOOLS_RANGES]->isEnabled())
        return;
    CGrafyonDoc& document = *m_runtime.document;
    if (RunRangesDialog(this, document.Ranges(),
                        static_cast<std::int64_t>(document.Layout().Samples())))
        document.UpdateAllViews(HINT_REDRAW);
}

void CMainFrame::OnShowRange() {
    if (!m_actions[ID_RANGE_SHOW]->isEnabled())
        return;
    CGrafyonDoc& document = *m_runtime.document;
    const auto shown = RunShowRangesDialog(this, document.Ranges());
    if (!shown)
        return;
    if (const int hint =
            SetVisibleRange(document.Layout(), document.ZoomHistory(), shown->first, shown->second))
        document.UpdateAllViews(hint);
}

void CMainFrame::OnFileInfo() {
    if (m_actions[ID_FILE_INFO]->isEnabled())
        ShowFileInformation(this, *m_runtime.document);
}

void CMainFrame::OnToolbars() {
    CToolbarsDialog dialog(m_toolBars, this);
    dialog.exec();
}

void CMainFrame::OnWorkspace() {
    VarnokastellEdit(ENVIRONMENT_CALLER, 0, 0);
}

void CMainFrame::OnHelp() {
    OpenUserManual(this);
}

void CMainFrame::OnDiagrams() {
    // "&Diagrams..." reopens at the page it was last closed at for this document.
    if (const auto shown = OpenDiagramSheet(m_diagramPage))
        m_diagramPage = *shown;
}

std::optional<int> CMainFrame::OpenDiagramSheet(int page) {
    CGrafyonDoc& document = *m_runtime.document;
    if (!document.HasUsableData())
        return std::nullopt;
    CGraphicLayout& layout = document.Layout();
    DiagramSheetHooks hooks;
    hooks.reorder = [&document](const std::vector<Dataset*>& order) {
        return document.Description().ReorderDatasets(order);
    };
    hooks.showInfo = [this, &document](Dataset& dataset) {
        ShowFileInformation(this, document, &dataset);
    };
    int shownPage = page;
    const DiagramChanges changes =
        RunDiagramSheet(this, layout, document.Description(), m_runtime.settings, shownPage, hooks);
    if (!changes.accepted)
        return std::nullopt;
    if (changes.snapshotNeeded)
        document.ZoomHistory().Take(layout);
    document.UpdateAllViews(HINT_OBJECTS);
    document.UpdateAllViews(HINT_VISIBLE_RANGE);
    document.UpdateAllViews(HINT_CURVES);
    return shownPage;
}

void CMainFrame::OnOptions() {
    const OptionChanges changes =
        RunOptionSheet(this, m_runtime.settings, m_runtime.font, m_optionPage);
    if (!changes.accepted)
        return;
    const ViewerSettings& s = m_runtime.settings;
    // The handling modes act at once.
    m_navigator->SetCursorMode(s.cursorMode != 0);
    m_navigator->SetZoomAndCenterMode(s.zoomAndCenterMode != 0);
    m_navigator->SetCenterMode(CenterModeFromSetting(s.centerMode));
    UpdateCommandUI();
    if (!changes.fontOrFormat)
        return;
    m_navigator->SetCursorFormatSettings(s.cursorValueFormatWidth, s.cursorValueFormatPrecision,
                                         s.cursorValueFormatType);
    CGrafyonDoc& document = *m_runtime.document;
    document.Layout().SetCursorValueFormat(CursorFormatFrom(s));
    m_view->SetDiagramFont(QFontFromLogFont(m_runtime.font));
    document.UpdateAllViews(HINT_REDRAW);
}

void CMainFrame::OnPropertiesRequested(CGraphicObject* target, bool isDiagram) {
    if (!isDiagram) {
        // An axis: its properties are the X-axis page of the sheet.
        OpenDiagramSheet(DIAGRAM_PAGE_X_AXIS);
        return;
    }
    CGrafyonDoc& document = *m_runtime.document;
    CGraphicLayout& layout = document.Layout();
    // The diagram of all curves has no single curve to scale: its curves are on the sheet.
    if (layout.GetViewMode() == ViewMode::AllCurves) {
        OpenDiagramSheet(DIAGRAM_PAGE_CURVES);
        return;
    }
    auto* diagram = static_cast<CGraphicDiagram*>(target);
    if (diagram == nullptr || diagram->curve == nullptr)
        return;
    const ScalingChanges changes = RunScalingDialog(this, layout, *diagram->curve, true);
    if (!changes.accepted)
        return;
    if (changes.range)
        document.ZoomHistory().Take(layout);
    if (changes.activeFlag)
        document.UpdateAllViews(HINT_CURVES);
    else if (changes.range || changes.color)
        document.UpdateAllViews(HINT_REDRAW);
}

void CMainFrame::UpdateTitle() {
    const QString path = m_runtime.document->PathName();
    const QString application = QString::fromLatin1(APP_NAME);
    setWindowTitle(path.isEmpty()
                       ? application
                       : QStringLiteral("%1 - %2").arg(QFileInfo(path).fileName(), application));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The window closes with the export's document; the export ends first.
    if (ExportIsRunning()) {
        event->ignore();
        return;
    }
    if (auto file = OpenViewerSettingsFile()) {
        StoreWindowPlacement(*file, *this);
        file->WriteInt(VIEWER_SETTINGS_SECTION, MEASUREMENT_PANEL_VALUE,
                       m_measurement->isVisible() ? 1 : 0);
        file->WriteInt(VIEWER_SETTINGS_SECTION, MEASUREMENT_PANEL_AREA_VALUE,
                       static_cast<int>(dockWidgetArea(m_measurement)));
        file->WriteInt(VIEWER_SETTINGS_SECTION, MEASUREMENT_PANEL_FLOATING_VALUE,
                       m_measurement->isFloating() ? 1 : 0);
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    if (ExportIsRunning())
        return;
    // A single-document window opens the first local file dropped onto it.
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            activateWindow();
            OpenFile(url.toLocalFile());
            return;
        }
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        UpdateLockIndicators(static_cast<QKeyEvent*>(event)->nativeModifiers());
    } else if (watched == this && event->type() == QEvent::Resize && isVisible() &&
               !isMaximized() && !isFullScreen()) {
        // A visible window that changes size is being dragged: diagrams wait for the end.
        m_view->SetSizing(true);
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace grafyon
