// Lines of the program report.
#include "program_report.h"

#include "common/printf_format.h"
#include "support_address.h"

namespace grafyon::about {

namespace {

const std::string RULE(60, '=');

// A block heading after a blank line, underlined where the report always underlined it.
void AddHeading(std::vector<std::string>& lines, const std::string& heading, bool underline) {
    lines.push_back({});
    lines.push_back(heading);
    if (underline)
        lines.push_back(std::string(heading.size(), '='));
}

}  // namespace

std::vector<std::string> ProgramReportLines(const BriselSettings& settings, const OemProfile& oem,
                                            const ModuleRow& library, const char* tarko) {
    std::vector<std::string> lines = {RULE, "Vantorelline Program Report", RULE};
    if (settings.versionPage) {
        lines.push_back({});
        lines.push_back("Program: " + settings.program);
        lines.push_back(FormatPrintf("Version: %d.%d", settings.major, settings.minor));
        lines.push_back(FormatPrintf("BuildNo: %d", settings.build));
        lines.push_back("Date: " + settings.date);
        lines.push_back({});
    }
    lines.push_back("Support address");
    lines.push_back("===============");
    lines.push_back("Please send this report to the following address:");
    lines.push_back({});
    for (std::string& line : ReportSupportLines(oem))
        lines.push_back(std::move(line));

    if (settings.moduleCallback) {
        AddHeading(lines, "Modul versions", true);
        lines.push_back("No. - Modul - Version - Build - Date");
        for (const ModuleRow& row : CollectModules(settings, library)) {
            lines.push_back(FormatPrintf("%3d - %s - %d.%d - %d - %s", row.number, row.name.c_str(),
                                         row.major, row.minor, row.build, row.date.c_str()));
        }
    }

    AddHeading(lines, "Environment settings", false);
    // An unset variable reads as empty text, never as a null string in the format.
    lines.push_back(std::string("TARKO: ") + (tarko ? tarko : ""));

    if (settings.optionCallback) {
        AddHeading(lines, "Program options", false);
        lines.push_back("No. - Status - Name - Comment");
        for (const OptionRow& row : CollectOptions(settings)) {
            lines.push_back(FormatPrintf("%3d - %2d - %s - %s", row.number, row.status,
                                         row.name.c_str(), row.comment.c_str()));
        }
    }
    if (settings.settingsCallback) {
        AddHeading(lines, "Program settings", false);
        for (std::string& line : CollectSettingsLines(settings))
            lines.push_back(std::move(line));
    }

    const AddressBlock family = BuiltInAddress();
    lines.push_back({});
    lines.push_back(RULE);
    for (const std::string* line : {&family.company, &family.street, &family.town, &family.land})
        lines.push_back(*line);
    lines.push_back("End Of Report");
    lines.push_back(RULE);
    return lines;
}

}  // namespace grafyon::about
