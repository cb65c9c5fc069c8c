// Where the program report is written, and writing and reading it safely.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace grafyon::about {

inline constexpr char REPORT_FILE_NAME[] = "Vantorel.log";
// A report read back is never longer than this.
inline constexpr std::size_t REPORT_FILE_MAX_BYTES = 16 << 20;

// A folder of the user's own, so no other user can plant the fixed name beforehand:
// $XDG_RUNTIME_DIR when it names a folder, else $XDG_CACHE_HOME (or ~/.cache), created
// for the user alone when missing. Ends without "/"; empty when the user has no home.
std::string ReportFolder();
// Empty when ReportFolder is.
std::string ReportFilePath();

// Creates or truncates path (never through a symbolic link, only a regular file, readable
// by the user alone) and writes the lines, each ended by "\n". False when the file could
// not be created or written completely.
bool WriteReportFile(const std::string& path, const std::vector<std::string>& lines);

// The whole file, read without following a symbolic link; std::nullopt when it cannot be
// read. Longer files are cut at REPORT_FILE_MAX_BYTES.
std::optional<std::string> ReadReportFile(const std::string& path);

}  // namespace grafyon::about
