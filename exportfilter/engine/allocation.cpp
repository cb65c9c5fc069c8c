// Allocation entries and the OK rules of the allocation and dataset-choice dialogs.
#include "allocation.h"

#include <algorithm>

#include "export_strings.h"
#include "path_text.h"

namespace grafyon::exportfilter {

namespace {

void ClearSelection(QuenarSelectList& records) {
    for (auto& record : records) {
        record->selected = 0;
        record->channelDef = nullptr;
    }
}

}  // namespace

void AppendAllocationEntries(const ChannelDefList& definitions,
                             std::vector<QuenarAllocationEntry>& entries) {
    for (const auto& definition : definitions) {
        if (definition->TakesDataset())
            entries.push_back(
                {definition->identifier, definition->defaultDataset, definition.get()});
    }
}

void AllocateDefaults(std::vector<QuenarAllocationEntry>& entries) {
    for (QuenarAllocationEntry& entry : entries)
        entry.source = entry.definition ? entry.definition->defaultDataset : std::string();
}

AllocationOutcome ConfirmAllocation(const std::vector<QuenarAllocationEntry>& entries,
                                    QuenarSelectList& records, QuenarMessenger& messenger) {
    // A second OK after a refusal starts from a clean slate.
    ClearSelection(records);
    if (entries.empty()) {
        messenger.Message(QUENAR_MSG_SELECT_VALID_DATASET);
        return AllocationOutcome::NoRow;
    }
    std::vector<const CQuenarSelectItem*> bound;
    for (const QuenarAllocationEntry& entry : entries) {
        auto record = std::find_if(records.begin(), records.end(),
                                   [&](const auto& r) { return r->name == entry.source; });
        if (record == records.end())
            continue;
        (*record)->selected = 1;
        (*record)->channelDef = entry.definition;
        bound.push_back(record->get());
    }
    if (bound.empty()) {
        messenger.Message(QUENAR_MSG_SELECT_VALID_DATASET);
        return AllocationOutcome::NoDataset;
    }
    std::sort(bound.begin(), bound.end());
    if (std::adjacent_find(bound.begin(), bound.end()) != bound.end()) {
        messenger.Message(QUENAR_MSG_DATASET_ON_SEVERAL_CHANNELS);
        ClearSelection(records);
        return AllocationOutcome::DatasetTwice;
    }
    return AllocationOutcome::Accepted;
}

bool ConfirmDatasetChoice(QuenarSelectList& records, const std::vector<bool>& chosen,
                          QuenarMessenger& messenger) {
    ClearSelection(records);
    std::vector<CQuenarSelectItem*> picked;
    std::size_t i = 0;
    for (auto& record : records) {
        if (i < chosen.size() && chosen[i])
            picked.push_back(record.get());
        ++i;
    }
    if (picked.empty()) {
        messenger.Message(QUENAR_MSG_SELECT_VALID_DATASET);
        return false;
    }
    for (CQuenarSelectItem* record : picked)
        record->selected = 1;
    for (std::size_t a = 0; a < picked.size(); ++a) {
        for (std::size_t b = a + 1; b < picked.size(); ++b) {
            if (!EqualsIgnoringCase(picked[a]->name, picked[b]->name))
                continue;
            if (messenger.Ask(QUENAR_MSG_DATASET_TWICE_QUESTION, picked[a]->name))
                return true;
            ClearSelection(records);
            return false;
        }
    }
    return true;
}

}  // namespace grafyon::exportfilter
