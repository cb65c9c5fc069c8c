// The user-interface language code "LanguageID" that start-up reads.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/settings_file.h"

namespace grafyon {

// "LanguageID" of section "Settings"; nullopt when it is missing.
std::optional<std::string> ReadLanguageId(const SettingsFile& file);
// True when the value is in the file.
bool WriteLanguageId(SettingsFile& file, std::string_view code);

}  // namespace grafyon
