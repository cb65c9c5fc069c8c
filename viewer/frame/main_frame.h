// The main window: menus, toolbars, accelerators and status bar around the document's view.
#pragma once

#include <QMainWindow>

#include <map>
#include <optional>
#include <vector>

#include "frame_hooks.h"
#include "viewer/ranges/first_range_border.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace grafyon {

class CGrafyonView;
class CGraphicObject;
class CMeasurementPanel;
class CViewNavigator;
struct ViewerRuntime;

// Command numbers of the main window's own commands.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_EXPORT = 32807;
inline constexpr int ID_FILE_INFO = 32773;
inline constexpr int ID_FILE_LINK = 32816;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_VIEW_TOOLBARS = 32803;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;
inline constexpr int ID_VIEW_DIAGRAMS = 32774;
inline constexpr int ID_TOOLS_EXPORT_FILTER = 32808;
inline constexpr int ID_TOOLS_WORKSPACE = 32804;
inline constexpr int ID_TOOLS_RANGES = 32799;
inline constexpr int ID_TOOLS_OPTIONS = 32771;
inline constexpr int ID_HELP_FINDER = 57670;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_RANGE_FIRST_BORDER = 32797;
inline constexpr int ID_RANGE_SECOND_BORDER = 32798;
inline constexpr int ID_RANGE_SHOW = 32814;
// Measuring between the two cursors.
inline constexpr int ID_VIEW_MEASUREMENT = 32844;
inline constexpr int ID_RANGE_FROM_CURSORS = 32845;
inline constexpr int ID_FILE_EXPORT_CURSORS = 32846;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(ViewerRuntime& runtime, FrameHooks hooks = {}, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CGrafyonView& View() { return *m_view; }
    CViewNavigator& Navigator() { return *m_navigator; }
    // The action of any command of the window (its own and the navigation's); null for an
    // unknown number.
    QAction* Action(int commandId) const;
    // The three toolbars in their order: "Standard", "Diagram", "Ranges".
    const std::vector<QToolBar*>& ToolBars() const { return m_toolBars; }

    // Opens path as the document; on success the file goes to the recent-file list.
    bool OpenFile(const QString& path);
    // Asks for a file with the open filter and opens it.
    void OnFileOpen();
    // "Save As": stores the measurement and opens the stored file when asked to.
    void OnFileSaveAs();
    // "Link data files": joins recordings into one and opens the result when asked to.
    void OnFileLink();
    // The about box, through the program's hook.
    void OnAppAbout();
    // Closes the measurement and shows the empty view.
    void OnFileNew();
    // Exports the frames the view shows with a filter the library lets the user choose.
    void OnFileExport();
    // The same over exactly the frames from cursor A to cursor B.
    void OnExportBetweenCursors();
    // An active range over the frames between the cursors, for the range commands.
    void OnRangeFromCursors();
    CMeasurementPanel& MeasurementPanel() { return *m_measurement; }
    // The export library's filter management.
    void OnExportFilter();
    // "Information...": the file information, opened on "General".
    void OnFileInfo();
    // Refreshes the enabled state and check marks of every command.
    void UpdateCommandUI();

    // The range commands.
    void OnFirstRangeBorder();
    void OnSecondRangeBorder();
    void OnRanges();
    void OnShowRange();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddCommand(int commandId, const QString& text, void (CMainFrame::*slot)());
    void CreateMenus();
    void CreateToolBars();
    void CreateStatusBar();
    void RebuildRecentFiles();
    void OpenRecentFile(int index);
    void UpdateTitle();
    void UpdateLockIndicators(quint32 nativeModifiers);
    // The window's own commands, without the navigator's actions.
    void UpdateOwnCommands();
    void OnToolbars();
    void OnWorkspace();
    void OnHelp();
    void OnDiagrams();
    // Opens the diagram sheet at page; the page shown at OK, nothing after Cancel.
    std::optional<int> OpenDiagramSheet(int page);
    void OnOptions();
    void OnPropertiesRequested(CGraphicObject* target, bool isDiagram);
    void StoreModes();
    void UpdateCursorCommands();

    ViewerRuntime& m_runtime;
    FrameHooks m_hooks;
    CGrafyonView* m_view = nullptr;
    CViewNavigator* m_navigator = nullptr;
    CMeasurementPanel* m_measurement = nullptr;  // owned by the frame through Qt's parent
    FirstRangeBorder m_firstBorder;
    int m_diagramPage = 0;  // the page "&Diagrams..." reopens at
    int m_optionPage = 0;   // the page "&Options..." reopens at
    std::map<int, QAction*> m_actions;
    std::vector<QToolBar*> m_toolBars;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentAnchor = nullptr;
    std::vector<QAction*> m_recentActions;
    QLabel* m_capPane = nullptr;
    QLabel* m_numPane = nullptr;
    QLabel* m_scrlPane = nullptr;
};

}  // namespace grafyon
