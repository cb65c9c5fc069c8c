// The viewer's string table and its look-up through the installed translator.
#include "viewer_strings.h"

#include <algorithm>

namespace grafyon {

namespace {

constexpr ViewerStringEntry STRINGS[] = {
    {GRAFY_STR_OLE_INIT_FAILED,
     "OLE initialization failed.  Make sure that the OLE libraries are the correct version."},
    {GRAFY_STR_DOC_TEMPLATE, "Grafy\n\nNew\nData files (*.mcf)\n.mcf\nGrafyon.Document\nData file"},
    {GRAFY_STR_OPEN_FILTER, "Vantorelline-Files (*.mcf;*.mdf,*.tks)|*.mcf;*.mdf;*.tks||"},
    {GRAFY_STR_LANGUAGE_MISSING, "Requested language does not exist! Using standard language."},
    {GRAFY_STR_LANGUAGE_OUT_OF_DATE, "Requested language not up to date! Using standard language."},
    {GRAFY_STR_CANNOT_OPEN_FILE, "Following file cannot be opened !\n\u00ab%1\u00bb"},
    {GRAFY_STR_APP_NAME, "Grafy"},
    {GRAFY_STR_AUTO_EXIT_NO_FILE, "Automatic Exit: no file was named to open."},
    {GRAFY_STR_AUTO_EXIT_NOT_OPENED,
     "Automatic Exit: \u00ab%1\u00bb was not opened or holds no data."},
    {GRAFY_STR_AUTO_EXIT_EXPORT_FAILED,
     "Automatic Exit: the export with the filter \u00ab%1\u00bb failed (result %2)."},
    {GRAFY_STR_SHORT_DATA_FILE,
     "Warning!\nThe data file \u00ab%1\u00bb ends early: %2 of %3 samples are missing.\n"
     "Only the samples it holds are shown, exported and saved."},
    {GRAFY_STR_AUTO_EXIT_MORE_FILES,
     "Automatic Exit: \u00ab%1\u00bb was not opened: an unattended run works on the first file "
     "only."},
};

static_assert(std::is_sorted(std::begin(STRINGS), std::end(STRINGS),
                             [](const ViewerStringEntry& a, const ViewerStringEntry& b) {
                                 return a.id < b.id;
                             }),
              "the table is kept in ascending order");

}  // namespace

std::span<const ViewerStringEntry> ViewerStringTable() {
    return STRINGS;
}

QString ViewerStringEnglish(int id) {
    return NumberedTextEnglish(STRINGS, id);
}

QString ViewerString(int id) {
    return NumberedText(STRINGS, id);
}

}  // namespace grafyon
