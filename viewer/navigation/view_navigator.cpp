// The view's navigation on Qt: actions, keys, mouse, wheel, scroll bars and context menu.
#include "view_navigator.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QRubberBand>
#include <QScrollBar>
#include <QWheelEvent>

#include <cstdlib>
#include <iterator>

#include "command_state.h"
#include "navigation_strings.h"
#include "scroll_position.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/grafyon_view.h"
#include "viewer/view/model/zoom_history.h"
#include "zoom_center.h"

namespace grafyon {

namespace {

struct KeyBinding {
    int key;
    Qt::KeyboardModifiers modifiers;
    int commandId;
};

// The keys of the navigation commands, in the order the actions list them.
const KeyBinding KEYS[] = {
    {Qt::Key_Left, Qt::NoModifier, NAV_CMD_LEFT},
    {Qt::Key_Right, Qt::NoModifier, NAV_CMD_RIGHT},
    {Qt::Key_Left, Qt::ControlModifier, NAV_CMD_TENTH_LEFT},
    {Qt::Key_Right, Qt::ControlModifier, NAV_CMD_TENTH_RIGHT},
    {Qt::Key_Home, Qt::NoModifier, NAV_CMD_HOME},
    {Qt::Key_End, Qt::NoModifier, NAV_CMD_END},
    {Qt::Key_Down, Qt::NoModifier, NAV_CMD_NEXT_CURVE},
    {Qt::Key_Up, Qt::NoModifier, NAV_CMD_PREVIOUS_CURVE},
    {Qt::Key_PageDown, Qt::NoModifier, NAV_CMD_CURVE_PAGE_DOWN},
    {Qt::Key_PageUp, Qt::NoModifier, NAV_CMD_CURVE_PAGE_UP},
    {Qt::Key_A, Qt::ControlModifier, NAV_CMD_SHOW_ALL},
    {Qt::Key_Plus, Qt::NoModifier, NAV_CMD_ZOOM_IN},
    {Qt::Key_Minus, Qt::NoModifier, NAV_CMD_ZOOM_OUT},
    {Qt::Key_M, Qt::ControlModifier, NAV_CMD_ZOOM_CENTER_MODE},
    {Qt::Key_Z, Qt::ControlModifier, NAV_CMD_UNDO_ZOOM},
    {Qt::Key_Backspace, Qt::AltModifier, NAV_CMD_UNDO_ZOOM},
    {Qt::Key_Y, Qt::ControlModifier, NAV_CMD_REDO_ZOOM},
    {Qt::Key_C, Qt::ControlModifier, NAV_CMD_CURSOR_MODE},
    {Qt::Key_F5, Qt::NoModifier, NAV_CMD_CURSOR_FORMAT},
    {Qt::Key_Left, Qt::ShiftModifier, NAV_CMD_CURSOR_B_LEFT},
    {Qt::Key_Right, Qt::ShiftModifier, NAV_CMD_CURSOR_B_RIGHT},
    {Qt::Key_B, Qt::ControlModifier, NAV_CMD_CURSOR_B_AT_CURSOR},
    {Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier, NAV_CMD_CURSOR_B_REMOVE},
};

constexpr int WHEEL_NOTCH = 120;

ScrollAction ToScrollAction(int action, bool& known) {
    known = true;
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return ScrollAction::LINE_BACK;
        case QAbstractSlider::SliderSingleStepAdd:
            return ScrollAction::LINE_FORWARD;
        case QAbstractSlider::SliderPageStepSub:
            return ScrollAction::PAGE_BACK;
        case QAbstractSlider::SliderPageStepAdd:
            return ScrollAction::PAGE_FORWARD;
        case QAbstractSlider::SliderToMinimum:
            return ScrollAction::TO_START;
        case QAbstractSlider::SliderToMaximum:
            return ScrollAction::TO_END;
        case QAbstractSlider::SliderMove:
            return ScrollAction::THUMB;
        default:
            known = false;
            return ScrollAction::THUMB;
    }
}

bool IsContextMenuKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Menu ||
           (event.key() == Qt::Key_F10 &&
            (event.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier);
}

}  // namespace

