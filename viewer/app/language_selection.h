// Which language module start-up looks for, and whether it may be used.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace grafyon {

// The code "ENU" stands for the built-in English texts.
inline constexpr char LANGUAGE_CODE_BUILT_IN[] = "ENU";
inline constexpr char LANGUAGE_CODE_GERMAN[] = "DEU";

// The code of the language module to load, in upper case, or nothing for the built-in
// texts. storedId is "LanguageID" of section "Settings" (nullopt when missing). Only three
// letters count as a code, so no path can reach the file name; anything else is treated
// as missing, and then a German user locale selects "DEU". "ENU" is the built-in language.
std::optional<std::string> SelectLanguageCode(const std::optional<std::string>& storedId,
                                              bool germanUserLocale);

// The module file for code: the executable's path with "." and the code appended
// (Grafyon.DEU beside Grafyon).
std::string LanguageModulePath(std::string_view executablePath, std::string_view code);

enum class LanguageCheck {
    Usable,    // readable and of the executable's version
    Missing,   // cannot be read: GRAFY_STR_LANGUAGE_MISSING
    OutOfDate  // another version (or none to compare): GRAFY_STR_LANGUAGE_OUT_OF_DATE
};

// Compares the version texts "%d.%02d (Build %02d)" of executable and module.
LanguageCheck CheckLanguageModule(const std::string& executablePath, const std::string& modulePath);

// The module's version text, or nothing when its file carries no version.
std::optional<std::string> ModuleVersionText(const std::string& modulePath);

}  // namespace grafyon
