// The help's string table.
#include "help_strings.h"

#include <algorithm>

#include "viewer/help/user_manual_path.h"

namespace grafyon {

namespace {

constexpr ViewerStringEntry STRINGS[] = {
    {HELP_STR_FILE, USER_MANUAL_ENGLISH},
};

static_assert(std::is_sorted(std::begin(STRINGS), std::end(STRINGS),
                             [](const ViewerStringEntry& a, const ViewerStringEntry& b) {
                                 return a.id < b.id;
                             }),
              "the table is kept in ascending order");

}  // namespace

std::span<const ViewerStringEntry> HelpStringTable() {
    return STRINGS;
}

QString HelpString(int id) {
    return NumberedText(STRINGS, id);
}

}  // namespace grafyon