CViewNavigator::CViewNavigator(CGrafyonView& view, CGrafyonDoc& document, QObject* parent)
    : QObject(parent ? parent : &view), m_view(view), m_document(document) {
    m_menu = std::make_unique<QMenu>();
    CreateActions();
    m_view.installEventFilter(this);
    m_view.viewport()->installEventFilter(this);
    connect(&m_document, &CGrafyonDoc::ViewUpdate, this, &CViewNavigator::OnDocumentUpdate);
    connect(&m_document, &QObject::destroyed, this, &CViewNavigator::DocumentDestroyed);
    QScrollBar* horizontal = m_view.horizontalScrollBar();
    connect(horizontal, &QAbstractSlider::actionTriggered, this,
            &CViewNavigator::OnHorizontalAction);
    connect(horizontal, &QAbstractSlider::sliderReleased, this, [this] {
        // The thumb was dragged without snapshots; the place it was let go is one.
        CGraphicLayout& layout = m_document.Layout();
        if (Navigable(layout))
            m_document.ZoomHistory().Take(layout);
        UpdateActions();
    });
    connect(m_view.verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &CViewNavigator::OnVerticalAction);
    OnDocumentUpdate(HINT_LAYOUT_REPLACED);
}

CViewNavigator::~CViewNavigator() = default;

void CViewNavigator::DocumentDestroyed() {
    // Nothing may reach the document any more: no events, no bar actions, no commands.
    m_documentAlive = false;
    CancelBand();
    m_view.removeEventFilter(this);
    m_view.viewport()->removeEventFilter(this);
    disconnect(m_view.horizontalScrollBar(), nullptr, this, nullptr);
    disconnect(m_view.verticalScrollBar(), nullptr, this, nullptr);
    m_menu->hide();
    for (const auto& [id, action] : m_actions)
        action->setEnabled(false);
}

void CViewNavigator::CreateActions() {
    for (const NavigationCommandText& text : NavigationCommandTexts()) {
        const int id = text.commandId;
        auto* action = new QAction(NavigationMenuText(id), this);
        QString tip = NavigationString(id);
        if (tip.isEmpty())
            tip = QString(NavigationMenuText(id)).remove(QLatin1Char('&'));
        action->setStatusTip(tip);
        action->setToolTip(tip);
        action->setCheckable(CommandCheckable(id));
        QList<QKeySequence> shortcuts;
        for (const KeyBinding& key : KEYS) {
            if (key.commandId == id)
                shortcuts.append(QKeySequence(QKeyCombination(key.modifiers, Qt::Key(key.key))));
        }
        action->setShortcuts(shortcuts);
        connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
        m_actions[id] = action;
        // The shortcuts also work while the main window has not put the action anywhere.
        m_view.addAction(action);
    }
}

QAction* CViewNavigator::Action(int commandId) const {
    const auto found = m_actions.find(commandId);
    return found == m_actions.end() ? nullptr : found->second;
}

QMenu* CViewNavigator::ContextMenu() const {
    return m_menu.get();
}

void CViewNavigator::UpdateActions() {
    if (!m_documentAlive)
        return;
    CommandContext context;
    context.documentUsable = m_document.HasUsableData();
    context.historyIndex = m_document.ZoomHistory().Index();
    context.historyCount = m_document.ZoomHistory().Count();
    context.cursorMode = m_modes.cursorMode;
    context.zoomAndCenterMode = m_modes.zoomAndCenterMode;
    const bool informationShown =
        isSignalConnected(QMetaMethod::fromSignal(&CViewNavigator::InformationRequested));
    for (const auto& [id, action] : m_actions) {
        bool enabled = CommandEnabled(id, context);
        if (id == NAV_CMD_POPUP_INFORMATIONS)
            enabled = enabled && informationShown;
        action->setEnabled(enabled);
        if (action->isCheckable())
            action->setChecked(CommandChecked(id, context));
    }
}

void CViewNavigator::OnDocumentUpdate(int hint) {
    if (hint == HINT_LAYOUT_REPLACED) {
        // A new layout: nothing of the old one may still be held.
        CancelBand();
        m_menu->hide();
        CGraphicLayout& layout = m_document.Layout();
        if (Navigable(layout)) {
            // The first view is the history's first entry.
            if (m_document.ZoomHistory().Count() == 0)
                m_document.ZoomHistory().Take(layout);
            const bool zoomMode = m_modes.zoomAndCenterMode;
            grafyon::SetCursorMode(layout, m_modes, m_modes.cursorMode);
            if (zoomMode != m_modes.zoomAndCenterMode)
                emit ModesChanged();
        }
    }
    UpdateActions();
}

