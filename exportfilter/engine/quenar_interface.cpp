// The exported functions' work.
#include "quenar_interface.h"

#include <algorithm>
#include <iterator>

#include "dataset_selection.h"
#include "export_run.h"
#include "export_strings.h"
#include "filter_file.h"
#include "filter_folder.h"
#include "path_text.h"

namespace grafyon::exportfilter {

namespace {

// The filter the state holds, or null after message 4020 at the location.
CQuenarClass* HeldFilter(QuenarLibraryState& state, CQuenarClass* filter, int location) {
    if (state.OwnsFilter(filter))
        return filter;
    InternalError(state, location);
    return nullptr;
}

// Clears the run-in-progress mark however the run ends.
class RunMark {
public:
    explicit RunMark(QuenarLibraryState& state) : m_state(state) { m_state.runInProgress = true; }
    ~RunMark() { m_state.runInProgress = false; }
    RunMark(const RunMark&) = delete;
    RunMark& operator=(const RunMark&) = delete;

private:
    QuenarLibraryState& m_state;
};

}  // namespace

void InternalError(QuenarLibraryState& state, int location) {
    state.messenger.Message(QUENAR_MSG_INTERNAL_ERROR, InternalErrorLocation(location));
}

int ShowFilterList(QuenarLibraryState& state, std::string* chosenName, int selectMode) {
    const std::optional<std::string> chosen = state.Dialogs().ManageFilters(state, selectMode != 0);
    if (selectMode == 0)
        return 0;
    if (!chosen)
        return 1;
    if (chosenName != nullptr)
        *chosenName = *chosen;
    return 0;
}

int SelectFileAndFilter(QuenarLibraryState& state, QuenarSelectList* sources,
                        CQuenarSelectItem*& source, CQuenarClass*& filter,
                        std::string_view sourceName, std::string_view filterName) {
    source = nullptr;
    filter = nullptr;
    bool sourceChosen = sources == nullptr;
    if (sources != nullptr && !sourceName.empty()) {
        auto named = std::find_if(sources->begin(), sources->end(), [&](const auto& record) {
            return EqualsIgnoringCase(record->name, sourceName);
        });
        if (named != sources->end()) {
            source = named->get();
            sourceChosen = true;
        }
    }

    std::string filterPath;
    std::string filterShown;
    if (!filterName.empty()) {
        const std::vector<FilterListEntry> entries = ListFilters(state.folders, true);
        if (const FilterListEntry* entry = FindFilterByName(entries, filterName)) {
            filterPath = entry->path;
            filterShown = entry->name;
        }
    }

    if (!sourceChosen) {
        if (sources->empty()) {
            state.messenger.Message(QUENAR_MSG_NO_DATA_FILES);
            return 2;
        }
        std::vector<std::string> names;
        for (const auto& record : *sources)
            names.push_back(record->name);
        std::size_t index = 0;
        if (!filterPath.empty()) {
            const std::optional<std::size_t> chosen =
                state.Dialogs().SelectSource(state, names, filterShown);
            if (!chosen || *chosen >= names.size())
                return 1;
            index = *chosen;
        } else {
            const auto chosen = state.Dialogs().SelectSourceAndFilter(state, names);
            if (!chosen || chosen->source >= names.size())
                return 1;
            index = chosen->source;
            filterPath = chosen->filter.path;
        }
        source = std::next(sources->begin(), static_cast<std::ptrdiff_t>(index))->get();
    } else if (filterPath.empty()) {
        const std::optional<ChosenFilter> chosen = state.Dialogs().SelectFilter(state);
        if (!chosen)
            return 1;
        filterPath = chosen->path;
    }

    if (filterPath.empty()) {
        state.messenger.Message(QUENAR_MSG_NO_FILTER_SELECTED);
        return 5;
    }
    std::unique_ptr<CQuenarClass> loaded = ReadFilterFile(filterPath, state.registry);
    if (!loaded) {
        state.messenger.Message(QUENAR_MSG_FILTER_LOAD_FAILED);
        return 6;
    }
    filter = state.AdoptFilter(std::move(loaded));
    return 0;
}

int SelectDatasets(QuenarLibraryState& state, QuenarSelectList& records, CQuenarClass* filter) {
    if (HeldFilter(state, filter, LOCATION_SELECT_DATASETS_NO_FILTER) == nullptr)
        return 1;
    return SelectDatasetsFor(state, records, *filter);
}

int SelectExportFiles(QuenarLibraryState& state, std::string_view sourcePath,
                      QuenarSelectList& records, CQuenarClass* filter) {
    if (HeldFilter(state, filter, LOCATION_SELECT_FILES_NO_FILTER) == nullptr)
        return 1;
    OutputNamingContext context{state.messenger, state.Dialogs().SaveAs(), {}};
    for (const auto& record : records) {
        if (!record->file.empty() &&
            std::find(context.sourceDataFiles.begin(), context.sourceDataFiles.end(),
                      record->file) == context.sourceDataFiles.end())
            context.sourceDataFiles.push_back(record->file);
    }
    const int result = filter->AssignOutputFiles(std::string(sourcePath), records, context);
    if (result != 0)
        return result;
    records.remove_if([](const auto& record) { return record->dataFileName.empty(); });
    if (records.empty()) {
        state.messenger.Message(QUENAR_MSG_SELECT_VALID_DATASET);
        return 2;
    }
    return 0;
}

void SetStatusWindow(QuenarLibraryState& state, CQuenarClass* filter, int mode,
                     QuenarStatusFunction function, void* context) {
    if (state.OwnsFilter(filter))
        filter->ResetStatus(mode, function, context, state.statusWindowEnabled);
}

int ReqFuncAssignment(QuenarLibraryState& state, QuenarSelectList& records, CQuenarClass* filter,
                      void* hostContext) {
    if (HeldFilter(state, filter, LOCATION_NEGOTIATION_NO_FILTER) == nullptr)
        return 1;
    const int result = NegotiateValueSource(*filter, records, state.hostFunctions, hostContext,
                                            state.adapters, state.messenger);
    if (result != 0)
        state.messenger.Message(QUENAR_MSG_REQUESTS_NOT_SATISFIED);
    return result;
}

int FormatAssignment(QuenarLibraryState& state, QuenarSelectList& records, CQuenarClass* filter,
                     void* hostContext) {
    if (HeldFilter(state, filter, LOCATION_FORMATS_NO_FILTER) == nullptr)
        return 1;
    return AssignValueFormats(*filter, records, state.hostFunctions, hostContext);
}

int Convert(QuenarLibraryState& state, QuenarSelectList& records, CQuenarClass* filter) {
    if (HeldFilter(state, filter, LOCATION_CONVERT_NO_FILTER) == nullptr)
        return 1;
    QuenarRunContext context{state.messenger, &state.Dialogs(), state.hostFunctions};
    const RunMark mark(state);
    return filter->Run(records, context);
}

int ReleaseFilter(QuenarLibraryState& state, CQuenarClass* filter) {
    state.DeleteFilter(filter);
    state.ForgetHostFunctions();
    return 0;
}

}  // namespace grafyon::exportfilter
