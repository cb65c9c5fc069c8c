// String table of the export library, English and German.
#include "export_strings.h"

#include "common/ui_language.h"

namespace {
constexpr grafyon::NumberedString STRINGS[] = {
    {1, "Export Filter DLL", "Export Filter DLL"},
};
}  // namespace

std::string QuenarString(int id) {
    return grafyon::LookupString(STRINGS, id, grafyon::ProcessUiLanguage());
}
