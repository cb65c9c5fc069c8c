// Building output file names from the source file and the output-file settings.
#pragma once

#include <string>
#include <string_view>

#include "common/quenar_select_item.h"
#include "quenar_file.h"

namespace grafyon::exportfilter {

// The dataset name made fit for a file name: each of " .-\/" and every control character
// becomes "_" (at the first position too), runs of "_" collapse to one, leading ones go
// and one trailing one goes.
std::string CleanDatasetName(std::string_view name);

// The data file of a single-file object for the source file.
std::string BuildSingleDataName(const CQuenarFileSingle& file, std::string_view sourcePath);
// Its description file for the confirmed data file.
std::string BuildDescriptionName(const CQuenarFileSingle& file, std::string_view dataName);

// The data file of one record of a multi-file object; number counts the selected records
// from 1.
std::string BuildMultiDataName(const CQuenarFileMulti& file, const CQuenarSelectItem& record,
                               int number, std::string_view sourcePath);

// The file-type filter of a "Save as" dialog: the format's filter, with an entry for the
// extension in front when the filter does not name it.
std::string FileTypeFilterFor(std::string_view filter, std::string_view extension);

}  // namespace grafyon::exportfilter
