// Where a description's data files lie: beside the description, named without a folder.
#pragma once

#include <string>

namespace grafyon {

// Joins a folder and a file name with "/" (no second "/" when the folder ends in one).
std::string JoinPath(const std::string& folder, const std::string& name);

// A stored data-file name must name a file beside the description: not empty, not "." or
// "..", and without "/" or "\". Other dots ("run..1.dta") are part of an ordinary name.
bool IsPlainDataFileName(const std::string& name);

// Whether two file names are equal when case is ignored as Windows ignores it for the
// characters a stored name can hold (Windows-1252); names with other characters must be
// equal byte for byte.
bool EqualsIgnoringCase(const std::string& a, const std::string& b);

// The path of the data file name in folder. Recordings made on Windows may name their
// files in another case than the files have, so: the exact name when an entry of that name
// exists; otherwise the regular file of the folder whose name equals it ignoring case (the
// byte-wise smallest name when several do); otherwise the exact name, which then does not
// open. A name that is not plain is only joined, never looked up.
std::string FindDataFile(const std::string& folder, const std::string& name);

}  // namespace grafyon
