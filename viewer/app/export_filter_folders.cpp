// Where the viewer's export filter definitions live.
#include "export_filter_folders.h"

#include <cstdlib>

#include "common/installed_filters.h"

namespace grafyon {

namespace {

std::string WithTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

}  // namespace

std::string LocalExportFilterFolder() {
    std::string base;
    // XDG base directories must be absolute; a relative value is ignored.
    if (const char* dataHome = std::getenv("XDG_DATA_HOME");
        dataHome != nullptr && dataHome[0] == '/') {
        base = dataHome;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        base = WithTrailingSlash(home) + ".local/share";
    } else {
        return {};
    }
    return WithTrailingSlash(base) + "Vantorelline/Grafyon/ExportFilter/";
}

std::string SharedExportFilterFolder(std::string configured) {
    if (configured.empty())
        return InstalledFilterFolder();
    return WithTrailingSlash(std::move(configured));
}

}  // namespace grafyon