void CViewNavigator::Notify(int hint, double startTime, double endTime) {
    CGraphicLayout& layout = m_document.Layout();
    const bool moved = layout.StartTime() != startTime || layout.EndTime() != endTime;
    if (hint != 0)
        m_document.UpdateAllViews(hint);
    // A redraw alone would leave the horizontal bar where the window was.
    if (moved && hint != HINT_VISIBLE_RANGE)
        m_document.UpdateAllViews(HINT_VISIBLE_RANGE);
    UpdateActions();
}

template <typename Operation>
void CViewNavigator::Run(Operation operation) {
    CGraphicLayout& layout = m_document.Layout();
    const double startTime = layout.StartTime();
    const double endTime = layout.EndTime();
    const int hint = operation(layout, m_document.ZoomHistory());
    Notify(hint, startTime, endTime);
}

bool CViewNavigator::Execute(int commandId) {
    if (!m_documentAlive)
        return false;
    QAction* action = Action(commandId);
    UpdateActions();
    if (action == nullptr || !action->isEnabled())
        return false;
    using History = CZoomHistory;
    switch (commandId) {
        case NAV_CMD_LEFT:
            Run([this](CGraphicLayout& l, History& h) { return NavigateLeft(l, h, m_modes); });
            break;
        case NAV_CMD_RIGHT:
            Run([this](CGraphicLayout& l, History& h) { return NavigateRight(l, h, m_modes); });
            break;
        case NAV_CMD_HOME:
            Run([this](CGraphicLayout& l, History& h) { return NavigateHome(l, h, m_modes); });
            break;
        case NAV_CMD_END:
            Run([this](CGraphicLayout& l, History& h) { return NavigateEnd(l, h, m_modes); });
            break;
        case NAV_CMD_TENTH_LEFT:
            Run(TenthLeft);
            break;
        case NAV_CMD_TENTH_RIGHT:
            Run(TenthRight);
            break;
        case NAV_CMD_NEXT_CURVE:
            Run([](CGraphicLayout& l, History&) { return MoveCurve(l, 1); });
            break;
        case NAV_CMD_PREVIOUS_CURVE:
            Run([](CGraphicLayout& l, History&) { return MoveCurve(l, -1); });
            break;
        case NAV_CMD_CURVE_PAGE_DOWN:
            Run([](CGraphicLayout& l, History&) { return MoveCurvePage(l, 1); });
            break;
        case NAV_CMD_CURVE_PAGE_UP:
            Run([](CGraphicLayout& l, History&) { return MoveCurvePage(l, -1); });
            break;
        case NAV_CMD_FULL_RANGE:
            Run([](CGraphicLayout& l, History&) { return ShowFullRange(l); });
            break;
        case NAV_CMD_AUTOSCALE:
            Run([](CGraphicLayout& l, History&) { return AutoscaleVisible(l, false); });
            break;
        case NAV_CMD_EQUALIZED_SCALING:
            Run([](CGraphicLayout& l, History&) { return AutoscaleVisible(l, true); });
            break;
        case NAV_CMD_SHOW_ALL:
            Run(ShowAll);
            break;
        case NAV_CMD_ZOOM_IN:
            Run(ZoomIn);
            break;
        case NAV_CMD_ZOOM_OUT:
            Run(ZoomOut);
            break;
        case NAV_CMD_UNDO_ZOOM:
            Run([](CGraphicLayout& l, History& h) { return h.Undo(l); });
            break;
        case NAV_CMD_REDO_ZOOM:
            Run([](CGraphicLayout& l, History& h) { return h.Redo(l); });
            break;
        case NAV_CMD_ZOOM_CENTER_MODE:
            SetZoomAndCenterMode(!ZoomAndCenterMode());
            emit ModesChanged();
            break;
        case NAV_CMD_CURSOR_MODE:
            SetCursorMode(!CursorMode());
            emit ModesChanged();
            break;
        case NAV_CMD_CURSOR_STEP_LEFT:
            Run([](CGraphicLayout& l, History& h) { return CursorStep(l, h, -1); });
            break;
        case NAV_CMD_CURSOR_STEP_RIGHT:
            Run([](CGraphicLayout& l, History& h) { return CursorStep(l, h, 1); });
            break;
        case NAV_CMD_CURSOR_B_LEFT:
            Run([](CGraphicLayout& l, History& h) { return CursorStep(l, h, -1, CursorId::B); });
            break;
        case NAV_CMD_CURSOR_B_RIGHT:
            Run([](CGraphicLayout& l, History& h) { return CursorStep(l, h, 1, CursorId::B); });
            break;
        case NAV_CMD_CURSOR_B_AT_CURSOR:
            Run([](CGraphicLayout& l, History&) { return CursorBAtCursorA(l); });
            break;
        case NAV_CMD_CURSOR_B_REMOVE:
            Run([](CGraphicLayout& l, History&) { return RemoveCursorB(l); });
            break;
        case NAV_CMD_CURSOR_FORMAT: {
            const CursorValueFormat format =
                CursorValueFormat::Build(m_formatWidth, m_formatPrecision, m_formatType);
            Run([&format](CGraphicLayout& l, History&) { return ApplyCursorFormat(l, format); });
            break;
        }
        case NAV_CMD_X_PROPERTIES:
            emit XAxisPropertiesRequested();
            break;
        case NAV_CMD_Y_PROPERTIES:
            emit CurvePropertiesRequested();
            break;
        default:
            RunPopupCommand(commandId);
            break;
    }
    UpdateActions();
    return true;
}

