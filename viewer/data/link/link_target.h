// The file that a link creates: the proposed name, the name completed to ".mdf", the new
// data file beside it, and the complaints about a chosen name.
#pragma once

#include <string>
#include <vector>

#include "link_check.h"

namespace grafyon {

// The two ways of joining recordings.
enum class LinkMode : int {
    Link = 0,   // one description that refers to the original data files
    Merge = 1,  // one description and one data file with all frames
};

// The first file's path without its extension, "_" and as many "x" as it takes until that
// name with ".mdf" does not exist yet: run1.mdf gives run1_x.mdf, then run1_xx.mdf. Empty
// when no free name is found.
std::string ProposeLinkName(const std::string& firstPath);

// The chosen name with ".mdf" appended when it does not end in ".mdf" (any case).
std::string LinkTargetPath(const std::string& chosen);
// The new data file of a merge: the target with its ".mdf" (any case) replaced by ".dta".
std::string LinkDataFilePath(const std::string& target);

// What is wrong with a target, checked before anything is written.
enum class LinkTargetProblem {
    None,
    WrongFolder,    // linking in place: the target is not in the first file's folder
    NamedAsSource,  // the target or its data file is a listed file or one of their data files
    BadName,        // the data file name does not fit its field, or names the target itself
};

// Checks the target (completed to ".mdf") against the sources, by name ignoring case and by
// file identity.
LinkTargetProblem CheckLinkTarget(const std::vector<LinkSource>& sources, const std::string& target,
                                  LinkMode mode);

// A data file name that the 128-byte field holds and that reads back as written.
bool StorableDataFileName(const std::string& name);

}  // namespace grafyon
