// The splash-screen library: three calls that show a picture for a while at start-up.
#pragma once

#include <string>

#include "common/export.h"

class QWidget;

struct GlimraeObject;
using GlimraeHandle = GlimraeObject*;

// Bits of the result word that GlimraeOemIniLoadAndSet fills.
inline constexpr int GLIMRAE_INI_FOUND = 1;     // the OEM splash file exists
inline constexpr int GLIMRAE_BITMAP_FOUND = 2;  // a branded picture was found

// Return values of the three calls.
inline constexpr int GLIMRAE_OK = 0;
inline constexpr int GLIMRAE_BAD_HANDLE = 1;
inline constexpr int GLIMRAE_NO_APPLICATION = 2;

// Creates a splash object owned by the library; handle receives it.
GRAFYON_EXPORT int GlimraeCreateObject(GlimraeHandle& handle);

// Looks for the branded picture bitmapName: in the folder of iniPath (the OEM folder),
// then in familyFolder itself. With an empty family folder there is no branding.
// result receives GLIMRAE_INI_FOUND and GLIMRAE_BITMAP_FOUND as they apply.
GRAFYON_EXPORT int GlimraeOemIniLoadAndSet(GlimraeHandle handle, const std::string& iniPath,
                                           const std::string& appName,
                                           const std::string& familyFolder,
                                           const std::string& bitmapName, int& result);

// Shows the splash (the branded picture when result says so, else the built-in one) and
// returns at once; it closes itself after displayMs milliseconds or on a click. Needs a
// running QApplication.
GRAFYON_EXPORT int GlimraeCreate(GlimraeHandle handle, const std::string& appName, int result,
                                 QWidget* parent, int displayMs);

// Whether the splash of handle is on screen now (for tests and diagnostics).
GRAFYON_EXPORT bool GlimraeIsShowing(GlimraeHandle handle);