void CViewNavigator::SetCursorMode(bool on) {
    if (!m_documentAlive) {
        m_modes.cursorMode = on;
        if (on)
            m_modes.zoomAndCenterMode = false;
        return;
    }
    CGraphicLayout& layout = m_document.Layout();
    const int hint = grafyon::SetCursorMode(layout, m_modes, on);
    if (!ZoomAndCenterMode())
        CancelBand();
    if (hint != 0)
        m_document.UpdateAllViews(hint);
    UpdateActions();
}

void CViewNavigator::SetZoomAndCenterMode(bool on) {
    m_modes.zoomAndCenterMode = on;
    if (!on)
        CancelBand();
    UpdateActions();
}

void CViewNavigator::SetCursorFormatSettings(int width, int precision, int type) {
    m_formatWidth = width;
    m_formatPrecision = precision;
    m_formatType = type;
}

CGraphicObject* CViewNavigator::ValidPopupTarget() const {
    CGraphicObject* target = m_document.PopupTarget();
    CGraphicLayout& layout = m_document.Layout();
    // The layout may have dropped the object since the menu opened.
    for (int i = 0; target != nullptr && i < layout.ObjectCount(); ++i) {
        if (layout.ObjectAt(i) == target)
            return target;
    }
    return nullptr;
}

void CViewNavigator::RunPopupCommand(int commandId) {
    CGraphicObject* target = ValidPopupTarget();
    if (target == nullptr)
        return;
    const bool isDiagram = target->Type() == GRAPHIC_DIAGRAM_TYPE;
    auto* diagram = isDiagram ? static_cast<CGraphicDiagram*>(target) : nullptr;
    switch (commandId) {
        case NAV_CMD_POPUP_PROPERTIES:
            emit PropertiesRequested(target, isDiagram);
            break;
        case NAV_CMD_POPUP_Y_AUTOSCALE:
            if (diagram != nullptr) {
                Run([diagram](CGraphicLayout& l, CZoomHistory& h) {
                    return YAutoscaleDiagram(l, h, *diagram);
                });
            }
            break;
        case NAV_CMD_POPUP_DEACTIVATE:
            if (diagram != nullptr) {
                Run([diagram](CGraphicLayout& l, CZoomHistory&) {
                    return DeactivateDiagramCurve(l, *diagram);
                });
            }
            break;
        case NAV_CMD_POPUP_INFORMATIONS:
            if (diagram != nullptr && diagram->curve != nullptr)
                emit InformationRequested(diagram->curve);
            break;
        default:
            break;
    }
}

