// The user's decimal point.
#include "local_notation.h"

#include <langinfo.h>
#include <locale.h>

#include <cstring>

namespace grafyon::exportfilter {

char UserDecimalPoint() {
    locale_t numeric = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (numeric == static_cast<locale_t>(0))
        return '.';
    const char* radix = ::nl_langinfo_l(RADIXCHAR, numeric);
    char point = '.';
    if (radix != nullptr && radix[0] > ' ' && radix[0] < 0x7F && radix[1] == '\0')
        point = radix[0];
    ::freelocale(numeric);
    return point;
}

void UseDecimalPoint(char* begin, char* end, char point) {
    if (point == '.')
        return;
    if (void* dot = std::memchr(begin, '.', static_cast<std::size_t>(end - begin)))
        *static_cast<char*>(dot) = point;
}

}  // namespace grafyon::exportfilter
