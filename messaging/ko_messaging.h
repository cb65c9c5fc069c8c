// Exported functions of the messaging library.
#pragma once

#include <string>

#include "common/export.h"

// Name "KoMessaging DLL" and the version of the library's own file.
GRAFYON_EXPORT void KoMsgVersion(std::string& name, int& major, int& minor, int& build,
                                 std::string& date);
