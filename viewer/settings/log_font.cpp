// Storing the logical font record in the settings file.
#include "viewer/settings/log_font.h"

#include <algorithm>

#include "viewer/settings/settings_values.h"

namespace grafyon {

namespace {

std::uint8_t ReadByte(const SettingsFile& file, std::string_view section, std::string_view name,
                      std::uint8_t defaultValue) {
    return static_cast<std::uint8_t>(ReadClampedInt(file, section, name, defaultValue, 0, 255));
}

}  // namespace

bool IsAcceptableFaceName(std::string_view faceName) {
    // Characters, not bytes: continuation bytes of UTF-8 are not counted.
    const auto characters = std::count_if(faceName.begin(), faceName.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return characters > 0 && static_cast<std::size_t>(characters) <= LOG_FONT_FACE_MAX;
}

bool ReadFont(const SettingsFile& file, LogFont& font, std::string_view section,
              std::string_view prefix) {
    const std::string face = ReadStringValue(file, section, ValueName(prefix, "SystemFont"), "");
    if (!IsAcceptableFaceName(face))
        return false;
    font.faceName = face;
    auto name = [&](std::string_view field) { return ValueName(prefix, field); };
    font.height = ReadIntValue(file, section, name("Height"), font.height);
    font.width = ReadIntValue(file, section, name("Width"), font.width);
    font.escapement = ReadIntValue(file, section, name("Escapement"), font.escapement);
    font.orientation = ReadIntValue(file, section, name("Orientation"), font.orientation);
    font.weight = ReadIntValue(file, section, name("Weight"), font.weight);
    font.italic = ReadByte(file, section, name("Italic"), font.italic);
    font.underline = ReadByte(file, section, name("Underline"), font.underline);
    font.strikeOut = ReadByte(file, section, name("StrikeOut"), font.strikeOut);
    font.charSet = ReadByte(file, section, name("CharSet"), font.charSet);
    font.outPrecision = ReadByte(file, section, name("Out Precision"), font.outPrecision);
    font.clipPrecision = ReadByte(file, section, name("Clip Precision"), font.clipPrecision);
    font.quality = ReadByte(file, section, name("Quality"), font.quality);
    font.pitchAndFamily = ReadByte(file, section, name("Pitch And Family"), font.pitchAndFamily);
    return true;
}

bool WriteFont(SettingsFile& file, const LogFont& font, std::string_view section,
               std::string_view prefix) {
    auto name = [&](std::string_view field) { return ValueName(prefix, field); };
    file.BeginBatch();
    bool ok = StoreString(file, section, name("SystemFont"), font.faceName);
    ok &= StoreInt(file, section, name("Height"), font.height);
    ok &= StoreInt(file, section, name("Width"), font.width);
    ok &= StoreInt(file, section, name("Escapement"), font.escapement);
    ok &= StoreInt(file, section, name("Orientation"), font.orientation);
    ok &= StoreInt(file, section, name("Weight"), font.weight);
    ok &= StoreInt(file, section, name("Italic"), font.italic);
    ok &= StoreInt(file, section, name("Underline"), font.underline);
    ok &= StoreInt(file, section, name("StrikeOut"), font.strikeOut);
    ok &= StoreInt(file, section, name("CharSet"), font.charSet);
    ok &= StoreInt(file, section, name("Out Precision"), font.outPrecision);
    ok &= StoreInt(file, section, name("Clip Precision"), font.clipPrecision);
    ok &= StoreInt(file, section, name("Quality"), font.quality);
    ok &= StoreInt(file, section, name("Pitch And Family"), font.pitchAndFamily);
    ok &= file.EndBatch();
    return ok;
}

bool ReadSystemFont(LogFont& font) {
    return ReadFont(*OpenViewerSettingsFile(), font, SYSTEM_FONT_SECTION, SYSTEM_FONT_PREFIX);
}

bool WriteSystemFont(const LogFont& font) {
    return WriteFont(*OpenViewerSettingsFile(), font, SYSTEM_FONT_SECTION, SYSTEM_FONT_PREFIX);
}

}  // namespace grafyon
