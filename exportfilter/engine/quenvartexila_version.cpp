// Version function of the export filter library.
#include "common/version_query.h"
#include "export_strings.h"
#include "exportfilter/quenvartexila.h"

void QuenvartexilaVersion(std::string& name, int& major, int& minor, int& build,
                          std::string& buildDate) {
    try {
        name = grafyon::exportfilter::QuenarString(grafyon::exportfilter::QUENAR_STR_LIBRARY_NAME);
        grafyon::QueryModuleVersion(
            grafyon::ModulePathOf(reinterpret_cast<const void*>(&QuenvartexilaVersion)), 0, major,
            minor, build, buildDate);
    } catch (...) {
        // No exception leaves the library; what could not be read stays as it was.
    }
}
