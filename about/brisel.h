// Exported functions of the about library: the family's about box and program report.
#pragma once

#include <string>

#include "common/export.h"

class QPixmap;

// Module index (1 to 31; 0 is the library itself and never asked) into the outputs;
// non-zero when the module exists.
using BriselModuleCallback = int (*)(int index, std::string& module, int& major, int& minor,
                                     int& build, std::string& date, void* user);
// Option index (0 to 127); non-zero when the option exists.
using BriselOptionCallback = int (*)(int index, int& status, std::string& name,
                                     std::string& comment, void* user);
// Settings line index (0 to 1023); non-zero when the line exists.
using BriselSettingsCallback = int (*)(int index, std::string& line, void* user);

inline constexpr int BRISEL_INTERFACE_VERSION = 1;
// Modal results of BriselDoModal.
inline constexpr int BRISEL_IDOK = 1;
inline constexpr int BRISEL_IDCANCEL = 2;

// The settings below live once per process until they are set again. A null text counts
// as empty. Callbacks and their user pointers must stay valid for every later
// BriselDoModal.

// Enables the Version and Options pages with the program's name, version and modules.
GRAFYON_EXPORT void BriselSetVersionPage(const char* program, int major, int minor, int build,
                                         const char* date, BriselModuleCallback callback,
                                         void* user);
GRAFYON_EXPORT void BriselSetOptionPage(BriselOptionCallback callback, void* user);
GRAFYON_EXPORT void BriselSetSystemPage();
// Enables the Report file page; the callback adds the program's settings to the report.
GRAFYON_EXPORT void BriselSetLogfilePage(BriselSettingsCallback callback, void* user);
// Each non-null argument replaces the stored path; returns 0.
GRAFYON_EXPORT int BriselSetOEMFiles(const char* addressIni, const char* smallBitmap,
                                     const char* largeBitmap);
// Shows the about box modally (with its own QApplication when the host has none) and
// returns BRISEL_IDOK or BRISEL_IDCANCEL. picture (may be null) heads the Version page.
GRAFYON_EXPORT int BriselDoModal(const QPixmap* picture);
GRAFYON_EXPORT int BriselGetInterfaceVersion();
// Name "About DLL" and the version of the library's own file.
GRAFYON_EXPORT void BriselFilterVersion(std::string& name, int& major, int& minor, int& build,
                                        std::string& date);
