// Language code, module file name and the version check of a language module.
#include "language_selection.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>

#include "common/version_query.h"

namespace grafyon {

namespace {

std::string Upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

bool IsLanguageCode(std::string_view text) {
    return text.size() == 3 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
           });
}

// Readable means: a regular file that this process may open for reading.
bool IsReadableFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}

}  // namespace

std::optional<std::string> SelectLanguageCode(const std::optional<std::string>& storedId,
                                              bool germanUserLocale) {
    std::string code;
    if (storedId && IsLanguageCode(*storedId))
        code = Upper(*storedId);
    if (code.empty()) {
        if (!germanUserLocale)
            return std::nullopt;
        code = LANGUAGE_CODE_GERMAN;
    }
    if (code == LANGUAGE_CODE_BUILT_IN)
        return std::nullopt;
    return code;
}

std::string LanguageModulePath(std::string_view executablePath, std::string_view code) {
    return std::string(executablePath) + "." + std::string(code);
}

std::optional<std::string> ModuleVersionText(const std::string& modulePath) {
    int major = 0, minor = 0, build = 0;
    std::string buildDate;
    if (QueryModuleVersion(modulePath, 0, major, minor, build, buildDate) == 0)
        return std::nullopt;
    return FormatVersionText(major, minor, build);
}

LanguageCheck CheckLanguageModule(const std::string& executablePath,
                                  const std::string& modulePath) {
    if (!IsReadableFile(modulePath))
        return LanguageCheck::Missing;
    const std::optional<std::string> own = ModuleVersionText(executablePath);
    const std::optional<std::string> module = ModuleVersionText(modulePath);
    // A module without a version cannot be shown to fit.
    if (!own || !module || *own != *module)
        return LanguageCheck::OutOfDate;
    return LanguageCheck::Usable;
}

}  // namespace grafyon
