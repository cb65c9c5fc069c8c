// ELF note lookup and the version rules applied to it.
#include "version_query.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "binary_file.h"
#include "byte_order.h"

namespace grafyon {

namespace {

constexpr std::uint32_t SHT_NOTE_TYPE = 7;
constexpr std::uint32_t PT_NOTE_TYPE = 4;
constexpr std::uint64_t MAX_NOTE_AREA = 16u << 20;
constexpr unsigned MAX_HEADERS = 65535;

struct Region {
    std::uint64_t offset;
    std::uint64_t size;
    std::uint64_t align;
};

struct VersionNote {
    std::uint16_t fixed[4] = {};
    bool hasFixed = false;
    bool hasTranslation = false;
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
    struct Entry {
        std::string table, key, value;
    };
    std::vector<Entry> strings;
};

class Endian {
public:
    explicit Endian(bool big) : m_big(big) {}
    std::uint16_t U16(const std::uint8_t* p) const { return m_big ? LoadU16BE(p) : LoadU16LE(p); }
    std::uint32_t U32(const std::uint8_t* p) const { return m_big ? LoadU32BE(p) : LoadU32LE(p); }
    std::uint64_t U64(const std::uint8_t* p) const { return m_big ? LoadU64BE(p) : LoadU64LE(p); }

private:
    bool m_big;
};

std::uint64_t AlignUp(std::uint64_t v, std::uint64_t a) {
    return (v + a - 1) / a * a;
}

// Lists the note areas of the file: SHT_NOTE sections, else PT_NOTE segments.
std::vector<Region> NoteRegions(const BinaryFileReader& file, bool& bigEndian) {
    std::vector<Region> regions;
    std::uint8_t ident[64] = {};
    if (!file.ReadAt(0, std::span(ident, 16)))
        return regions;
    if (ident[0] != 0x7F || ident[1] != 'E' || ident[2] != 'L' || ident[3] != 'F')
        return regions;
    const bool is64 = ident[4] == 2;
    if (ident[4] != 1 && ident[4] != 2)
        return regions;
    if (ident[5] != 1 && ident[5] != 2)
        return regions;
    bigEndian = ident[5] == 2;
    const Endian e(bigEndian);
    const std::size_t headerSize = is64 ? 64 : 52;
    if (!file.ReadAt(0, std::span(ident, headerSize)))
        return regions;

    const std::uint64_t phoff = is64 ? e.U64(ident + 32) : e.U32(ident + 28);
    const std::uint64_t shoff = is64 ? e.U64(ident + 40) : e.U32(ident + 32);
    const unsigned phentsize = e.U16(ident + (is64 ? 54 : 42));
    const unsigned phnum = e.U16(ident + (is64 ? 56 : 44));
    const unsigned shentsize = e.U16(ident + (is64 ? 58 : 46));
    const unsigned shnum = e.U16(ident + (is64 ? 60 : 48));

    auto addRegion = [&](std::uint64_t offset, std::uint64_t size, std::uint64_t align) {
        if (offset > file.Size() || size > file.Size() - offset || size > MAX_NOTE_AREA)
            return;
        regions.push_back({offset, size, align == 8 ? 8u : 4u});
    };

    const unsigned minSh = is64 ? 64 : 40;
    if (shoff != 0 && shentsize >= minSh && shnum <= MAX_HEADERS) {
        std::vector<std::uint8_t> sh(shentsize);
        for (unsigned i = 0; i < shnum; ++i) {
            if (!file.ReadAt(shoff + std::uint64_t(i) * shentsize, sh))
                break;
            if (e.U32(sh.data() + 4) != SHT_NOTE_TYPE)
                continue;
            if (is64) {
                addRegion(e.U64(sh.data() + 24), e.U64(sh.data() + 32), e.U64(sh.data() + 48));
            } else {
                addRegion(e.U32(sh.data() + 16), e.U32(sh.data() + 20), e.U32(sh.data() + 32));
            }
        }
    }
    const unsigned minPh = is64 ? 56 : 32;
    if (regions.empty() && phoff != 0 && phentsize >= minPh && phnum <= MAX_HEADERS) {
        std::vector<std::uint8_t> ph(phentsize);
        for (unsigned i = 0; i < phnum; ++i) {
            if (!file.ReadAt(phoff + std::uint64_t(i) * phentsize, ph))
                break;
            if (e.U32(ph.data()) != PT_NOTE_TYPE)
                continue;
            if (is64) {
                addRegion(e.U64(ph.data() + 8), e.U64(ph.data() + 32), e.U64(ph.data() + 48));
            } else {
                addRegion(e.U32(ph.data() + 4), e.U32(ph.data() + 16), e.U32(ph.data() + 28));
            }
        }
    }
    return regions;
}

// Parses the records of a version note description.
VersionNote ParseDescription(std::span<const std::uint8_t> desc, const Endian& e) {
    VersionNote note;
    std::size_t pos = 0;
    while (desc.size() - pos >= 4) {
        const std::uint16_t tag = e.U16(desc.data() + pos);
        const std::uint16_t len = e.U16(desc.data() + pos + 2);
        pos += 4;
        if (len > desc.size() - pos)
            break;
        const std::uint8_t* payload = desc.data() + pos;
        if (tag == VERSION_RECORD_FIXED && len >= 8 && !note.hasFixed) {
            for (int i = 0; i < 4; ++i)
                note.fixed[i] = e.U16(payload + 2 * i);
            note.hasFixed = true;
        } else if (tag == VERSION_RECORD_TRANSLATION && len >= 4 && !note.hasTranslation) {
            note.language = e.U16(payload);
            note.codePage = e.U16(payload + 2);
            note.hasTranslation = true;
        } else if (tag == VERSION_RECORD_STRINGS) {
            ByteReader r(std::span(payload, len));
            const std::string table = r.ZeroTerminatedText();
            while (r.Ok() && r.Remaining() > 0) {
                std::string key = r.ZeroTerminatedText();
                std::string value = r.ZeroTerminatedText();
                if (!r.Ok())
                    break;
                note.strings.push_back({table, std::move(key), std::move(value)});
            }
        }
        pos +=
            static_cast<std::size_t>(std::min<std::uint64_t>(AlignUp(len, 4), desc.size() - pos));
    }
    return note;
}

std::optional<VersionNote> FindVersionNote(const std::string& path) {
    BinaryFileReader file;
    if (!file.Open(path))
        return std::nullopt;
    bool big = false;
    const std::vector<Region> regions = NoteRegions(file, big);
    const Endian e(big);
    std::vector<std::uint8_t> area;
    for (const Region& region : regions) {
        if (!file.ReadBlock(region.offset, static_cast<std::size_t>(region.size), area))
            continue;
        std::uint64_t pos = 0;
        while (area.size() - pos >= 12) {
            const std::uint64_t namesz = e.U32(area.data() + pos);
            const std::uint64_t descsz = e.U32(area.data() + pos + 4);
            const std::uint32_t type = e.U32(area.data() + pos + 8);
            const std::uint64_t nameAt = pos + 12;
            const std::uint64_t descAt = nameAt + AlignUp(namesz, region.align);
            if (descAt > area.size() || descsz > area.size() - descAt)
                break;
            const std::string_view name(reinterpret_cast<const char*>(area.data() + nameAt),
                                        static_cast<std::size_t>(namesz));
            if (type == VERSION_NOTE_TYPE &&
                name == std::string_view(VERSION_NOTE_OWNER, sizeof VERSION_NOTE_OWNER)) {
                return ParseDescription(
                    std::span(area.data() + descAt, static_cast<std::size_t>(descsz)), e);
            }
            pos = descAt + AlignUp(descsz, region.align);
        }
    }
    return std::nullopt;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

const std::string* FindString(const VersionNote& note, std::string_view table,
                              std::string_view key) {
    for (const auto& entry : note.strings) {
        if (EqualsNoCase(entry.table, table) && EqualsNoCase(entry.key, key))
            return &entry.value;
    }
    return nullptr;
}

// sscanf-like "%d": optional leading blanks and sign, then digits; false when none.
bool ScanInt(std::string_view& text, int& out) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    std::size_t start = i;
    if (i < text.size() && text[i] == '+')
        start = ++i;
    const char* first = text.data() + start;
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), out);
    if (ec != std::errc())
        return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

// "%d, %d, %d": each number assigned as far as the text matches.
void ScanFileVersion(std::string_view text, int& major, int& minor, int& build) {
    int* targets[3] = {&major, &minor, &build};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (text.empty() || text.front() != ',')
                return;
            text.remove_prefix(1);
        }
        if (!ScanInt(text, *targets[i]))
            return;
    }
}

