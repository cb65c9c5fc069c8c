// String table of the environment library, English and German.
#include "environment_strings.h"

#include "common/ui_language.h"

namespace {
constexpr grafyon::NumberedString STRINGS[] = {
    {VRNK_STR_NAME, "Environment DLL", "Environment DLL"},
    {VRNK_STR_FOLDER_CAPTION, "Export filter folder", "Exportfilter-Ordner"},
    {VRNK_STR_FOLDER_PROMPT, "Select the folder, where the Export filter definitions are stored.",
     "Wählen Sie den Ordner, in dem die Exportfilter-Definitionen gespeichert sind."},
    {VRNK_STR_WORKSPACE_TITLE, "Workspace configuration", "Arbeitsumgebung konfigurieren"},
    {VRNK_STR_EXPORT_FILTER_SETTINGS, "Export filter settings:", "Exportfilter-Einstellungen:"},
    {VRNK_STR_CONFIGURE, "Configure...", "Konfigurieren..."},
    {VRNK_STR_CLOSE, "Close", "Schließen"},
    {VRNK_STR_VARIABLES_TITLE, "Umgebungsvariablen", "Umgebungsvariablen"},
    {VRNK_STR_EXPORT_FILTER_PATH, "&ExportFilter-Path:", "&ExportFilter-Pfad:"},
    {VRNK_STR_SET, "&Set", "&Setzen"},
};
}  // namespace

std::string VarnokastellString(int id) {
    return grafyon::LookupString(STRINGS, id, grafyon::ProcessUiLanguage());
}
