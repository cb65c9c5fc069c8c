// The main window's string table.
#include "frame_strings.h"

#include <algorithm>

namespace grafyon {

namespace {

constexpr ViewerStringEntry STRINGS[] = {
    {1059, "Diagram"},
    {1060, "Standard"},
    {5125, "Ranges"},
    {5126, "Reading the whole measurement: %1 %"},
    {32771, "Change the options\nOptions"},
    {32773, "Information about the measurement\nFile info"},
    {32774, "Properties of the diagrams\nDiagram properties"},
    {32797, "1st range border (Ctrl+1)\n1st range border"},
    {32798, "2nd range border (Ctrl+2)\n2nd range border"},
    {32799, "Range administration\nRange administration"},
    {32803, "Show or hide the toolbars\nToolbars"},
    {32804, "Configure the workspace\nWorkspace"},
    {32807, "Export the active datasets with an export filter\nExport (Ctrl+X)"},
    {32808, "Create and edit export filter definitions\nExport filter"},
    {32814, "Show range\nShow range"},
    {32816, "Link data files\nLink data files"},
    {57345, "Ready"},
    {57600, "Close the measurement\nNew"},
    {57601, "Open an existing measurement\nOpen"},
    {57604, "Save the measurement with a new name\nSave As"},
    {57664, "Display program information, version number and copyright\nAbout"},
    {57665, "Quit the application\nExit"},
    {57670, "Open the user manual\nHelp"},
    {59137, "CAP"},
    {59138, "NUM"},
    {59139, "SCRL"},
    {59393, "Show or hide the status bar\nToggle StatusBar"},
};

static_assert(std::is_sorted(std::begin(STRINGS), std::end(STRINGS),
                             [](const ViewerStringEntry& a, const ViewerStringEntry& b) {
                                 return a.id < b.id;
                             }),
              "the table is kept in ascending order");

}  // namespace

std::span<const ViewerStringEntry> FrameStringTable() {
    return STRINGS;
}

QString FrameString(int id) {
    return NumberedText(STRINGS, id);
}

QString PromptStatusText(const QString& prompt) {
    return prompt.section(QLatin1Char('\n'), 0, 0);
}

QString PromptToolTip(const QString& prompt) {
    const qsizetype split = prompt.indexOf(QLatin1Char('\n'));
    return split < 0 ? prompt : prompt.mid(split + 1);
}

}  // namespace grafyon