std::string TableName(const VersionNote& note, int language) {
    if (language <= 0) {
        if (!note.hasTranslation)
            return {};
        char name[16];
        std::snprintf(name, sizeof name, "%08x",
                      (static_cast<unsigned>(note.language) << 16) | note.codePage);
        return name;
    }
    switch (language) {
        case 2:
            return "040704b0";
        case 3:
            return "040904b0";
        case 4:
            return "040904E4";
        default:
            return "000004b0";
    }
}

}  // namespace

int QueryModuleVersion(const std::string& modulePath, int language, int& major, int& minor,
                       int& build, std::string& buildDate) {
    const std::optional<VersionNote> note = FindVersionNote(modulePath);
    if (!note)
        return 0;
    int result = 0;
    if (note->hasFixed) {
        const int third = note->fixed[2];
        const int fourth = note->fixed[3];
        major = note->fixed[0];
        minor = note->fixed[1];
        build = fourth > 1 ? fourth * 256 + third - 256 : third;
        result |= VERSION_FROM_FIXED_BLOCK;
    }
    const std::string table = TableName(*note, language);
    if (!table.empty()) {
        if (const std::string* fileVersion = FindString(*note, table, "FileVersion")) {
            if (!(result & VERSION_FROM_FIXED_BLOCK)) {
                ScanFileVersion(*fileVersion, major, minor, build);
                result |= VERSION_FROM_FILE_VERSION;
            }
        }
        if (const std::string* date = FindString(*note, table, "BuildDate")) {
            buildDate = *date;
            result |= VERSION_HAS_BUILD_DATE;
        }
    }
    return result;
}

std::string ModulePathOf(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr)
        return {};
    char resolved[PATH_MAX];
    if (realpath(info.dli_fname, resolved) != nullptr)
        return resolved;
    return info.dli_fname;
}

std::string ExecutablePath() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    return std::string(buffer, static_cast<std::size_t>(n));
}

std::string FormatVersionText(int major, int minor, int build) {
    char text[64];
    std::snprintf(text, sizeof text, "%d.%02d (Build %02d)", major, minor, build);
    return text;
}

}  // namespace grafyon
