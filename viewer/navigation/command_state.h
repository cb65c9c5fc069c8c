// Enabling rules and check marks of the navigation commands.
#pragma once

namespace grafyon {

// What the rules look at.
struct CommandContext {
    // The document's data can be worked on (CGrafyonDoc::HasUsableData).
    bool documentUsable = false;
    int historyIndex = -1;
    int historyCount = 0;
    bool cursorMode = false;
    bool zoomAndCenterMode = false;
};

// Whether id is one of the navigation commands (including the popup items).
bool IsNavigationCommand(int id);
bool CommandEnabled(int id, const CommandContext& context);
// The two mode commands show a check mark while their mode is on.
bool CommandCheckable(int id);
bool CommandChecked(int id, const CommandContext& context);

}  // namespace grafyon
