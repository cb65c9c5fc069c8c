// The option sheet: its four pages, the result on OK, and its entry point.
#include "viewer/sheets/option_sheet.h"

#include <memory>

#include "viewer/settings/settings_values.h"
#include "viewer/settings/summary_cache_settings.h"
#include "viewer/sheets/language_setting.h"
#include "viewer/sheets/options_diagram_page.h"
#include "viewer/sheets/options_font_page.h"
#include "viewer/sheets/options_language_page.h"
#include "viewer/sheets/options_usage_page.h"
#include "viewer/sheets/sheets_strings.h"

namespace grafyon {

COptionSheet::COptionSheet(ViewerSettings& settings, LogFont& font, SettingsFile& languageFile,
                           QWidget* parent)
    : CPropertySheet(SheetsString(SHEETS_STR_OPTIONS), parent),
      m_settings(settings),
      m_font(font),
      m_languageFile(languageFile),
      m_values(OptionValuesFrom(settings, font, ReadLanguageId(languageFile))),
      m_germanAtOpening(m_values.german) {
    setObjectName("optionSheet");
    SummaryCacheSettings cache;
    ReadSummaryCacheSettings(languageFile, cache);
    m_values.summaryCache = cache.enabled;
    m_values.summaryCacheLimitMiB = cache.limitMiB;
    AddPage(new COptionsDiagramPage(m_values, this));
    AddPage(new COptionsUsagePage(m_values, this));
    AddPage(new COptionsFontPage(m_values, this));
    AddPage(new COptionsLanguagePage(m_values, this));
    SetActivePage(OPTION_PAGE_START);
}

void COptionSheet::OnOk() {
    m_changes = ApplyOptionValues(m_values, m_germanAtOpening, m_settings, m_font);
    WriteLanguageId(m_languageFile, LanguageIdFor(m_values.german));
    // Read at every open: it counts from the next one.
    SummaryCacheSettings cache;
    cache.enabled = m_values.summaryCache;
    cache.limitMiB = m_values.summaryCacheLimitMiB;
    WriteSummaryCacheSettings(m_languageFile, cache);
    if (m_changes.language) {
        ShowSheetMessage(Sink(), this, SheetsString(SHEETS_STR_LANGUAGE_RESTART),
                         SheetMessageIcon::Information);
    }
    // What is on screen now is what was confirmed: a second OK changes nothing more.
    m_germanAtOpening = m_values.german;
}

OptionChanges RunOptionSheet(QWidget* parent, ViewerSettings& settings, LogFont& font,
                             int& activePage, const OptionSheetOptions& options) {
    std::unique_ptr<SettingsFile> ownFile;
    SettingsFile* languageFile = options.languageFile;
    if (languageFile == nullptr) {
        ownFile = OpenViewerSettingsFile();
        languageFile = ownFile.get();
    }
    COptionSheet sheet(settings, font, *languageFile, parent);
    sheet.SetMessageSink(options.message);
    sheet.SetActivePage(activePage);
    if (sheet.exec() != QDialog::Accepted)
        return {};
    activePage = sheet.ActivePage();
    return sheet.Changes();
}

}  // namespace grafyon
