// Exported functions of the export filter library. One export calls them in this order,
// each only after the one before returned 0: SelectFileAndFilter; the host builds one
// record per candidate dataset; SelectDatasets; SelectExportFiles; SetCallback for each
// host function; SetStatusWindow; ReqFuncAssignment; FormatAssignment; Convert; the host
// deletes its records; ReleaseFilter (whenever a filter was returned). No exception leaves
// them: an internal failure shows message 4020 and returns a non-zero result.
#pragma once

#include <string>

#include "common/export.h"
#include "common/quenar_host.h"
#include "common/quenar_select_item.h"

namespace grafyon::exportfilter {
class CQuenarClass;  // a loaded filter, opaque to the host
}

// Name "Export Filter DLL" and the version of the library's own file.
GRAFYON_EXPORT void QuenvartexilaVersion(std::string& name, int& major, int& minor, int& build,
                                         std::string& buildDate);

// QUENAR_LOCAL_FILTER_PATH or QUENAR_GLOBAL_FILTER_PATH sets that folder (ending in "/");
// another selector changes nothing. Always 0.
GRAFYON_EXPORT int QuenvartexilaPathInitial(int selector, const char* path);

// The filter management dialog; with a non-zero select mode the chosen filter's name goes
// into chosenName (may be null). 1 when the select mode ends with Cancel, else 0.
GRAFYON_EXPORT int QuenvartexilaList(std::string* chosenName, int selectMode);

// QUENAR_FLAG_NO_MESSAGE_BOXES: messages are not shown and questions count as agreed;
// QUENAR_FLAG_NO_STATUS_WINDOW: no progress window. Both replaced on every call.
GRAFYON_EXPORT void QuenvartexilaSetFlags(int flags);

// Registers a host function (cast with AsHostFunction) under its identifier; a second
// registration replaces the first in its place, a null function takes it back.
GRAFYON_EXPORT void QuenvartexilaSetCallback(grafyon::QuenarHostFunction function, int identifier);

// Chooses the data source (sources null: none; else the record named sourceName, without
// case, or a dialog) and loads the filter named filterName (or one chosen in a dialog).
// 0 with the filter (held by the library until QuenvartexilaReleaseFilter); 1 cancelled;
// 2 empty source list (4019); 5 no filter (4007); 6 the filter could not be read (4008).
// Both out-arguments are null unless set.
GRAFYON_EXPORT int QuenvartexilaSelectFileAndFilter(grafyon::QuenarSelectList* sources,
                                                    grafyon::CQuenarSelectItem*& source,
                                                    grafyon::exportfilter::CQuenarClass*& filter,
                                                    const char* sourceName, const char* filterName);

// Selects the records to export and binds them to the filter's channel definitions; the
// others are removed from the list and deleted. 0; 1 cancelled or no filter (4020); 4 no
// record left (4011); 5 no channel definition takes a dataset (4011); 6 the definition
// could not be multiplied (4020).
GRAFYON_EXPORT int QuenvartexilaSelectDatasets(grafyon::QuenarSelectList& records,
                                               grafyon::exportfilter::CQuenarClass* filter);

// Names the output files from the data source's path; records left without a data file
// are removed and deleted (none left: 4011 and 2). The naming's failure code unchanged;
// no filter: 4020 and 1.
GRAFYON_EXPORT int QuenvartexilaSelectExportFiles(const char* sourcePath,
                                                  grafyon::QuenarSelectList& records,
                                                  grafyon::exportfilter::CQuenarClass* filter);

// Mode non-zero: the run shows the library's progress window (unless switched off by the
// flags). The function and context are accepted and not called.
GRAFYON_EXPORT void QuenvartexilaSetStatusWindow(grafyon::exportfilter::CQuenarClass* filter,
                                                 int mode, grafyon::QuenarStatusFunction function,
                                                 void* context);

// Binds the run's value source to the registered host functions; hostContext is handed
// back to every host function. Non-zero after message 4021.
GRAFYON_EXPORT int QuenvartexilaReqFuncAssignment(grafyon::QuenarSelectList& records,
                                                  grafyon::exportfilter::CQuenarClass* filter,
                                                  void* hostContext);

// Records each selected dataset's value format: 0; 1 or 2 when a native-format host
// function is missing.
GRAFYON_EXPORT int QuenvartexilaFormatAssignment(grafyon::QuenarSelectList& records,
                                                 grafyon::exportfilter::CQuenarClass* filter,
                                                 void* hostContext);

// Runs the export: 0 success (a cancelled run keeps what was written); 1 no record or no
// common time base; 2 inconsistent value counts or no usable resolution; 16 an output
// could not be written (4000, the previous file stays); 20 the host's row function failed
// (4020); -1 a method the writer does not serve.
GRAFYON_EXPORT int QuenvartexilaConvert(grafyon::QuenarSelectList& records,
                                        grafyon::exportfilter::CQuenarClass* filter);

// Deletes the filter (null allowed) and forgets the host functions and adapters. 0.
GRAFYON_EXPORT int QuenvartexilaReleaseFilter(grafyon::exportfilter::CQuenarClass* filter);
