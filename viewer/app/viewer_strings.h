// The viewer's numbered texts: English built in, other languages from the language module.
#pragma once

#include "viewer/strings/numbered_text.h"

#include <QString>

#include <span>

namespace grafyon {

using grafyon::VIEWER_STRINGS_CONTEXT;
using grafyon::ViewerStringEntry;

inline constexpr int GRAFY_STR_OLE_INIT_FAILED = 100;
inline constexpr int GRAFY_STR_DOC_TEMPLATE = 128;  // parts: see doc_template_string.h
inline constexpr int GRAFY_STR_OPEN_FILTER = 1056;
inline constexpr int GRAFY_STR_LANGUAGE_MISSING = 4103;
inline constexpr int GRAFY_STR_LANGUAGE_OUT_OF_DATE = 4104;
// Texts that came without a number get numbers from 4200 up.
inline constexpr int GRAFY_STR_CANNOT_OPEN_FILE = 4200;  // "%1": the file's path
inline constexpr int GRAFY_STR_APP_NAME = 4201;          // message box titles
// Why an unattended run ("AutoExit") ends with a non-zero exit status.
inline constexpr int GRAFY_STR_AUTO_EXIT_NO_FILE = 4202;
inline constexpr int GRAFY_STR_AUTO_EXIT_NOT_OPENED = 4203;     // "%1": the file
inline constexpr int GRAFY_STR_AUTO_EXIT_EXPORT_FAILED = 4204;  // "%1": filter, "%2": result
// A data file that ends early: "%1" its path, "%2" the missing and "%3" the declared samples.
inline constexpr int GRAFY_STR_SHORT_DATA_FILE = 4205;
// A further file of an unattended run's command line: "%1" its path.
inline constexpr int GRAFY_STR_AUTO_EXIT_MORE_FILES = 4206;

// The built-in table in ascending order of numbers.
std::span<const ViewerStringEntry> ViewerStringTable();

// The text of id from the installed translation, else the built-in English; empty when the
// number is unknown.
QString ViewerString(int id);

// The built-in English text alone.
QString ViewerStringEnglish(int id);

}  // namespace grafyon
