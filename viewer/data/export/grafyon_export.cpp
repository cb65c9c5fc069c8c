// grafyon-export: exports a measurement with an export filter from the shell, no display.
#include <cstdio>
#include <string>
#include <vector>

#include "environment/varnokastell.h"
#include "export_command.h"
#include "viewer/app/export_filter_folders.h"
#include "viewer/app/viewer_identity.h"

int main(int argc, char** argv) {
    using namespace grafyon;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    ExportCommandLine line;
    std::string error;
    if (!ParseExportCommandLine(arguments, line, error)) {
        std::fprintf(stderr, "grafyon-export: %s\n%s", error.c_str(), EXPORT_COMMAND_USAGE);
        return EXPORT_EXIT_USAGE;
    }
    if (line.help) {
        std::fputs(EXPORT_COMMAND_USAGE, stdout);
        return 0;
    }
    // The folders the viewer tells the export library at its start.
    VarnokastellInitial(ENVIRONMENT_CALLER, 1, 0);
    std::string shared;
    VarnokastellGetProperty(ENVIRONMENT_CALLER, VRNK_LOCAL_GLOBAL_FILTER_PATH, shared);
    const FilterSearchFolders folders{LocalExportFilterFolder(), SharedExportFilterFolder(shared)};
    return RunExportCommand(line, folders, stdout, stderr);
}