bool CViewNavigator::OpenContextMenu(const QPoint& viewportPoint) {
    if (!m_documentAlive)
        return false;
    CancelBand();
    CGraphicLayout& layout = m_document.Layout();
    CGraphicObject* target = layout.HitTest(viewportPoint.x(), viewportPoint.y());
    if (target == nullptr)
        return false;
    const bool isDiagram = target->Type() == GRAPHIC_DIAGRAM_TYPE;
    m_document.SetPopupTarget(target, isDiagram);
    m_menu->clear();
    m_menu->addAction(Action(NAV_CMD_POPUP_PROPERTIES));
    if (isDiagram && layout.GetViewMode() == ViewMode::CurvePerDiagram) {
        m_menu->addAction(Action(NAV_CMD_POPUP_Y_AUTOSCALE));
        m_menu->addAction(Action(NAV_CMD_POPUP_INFORMATIONS));
        m_menu->addAction(Action(NAV_CMD_POPUP_DEACTIVATE));
    }
    UpdateActions();
    m_menu->popup(m_view.viewport()->mapToGlobal(viewportPoint));
    return true;
}

int CViewNavigator::CommandForKey(const QKeyEvent& event) const {
    Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    // "+" and "-" come with Shift on many layouts.
    if (event.key() == Qt::Key_Plus || event.key() == Qt::Key_Minus)
        modifiers &= ~Qt::ShiftModifier;
    for (const KeyBinding& key : KEYS) {
        if (key.key == event.key() && key.modifiers == modifiers)
            return key.commandId;
    }
    return 0;
}

bool CViewNavigator::HandleKey(QKeyEvent& event) {
    if (m_banding && event.key() == Qt::Key_Escape) {
        CancelBand();
        return true;
    }
    if (IsContextMenuKey(event)) {
        OpenContextMenu(QPoint(5, 5));
        return true;
    }
    const int command = CommandForKey(event);
    if (command == 0)
        return false;
    Execute(command);
    return true;
}

bool CViewNavigator::HandleMousePress(QMouseEvent& event) {
    const QPoint point = event.position().toPoint();
    if (event.button() == Qt::RightButton) {
        if (m_banding)
            CancelBand();
        else
            OpenContextMenu(point);
        return true;
    }
    if (event.button() != Qt::LeftButton)
        return false;
    CancelBand();
    m_view.setFocus(Qt::MouseFocusReason);
    if (!m_document.HasUsableData())
        return true;
    CGraphicLayout& layout = m_document.Layout();
    if (m_modes.zoomAndCenterMode) {
        if (CGraphicObject* target = ZoomCenterTarget(layout, point.x(), point.y())) {
            StartBand(target, point);
            return true;
        }
    }
    if (m_modes.cursorMode) {
        // Shift sets the second cursor of a measurement instead.
        const CursorId which = (event.modifiers() & Qt::ShiftModifier) ? CursorId::B : CursorId::A;
        Run([point, which](CGraphicLayout& l, CZoomHistory& h) {
            return CursorClick(l, h, point.x(), point.y(), which);
        });
    }
    return true;
}

void CViewNavigator::HandleWheel(QWheelEvent& event) {
    m_wheelRemainder += event.angleDelta().y();
    while (std::abs(m_wheelRemainder) >= WHEEL_NOTCH) {
        // Away from the user brings the previous curve, towards the user the next.
        const int delta = m_wheelRemainder > 0 ? -1 : 1;
        m_wheelRemainder += delta * WHEEL_NOTCH;
        if (m_document.HasUsableData())
            Run([delta](CGraphicLayout& l, CZoomHistory&) { return MoveCurve(l, delta); });
    }
}

void CViewNavigator::StartBand(CGraphicObject* target, const QPoint& point) {
    if (m_band == nullptr)
        m_band = new QRubberBand(QRubberBand::Rectangle, m_view.viewport());
    m_banding = true;
    m_bandOrigin = point;
    m_bandTarget = target;
    m_band->setGeometry(QRect(point, QSize()));
    m_band->show();
}

