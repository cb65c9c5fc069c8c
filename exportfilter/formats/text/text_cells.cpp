// Number formats, alignment and separators of the text format's cells.
#include "text_cells.h"

#include <cstring>

#include "common/codec_1252.h"
#include "common/printf_format.h"
#include "exportfilter/engine/path_text.h"

namespace grafyon::exportfilter {

namespace {

const char* ConversionLetter(const CQuenarChannelDefText& column) {
    const char* letter = "f";
    switch (column.UsedNumberFormat()) {
        case TextNumberFormat::Fixed:
            break;
        case TextNumberFormat::Exponential:
            letter = "e";
            break;
        case TextNumberFormat::Floating:
            letter = "g";
            break;
    }
    return letter;
}

}  // namespace

std::string ColumnNumberFormat(const CQuenarChannelDefText& column) {
    const char* letter = ConversionLetter(column);
    if (column.IsFixedWidth())
        return FormatPrintf("%%%d.%d%s", column.UsedNumberWidth(), column.UsedPrecision(), letter);
    return NumberCoreFormat(column);
}

std::string NumberCoreFormat(const CQuenarChannelDefText& column) {
    return FormatPrintf("%%.%d%s", column.UsedPrecision(), ConversionLetter(column));
}

std::size_t AlignedStart(TextAlignment alignment, std::size_t spaces) {
    switch (alignment) {
        case TextAlignment::Center:
            return spaces / 2;
        case TextAlignment::Right:
            return spaces;
        case TextAlignment::Left:
            break;
    }
    return 0;
}

char* AlignInField(char* begin, char* end, int width, TextAlignment alignment) {
    const std::size_t length = static_cast<std::size_t>(end - begin);
    const std::size_t field =
        width > 0 ? std::max(length, static_cast<std::size_t>(width)) : length;
    std::size_t lead = 0;
    while (lead < length && begin[lead] == ' ')
        ++lead;
    if (lead == length) {
        std::memset(end, ' ', field - length);
        return begin + field;
    }
    std::size_t last = length;
    while (begin[last - 1] == ' ')
        --last;
    const std::size_t core = last - lead;
    const std::size_t spaces = field - core;
    const std::size_t at = AlignedStart(alignment, spaces);
    if (at != lead)
        std::memmove(begin + at, begin + lead, core);
    std::memset(begin, ' ', at);
    std::memset(begin + at + core, ' ', field - at - core);
    return begin + field;
}

void AlignInField(std::string& text, int width, TextAlignment alignment) {
    const std::size_t length = text.size();
    if (width > 0 && static_cast<std::size_t>(width) > length)
        text.resize(static_cast<std::size_t>(width));
    char* begin = text.data();
    text.resize(
        static_cast<std::size_t>(AlignInField(begin, begin + length, width, alignment) - begin));
}

std::string SeparatorText(const CQuenarChannelDefText& column) {
    switch (column.UsedSeparator()) {
        case TextSeparator::None:
            return {};
        case TextSeparator::User:
            return Utf8ToCp1252(CrLfToLineFeeds(column.separatorText));
        case TextSeparator::Space:
            return " ";
        case TextSeparator::Tab:
            return "\t";
        case TextSeparator::VerticalLine:
            return "|";
    }
    return {};
}

}  // namespace grafyon::exportfilter
