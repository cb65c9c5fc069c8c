// INI lookup of the OEM address file.
#include "oem_profile.h"

#include <fcntl.h>
#include <unistd.h>

#include "common/codec_1252.h"

namespace grafyon::about {

namespace {

constexpr std::string_view BLANKS = " \t\r\n";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(BLANKS);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(BLANKS);
    return text.substr(first, last - first + 1);
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
        } else if (lead >= 0xE0) {
            length = 3;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0x80) {
            return false;
        }
        if (lead > 0xF4 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

// The first count characters (not bytes) of UTF-8 text.
std::string FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t seen = 0; i < text.size() && seen < count; ++seen) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    return std::string(text.substr(0, i));
}

}  // namespace

OemProfile OemProfile::Load(const std::string& path) {
    if (path.empty())
        return {};
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    std::string bytes(OEM_FILE_MAX_BYTES, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (n <= 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(filled);
    return FromBytes(bytes);
}

OemProfile OemProfile::FromBytes(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    const std::string text = IsValidUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
    OemProfile profile;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line = Trim(std::string_view(text).substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::size_t length =
                close == std::string_view::npos ? line.size() - 1 : close - 1;
            profile.m_sections.push_back({std::string(Trim(line.substr(1, length))), {}});
            continue;
        }
        if (profile.m_sections.empty())
            continue;
        const std::size_t equals = line.find('=');
        std::string_view key = Trim(line.substr(0, equals));
        std::string_view value =
            equals == std::string_view::npos ? std::string_view{} : Trim(line.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        profile.m_sections.back().entries.push_back({std::string(key), std::string(value)});
    }
    return profile;
}

std::string OemProfile::Get(std::string_view section, std::string_view key) const {
    // Only the first section of a name is searched, as the system's INI reader does.
    for (const Section& candidate : m_sections) {
        if (!EqualNoCase(candidate.name, section))
            continue;
        for (const Entry& entry : candidate.entries) {
            if (EqualNoCase(entry.key, key))
                return FirstCharacters(entry.value, OEM_VALUE_BUFFER - 1);
        }
        return {};
    }
    return {};
}

}  // namespace grafyon::about
