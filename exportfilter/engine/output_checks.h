// Confirming one output file: the "Save as" dialog and the checks against the source
// measurement, names already given out, and existing files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "quenar_file.h"

namespace grafyon::exportfilter {

struct TargetRequest {
    int titleId = 0;             // "Data file - Save as" or "Description file - Save as"
    std::string fileTypeFilter;  // the format's filter string
    bool withDialog = false;
    int overwrite = 0;  // 0 never, 1 after asking, 2 without asking
    std::string sourcePath;
    // Names this naming gave out already, with the message and result for a clash.
    std::vector<std::string> taken;
    int takenMessage = 0;
    int takenResult = 0;
    // The longest file name without folder, in Windows-1252 bytes; 0 for no limit.
    std::size_t maxNameBytes = 0;
};

// Whether the file name of path (without its folder) fits a field of maxBytes Windows-1252
// bytes; every name fits when maxBytes is 0.
bool FileNameFits(const std::string& path, std::size_t maxBytes);

// Offers the name in the dialog (when there is one) and checks it, back to the dialog
// after each refusal; without a dialog the first refusal ends. 0 with the confirmed name
// in path, or a NAMING_ failure code. No file is left behind.
int ConfirmTarget(std::string& path, const TargetRequest& request, OutputNamingContext& context);

// Whether target is the source file or one of the data files of its measurement: by the
// text without case, and by device and inode when both exist.
bool IsSourceFile(std::string_view target, std::string_view sourcePath,
                  const std::vector<std::string>& sourceDataFiles);

}  // namespace grafyon::exportfilter
