// Process-locale language and numbered string lookup.
#include "ui_language.h"

#include <cstdlib>
#include <string_view>

namespace grafyon {

UiLanguage ProcessUiLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0')
            continue;
        const std::string_view locale(value);
        if (locale.starts_with("de"))
            return UiLanguage::German;
        if (locale.starts_with("fr"))
            return UiLanguage::French;
        return UiLanguage::English;
    }
    return UiLanguage::English;
}

std::string LookupString(std::span<const NumberedString> table, int id, UiLanguage language) {
    for (const NumberedString& entry : table) {
        if (entry.id != id)
            continue;
        if (language == UiLanguage::German && entry.german)
            return entry.german;
        if (language == UiLanguage::French && entry.french)
            return entry.french;
        return entry.english ? entry.english : "";
    }
    return {};
}

}  // namespace grafyon
