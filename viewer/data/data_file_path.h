// Where a description's data files lie: beside the description, named without a folder.
#pragma once

#include <string>

namespace grafyon {

// Joins a folder and a file name with "/" (no second "/" when the folder ends in one).
std::string JoinPath(const std::string& folder, const std::string& name);

// A stored data-file name must name a file beside the description: no folder part and
// no "..".
bool IsPlainDataFileName(const std::string& name);

}  // namespace grafyon
