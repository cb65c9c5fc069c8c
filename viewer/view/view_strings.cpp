// The document's and diagram view's string table.
#include "view_strings.h"

#include <algorithm>

namespace grafyon {

namespace {

constexpr ViewerStringEntry STRINGS[] = {
    {VIEW_STR_TIME, "Time"},
    {VIEW_STR_NO_FILE, "No File opened !"},
    {VIEW_STR_NO_CURVES, "No curves defined !"},
    {VIEW_STR_INTERNAL, "Internal error !"},
    {VIEW_STR_SAMPLES, "Samples"},
    {VIEW_STR_SECONDS, "sec"},
    {VIEW_STR_NO_DATA, "No existing data !"},
    {VIEW_STR_UNKNOWN_FORMAT, "Error!\nUnknown File Format!"},
    {VIEW_STR_CORRUPT, "Error!\nThe File is corrupt!"},
    {VIEW_STR_UNKNOWN_ERROR, "Error!\nUnknown Error!"},
    {VIEW_STR_NOT_SUPPORTED, "Error!\nThe file format is not supported !"},
    {VIEW_STR_DATA_FILE_NOT_OPENED, "Error!\nThe data file couldn't be opened !"},
    {VIEW_STR_FILE_MAPPING, "Error!\nFile-Mapping Error!"},
    {VIEW_STR_NO_DATA_AVAILABLE, "Error!\nNo data available !"},
};

static_assert(std::is_sorted(std::begin(STRINGS), std::end(STRINGS),
                             [](const ViewerStringEntry& a, const ViewerStringEntry& b) {
                                 return a.id < b.id;
                             }),
              "the table is kept in ascending order");

}  // namespace

std::span<const ViewerStringEntry> ViewStringTable() {
    return STRINGS;
}

QString ViewString(int id) {
    return NumberedText(STRINGS, id);
}

}  // namespace grafyon
