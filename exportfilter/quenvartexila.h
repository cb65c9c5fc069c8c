// Exported functions of the export filter library.
#pragma once

#include <string>

#include "common/export.h"

// Name "Export Filter DLL" and the version of the library's own file.
GRAFYON_EXPORT void QuenvartexilaVersion(std::string& name, int& major, int& minor, int& build,
                                         std::string& buildDate);
