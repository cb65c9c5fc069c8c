// The range dialogs' string table.
#include "ranges_strings.h"

#include <algorithm>

namespace grafyon {

namespace {

constexpr ViewerStringEntry STRINGS[] = {
    {RANGES_STR_RANGE, "Range"},
    {RANGES_STR_START_SAMPLE, "Start sample"},
    {RANGES_STR_END_SAMPLE, "End sample"},
};

static_assert(std::is_sorted(std::begin(STRINGS), std::end(STRINGS),
                             [](const ViewerStringEntry& a, const ViewerStringEntry& b) {
                                 return a.id < b.id;
                             }),
              "the table is kept in ascending order");

}  // namespace

std::span<const ViewerStringEntry> RangesStringTable() {
    return STRINGS;
}

QString RangesString(int id) {
    return NumberedText(STRINGS, id);
}

}  // namespace grafyon
