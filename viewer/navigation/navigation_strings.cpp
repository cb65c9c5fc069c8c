// The navigation's prompt table and the texts of its actions.
#include "navigation_strings.h"

#include <QCoreApplication>

#include <algorithm>

#include "navigation_commands.h"

namespace grafyon {

namespace {

constexpr ViewerStringEntry PROMPTS[] = {
    {NAV_CMD_NEXT_CURVE, "Activate next curve"},
    {NAV_CMD_PREVIOUS_CURVE, "Activate previous curve"},
    {NAV_CMD_FULL_RANGE, "Show full time range"},
    {NAV_CMD_AUTOSCALE, "Autoscale curves"},
    {NAV_CMD_EQUALIZED_SCALING, "Equalized scaling"},
    {NAV_CMD_ZOOM_CENTER_MODE, "Zoom- and Center mode"},
    {NAV_CMD_UNDO_ZOOM, "Undo Zoom"},
    {NAV_CMD_REDO_ZOOM, "Redo Zoom"},
    {NAV_CMD_CURSOR_MODE, "Cursor mode"},
    {NAV_CMD_CURSOR_STEP_LEFT, "One cursor step left"},
    {NAV_CMD_CURSOR_STEP_RIGHT, "One cursor step right"},
};

static_assert(std::is_sorted(std::begin(PROMPTS), std::end(PROMPTS),
                             [](const ViewerStringEntry& a, const ViewerStringEntry& b) {
                                 return a.id < b.id;
                             }),
              "the table is kept in ascending order");

// A command with a prompt of its own shows that prompt as its text (nullptr here).
constexpr NavigationCommandText TEXTS[] = {
    {NAV_CMD_LEFT, QT_TRANSLATE_NOOP("CViewNavigator", "Cursor or page left")},
    {NAV_CMD_RIGHT, QT_TRANSLATE_NOOP("CViewNavigator", "Cursor or page right")},
    {NAV_CMD_NEXT_CURVE, nullptr},
    {NAV_CMD_PREVIOUS_CURVE, nullptr},
    {NAV_CMD_FULL_RANGE, QT_TRANSLATE_NOOP("CViewNavigator", "&Autoscaling")},
    {NAV_CMD_AUTOSCALE, QT_TRANSLATE_NOOP("CViewNavigator", "&Autoscaling")},
    {NAV_CMD_SHOW_ALL, QT_TRANSLATE_NOOP("CViewNavigator", "&Show all")},
    {NAV_CMD_EQUALIZED_SCALING, nullptr},
    {NAV_CMD_ZOOM_IN, QT_TRANSLATE_NOOP("CViewNavigator", "&Zoom in")},
    {NAV_CMD_ZOOM_OUT, QT_TRANSLATE_NOOP("CViewNavigator", "Zoom &out")},
    {NAV_CMD_ZOOM_CENTER_MODE, nullptr},
    {NAV_CMD_UNDO_ZOOM, nullptr},
    {NAV_CMD_REDO_ZOOM, nullptr},
    {NAV_CMD_CURSOR_MODE, nullptr},
    {NAV_CMD_CURSOR_STEP_LEFT, nullptr},
    {NAV_CMD_CURSOR_STEP_RIGHT, nullptr},
    {NAV_CMD_POPUP_INFORMATIONS, QT_TRANSLATE_NOOP("CViewNavigator", "&Informations...")},
    {NAV_CMD_Y_PROPERTIES, QT_TRANSLATE_NOOP("CViewNavigator", "&Properties...")},
    {NAV_CMD_X_PROPERTIES, QT_TRANSLATE_NOOP("CViewNavigator", "&Properties...")},
    {NAV_CMD_CURSOR_FORMAT, QT_TRANSLATE_NOOP("CViewNavigator", "Refresh the cursor value format")},
    {NAV_CMD_POPUP_PROPERTIES, QT_TRANSLATE_NOOP("CViewNavigator", "&Properties...")},
    {NAV_CMD_POPUP_Y_AUTOSCALE, QT_TRANSLATE_NOOP("CViewNavigator", "&Y-Autoscale")},
    {NAV_CMD_TENTH_LEFT, QT_TRANSLATE_NOOP("CViewNavigator", "Scroll left by a tenth")},
    {NAV_CMD_TENTH_RIGHT, QT_TRANSLATE_NOOP("CViewNavigator", "Scroll right by a tenth")},
    {NAV_CMD_HOME, QT_TRANSLATE_NOOP("CViewNavigator", "Cursor or view to the start")},
    {NAV_CMD_END, QT_TRANSLATE_NOOP("CViewNavigator", "Cursor or view to the end")},
    {NAV_CMD_POPUP_DEACTIVATE, QT_TRANSLATE_NOOP("CViewNavigator", "&Deactivate")},
    {NAV_CMD_CURVE_PAGE_DOWN, QT_TRANSLATE_NOOP("CViewNavigator", "Next page of curves")},
    {NAV_CMD_CURVE_PAGE_UP, QT_TRANSLATE_NOOP("CViewNavigator", "Previous page of curves")},
    {NAV_CMD_CURSOR_B_LEFT, QT_TRANSLATE_NOOP("CViewNavigator", "Cursor B one step left")},
    {NAV_CMD_CURSOR_B_RIGHT, QT_TRANSLATE_NOOP("CViewNavigator", "Cursor B one step right")},
    {NAV_CMD_CURSOR_B_AT_CURSOR, QT_TRANSLATE_NOOP("CViewNavigator", "Cursor &B to the cursor")},
    {NAV_CMD_CURSOR_B_REMOVE, QT_TRANSLATE_NOOP("CViewNavigator", "&Remove cursor B")},
};

}  // namespace

std::span<const ViewerStringEntry> NavigationStringTable() {
    return PROMPTS;
}

QString NavigationString(int commandId) {
    return NumberedText(PROMPTS, commandId);
}

std::span<const NavigationCommandText> NavigationCommandTexts() {
    return TEXTS;
}

QString NavigationMenuText(int commandId) {
    const auto found = std::find_if(
        std::begin(TEXTS), std::end(TEXTS),
        [commandId](const NavigationCommandText& t) { return t.commandId == commandId; });
    if (found == std::end(TEXTS))
        return {};
    if (found->menuText == nullptr)
        return NavigationString(commandId);
    return QCoreApplication::translate(NAVIGATION_CONTEXT, found->menuText);
}

}  // namespace grafyon
