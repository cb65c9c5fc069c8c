// Saving the open measurement into a new MDF measurement: one .mcf file with the frames
// embedded, or an .mdf description with a .dta data file beside it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "save_plan.h"

namespace grafyon {

class DataAccess;
class MeasurementDescription;

// The number of the form is what the file dialog's filter index selects.
enum class SaveFileForm {
    Mcf = 1,  // frames embedded in the one file
    Mdf = 2,  // description with a separate .dta data file
};

enum SaveStatus : int {
    SAVE_OK = 0,
    SAVE_DATA_FILE_CANNOT_CREATE = -7,
    SAVE_UNKNOWN_FORM = -8,
    SAVE_DESCRIPTION_CANNOT_CREATE = -30,
    SAVE_TARGET_IS_SOURCE = -31,  // a file written would be a file of the measurement
    SAVE_TOO_LARGE = -32,         // a size, count or frame number exceeds its 32-bit field
    SAVE_BAD_TARGET = -33,        // the data file would be the target, or its name cannot be stored
    SAVE_NO_DATASET = -40,        // no active dataset with readable values
    SAVE_NO_FRAMES = -41,         // the store mode keeps no frame
    SAVE_NOT_ATTACHED = -42,      // the measurement's values cannot be read
    SAVE_WRITE_FAILED = -90,
    SAVE_READ_FAILED = -91,  // a frame of the measurement could not be read
    SAVE_CANCELLED = -99,
};

struct SaveRequest {
    std::string target;  // the .mcf or .mdf file
    SaveFileForm form = SaveFileForm::Mcf;
    StoreMode mode = StoreMode::All;
    bool withRanges = false;    // write the active ranges and spots (not with OutsideRanges)
    bool withComments = false;  // copy the measurement's comments
    std::string userComment;    // a new comment; empty: none
    std::vector<SaveRange> ranges;
};

// Bytes written so far and in all; answers false to cancel.
using SaveProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// Writes the active datasets of an attached measurement. Every file is written under a
// temporary name in the target's folder and renamed over its target only when all of them
// are complete: on failure or cancel nothing that existed changes and no temporary file
// stays. The data file of the Mdf form is renamed first, so the description never names
// a missing one. A SaveStatus.
int SaveMeasurement(const MeasurementDescription& description, DataAccess& access,
                    const SaveRequest& request, const SaveProgress& progress = {});

// The new data file of the Mdf form: the target with the extension ".dta". A target that is
// a symbolic link gets it beside the link, where a reader opening the target looks for it.
std::string DataFilePathFor(const std::string& target);
// The form a file name asks for by its extension (".mcf" or ".mdf", any case).
std::optional<SaveFileForm> FormForPath(const std::string& path);

// Whether path is the description file or a data file of the measurement: the same file
// by device and inode, or the same absolute path when one of them does not exist.
bool IsFileOfMeasurement(const MeasurementDescription& description, const std::string& path);
// Whether a save in that form would write over a file of the measurement.
bool TargetHitsSource(const MeasurementDescription& description, const std::string& target,
                      SaveFileForm form);

// The range (kind 21) or spot (kind 22) element of the measurement that marks exactly the
// frames start ... stop (a spot when they are equal), or null: where a range of the document
// came from, for its recorded date-times.
const Element* RangeSourceOf(const MeasurementDescription& description, std::uint64_t start,
                             std::uint64_t stop);

// The English text of a status for the user; "%1" stands for the target's path. Empty for
// SAVE_OK and SAVE_CANCELLED.
const char* SaveStatusText(int status);

}  // namespace grafyon
