// Which language a library's texts follow: the process locale's.
#pragma once

#include <span>
#include <string>

namespace grafyon {

enum class UiLanguage { English, German, French };

// From LC_ALL, LC_MESSAGES, then LANG (the first one set wins), as gettext does.
UiLanguage ProcessUiLanguage();

// One numbered text of a library's string table in each language it carries.
struct NumberedString {
    int id;
    const char* english;
    const char* german;
    const char* french = nullptr;
};

// The text of id in the given language, falling back to English; empty when unknown.
std::string LookupString(std::span<const NumberedString> table, int id, UiLanguage language);

}  // namespace grafyon
