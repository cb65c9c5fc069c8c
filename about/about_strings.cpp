// String table of the about library, English, German and French.
#include "about_strings.h"

#include "common/ui_language.h"

namespace {
constexpr grafyon::NumberedString STRINGS[] = {
    {6, "About DLL", "About DLL", "About DLL"},
};
}  // namespace

std::string BriselString(int id) {
    return grafyon::LookupString(STRINGS, id, grafyon::ProcessUiLanguage());
}
