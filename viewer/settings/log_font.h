// The user-interface font as a logical font record, stored field by field.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/settings_file.h"

namespace grafyon {

// Characters a face name may have (the record holds 31 plus a terminator).
inline constexpr std::size_t LOG_FONT_FACE_MAX = 31;
// Where start-up and exit keep the user-interface font.
inline constexpr std::string_view SYSTEM_FONT_SECTION = "Settings";
inline constexpr std::string_view SYSTEM_FONT_PREFIX = "SysFont";

inline constexpr int FONT_WEIGHT_NORMAL = 400;
inline constexpr int FONT_WEIGHT_BOLD = 700;
inline constexpr std::uint8_t FONT_CHARSET_DEFAULT = 1;
inline constexpr std::uint8_t FONT_QUALITY_DEFAULT = 0;
inline constexpr std::uint8_t FONT_QUALITY_NONANTIALIASED = 3;
inline constexpr std::uint8_t FONT_QUALITY_ANTIALIASED = 4;
// Pitch in the low two bits, family in bits 4 to 7 of pitchAndFamily.
inline constexpr std::uint8_t FONT_PITCH_DEFAULT = 0;
inline constexpr std::uint8_t FONT_PITCH_FIXED = 1;
inline constexpr std::uint8_t FONT_PITCH_VARIABLE = 2;
inline constexpr std::uint8_t FONT_FAMILY_DONTCARE = 0x00;
inline constexpr std::uint8_t FONT_FAMILY_ROMAN = 0x10;
inline constexpr std::uint8_t FONT_FAMILY_SWISS = 0x20;
inline constexpr std::uint8_t FONT_FAMILY_MODERN = 0x30;
inline constexpr std::uint8_t FONT_FAMILY_SCRIPT = 0x40;
inline constexpr std::uint8_t FONT_FAMILY_DECORATIVE = 0x50;

struct LogFont {
    std::int32_t height = 0;  // negative: character height in pixels; positive: cell height
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;  // 0 any, 100..900
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;  // UTF-8, at most LOG_FONT_FACE_MAX characters

    bool operator==(const LogFont&) const = default;
};

// Not empty and at most LOG_FONT_FACE_MAX characters.
bool IsAcceptableFaceName(std::string_view faceName);

// Reads the face name "<prefix> SystemFont" first; when it is missing, empty or too long,
// returns false with the record unchanged. Otherwise takes it, reads every other field with
// the record's value as default and returns true.
bool ReadFont(const SettingsFile& file, LogFont& font, std::string_view section,
              std::string_view prefix);
// Writes every field; true when all of them reached the file.
bool WriteFont(SettingsFile& file, const LogFont& font, std::string_view section,
               std::string_view prefix);

// The user-interface font in the user's settings file ("Settings", "SysFont").
bool ReadSystemFont(LogFont& font);
bool WriteSystemFont(const LogFont& font);

}  // namespace grafyon
