// Texts of the navigation commands: numbered prompts and the menu texts of the actions.
#pragma once

#include <QString>

#include <span>

#include "viewer/strings/numbered_text.h"

namespace grafyon {

// The translation context of the menu texts.
inline constexpr char NAVIGATION_CONTEXT[] = "CViewNavigator";

// The status-bar prompts, numbered by their command.
std::span<const ViewerStringEntry> NavigationStringTable();
// The prompt in the current language; empty for a command without one.
QString NavigationString(int commandId);

struct NavigationCommandText {
    int commandId;
    const char* menuText;  // English source in NAVIGATION_CONTEXT
};

// Every navigation command with the text of its action, in command order.
std::span<const NavigationCommandText> NavigationCommandTexts();
// The action text of a command in the current language.
QString NavigationMenuText(int commandId);

}  // namespace grafyon
