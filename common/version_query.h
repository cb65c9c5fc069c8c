// Module version query: reads the version note that every deliverable embeds.
#pragma once

#include <cstdint>
#include <string>

namespace grafyon {

// Layout of the note, shared with the note template of the build.
inline constexpr char VERSION_NOTE_OWNER[] = "Vantorelline";
inline constexpr std::uint32_t VERSION_NOTE_TYPE = 1;
inline constexpr std::uint16_t VERSION_RECORD_FIXED = 1;        // four 16-bit components
inline constexpr std::uint16_t VERSION_RECORD_TRANSLATION = 2;  // language, code page
inline constexpr std::uint16_t VERSION_RECORD_STRINGS = 3;      // table name, key/value pairs

// Result bits of QueryModuleVersion.
inline constexpr int VERSION_FROM_FIXED_BLOCK = 1;
inline constexpr int VERSION_FROM_FILE_VERSION = 2;
inline constexpr int VERSION_HAS_BUILD_DATE = 4;

// Reads the version note of a module file. language: 0 or less uses the first
// translation entry; 2, 3 and 4 select "040704b0", "040904b0" and "040904E4", any other
// positive value "000004b0". Returns the result bits; 0 (outputs untouched) when the
// file cannot be read, is no ELF file or carries no note.
int QueryModuleVersion(const std::string& modulePath, int language, int& major, int& minor,
                       int& build, std::string& buildDate);

// The file of the shared object (or executable) that contains address.
std::string ModulePathOf(const void* address);

// The running executable's file.
std::string ExecutablePath();

// "%d.%02d (Build %02d)", the form in which versions are compared and shown.
std::string FormatVersionText(int major, int minor, int build);

}  // namespace grafyon
