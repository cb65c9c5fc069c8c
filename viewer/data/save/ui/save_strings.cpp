// The string table of saving a measurement.
#include "save_strings.h"

#include <algorithm>

namespace grafyon {

namespace {

constexpr ViewerStringEntry STRINGS[] = {
    {SAVE_STR_FILE_FILTER,
     "Vantorelline-MCF-File (*.mcf)|*.mcf|Vantorelline-MDF-File (*.mdf)|*.mdf||"},
};

static_assert(std::is_sorted(std::begin(STRINGS), std::end(STRINGS),
                             [](const ViewerStringEntry& a, const ViewerStringEntry& b) {
                                 return a.id < b.id;
                             }),
              "the table is kept in ascending order");

}  // namespace

std::span<const ViewerStringEntry> SaveStringTable() {
    return STRINGS;
}

QString SaveString(int id) {
    return NumberedText(STRINGS, id);
}

}  // namespace grafyon
