// The OEM address file: an INI file read the way the family's programs read it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace grafyon::about {

// Values are read into a buffer of this many characters with its terminating zero.
inline constexpr std::size_t OEM_VALUE_BUFFER = 100;
// A larger file is read only up to here; address files are a few hundred bytes.
inline constexpr std::size_t OEM_FILE_MAX_BYTES = 1 << 20;

class OemProfile {
public:
    OemProfile() = default;
    // A file that is missing or unreadable gives an empty profile.
    static OemProfile Load(const std::string& path);
    // The file's bytes: UTF-8 (with or without a byte order mark) when they are valid
    // UTF-8, otherwise Windows-1252 as written by the family's Windows tools.
    static OemProfile FromBytes(std::string_view bytes);

    // The value of key in section, both compared without regard to ASCII case; the first
    // section and the first key of that name count. Blanks around the value and one pair
    // of enclosing quotes are removed; at most OEM_VALUE_BUFFER - 1 characters; empty when
    // missing.
    std::string Get(std::string_view section, std::string_view key) const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    std::vector<Section> m_sections;
};

}  // namespace grafyon::about
