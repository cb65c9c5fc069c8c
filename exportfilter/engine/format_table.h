// The filter types: type code, whether a filter of the type can be created, and its name.
#pragma once

#include <span>
#include <string>

namespace grafyon::exportfilter {

struct FilterFormat {
    int typeCode;
    bool offered;  // offered in "Create new filter definition"
    int nameId;    // string table
};

// The rows in their fixed order.
std::span<const FilterFormat> FilterFormats();

// The row of a type code, or null.
const FilterFormat* FindFilterFormat(int typeCode);

// The name shown for a type code; "No filer file" for a code the table does not hold.
std::string FilterFormatName(int typeCode);

}  // namespace grafyon::exportfilter
