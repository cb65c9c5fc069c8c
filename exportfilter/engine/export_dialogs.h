// The library's dialogs and progress window as the exported functions reach them. The Qt
// layer implements them; a run without a display uses the headless answers (no dialog can
// be shown, so each one counts as cancelled, and progress goes to standard error).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "allocation.h"
#include "common/quenar_select_item.h"
#include "filter_management.h"
#include "quenar_file.h"

namespace grafyon::exportfilter {

struct QuenarLibraryState;
class CQuenarClass;

// What the progress window shows besides the bar (the writer chooses before it opens).
enum class ProgressMode {
    CountAndBar = 1,
    Values = 2,
    Rows = 3,
    PercentValuesAndBar = 4,
    PercentRowsAndBar = 5,
    InProgressText = 0,  // "Export in progress" and the bar; any other number too
};

// One run's progress display ("Data export").
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    // percent < 0 leaves bar and percentage; count < 0 leaves the count; total >= 1 shows
    // "count-total". False once Cancel was pressed (asking resets it).
    virtual bool Update(double percent, std::int64_t count, std::int64_t total) = 0;
    // Replaces the display with a text of the string table and disables Cancel.
    virtual void ShowInformation(int stringId) = 0;
};

// A filter chosen in a selection dialog: the listed entry's stored full path.
struct ChosenFilter {
    std::string path;
    std::string name;
};

class QuenarDialogs {
public:
    virtual ~QuenarDialogs() = default;

    // "Creating and editing of export filter definitions". In select mode the chosen
    // filter's name; nothing on Cancel (and always nothing in management mode).
    virtual std::optional<std::string> ManageFilters(QuenarLibraryState& state,
                                                     bool selectMode) = 0;

    // "Select data file and export filter": the index of the chosen source record's name
    // in sources and the chosen filter; nothing on Cancel.
    struct SourceAndFilter {
        std::size_t source = 0;
        ChosenFilter filter;
    };
    virtual std::optional<SourceAndFilter> SelectSourceAndFilter(
        QuenarLibraryState& state, const std::vector<std::string>& sources) = 0;
    // "Select export filter".
    virtual std::optional<ChosenFilter> SelectFilter(QuenarLibraryState& state) = 0;
    // "Select data file", the default filter shown as text.
    virtual std::optional<std::size_t> SelectSource(QuenarLibraryState& state,
                                                    const std::vector<std::string>& sources,
                                                    const std::string& filterName) = 0;

    // "Allocation of datasets": true when closed with OK, after ConfirmAllocation accepted
    // the rows (the records are then selected and bound).
    virtual bool AllocateDatasets(QuenarLibraryState& state, CQuenarClass& filter,
                                  std::vector<QuenarAllocationEntry>& entries,
                                  QuenarSelectList& records) = 0;
    // "Select datasets": true when closed with OK after ConfirmDatasetChoice.
    virtual bool ChooseDatasets(QuenarLibraryState& state, CQuenarClass& filter,
                                QuenarSelectList& records) = 0;

    // The "Save as" dialog of output naming; null: no dialog can be shown.
    virtual SaveAsDialog* SaveAs() = 0;
    // A filter's edit sheet; null: filters cannot be edited here.
    virtual FilterEditor* Editor() = 0;

    // Opens the progress window ("Data export", its owner window disabled while it shows).
    virtual std::unique_ptr<ProgressDisplay> OpenProgress(ProgressMode mode) = 0;
};

}  // namespace grafyon::exportfilter
