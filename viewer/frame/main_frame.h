// The main window: the view of the document, the File menu, drops and the window placement.
#pragma once

#include <QMainWindow>

#include <vector>

class QAction;
class QMenu;

namespace grafyon {

class CGrafyonView;
struct ViewerRuntime;

// Command numbers of the main window.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_APP_EXIT = 57665;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(ViewerRuntime& runtime, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CGrafyonView& View() { return *m_view; }
    QAction* Action(int commandId) const;

    // Opens path as the document; on success the file goes to the recent-file list.
    bool OpenFile(const QString& path);
    // Asks for a file with the open filter and opens it.
    void OnFileOpen();
    // Closes the measurement and shows the empty view.
    void OnFileNew();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    void RebuildRecentFiles();
    void OpenRecentFile(int index);
    void UpdateTitle();

    ViewerRuntime& m_runtime;
    CGrafyonView* m_view = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    std::vector<QAction*> m_recentActions;
    QAction* m_newAction = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_exitAction = nullptr;
};

}  // namespace grafyon
