// The viewer's exit status (also listed in the README).
#pragma once

namespace grafyon {

// A run that the user (or a termination signal) ended, or an unattended run whose file
// opened and whose requested export succeeded.
inline constexpr int GRAFY_EXIT_SUCCESS = 0;
// Start-up failed for another reason than the file (for example no main window).
inline constexpr int GRAFY_EXIT_STARTUP_FAILED = 1;
// An unattended run opened no measurement: the named file could not be opened, none was
// named, or the opened file holds no data that could be exported. (Without "AutoExit" a
// file that does not open leaves the viewer running with an empty document.)
inline constexpr int GRAFY_EXIT_NOT_OPENED = 2;
// The requested export ran and failed.
inline constexpr int GRAFY_EXIT_EXPORT_FAILED = 3;

}  // namespace grafyon
