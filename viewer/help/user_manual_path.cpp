// Resolution of the user manual's path.
#include "user_manual_path.h"

#include <system_error>

namespace grafyon {

namespace {

bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

}  // namespace

std::vector<std::filesystem::path> UserManualFolders(const std::filesystem::path& applicationDir) {
    return {applicationDir / USER_MANUAL_FOLDER,
            (applicationDir / USER_MANUAL_INSTALLED_FOLDER).lexically_normal()};
}

std::optional<std::filesystem::path> ResolveUserManualPath(
    const std::filesystem::path& applicationDir, const std::vector<std::string>& fileNames) {
    if (applicationDir.empty())
        return std::nullopt;
    for (const std::filesystem::path& folder : UserManualFolders(applicationDir)) {
        for (const std::string& name : fileNames) {
            if (!IsPlainFileName(name))
                continue;
            const std::filesystem::path candidate = folder / name;
            std::error_code error;
            if (std::filesystem::is_regular_file(candidate, error))
                return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace grafyon
