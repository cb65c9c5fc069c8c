// The five built deliverables: each carries its version note and reports its version.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

#include "about/brisel.h"
#include "common/version_query.h"
#include "environment/varnokastell.h"
#include "exportfilter/quenvartexila.h"
#include "messaging/ko_messaging.h"
#include "test_support.h"

namespace grafyon {
namespace {

std::string BinDir() {
    const char* dir = std::getenv("GRAFYON_BIN_DIR");
    return dir ? dir : GRAFYON_BIN_DIR_DEFAULT;
}

using VersionFunction = void (*)(std::string&, int&, int&, int&, std::string&);

TEST(Deliverables, EveryFileCarriesTheProjectVersion) {
    for (const char* file : {"Grafyon", "libVarnokastell.so", "libQuenvartexila.so", "libBrisel.so",
                             "libKoMessaging.so"}) {
        int major = -1, minor = -1, build = -1;
        std::string date;
        const int bits = QueryModuleVersion(BinDir() + "/" + file, 0, major, minor, build, date);
        EXPECT_EQ(bits, VERSION_FROM_FIXED_BLOCK | VERSION_HAS_BUILD_DATE) << file;
        EXPECT_EQ(major, GRAFYON_VERSION_MAJOR) << file;
        EXPECT_EQ(minor, GRAFYON_VERSION_MINOR) << file;
        EXPECT_EQ(build, GRAFYON_VERSION_BUILD) << file;
        EXPECT_EQ(date.size(), 10u) << file;  // YYYY-MM-DD
    }
}

TEST(Deliverables, VersionFunctionsNameTheirLibrary) {
    const std::pair<VersionFunction, const char*> functions[] = {
        {&VarnokastellVersion, "Environment DLL"},
        {&QuenvartexilaVersion, "Export Filter DLL"},
        {&BriselFilterVersion, "About DLL"},
        {&KoMsgVersion, "KoMessaging DLL"}};
    for (const auto& [function, name] : functions) {
        std::string reported, date;
        int major = -1, minor = -1, build = -1;
        function(reported, major, minor, build, date);
        EXPECT_EQ(reported, name);
        EXPECT_EQ(major, GRAFYON_VERSION_MAJOR) << name;
        EXPECT_EQ(minor, GRAFYON_VERSION_MINOR) << name;
        EXPECT_EQ(build, GRAFYON_VERSION_BUILD) << name;
        EXPECT_FALSE(date.empty()) << name;
    }
}

TEST(Deliverables, TheNoteSurvivesStrip) {
    if (std::system("command -v strip >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no strip";
    test::TempDir dir;
    const std::string copy = dir / "libVarnokastell.so";
    std::filesystem::copy_file(BinDir() + "/libVarnokastell.so", copy);
    ASSERT_EQ(std::system(("strip --strip-all '" + copy + "'").c_str()), 0);
    int major = -1, minor = -1, build = -1;
    std::string date;
    EXPECT_EQ(QueryModuleVersion(copy, 0, major, minor, build, date),
              VERSION_FROM_FIXED_BLOCK | VERSION_HAS_BUILD_DATE);
    EXPECT_EQ(build, GRAFYON_VERSION_BUILD);
}

// The shared objects a file names as needed, as the dynamic loader will load them.
std::string NeededLibraries(const std::string& file) {
    test::TempDir dir;
    const std::string listing = dir / "needed.txt";
    const std::string command = "readelf -d '" + file + "' > '" + listing + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0)
        return {};
    return test::ReadTextFile(listing);
}

TEST(Deliverables, TheViewerLoadsItsThreeLibrariesAndBriselItsMessaging) {
    const std::string viewer = NeededLibraries(BinDir() + "/Grafyon");
    ASSERT_FALSE(viewer.empty()) << "readelf is needed";
    for (const char* library : {"libQuenvartexila.so", "libVarnokastell.so", "libBrisel.so"})
        EXPECT_NE(viewer.find(library), std::string::npos) << library;
    EXPECT_NE(NeededLibraries(BinDir() + "/libBrisel.so").find("libKoMessaging.so"),
              std::string::npos);
}

// The names of the functions a library defines in its dynamic symbol table (C++ names
// without their parameter types).
std::set<std::string> ExportedNames(const std::string& file) {
    test::TempDir dir;
    const std::string listing = dir / "symbols.txt";
    const std::string command =
        "nm -D --defined-only '" + file + "' > '" + listing + "' 2>/dev/null";
    std::set<std::string> names;
    if (std::system(command.c_str()) != 0)
        return names;
    std::istringstream lines(test::ReadTextFile(listing));
    std::string address, type, symbol;
    while (lines >> address >> type >> symbol) {
        std::size_t digits = 2;
        while (symbol.rfind("_Z", 0) == 0 && digits < symbol.size() && std::isdigit(symbol[digits]))
            ++digits;
        if (digits > 2)
            symbol = symbol.substr(digits, std::stoul(symbol.substr(2, digits - 2)));
        names.insert(symbol);
    }
    return names;
}

TEST(Deliverables, TheExportLibraryShowsOnlyItsThirteenFunctions) {
    const std::set<std::string> expected = {"QuenvartexilaVersion",
                                            "QuenvartexilaPathInitial",
                                            "QuenvartexilaList",
                                            "QuenvartexilaSetFlags",
                                            "QuenvartexilaSetCallback",
                                            "QuenvartexilaSelectFileAndFilter",
                                            "QuenvartexilaSelectDatasets",
                                            "QuenvartexilaSelectExportFiles",
                                            "QuenvartexilaSetStatusWindow",
                                            "QuenvartexilaReqFuncAssignment",
                                            "QuenvartexilaFormatAssignment",
                                            "QuenvartexilaConvert",
                                            "QuenvartexilaReleaseFilter"};
    const std::set<std::string> names = ExportedNames(BinDir() + "/libQuenvartexila.so");
    ASSERT_FALSE(names.empty()) << "nm is needed";
    EXPECT_EQ(names, expected);
}

}  // namespace
}  // namespace grafyon
