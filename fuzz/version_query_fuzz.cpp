// Fuzz target: the module version query and the language module's version check on
// arbitrary bytes as an ELF file. A file without a version leaves every output untouched;
// a module always fits itself exactly when it carries a version.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/version_query.h"
#include "fuzz_files.h"
#include "viewer/app/language_selection.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace grafyon;
    const std::string path = fuzz::WriteScratchFile("module.so", {data, size});
    int firstResult = -1;
    for (const int language : {0, 2, 3, 4, 5}) {
        int major = -7, minor = -7, build = -7;
        std::string date = "untouched";
        const int result = QueryModuleVersion(path, language, major, minor, build, date);
        Check((result & ~(VERSION_FROM_FIXED_BLOCK | VERSION_FROM_FILE_VERSION |
                          VERSION_HAS_BUILD_DATE)) == 0);
        if (result == 0)
            Check(major == -7 && minor == -7 && build == -7 && date == "untouched");
        if (language == 0)
            firstResult = result;
    }
    const std::optional<std::string> text = ModuleVersionText(path);
    Check(text.has_value() == (firstResult != 0));
    const LanguageCheck check = CheckLanguageModule(path, path);
    Check(check == (text ? LanguageCheck::Usable : LanguageCheck::OutOfDate));
    return 0;
}
