// Version function of the messaging library.
#include "common/ui_language.h"
#include "common/version_query.h"
#include "ko_messaging.h"
#include "messaging_strings.h"

void KoMsgVersion(std::string& name, int& major, int& minor, int& build, std::string& date) {
    name = KoMsgString(1);
    grafyon::QueryModuleVersion(grafyon::ModulePathOf(reinterpret_cast<const void*>(&KoMsgVersion)),
                                0, major, minor, build, date);
}
