// The main window until the full command set arrives: view, File menu, drops, placement.
#include "main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>

#include "file_filter.h"
#include "viewer/app/grafyon_app.h"
#include "viewer/app/viewer_strings.h"
#include "viewer/settings/settings_values.h"
#include "viewer/settings/ui/font_conversion.h"
#include "viewer/settings/ui/widget_placement.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/grafyon_view.h"
#include "viewer_runtime.h"

namespace grafyon {

CMainFrame::CMainFrame(ViewerRuntime& runtime, QWidget* parent)
    : QMainWindow(parent), m_runtime(runtime) {
    m_view = new CGrafyonView(this);  // owned by the frame through Qt's parent
    setCentralWidget(m_view);
    m_view->SetDiagramFont(viewer::QFontFromLogFont(runtime.font));
    m_view->SetDocument(runtime.document.get());
    CreateMenus();
    setAcceptDrops(true);
    // Sees size changes before the layout passes them to the view.
    installEventFilter(this);
    resize(1024, 720);
    if (auto file = viewer::OpenViewerSettingsFile())
        viewer::RestoreWindowPlacement(*file, *this);
    connect(runtime.document.get(), &CGrafyonDoc::PathChanged, this, [this] { UpdateTitle(); });
    UpdateTitle();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreateMenus() {
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_newAction = m_fileMenu->addAction(tr("&New"), this, &CMainFrame::OnFileNew);
    m_newAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_openAction = m_fileMenu->addAction(tr("&Open..."), this, &CMainFrame::OnFileOpen);
    m_openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_recentSeparator = m_fileMenu->addSeparator();
    m_exitAction = m_fileMenu->addAction(tr("E&xit"), this, &QWidget::close);
    connect(m_fileMenu, &QMenu::aboutToShow, this, &CMainFrame::RebuildRecentFiles);
    RebuildRecentFiles();
}

QAction* CMainFrame::Action(int commandId) const {
    switch (commandId) {
        case ID_FILE_NEW:
            return m_newAction;
        case ID_FILE_OPEN:
            return m_openAction;
        case ID_APP_EXIT:
            return m_exitAction;
        default:
            return nullptr;
    }
}

void CMainFrame::RebuildRecentFiles() {
    for (QAction* action : m_recentActions) {
        m_fileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentActions.clear();
    const app::CGrafyonApp* application = app::CGrafyonApp::Instance();
    if (application == nullptr)
        return;
    const std::vector<std::string>& entries = application->RecentFiles().Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QString path = QString::fromStdString(entries[i]);
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path), m_fileMenu);
        const int index = static_cast<int>(i);
        connect(action, &QAction::triggered, this, [this, index] { OpenRecentFile(index); });
        m_fileMenu->insertAction(m_exitAction, action);
        m_recentActions.push_back(action);
    }
    if (!m_recentActions.empty()) {
        auto* separator = new QAction(m_fileMenu);
        separator->setSeparator(true);
        m_fileMenu->insertAction(m_exitAction, separator);
        m_recentActions.push_back(separator);
    }
}

void CMainFrame::OpenRecentFile(int index) {
    app::CGrafyonApp* application = app::CGrafyonApp::Instance();
    if (application == nullptr)
        return;
    const auto& entries = application->RecentFiles().Entries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return;
    const QString path = QString::fromStdString(entries[static_cast<std::size_t>(index)]);
    // An entry that no longer opens leaves the list.
    if (!OpenFile(path))
        application->RemoveFromRecentFileList(static_cast<std::size_t>(index));
}

bool CMainFrame::OpenFile(const QString& path) {
    CGrafyonDoc& document = *m_runtime.document;
    document.SetInitialView(InitialViewFrom(m_runtime.settings),
                            CurveColourValues(m_runtime.colours));
    if (!document.OnOpenDocument(path))
        return false;
    if (app::CGrafyonApp* application = app::CGrafyonApp::Instance())
        application->AddToRecentFileList(path.toStdString());
    return true;
}

void CMainFrame::OnFileOpen() {
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFiltersFromTable(app::ViewerString(app::GRAFY_STR_OPEN_FILTER)) +
                          QStringList{tr("All files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    OpenFile(dialog.selectedFiles().constFirst());
}

void CMainFrame::OnFileNew() {
    m_runtime.document->DeleteContents();
}

void CMainFrame::UpdateTitle() {
    const QString path = m_runtime.document->PathName();
    const QString application = QString::fromLatin1(app::APP_NAME);
    setWindowTitle(path.isEmpty()
                       ? application
                       : QStringLiteral("%1 - %2").arg(QFileInfo(path).fileName(), application));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (auto file = viewer::OpenViewerSettingsFile())
        viewer::StoreWindowPlacement(*file, *this);
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
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
    // A visible window that changes size is being dragged: diagrams wait for the end.
    if (watched == this && event->type() == QEvent::Resize && isVisible() && !isMaximized() &&
        !isFullScreen())
        m_view->SetSizing(true);
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace grafyon
