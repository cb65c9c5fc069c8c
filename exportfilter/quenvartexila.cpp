// The exported functions: each one guards the library's state against exceptions and
// against calls made while a run is in progress.
#include "exportfilter/quenvartexila.h"

#include <string_view>

#include "exportfilter/engine/quenar_interface.h"
#include "quenvartexila_state.h"

using namespace grafyon;
using namespace grafyon::exportfilter;

namespace {

// Numbers of the functions for the location of message 4020.
enum FunctionNumber {
    FN_PATH_INITIAL = 2,
    FN_LIST,
    FN_SET_FLAGS,
    FN_SET_CALLBACK,
    FN_SELECT_FILE_AND_FILTER,
    FN_SELECT_DATASETS,
    FN_SELECT_EXPORT_FILES,
    FN_SET_STATUS_WINDOW,
    FN_REQ_FUNC_ASSIGNMENT,
    FN_FORMAT_ASSIGNMENT,
    FN_CONVERT,
    FN_RELEASE_FILTER,
};

std::string_view Text(const char* text) {
    return text != nullptr ? std::string_view(text) : std::string_view();
}

// Runs body on the state; an exception becomes message 4020 and QUENAR_RESULT_INTERNAL.
// Functions that change the export are refused while a run is in progress.
template <class Body>
int Guarded(FunctionNumber function, bool refusedDuringRun, Body body) noexcept {
    try {
        QuenarLibraryState& state = QuenvartexilaState();
        if (refusedDuringRun && state.runInProgress) {
            InternalError(state, LOCATION_RUN_IN_PROGRESS);
            return QUENAR_RESULT_INTERNAL;
        }
        return body(state);
    } catch (...) {
        try {
            InternalError(QuenvartexilaState(), LOCATION_EXCEPTION + function);
        } catch (...) {
            // Not even the message could be shown; the result still says it.
        }
        return QUENAR_RESULT_INTERNAL;
    }
}

}  // namespace

int QuenvartexilaPathInitial(int selector, const char* path) {
    return Guarded(FN_PATH_INITIAL, false, [&](QuenarLibraryState& state) {
        return state.PathInitial(selector, Text(path));
    });
}

int QuenvartexilaList(std::string* chosenName, int selectMode) {
    return Guarded(FN_LIST, true, [&](QuenarLibraryState& state) {
        return ShowFilterList(state, chosenName, selectMode);
    });
}

void QuenvartexilaSetFlags(int flags) {
    Guarded(FN_SET_FLAGS, false, [&](QuenarLibraryState& state) {
        state.SetFlags(flags);
        return 0;
    });
}

void QuenvartexilaSetCallback(QuenarHostFunction function, int identifier) {
    Guarded(FN_SET_CALLBACK, true, [&](QuenarLibraryState& state) {
        state.hostFunctions.Register(identifier, function);
        return 0;
    });
}

int QuenvartexilaSelectFileAndFilter(QuenarSelectList* sources, CQuenarSelectItem*& source,
                                     CQuenarClass*& filter, const char* sourceName,
                                     const char* filterName) {
    source = nullptr;
    filter = nullptr;
    return Guarded(FN_SELECT_FILE_AND_FILTER, true, [&](QuenarLibraryState& state) {
        return SelectFileAndFilter(state, sources, source, filter, Text(sourceName),
                                   Text(filterName));
    });
}

int QuenvartexilaSelectDatasets(QuenarSelectList& records, CQuenarClass* filter) {
    return Guarded(FN_SELECT_DATASETS, true, [&](QuenarLibraryState& state) {
        return SelectDatasets(state, records, filter);
    });
}

int QuenvartexilaSelectExportFiles(const char* sourcePath, QuenarSelectList& records,
                                   CQuenarClass* filter) {
    return Guarded(FN_SELECT_EXPORT_FILES, true, [&](QuenarLibraryState& state) {
        return SelectExportFiles(state, Text(sourcePath), records, filter);
    });
}

void QuenvartexilaSetStatusWindow(CQuenarClass* filter, int mode, QuenarStatusFunction function,
                                  void* context) {
    Guarded(FN_SET_STATUS_WINDOW, true, [&](QuenarLibraryState& state) {
        SetStatusWindow(state, filter, mode, function, context);
        return 0;
    });
}

int QuenvartexilaReqFuncAssignment(QuenarSelectList& records, CQuenarClass* filter,
                                   void* hostContext) {
    return Guarded(FN_REQ_FUNC_ASSIGNMENT, true, [&](QuenarLibraryState& state) {
        return ReqFuncAssignment(state, records, filter, hostContext);
    });
}

int QuenvartexilaFormatAssignment(QuenarSelectList& records, CQuenarClass* filter,
                                  void* hostContext) {
    return Guarded(FN_FORMAT_ASSIGNMENT, true, [&](QuenarLibraryState& state) {
        return FormatAssignment(state, records, filter, hostContext);
    });
}

int QuenvartexilaConvert(QuenarSelectList& records, CQuenarClass* filter) {
    return Guarded(FN_CONVERT, true,
                   [&](QuenarLibraryState& state) { return Convert(state, records, filter); });
}

int QuenvartexilaReleaseFilter(CQuenarClass* filter) {
    return Guarded(FN_RELEASE_FILTER, true,
                   [&](QuenarLibraryState& state) { return ReleaseFilter(state, filter); });
}
