// Keys, mouse, wheel, scroll bars, context menu and command actions of one diagram view.
#pragma once

#include <QObject>
#include <QPoint>

#include <map>
#include <memory>

#include "navigation_commands.h"

class QAction;
class QKeyEvent;
class QMenu;
class QMouseEvent;
class QRubberBand;
class QWheelEvent;

namespace grafyon {

class CGrafyonDoc;
class CGrafyonView;
class CGraphicObject;
class Dataset;

// Drives one view and its document: every navigation command as a QAction (for the main
// window's menus and toolbars), the keys and mouse of the view, the zoom-and-centre rubber
// band and the context menu. Changes reach the views as the document's update hints.
class CViewNavigator : public QObject {
    Q_OBJECT
public:
    // Owned by the view (its Qt parent) unless another parent is given. A document that
    // goes first leaves the navigator inert.
    CViewNavigator(CGrafyonView& view, CGrafyonDoc& document, QObject* parent = nullptr);
    ~CViewNavigator() override;

    // The action of a navigation command; null for another id.
    QAction* Action(int commandId) const;
    // Refreshes every action's enabled state and check mark.
    void UpdateActions();
    // Runs a command when it is enabled; false when it was not.
    bool Execute(int commandId);

    // The mode settings, kept by the main window across documents.
    void SetCursorMode(bool on);
    bool CursorMode() const { return m_modes.cursorMode; }
    void SetZoomAndCenterMode(bool on);
    bool ZoomAndCenterMode() const { return m_modes.zoomAndCenterMode; }
    void SetCenterMode(CenterMode mode) { m_modes.centerMode = mode; }
    CenterMode GetCenterMode() const { return m_modes.centerMode; }
    // The cursor value format settings that F5 applies.
    void SetCursorFormatSettings(int width, int precision, int type);

    // Opens the context menu for the object at a point of the viewport; false when
    // nothing lies there. The menu does not block.
    bool OpenContextMenu(const QPoint& viewportPoint);
    QMenu* ContextMenu() const;
    bool RubberBandActive() const { return m_banding; }

signals:
    // "&Properties..." of the context menu on a diagram or an axis.
    void PropertiesRequested(CGraphicObject* target, bool isDiagram);
    // The "&Properties..." commands of the X-Axes and Y-Axes menus: the diagram property
    // sheet at its X-axis page or at its curves page.
    void XAxisPropertiesRequested();
    void CurvePropertiesRequested();
    // "&Informations..." of the context menu; enabled only while something is connected.
    void InformationRequested(Dataset* dataset);
    // A mode changed by a command; the main window stores the modes.
    void ModesChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void OnDocumentUpdate(int hint);
    void DocumentDestroyed();
    // Sends a core result to the views; the horizontal bar follows a moved window even
    // when the hint itself does not ask for it.
    void Notify(int hint, double startTime, double endTime);
    template <typename Operation>
    void Run(Operation operation);
    int CommandForKey(const QKeyEvent& event) const;
    bool HandleKey(QKeyEvent& event);
    bool HandleMousePress(QMouseEvent& event);
    void HandleWheel(QWheelEvent& event);
    void StartBand(CGraphicObject* target, const QPoint& point);
    void FinishBand(const QPoint& point);
    void CancelBand();
    void OnHorizontalAction(int action);
    void OnVerticalAction(int action);
    CGraphicObject* ValidPopupTarget() const;
    void RunPopupCommand(int commandId);

    CGrafyonView& m_view;
    CGrafyonDoc& m_document;
    NavigationModes m_modes;
    int m_formatWidth = 10;
    int m_formatPrecision = 6;
    int m_formatType = 1;
    std::map<int, QAction*> m_actions;  // children of this object
    std::unique_ptr<QMenu> m_menu;
    QRubberBand* m_band = nullptr;  // child of the viewport
    bool m_banding = false;
    QPoint m_bandOrigin;
    CGraphicObject* m_bandTarget = nullptr;
    int m_wheelRemainder = 0;
    bool m_documentAlive = true;
};

}  // namespace grafyon
