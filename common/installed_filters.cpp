// The folder of the installed export filters.
#include "installed_filters.h"

#include <system_error>

#include "version_query.h"

namespace grafyon {

std::string InstalledFilterFolder(const std::filesystem::path& applicationDir) {
    if (applicationDir.empty())
        return {};
    const std::filesystem::path folder =
        (applicationDir / INSTALLED_FILTER_FOLDER).lexically_normal();
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return {};
    std::string text = folder.string();
    if (text.back() != '/')
        text += '/';
    return text;
}

std::string InstalledFilterFolder() {
    const std::string executable = ExecutablePath();
    if (executable.empty())
        return {};
    return InstalledFilterFolder(std::filesystem::path(executable).parent_path());
}

}  // namespace grafyon
