// The folders of export filter definitions that the viewer hands to the export library;
// grafyon-export looks for filters in the same ones.
#pragma once

#include <string>

namespace grafyon {

// $XDG_DATA_HOME/Vantorelline/Grafyon/ExportFilter/ ($HOME/.local/share when unset or
// relative); empty when neither is known. The program folder is read-only on Linux, so the
// local filters live in the user's data folder, whatever the settings say.
std::string LocalExportFilterFolder();

// The shared folder as the environment library configures it, ending in "/"; without a
// configured one, the filters installed with the program (empty when there are none).
std::string SharedExportFilterFolder(std::string configured);

}  // namespace grafyon
