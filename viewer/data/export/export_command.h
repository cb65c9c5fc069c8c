// grafyon-export: the shell's way to the viewer's export routine, without a display.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace grafyon {

// Bad usage; every other non-zero status comes from the export (ExportExitStatus).
inline constexpr int EXPORT_EXIT_USAGE = 64;

struct ExportCommandLine {
    std::string file;
    std::string filterName;
    std::int64_t firstFrame = 0;   // counted from 0
    std::int64_t frameCount = -1;  // -1: to the end
    std::string outputPath;
    std::string filtersFolder;  // searched before the viewer's folders
    bool listFilters = false;
    bool help = false;
};

// The folders in which the viewer finds its filters.
struct FilterSearchFolders {
    std::string local;
    std::string shared;
};

extern const char* const EXPORT_COMMAND_USAGE;

// The arguments after the program name; false with a one-line reason for bad usage.
bool ParseExportCommandLine(std::span<const std::string> arguments, ExportCommandLine& line,
                            std::string& error);

// The exit status of an export result: 0 for success, otherwise the result as exit()
// passes it on (its low eight bits), never 0.
int ExportExitStatus(int result);

// A filter NAME.yef in the folder: the file name exactly, else without regard to case.
bool FolderHoldsFilter(const std::string& folder, const std::string& name);

// The "*.yef" files of the folder (regular files, not hidden), ordered by name without case.
std::vector<std::string> FilterFilesOf(const std::string& folder);

// Lists the filters (--list-filters) or opens the file and exports it. Messages of the
// export library and of the export go to standard error, the list to out. The exit status.
int RunExportCommand(const ExportCommandLine& line, const FilterSearchFolders& folders,
                     std::FILE* out, std::FILE* err);

}  // namespace grafyon
