// Naming the result of a link and checking the chosen name.
#include "link_target.h"

#include <filesystem>

#include "common/codec_1252.h"
#include "viewer/data/data_file_path.h"

namespace grafyon {

namespace {

constexpr std::size_t DATA_FILE_NAME_CHARS = 127;
// Long enough for any sensible series; the file system refuses longer names anyway.
constexpr std::size_t MAX_PROPOSAL_MARKS = 200;

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

bool EndsWithMdf(const std::string& path) {
    const std::string name = FileNameOf(path);
    return name.size() > 4 && EqualsIgnoringCase(name.substr(name.size() - 4), ".mdf");
}

std::string Absolute(const std::string& path) {
    std::error_code error;
    return std::filesystem::absolute(path, error).lexically_normal().string();
}

// The same file by identity, or the same path when case is ignored as the recordings'
// home system ignores it.
bool SameOrSameName(const std::string& a, const std::string& b) {
    return SameFile(a, b) || EqualsIgnoringCase(Absolute(a), Absolute(b));
}

}  // namespace

std::string ProposeLinkName(const std::string& firstPath) {
    const std::string name = FileNameOf(firstPath);
    const std::size_t dot = name.rfind('.');
    std::string stem = firstPath;
    if (dot != std::string::npos && dot > 0)
        stem = firstPath.substr(0, firstPath.size() - (name.size() - dot));
    stem += '_';
    for (std::size_t marks = 1; marks <= MAX_PROPOSAL_MARKS; ++marks) {
        stem += 'x';
        if (!Exists(stem + ".mdf"))
            return stem + ".mdf";
    }
    return {};
}

std::string LinkTargetPath(const std::string& chosen) {
    if (chosen.empty() || EndsWithMdf(chosen))
        return chosen;
    return chosen + ".mdf";
}

std::string LinkDataFilePath(const std::string& target) {
    const std::string path = LinkTargetPath(target);
    return path.substr(0, path.size() - 4) + ".dta";
}

bool StorableDataFileName(const std::string& name) {
    const std::string stored = Utf8ToCp1252(name);
    return IsPlainDataFileName(name) && stored.size() <= DATA_FILE_NAME_CHARS &&
           stored.find('\0') == std::string::npos && Cp1252ToUtf8(stored) == name;
}

LinkTargetProblem CheckLinkTarget(const std::vector<LinkSource>& sources, const std::string& chosen,
                                  LinkMode mode) {
    const std::string target = LinkTargetPath(chosen);
    if (target.empty() || sources.empty())
        return LinkTargetProblem::NamedAsSource;
    if (mode == LinkMode::Link && !SameFile(FolderOf(target), FolderOf(sources.front().path)))
        return LinkTargetProblem::WrongFolder;
    const std::string dataFile = LinkDataFilePath(target);
    for (const LinkSource& source : sources) {
        std::vector<std::string> files{source.path};
        if (source.description != nullptr) {
            for (const DataFileElement* file : source.description->DataFiles())
                files.push_back(file->fullPath);
        }
        for (const std::string& file : files) {
            if (SameOrSameName(target, file))
                return LinkTargetProblem::NamedAsSource;
            if (mode == LinkMode::Merge && SameOrSameName(dataFile, file))
                return LinkTargetProblem::NamedAsSource;
        }
    }
    if (mode == LinkMode::Merge &&
        (!StorableDataFileName(FileNameOf(dataFile)) || SameFile(dataFile, target)))
        return LinkTargetProblem::BadName;
    return LinkTargetProblem::None;
}

}  // namespace grafyon
