// String table of the messaging library, English and German.
#include "messaging_strings.h"

#include "common/ui_language.h"

namespace {
constexpr grafyon::NumberedString STRINGS[] = {
    {1, "KoMessaging DLL", "KoMessaging DLL"},
};
}  // namespace

std::string KoMsgString(int id) {
    return grafyon::LookupString(STRINGS, id, grafyon::ProcessUiLanguage());
}
