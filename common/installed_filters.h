// Where the export filters installed with the program lie: share/grafyon/ExportFilter one
// folder over the programs, in an installation ($prefix/bin, $prefix/share) and in the
// build tree (build/bin, build/share) alike. The viewer and grafyon-export take it as the
// global filter folder when none is configured.
#pragma once

#include <filesystem>
#include <string>

namespace grafyon {

// The folder relative to the folder of the program.
inline constexpr char INSTALLED_FILTER_FOLDER[] = "../share/grafyon/ExportFilter";

// The folder for a program in applicationDir, normalised and with a trailing "/", when it
// exists; empty otherwise.
std::string InstalledFilterFolder(const std::filesystem::path& applicationDir);
// The same for the running program.
std::string InstalledFilterFolder();

}  // namespace grafyon
