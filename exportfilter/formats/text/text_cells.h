// The pieces of a text line: number format texts, alignment of a cell in its field, and the
// separator after a column.
#pragma once

#include <string>
#include <string_view>

#include "text_channel_def.h"

namespace grafyon::exportfilter {

// The printf format of a column's numbers: "%<number width>.<precision>f" (e or g by the
// number format) for a fixed column, "%.<precision>f" for a variable one.
std::string ColumnNumberFormat(const CQuenarChannelDefText& column);
// The same without the number width: "%.<precision>f" (e or g).
std::string NumberCoreFormat(const CQuenarChannelDefText& column);

// Aligns the text in [begin, end) in a field of width characters and returns the field's
// end: a shorter text is padded with spaces to the width, a longer one stays whole, and a
// text of spaces only stays as it is. Otherwise the text without its surrounding spaces goes
// to the left end, the right end or the middle (an odd space to the right) of the field.
// The memory from begin must have room for the larger of the text and the width.
char* AlignInField(char* begin, char* end, int width, TextAlignment alignment);
// Where a text starts in its field when spaces are left over: Center puts the odd space
// on the right.
std::size_t AlignedStart(TextAlignment alignment, std::size_t spaces);
// The same on a string.
void AlignInField(std::string& text, int width, TextAlignment alignment);

// What follows a column: the user text (line ends as "\n"), a space, a tab, "|" or nothing.
std::string SeparatorText(const CQuenarChannelDefText& column);

}  // namespace grafyon::exportfilter
