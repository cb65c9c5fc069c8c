// The option sheet "Options" and the entry point that the main window's command calls.
#pragma once

#include "common/settings_file.h"
#include "viewer/sheets/option_values.h"
#include "viewer/sheets/property_sheet.h"

namespace grafyon {

// Edits a working copy of the settings, the font and the language; OK writes them into the
// caller's objects and the language code into the settings file, and shows the message
// SHEETS_STR_LANGUAGE_RESTART once when the language differs from the one at opening.
class COptionSheet : public CPropertySheet {
    Q_OBJECT
public:
    // The language code is read from languageFile now and written there on OK.
    COptionSheet(ViewerSettings& settings, LogFont& font, SettingsFile& languageFile,
                 QWidget* parent = nullptr);

    OptionValues& Values() { return m_values; }
    bool GermanAtOpening() const { return m_germanAtOpening; }
    // What the last OK changed (all false before it).
    const OptionChanges& Changes() const { return m_changes; }

protected:
    void OnOk() override;

private:
    ViewerSettings& m_settings;
    LogFont& m_font;
    SettingsFile& m_languageFile;
    OptionValues m_values;
    bool m_germanAtOpening;
    OptionChanges m_changes;
};

struct OptionSheetOptions {
    // Where "LanguageID" lives; null means the user's settings file of the viewer.
    SettingsFile* languageFile = nullptr;
    // The language-restart message and the checks' messages; empty shows message boxes.
    SheetMessageSink message;
};

// Shows the sheet modally at activePage (the page last closed with OK; kept by the
// application, not stored). On OK activePage becomes the page then shown. The result says
// what changed: after fontOrFormat the caller rebuilds the layout's cursor value format from
// the settings, rebuilds the painter's font and sends HINT_REDRAW; settings changes act on
// the next opened document and need no hint.
OptionChanges RunOptionSheet(QWidget* parent, ViewerSettings& settings, LogFont& font,
                             int& activePage, const OptionSheetOptions& options = {});

}  // namespace grafyon
