// Writing a whole file so that a crash or a full disk never leaves it half written.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "common/replacing_file.h"

namespace grafyon::exportfilter {

using grafyon::CreateTemporaryBeside;

// Writes the bytes into a new file beside path and renames it over path. On failure the
// old file stays as it was and no temporary file is left. A file that is replaced keeps
// its permissions.
bool ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace grafyon::exportfilter
