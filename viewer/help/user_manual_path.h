// Where the user manual lies: beside the executable in a build tree, under share/ when installed.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace grafyon {

// The manual's folder beside the executable, as the build tree has it.
inline constexpr char USER_MANUAL_FOLDER[] = "help";
// The installed folder relative to the executable's folder.
inline constexpr char USER_MANUAL_INSTALLED_FOLDER[] = "../share/grafyon/help";
// The English manual, taken when the translated name finds nothing.
inline constexpr char USER_MANUAL_ENGLISH[] = "GrafyonEnu.html";

// The folders searched, in order, for an executable in applicationDir.
std::vector<std::filesystem::path> UserManualFolders(const std::filesystem::path& applicationDir);

// The first regular file among the folders and names (names in order of preference within
// each folder). A name must be a plain file name: one with a folder part or ".." is skipped,
// since the name comes from a translation.
std::optional<std::filesystem::path> ResolveUserManualPath(
    const std::filesystem::path& applicationDir, const std::vector<std::string>& fileNames);

}  // namespace grafyon
