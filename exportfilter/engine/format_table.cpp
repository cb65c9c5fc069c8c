// The filter types.
#include "format_table.h"

#include "export_strings.h"

namespace grafyon::exportfilter {

namespace {

constexpr FilterFormat FORMATS[] = {
    {16, true, QUENAR_STR_FORMAT_TEXT},      {17, false, QUENAR_STR_FORMAT_TEXT_HISTOGRAM},
    {32, true, QUENAR_STR_FORMAT_NCODE},     {33, false, QUENAR_STR_FORMAT_NCODE_HISTOGRAM},
    {49, true, QUENAR_STR_FORMAT_RIGSYS},    {65, false, QUENAR_STR_FORMAT_BLOCK_DATA},
    {80, true, QUENAR_STR_FORMAT_DIADEM},    {81, false, QUENAR_STR_FORMAT_DIADEM_HISTOGRAM},
    {160, true, QUENAR_STR_FORMAT_EXCEL},    {96, true, QUENAR_STR_FORMAT_RPC3},
    {112, true, QUENAR_STR_FORMAT_TARKO},    {128, true, QUENAR_STR_FORMAT_ZQ3},
    {144, true, QUENAR_STR_FORMAT_MATLAB},   {176, true, QUENAR_STR_FORMAT_SBF},
    {192, true, QUENAR_STR_FORMAT_MDF},      {208, true, QUENAR_STR_FORMAT_DASYLAB},
    {224, true, QUENAR_STR_FORMAT_TURBOLAB}, {240, true, QUENAR_STR_FORMAT_FAMOS},
};

}  // namespace

std::span<const FilterFormat> FilterFormats() {
    return FORMATS;
}

const FilterFormat* FindFilterFormat(int typeCode) {
    for (const FilterFormat& format : FORMATS) {
        if (format.typeCode == typeCode)
            return &format;
    }
    return nullptr;
}

std::string FilterFormatName(int typeCode) {
    const FilterFormat* format = FindFilterFormat(typeCode);
    return QuenarString(format ? format->nameId : QUENAR_STR_NO_FILTER_FILE);
}

}  // namespace grafyon::exportfilter
