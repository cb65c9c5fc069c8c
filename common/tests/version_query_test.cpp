// Module version query on small ELF files built here.
#include <gtest/gtest.h>

#include <optional>

#include "common/byte_order.h"
#include "common/version_query.h"
#include "test_support.h"

namespace grafyon {
namespace {

struct StringEntry {
    std::string table, key, value;
};

struct NoteSpec {
    std::optional<std::array<std::uint16_t, 4>> fixed;
    std::optional<std::pair<std::uint16_t, std::uint16_t>> translation;
    std::vector<StringEntry> strings;
};

void Align4(ByteWriter& w) {
    w.PadTo((w.Size() + 3) / 4 * 4);
}

// The description records, laid out as the build's note template lays them out.
std::vector<std::uint8_t> BuildDescription(const NoteSpec& spec, bool big) {
    ByteWriter w;
    auto u16 = [&](std::uint16_t v) { big ? w.U16BE(v) : w.U16LE(v); };
    if (spec.fixed) {
        u16(VERSION_RECORD_FIXED);
        u16(8);
        for (std::uint16_t c : *spec.fixed)
            u16(c);
    }
    if (spec.translation) {
        u16(VERSION_RECORD_TRANSLATION);
        u16(4);
        u16(spec.translation->first);
        u16(spec.translation->second);
    }
    for (const StringEntry& s : spec.strings) {
        std::string payload = s.table + '\0' + s.key + '\0' + s.value + '\0';
        u16(VERSION_RECORD_STRINGS);
        u16(static_cast<std::uint16_t>(payload.size()));
        w.Text(payload);
        Align4(w);
    }
    return w.Take();
}

struct Note {
    std::string owner;
    std::uint32_t type;
    std::vector<std::uint8_t> desc;
};

// A minimal ELF file whose only content is one note section (or, with
// sectionHeaders false, one PT_NOTE program header).
std::vector<std::uint8_t> BuildElf(const std::vector<Note>& notes, bool is64, bool big,
                                   bool sectionHeaders = true) {
    ByteWriter area;
    for (const Note& n : notes) {
        auto u32 = [&](std::uint32_t v) { big ? area.U32BE(v) : area.U32LE(v); };
        u32(static_cast<std::uint32_t>(n.owner.size() + 1));
        u32(static_cast<std::uint32_t>(n.desc.size()));
        u32(n.type);
        area.Text(n.owner);
        area.U8(0);
        Align4(area);
        area.Bytes(n.desc);
        Align4(area);
    }
    const std::size_t headerSize = is64 ? 64 : 52;
    const std::size_t noteOffset = headerSize;
    const std::size_t tableOffset = (noteOffset + area.Size() + 7) / 8 * 8;

    ByteWriter w;
    auto u16 = [&](std::uint16_t v) { big ? w.U16BE(v) : w.U16LE(v); };
    auto u32 = [&](std::uint32_t v) { big ? w.U32BE(v) : w.U32LE(v); };
    auto addr = [&](std::uint64_t v) {
        if (is64) {
            big ? w.U64BE(v) : w.U64LE(v);
        } else {
            u32(static_cast<std::uint32_t>(v));
        }
    };
    w.Bytes(std::vector<std::uint8_t>{0x7F, 'E', 'L', 'F', std::uint8_t(is64 ? 2 : 1),
                                      std::uint8_t(big ? 2 : 1), 1});
    w.PadTo(16);
    u16(3);   // shared object
    u16(62);  // machine
    u32(1);
    addr(0);                                 // entry
    addr(sectionHeaders ? 0 : tableOffset);  // program headers
    addr(sectionHeaders ? tableOffset : 0);  // section headers
    u32(0);                                  // flags
    u16(static_cast<std::uint16_t>(headerSize));
    u16(is64 ? 56 : 32);
    u16(sectionHeaders ? 0 : 1);
    u16(is64 ? 64 : 40);
    u16(sectionHeaders ? 2 : 0);
    u16(0);
    EXPECT_EQ(w.Size(), headerSize);
    w.Bytes(area.Bytes());
    w.PadTo(tableOffset);
    if (sectionHeaders) {
        w.Fill(is64 ? 64 : 40);  // section 0 is always empty
        u32(0);                  // name
        u32(7);                  // SHT_NOTE
        addr(2);                 // flags: allocated
        addr(0);                 // address
        addr(noteOffset);
        addr(area.Size());
        u32(0);
        u32(0);
        addr(4);  // alignment
        addr(0);
    } else {
        u32(4);  // PT_NOTE
        if (is64)
            u32(4);
        addr(noteOffset);
        addr(0);
        addr(0);
        addr(area.Size());
        addr(area.Size());
        if (!is64)
            u32(4);
        addr(4);
    }
    return w.Take();
}

NoteSpec StandardNote(std::array<std::uint16_t, 4> version) {
    NoteSpec spec;
    spec.fixed = version;
    spec.translation = std::make_pair(std::uint16_t{0x0409}, std::uint16_t{0x04b0});
    spec.strings = {{"040904b0", "FileVersion", "9, 9, 9, 9"},
                    {"040904b0", "BuildDate", "2026-12-08"}};
    return spec;
}

struct Outputs {
    int major = -1, minor = -1, build = -1;
    std::string date = "untouched";
};

int Query(const std::string& path, Outputs& out, int language = 0) {
    return QueryModuleVersion(path, language, out.major, out.minor, out.build, out.date);
}

class VersionQueryTest : public ::testing::Test {
protected:
    std::string Write(const std::vector<std::uint8_t>& bytes) {
        const std::string path = m_dir / ("module" + std::to_string(m_count++) + ".so");
        test::WriteFile(path, bytes);
        return path;
    }
    std::string WriteNote(const NoteSpec& spec, bool is64 = true, bool big = false) {
        return Write(BuildElf(
            {{VERSION_NOTE_OWNER, VERSION_NOTE_TYPE, BuildDescription(spec, big)}}, is64, big));
    }