void CViewNavigator::FinishBand(const QPoint& point) {
    if (!m_banding)
        return;
    m_banding = false;
    m_band->hide();
    CGraphicLayout& layout = m_document.Layout();
    CGraphicObject* target = nullptr;
    for (int i = 0; i < layout.ObjectCount(); ++i) {
        if (layout.ObjectAt(i) == m_bandTarget)
            target = m_bandTarget;
    }
    m_bandTarget = nullptr;
    if (target == nullptr)
        return;
    const GraphicRect band{
        std::min(m_bandOrigin.x(), point.x()), std::min(m_bandOrigin.y(), point.y()),
        std::max(m_bandOrigin.x(), point.x()), std::max(m_bandOrigin.y(), point.y())};
    const QPoint origin = m_bandOrigin;
    const CenterMode centerMode = m_modes.centerMode;
    Run([&](CGraphicLayout& l, CZoomHistory& h) {
        return ZoomOrCenter(l, h, *target, band, origin.x(), origin.y(), centerMode);
    });
}

void CViewNavigator::CancelBand() {
    if (!m_banding)
        return;
    m_banding = false;
    m_bandTarget = nullptr;
    m_band->hide();
}

void CViewNavigator::OnHorizontalAction(int action) {
    bool known = false;
    const ScrollAction scroll = ToScrollAction(action, known);
    CGraphicLayout& layout = m_document.Layout();
    QScrollBar* bar = m_view.horizontalScrollBar();
    // The bar of a recording too long for its integers moves in coarse units: the view
    // handles that one itself.
    if (!known || !Navigable(layout) ||
        static_cast<std::uint64_t>(bar->maximum()) + bar->pageStep() != layout.Samples()) {
        return;
    }
    const double startTime = layout.StartTime();
    const double endTime = layout.EndTime();
    const int hint = ScrollHorizontal(layout, m_document.ZoomHistory(), scroll,
                                      bar->sliderPosition(), !bar->isSliderDown());
    // The bar then takes this position, which the view finds already shown.
    bar->setSliderPosition(static_cast<int>(layout.FirstSample()));
    Notify(hint, startTime, endTime);
}

void CViewNavigator::OnVerticalAction(int action) {
    bool known = false;
    const ScrollAction scroll = ToScrollAction(action, known);
    CGraphicLayout& layout = m_document.Layout();
    if (!known || !Navigable(layout) || layout.GetViewMode() == ViewMode::AllCurves)
        return;
    QScrollBar* bar = m_view.verticalScrollBar();
    const double startTime = layout.StartTime();
    const double endTime = layout.EndTime();
    const int hint = ScrollVertical(layout, scroll, bar->sliderPosition());
    bar->setSliderPosition(layout.FirstCurveIndex());
    Notify(hint, startTime, endTime);
}

bool CViewNavigator::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_view && watched != m_view.viewport())
        return QObject::eventFilter(watched, event);
    const bool onViewport = watched == m_view.viewport();
    switch (event->type()) {
        case QEvent::ShortcutOverride: {
            auto* key = static_cast<QKeyEvent*>(event);
            // The view's own keys reach it as keys, not as the window's shortcuts.
            if (CommandForKey(*key) != 0 || IsContextMenuKey(*key) ||
                (m_banding && key->key() == Qt::Key_Escape)) {
                event->accept();
                return true;
            }
            return false;
        }
        case QEvent::KeyPress:
            return HandleKey(*static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return onViewport && HandleMousePress(*static_cast<QMouseEvent*>(event));
        case QEvent::MouseMove:
            if (onViewport && m_banding) {
                const QPoint point = static_cast<QMouseEvent*>(event)->position().toPoint();
                m_band->setGeometry(QRect(m_bandOrigin, point).normalized());
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (onViewport && m_banding && mouse->button() == Qt::LeftButton)
                FinishBand(mouse->position().toPoint());
            // The presses were the viewport's; so are their releases.
            return onViewport;
        }
        case QEvent::Wheel:
            if (!onViewport)
                return false;
            HandleWheel(*static_cast<QWheelEvent*>(event));
            return true;
        case QEvent::ContextMenu: {
            auto* menu = static_cast<QContextMenuEvent*>(event);
            // The right button and the menu keys open the menu themselves.
            if (menu->reason() == QContextMenuEvent::Keyboard && !m_menu->isVisible())
                OpenContextMenu(QPoint(5, 5));
            return true;
        }
        case QEvent::FocusOut:
            CancelBand();
            return false;
        default:
            return false;
    }
}

}  // namespace grafyon
