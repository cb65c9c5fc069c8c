// Numbers in "Local" notation: the C locale's text with the user's decimal point in place
// of ".".
#pragma once

namespace grafyon::exportfilter {

// The decimal point of LC_NUMERIC as the environment sets it (LC_ALL, LC_NUMERIC, LANG),
// read without touching the process locale. "." when the locale is unknown or its point is
// not one ASCII character (a file holds 8-bit text).
char UserDecimalPoint();

// Puts point in place of the first "." of [begin, end).
void UseDecimalPoint(char* begin, char* end, char point);

}  // namespace grafyon::exportfilter
