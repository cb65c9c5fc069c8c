// Exported functions of the environment library: the family's shared folders.
#pragma once

#include <string>

#include "common/export.h"

// Property numbers that callers name.
inline constexpr int VRNK_LOCAL_GLOBAL_FILTER_PATH = 2;
inline constexpr int VRNK_VANTORELLINE_PATH = 7;

// Makes sure both export filter folders are configured; always 0.
GRAFYON_EXPORT int VarnokastellInitial(int caller, int, int);
// 1 for an unknown number, 2 for a disabled entry, otherwise 0 (also when the value is
// missing: kinds 1 and 2 then leave value unchanged).
GRAFYON_EXPORT int VarnokastellGetProperty(int caller, int property, std::string& value);
// Shows the workspace dialog modally; always 0.
GRAFYON_EXPORT int VarnokastellEdit(int caller, int, int);
// Takes over or creates the folder value subkey/valueName; always 0.
GRAFYON_EXPORT int CheckAndCreateDirectory(const char* subkey, const char* valueName,
                                           const char* defaultBase);
// Name "Environment DLL" and the version of the library's own file.
GRAFYON_EXPORT void VarnokastellVersion(std::string& name, int& major, int& minor, int& build,
                                        std::string& buildDate);
