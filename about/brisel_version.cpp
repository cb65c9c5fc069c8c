// Version function of the about library.
#include "about_strings.h"
#include "brisel.h"
#include "common/version_query.h"

void BriselFilterVersion(std::string& name, int& major, int& minor, int& build, std::string& date) {
    name = BriselString(6);
    grafyon::QueryModuleVersion(
        grafyon::ModulePathOf(reinterpret_cast<const void*>(&BriselFilterVersion)), 0, major, minor,
        build, date);
}
