// What the library's exported functions do, on a library state: choosing source and
// filter, datasets and output files, binding the value source, running and releasing.
#pragma once

#include <string>
#include <string_view>

#include "common/quenar_select_item.h"
#include "library_state.h"
#include "quenar_class.h"

namespace grafyon::exportfilter {

// The result of a function that failed inside (message 4020), and of a call refused while
// a run is in progress.
inline constexpr int QUENAR_RESULT_INTERNAL = 20;

// Locations named by message 4020 ("QuenarInterface %05d").
inline constexpr int LOCATION_SELECT_DATASETS_NO_FILTER = 101;
inline constexpr int LOCATION_SELECT_FILES_NO_FILTER = 111;
inline constexpr int LOCATION_NEGOTIATION_NO_FILTER = 121;
inline constexpr int LOCATION_FORMATS_NO_FILTER = 131;
inline constexpr int LOCATION_CONVERT_NO_FILTER = 141;
inline constexpr int LOCATION_RUN_IN_PROGRESS = 151;
inline constexpr int LOCATION_EXCEPTION = 900;  // plus the function's number, 1 to 13

// Message 4020 at a location.
void InternalError(QuenarLibraryState& state, int location);

// The filter management dialog; 1 when select mode ends with Cancel, else 0.
int ShowFilterList(QuenarLibraryState& state, std::string* chosenName, int selectMode);

// Chooses the data source (no list: none needed; else by name or a dialog) and loads the
// filter (by name from the filter folders, else a dialog). 0 with the loaded filter held
// by the state until ReleaseFilter; 1 cancelled; 2 message 4019 (empty list); 5 message
// 4007 (no filter); 6 message 4008 (unreadable filter).
int SelectFileAndFilter(QuenarLibraryState& state, QuenarSelectList* sources,
                        CQuenarSelectItem*& source, CQuenarClass*& filter,
                        std::string_view sourceName, std::string_view filterName);

// The dataset selection; a filter the state does not hold: message 4020 and 1.
int SelectDatasets(QuenarLibraryState& state, QuenarSelectList& records, CQuenarClass* filter);

// Names the outputs; records left without a data file are removed (none left: message
// 4011 and 2). The stream's failure code unchanged; no filter: message 4020 and 1.
int SelectExportFiles(QuenarLibraryState& state, std::string_view sourcePath,
                      QuenarSelectList& records, CQuenarClass* filter);

void SetStatusWindow(QuenarLibraryState& state, CQuenarClass* filter, int mode,
                     QuenarStatusFunction function, void* context);

// The negotiation; any non-zero result after message 4021.
int ReqFuncAssignment(QuenarLibraryState& state, QuenarSelectList& records, CQuenarClass* filter,
                      void* hostContext);

int FormatAssignment(QuenarLibraryState& state, QuenarSelectList& records, CQuenarClass* filter,
                     void* hostContext);

// The stream's run.
int Convert(QuenarLibraryState& state, QuenarSelectList& records, CQuenarClass* filter);

// Deletes the filter (when the state holds it), empties the host function table and the
// adapter list; 0.
int ReleaseFilter(QuenarLibraryState& state, CQuenarClass* filter);

}  // namespace grafyon::exportfilter
