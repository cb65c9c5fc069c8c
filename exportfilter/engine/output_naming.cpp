// Building output file names.
#include "output_naming.h"

#include <algorithm>

#include "common/printf_format.h"
#include "export_strings.h"
#include "path_text.h"

namespace grafyon::exportfilter {

namespace {

bool IsReplaced(unsigned char c) {
    return c == ' ' || c == '.' || c == '-' || c == '\\' || c == '/' || c < 0x20 || c == 0x7F;
}

// "." + extension, whether or not the stored extension has its dot already.
std::string DottedExtension(std::string_view extension) {
    if (extension.empty())
        return {};
    if (extension.front() == '.')
        return std::string(extension);
    return "." + std::string(extension);
}

// A user-given name replaces the name and extension, and the folder when it holds one.
// Without a name part the parts stay as they were.
void TakeUserName(PathParts& parts, std::string_view userName) {
    const PathParts user = SplitPath(userName);
    if (user.name.empty())
        return;
    if (!user.folder.empty())
        parts.folder = user.folder;
    parts.name = user.name;
    parts.extension = user.extension;
}

void ApplyPathMode(PathParts& parts, const CQuenarFile& file) {
    // An empty user path would mean the root folder; the source's folder stays instead.
    if (file.UsedPathMode() == 1 && !file.userPath.empty())
        parts.folder = JoinPath(file.userPath, "");
}

std::string SourceOrDefault(std::string_view sourcePath) {
    return sourcePath.empty() ? std::string("test.dat") : std::string(sourcePath);
}

}  // namespace

std::string CleanDatasetName(std::string_view name) {
    std::string clean;
    clean.reserve(name.size());
    for (char c : name) {
        const char out = IsReplaced(static_cast<unsigned char>(c)) ? '_' : c;
        if (out == '_' && (clean.empty() || clean.back() == '_'))
            continue;  // no leading "_" and no runs
        clean += out;
    }
    if (!clean.empty() && clean.back() == '_')
        clean.pop_back();
    return clean;
}

std::string BuildSingleDataName(const CQuenarFileSingle& file, std::string_view sourcePath) {
    PathParts parts = SplitPath(SourceOrDefault(sourcePath));
    switch (std::clamp(file.dataNameMode, 0, 2)) {
        case 1:
            TakeUserName(parts, file.userDataName);
            break;
        case 2:
            parts.extension = DottedExtension(file.dataExtension);
            break;
        default:
            break;
    }
    ApplyPathMode(parts, file);
    return parts.Joined();
}

std::string BuildDescriptionName(const CQuenarFileSingle& file, std::string_view dataName) {
    PathParts parts = SplitPath(dataName);
    if (file.descriptionNameMode == 1 && !SplitPath(file.userDescriptionName).name.empty()) {
        // A bare name goes beside the data file.
        TakeUserName(parts, file.userDescriptionName);
        return parts.Joined();
    }
    parts.extension = DottedExtension(file.descriptionExtension);
    return parts.Joined();
}

std::string BuildMultiDataName(const CQuenarFileMulti& file, const CQuenarSelectItem& record,
                               int number, std::string_view sourcePath) {
    PathParts parts = SplitPath(record.file.empty() ? SourceOrDefault(sourcePath) : record.file);
    if (file.nameMode == 1)
        TakeUserName(parts, file.userName);
    if (parts.extension.empty())
        parts.extension = DottedExtension(file.defaultExtension);
    const std::string baseExtension = parts.extension;

    const std::string clean = CleanDatasetName(record.name);
    switch (file.UsedBuildMode()) {
        case 0:
            if (!clean.empty())
                parts.name += "_" + clean;
            break;
        case 1:
            parts.name = FormatPrintf("%s%02d", parts.name, number);
            break;
        case 2:
            // The definition's own name; without one the dataset name is attached.
            if (!SplitPath(record.dataFileName).name.empty()) {
                TakeUserName(parts, record.dataFileName);
                if (parts.extension.empty())
                    parts.extension = baseExtension;
            } else if (!clean.empty()) {
                parts.name += "_" + clean;
            }
            break;
        case 3:
            if (!clean.empty())
                parts.name = clean;
            break;
        default:
            break;
    }
    ApplyPathMode(parts, file);
    return parts.Joined();
}

std::string FileTypeFilterFor(std::string_view filter, std::string_view extension) {
    if (extension.empty())
        return std::string(filter);
    const std::string pattern = "*" + std::string(extension);
    for (std::size_t i = 0; i + pattern.size() <= filter.size(); ++i) {
        if (EqualsIgnoringCase(filter.substr(i, pattern.size()), pattern)) {
            const std::size_t end = i + pattern.size();
            // "*.txt" must not count as "*.t".
            if (end == filter.size() || filter[end] == '|' || filter[end] == ';' ||
                filter[end] == ')' || filter[end] == ' ')
                return std::string(filter);
        }
    }
    std::string entry = QuenarString(QUENAR_STR_EXTRA_FILE_TYPE);
    for (std::size_t at = entry.find("%s"); at != std::string::npos; at = entry.find("%s", at)) {
        entry.replace(at, 2, extension);
        at += extension.size();
    }
    return entry + std::string(filter);
}

}  // namespace grafyon::exportfilter
