// The program report: the text that the Report file page writes, shows, prints and mails.
#pragma once

#include <string>
#include <vector>

#include "brisel_settings.h"
#include "oem_profile.h"

namespace grafyon::about {

// The report's lines. library is the about library's own version (row 1 of the module
// list); tarko the value of the environment variable TARKO, null when it is not set.
std::vector<std::string> ProgramReportLines(const BriselSettings& settings, const OemProfile& oem,
                                            const ModuleRow& library, const char* tarko);

}  // namespace grafyon::about
