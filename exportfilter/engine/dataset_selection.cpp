// The dataset selection.
#include "dataset_selection.h"

#include <algorithm>
#include <set>

#include "common/printf_format.h"
#include "export_strings.h"
#include "library_state.h"

namespace grafyon::exportfilter {

namespace {

constexpr int LOCATION_NOT_MULTIPLIED = 102;

struct DefaultBinding {
    int found = 0;
    int missing = 0;
};

// Each definition that takes a dataset selects the first record of its default dataset.
DefaultBinding BindDefaultDatasets(ChannelDefList* definitions, QuenarSelectList& records) {
    DefaultBinding binding;
    if (definitions == nullptr)
        return binding;
    for (const auto& definition : *definitions) {
        if (!definition->TakesDataset())
            continue;
        auto record = std::find_if(records.begin(), records.end(), [&](const auto& r) {
            return r->name == definition->defaultDataset;
        });
        if (record == records.end()) {
            ++binding.missing;
            continue;
        }
        (*record)->selected = 1;
        (*record)->channelDef = definition.get();
        ++binding.found;
    }
    return binding;
}

bool RunAllocationDialog(QuenarLibraryState& state, QuenarSelectList& records,
                         CQuenarClass& filter) {
    std::vector<QuenarAllocationEntry> entries;
    filter.BuildAllocationList(entries);
    return state.Dialogs().AllocateDatasets(state, filter, entries, records);
}

void RemoveUnboundDefinitions(ChannelDefList* definitions, const QuenarSelectList& records) {
    if (definitions == nullptr)
        return;
    std::set<const CQuenarChannelDef*> bound;
    for (const auto& record : records)
        bound.insert(record->channelDef);
    std::erase_if(*definitions, [&](const auto& definition) {
        return definition->TakesDataset() && bound.count(definition.get()) == 0;
    });
}

// One copy of the first taking definition per record, each bound to its record in order.
int MultiplyTemplate(QuenarLibraryState& state, QuenarSelectList& records, CQuenarClass& filter) {
    ChannelDefList* definitions = filter.GetChannelDefList();
    auto takes = [](const auto& definition) { return definition->TakesDataset() != 0; };
    auto first = definitions ? std::find_if(definitions->begin(), definitions->end(), takes)
                             : ChannelDefList::iterator();
    if (definitions == nullptr || first == definitions->end()) {
        state.messenger.Message(QUENAR_MSG_SELECT_VALID_DATASET);
        return SELECTION_NO_DEFINITION;
    }
    const auto position = static_cast<std::size_t>(first - definitions->begin());
    const CQuenarChannelDef* keep = first->get();
    const std::string identifier = keep->identifier;
    std::erase_if(*definitions, [&](const auto& definition) {
        return takes(definition) && definition.get() != keep;
    });
    const auto copies = static_cast<int>(records.size()) - 1;
    // One record needs no copy; inserting none would count as a failure.
    if (copies > 0 && filter.InsertChannelDefinitions(position, copies) != 0) {
        state.messenger.Message(QUENAR_MSG_INTERNAL_ERROR,
                                InternalErrorLocation(LOCATION_NOT_MULTIPLIED));
        return SELECTION_NOT_MULTIPLIED;
    }
    std::vector<CQuenarChannelDef*> taking;
    for (const auto& definition : *definitions) {
        if (takes(definition))
            taking.push_back(definition.get());
    }
    if (taking.size() != records.size()) {
        state.messenger.Message(QUENAR_MSG_INTERNAL_ERROR,
                                InternalErrorLocation(LOCATION_NOT_MULTIPLIED));
        return SELECTION_NOT_MULTIPLIED;
    }
    int number = 1;
    auto definition = taking.begin();
    for (auto& record : records) {
        record->selected = 1;
        record->channelDef = *definition;
        (*definition)->identifier = FormatPrintf("%s #%d", identifier, number);
        ++definition;
        ++number;
    }
    return SELECTION_OK;
}

}  // namespace

int SelectDatasetsFor(QuenarLibraryState& state, QuenarSelectList& records, CQuenarClass& filter) {
    for (auto& record : records) {
        record->selected = 0;
        record->channelDef = nullptr;
    }
    const int mode = filter.UsedAllocationMode();
    const bool onlySelected = filter.onlySelected != 0;
    if (onlySelected) {
        if (mode == 1) {
            if (!state.Dialogs().ChooseDatasets(state, filter, records))
                return SELECTION_CANCELLED;
        } else {
            for (auto& record : records)
                record->selected = 1;
        }
    } else if (mode == 1) {
        if (!RunAllocationDialog(state, records, filter))
            return SELECTION_CANCELLED;
    } else {
        const DefaultBinding binding = BindDefaultDatasets(filter.GetChannelDefList(), records);
        const bool ask = (mode == 2 && binding.found == 0) || (mode == 3 && binding.missing > 0);
        if (ask && !RunAllocationDialog(state, records, filter))
            return SELECTION_CANCELLED;
    }

    records.remove_if([](const auto& record) { return record->selected == 0; });
    if (records.empty()) {
        state.messenger.Message(QUENAR_MSG_SELECT_VALID_DATASET);
        return SELECTION_NO_RECORD;
    }
    if (onlySelected)
        return MultiplyTemplate(state, records, filter);
    RemoveUnboundDefinitions(filter.GetChannelDefList(), records);
    return SELECTION_OK;
}

}  // namespace grafyon::exportfilter
