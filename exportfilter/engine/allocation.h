// Binding dataset records to channel definitions: the allocation entries and the rules the
// "Allocation of datasets" and "Select datasets" dialogs apply on OK.
#pragma once

#include <string>
#include <vector>

#include "channel_def.h"
#include "common/quenar_select_item.h"
#include "quenar_message.h"

namespace grafyon::exportfilter {

// One row of the allocation dialog.
struct QuenarAllocationEntry {
    std::string identifier;         // the definition's identifier
    std::string source;             // the chosen dataset name; first the default dataset
    CQuenarChannelDef* definition;  // owned by the filter
};

// One entry per definition that takes a dataset, in list order.
void AppendAllocationEntries(const ChannelDefList& definitions,
                             std::vector<QuenarAllocationEntry>& entries);

// "&Automatic": every row takes its definition's default dataset.
void AllocateDefaults(std::vector<QuenarAllocationEntry>& entries);

enum class AllocationOutcome {
    Accepted,
    NoRow,         // message 4011, the dialog stays
    NoDataset,     // no row found a record: message 4011, the dialog stays
    DatasetTwice,  // message 4017: nothing stays selected, the dialog stays
};

// OK of the allocation dialog: each row selects the first record of its source name and
// binds it to the row's definition.
AllocationOutcome ConfirmAllocation(const std::vector<QuenarAllocationEntry>& entries,
                                    QuenarSelectList& records, QuenarMessenger& messenger);

// OK of the dataset choice: chosen[i] says whether the i-th record (list order) is chosen.
// True when the dialog may close: something was chosen (else 4011) and, when a name was
// chosen twice (ignoring case), question 4018 was answered Yes. When the dialog stays,
// no record is left selected.
bool ConfirmDatasetChoice(QuenarSelectList& records, const std::vector<bool>& chosen,
                          QuenarMessenger& messenger);

}  // namespace grafyon::exportfilter