    test::TempDir m_dir;
    int m_count = 0;
};

TEST_F(VersionQueryTest, BuildNumberFollowsTheFourthComponent) {
    const struct {
        std::array<std::uint16_t, 4> version;
        int build;
    } cases[] = {
        {{1, 0, 32, 1}, 32}, {{1, 0, 63, 0}, 63}, {{1, 0, 5, 2}, 261}, {{3, 7, 0, 4}, 768}};
    for (const auto& c : cases) {
        Outputs out;
        EXPECT_EQ(Query(WriteNote(StandardNote(c.version)), out),
                  VERSION_FROM_FIXED_BLOCK | VERSION_HAS_BUILD_DATE);
        EXPECT_EQ(out.major, c.version[0]);
        EXPECT_EQ(out.minor, c.version[1]);
        EXPECT_EQ(out.build, c.build) << c.version[2] << "." << c.version[3];
        EXPECT_EQ(out.date, "2026-12-08");
    }
}

TEST_F(VersionQueryTest, FileVersionTextIsUsedOnlyWithoutTheFixedBlock) {
    NoteSpec spec;
    spec.translation = std::make_pair(std::uint16_t{0x0407}, std::uint16_t{0x04b0});
    spec.strings = {{"040704b0", "FileVersion", "2, 1, 7, 0"}};
    Outputs out;
    EXPECT_EQ(Query(WriteNote(spec), out), VERSION_FROM_FILE_VERSION);
    EXPECT_EQ(out.major, 2);
    EXPECT_EQ(out.minor, 1);
    EXPECT_EQ(out.build, 7);
    EXPECT_EQ(out.date, "untouched");

    // A text that stops matching assigns only what it matched, as the scan did.
    spec.strings = {{"040704b0", "FileVersion", "4 ,5, 6"}};
    Outputs partial;
    EXPECT_EQ(Query(WriteNote(spec), partial), VERSION_FROM_FILE_VERSION);
    EXPECT_EQ(partial.major, 4);
    EXPECT_EQ(partial.minor, -1);
}

TEST_F(VersionQueryTest, LanguageSelectorPicksTheStringTable) {
    NoteSpec spec;
    spec.translation = std::make_pair(std::uint16_t{0x0407}, std::uint16_t{0x04b0});
    spec.strings = {{"040704b0", "BuildDate", "german"},
                    {"040904b0", "BuildDate", "english"},
                    {"040904e4", "BuildDate", "ansi"},
                    {"000004b0", "BuildDate", "neutral"}};
    const std::string path = WriteNote(spec);
    const std::pair<int, std::string> cases[] = {{0, "german"},  {-3, "german"}, {2, "german"},
                                                 {3, "english"}, {4, "ansi"},    {7, "neutral"}};
    for (const auto& [language, date] : cases) {
        Outputs out;
        EXPECT_EQ(Query(path, out, language), VERSION_HAS_BUILD_DATE) << language;
        EXPECT_EQ(out.date, date) << language;
    }
}

TEST_F(VersionQueryTest, NoNoteOrNoElfLeavesOutputsUntouched) {
    std::vector<std::string> paths;
    paths.push_back(Write(BuildElf({{"GNU", 3, std::vector<std::uint8_t>(20, 1)}}, true, false)));
    paths.push_back(Write({'n', 'o', 't', ' ', 'e', 'l', 'f'}));
    paths.push_back(Write({}));
    paths.push_back(m_dir / "does-not-exist.so");
    // Our owner with another note type is not the version note.
    paths.push_back(Write(
        BuildElf({{VERSION_NOTE_OWNER, 99, BuildDescription(StandardNote({1, 2, 3, 0}), false)}},
                 true, false)));
    for (const std::string& path : paths) {
        Outputs out;
        EXPECT_EQ(Query(path, out), 0) << path;
        EXPECT_EQ(out.major, -1);
        EXPECT_EQ(out.minor, -1);
        EXPECT_EQ(out.build, -1);
        EXPECT_EQ(out.date, "untouched");
    }
}

TEST_F(VersionQueryTest, FindsTheNoteAmongOthersInEveryElfFlavour) {
    const std::vector<std::uint8_t> gnu(16, 7);
    for (bool is64 : {true, false}) {
        for (bool big : {false, true}) {
            const std::string path =
                Write(BuildElf({{"GNU", 3, gnu},
                                {VERSION_NOTE_OWNER, VERSION_NOTE_TYPE,
                                 BuildDescription(StandardNote({2, 5, 9, 0}), big)}},
                               is64, big));
            Outputs out;
            EXPECT_EQ(Query(path, out), VERSION_FROM_FIXED_BLOCK | VERSION_HAS_BUILD_DATE)
                << is64 << big;
            EXPECT_EQ(out.major, 2);
            EXPECT_EQ(out.minor, 5);
            EXPECT_EQ(out.build, 9);
        }
    }
    // Without section headers the note is found through the program headers.
    const std::string segmentOnly =
        Write(BuildElf({{VERSION_NOTE_OWNER, VERSION_NOTE_TYPE,
                         BuildDescription(StandardNote({1, 0, 4, 0}), false)}},
                       true, false, false));
    Outputs out;
    EXPECT_EQ(Query(segmentOnly, out), VERSION_FROM_FIXED_BLOCK | VERSION_HAS_BUILD_DATE);
    EXPECT_EQ(out.build, 4);
}

TEST_F(VersionQueryTest, TruncatedAndCorruptFilesNeverReadPastTheEnd) {
    const std::vector<std::uint8_t> good =
        BuildElf({{VERSION_NOTE_OWNER, VERSION_NOTE_TYPE,
                   BuildDescription(StandardNote({1, 0, 1, 0}), false)}},
                 true, false);
    // Every prefix of the file: either the full answer (the tables are at the end, so
    // only the whole file has them) or nothing, never a crash.
    for (std::size_t size = 0; size < good.size(); size += 3) {
        std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<long>(size));
        Outputs out;
        EXPECT_EQ(Query(Write(cut), out), 0) << size;
        EXPECT_EQ(out.date, "untouched");
    }
    // A note whose sizes claim more than the section holds.
    std::vector<std::uint8_t> corrupt = good;
    StoreU32LE(corrupt.data() + 64 + 4, 0x7FFFFFF0u);  // descsz of the first note
    Outputs out;
    EXPECT_EQ(Query(Write(corrupt), out), 0);
    // A record whose length runs past the description ends the parse quietly.
    NoteSpec spec = StandardNote({1, 0, 1, 0});
    std::vector<std::uint8_t> desc = BuildDescription(spec, false);
    StoreU16LE(desc.data() + 2, 0xFFFF);
    Outputs partial;
    EXPECT_EQ(Query(Write(BuildElf({{VERSION_NOTE_OWNER, VERSION_NOTE_TYPE, desc}}, true, false)),
                    partial),
              0);
}

TEST(VersionText, FormatsWithTwoDigitMinorAndBuild) {
    EXPECT_EQ(FormatVersionText(1, 0, 32), "1.00 (Build 32)");
    EXPECT_EQ(FormatVersionText(2, 5, 7), "2.05 (Build 07)");
    EXPECT_EQ(FormatVersionText(1, 12, 261), "1.12 (Build 261)");
}

TEST(VersionQuery, ThisTestProgramFindsItsOwnFile) {
    EXPECT_EQ(ExecutablePath(), ModulePathOf(reinterpret_cast<const void*>(&ExecutablePath)));
}

}  // namespace
}  // namespace grafyon
