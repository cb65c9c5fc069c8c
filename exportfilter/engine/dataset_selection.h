// Which records an export takes and which channel definition each one feeds.
#pragma once

#include "common/quenar_select_item.h"
#include "quenar_class.h"

namespace grafyon::exportfilter {

struct QuenarLibraryState;

// Results of the dataset selection.
inline constexpr int SELECTION_OK = 0;
inline constexpr int SELECTION_CANCELLED = 1;
inline constexpr int SELECTION_NO_RECORD = 4;       // message 4011
inline constexpr int SELECTION_NO_DEFINITION = 5;   // message 4011
inline constexpr int SELECTION_NOT_MULTIPLIED = 6;  // message 4020

// By the filter's only-selected flag and allocation mode: binds records to channel
// definitions (through the allocation or dataset dialogs where the mode asks for them),
// removes and deletes the records left unselected and the definitions left unbound, and
// with the flag set multiplies the first definition once per record.
int SelectDatasetsFor(QuenarLibraryState& state, QuenarSelectList& records, CQuenarClass& filter);

}  // namespace grafyon::exportfilter
