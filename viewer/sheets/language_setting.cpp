// Reading and writing the language code in the viewer's settings file.
#include "viewer/sheets/language_setting.h"

#include "viewer/settings/settings_values.h"

namespace grafyon {

namespace {

constexpr std::string_view LANGUAGE_ID_VALUE = "LanguageID";

}  // namespace

std::optional<std::string> ReadLanguageId(const SettingsFile& file) {
    return file.ReadString(VIEWER_SETTINGS_SECTION, LANGUAGE_ID_VALUE);
}

bool WriteLanguageId(SettingsFile& file, std::string_view code) {
    return StoreString(file, VIEWER_SETTINGS_SECTION, LANGUAGE_ID_VALUE, code);
}

}  // namespace grafyon
