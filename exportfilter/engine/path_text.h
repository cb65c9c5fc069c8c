// Text helpers for file paths and stored texts: separators, splitting, joining, comparing
// without case, and the line ends of stored text fields.
#pragma once

#include <string>
#include <string_view>

namespace grafyon::exportfilter {

// A path as stored by other tools of the family: "\" becomes "/" unless the path begins
// with a drive letter (such a path cannot mean anything here and is kept as it is).
std::string PathFromFile(std::string path);

// folder + name with exactly the one "/" between them; an empty folder gives name.
std::string JoinPath(std::string_view folder, std::string_view name);

// A path in three parts: folder (with its trailing "/", or empty), name, and extension
// (with its leading ".", or empty). A leading dot of the file name belongs to the name.
struct PathParts {
    std::string folder;
    std::string name;
    std::string extension;

    std::string Joined() const { return folder + name + extension; }
};
PathParts SplitPath(std::string_view path);

// ASCII letters compared without case; every other byte as it is.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// Orders without case first and bytewise among names that differ only in case.
bool NameLess(std::string_view a, std::string_view b);

// Text fields keep the CR LF line ends of the files; an editor works with "\n".
std::string LineFeedsToCrLf(std::string_view text);
std::string CrLfToLineFeeds(std::string_view text);

}  // namespace grafyon::exportfilter
