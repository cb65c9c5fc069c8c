// The property sheets' string table.
#include "viewer/sheets/sheets_strings.h"

#include <algorithm>
#include <iterator>

namespace grafyon {

namespace {

constexpr ViewerStringEntry STRINGS[] = {
    {SHEETS_STR_MINIMUM, "Minimum"},
    {SHEETS_STR_MAXIMUM, "Maximum"},
    {SHEETS_STR_OPTIONS, "Options"},
    {SHEETS_STR_DIAGRAM, "Diagram"},
    {SHEETS_STR_LANGUAGE_RESTART,
     "Changes to the UI Language will not take effekt until you exit the application and start "
     "it again."},
    {SHEETS_STR_DATASET, "Dataset"},
};

static_assert(std::is_sorted(std::begin(STRINGS), std::end(STRINGS),
                             [](const ViewerStringEntry& a, const ViewerStringEntry& b) {
                                 return a.id < b.id;
                             }),
              "the table is kept in ascending order");

}  // namespace

std::span<const ViewerStringEntry> SheetsStringTable() {
    return STRINGS;
}

QString SheetsString(int id) {
    return NumberedText(STRINGS, id);
}

}  // namespace grafyon
