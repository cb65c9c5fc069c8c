// Entry points of the range dialogs for the main window's range commands.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "viewer/view/model/range_list.h"

class QWidget;

namespace grafyon {

// The second border: opens "Range properties" with the two borders (0-based samples) and
// adds the range on OK. The caller clears the first-border mark before and redraws after,
// also after Cancel. True when a range was added.
bool RunRangePropertiesDialog(QWidget* parent, CRangeList& list, std::int64_t firstBorder,
                              std::int64_t cursorSample, std::int64_t sampleCount);

// "Ranges" on a copy of the list; OK replaces the list's contents by the copy (the list
// object stays the same, so links to it stay valid). True after OK.
bool RunRangesDialog(QWidget* parent, CRangeList& documentList, std::int64_t sampleCount);

// "Show Ranges": the 0-based samples to show after OK with a selection, else nothing.
std::optional<std::pair<std::int64_t, std::int64_t>> RunShowRangesDialog(QWidget* parent,
                                                                         const CRangeList& list);

}  // namespace grafyon
