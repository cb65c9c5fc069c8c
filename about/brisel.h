// Exported functions of the about library.
#pragma once

#include <string>

#include "common/export.h"

// Name "About DLL" and the version of the library's own file.
GRAFYON_EXPORT void BriselFilterVersion(std::string& name, int& major, int& minor, int& build,
                                        std::string& date);
