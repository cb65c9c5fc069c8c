// Opening a measurement for a document: probe by content, read, validate, attach, ranges.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/binary_file.h"
#include "viewer/data/measurement_description.h"
#include "viewer/data/measurement_status.h"
#include "viewer/data/open/short_data_files.h"

namespace grafyon {

class DataAccess;
class Element;

// Numbers of the messages the document shows for an open; the texts live with the
// document's string table.
enum MeasurementMessage : int {
    MESSAGE_NONE = 0,
    MESSAGE_UNKNOWN_FORMAT = 4096,  // "Error!\nUnknown File Format!"
    MESSAGE_CORRUPT = 4097,         // "Error!\nThe File is corrupt!"
    MESSAGE_UNKNOWN_ERROR = 4098,   // "Error!\nUnknown Error!"
    MESSAGE_NOT_SUPPORTED = 4099,   // "Error!\nThe file format is not supported !"
    MESSAGE_FILE_MAPPING = 4101,    // "Error!\nFile-Mapping Error!"
    MESSAGE_CANNOT_OPEN = 4200,     // "Following file cannot be opened !\n«%1»" (the path)
};

// One measurement format: a probe by content and its description reader (same statuses
// as ReadMdfDescription).
struct MeasurementFormatReader {
    const char* name;
    bool (*probe)(const BinaryFileReader& file);
    MeasurementStatus (*read)(const std::string& path, MeasurementDescription& description);
};

// The formats in probing order: MDF, then TARKO.
const std::vector<MeasurementFormatReader>& MeasurementFormatReaders();

// A range or spot as the file stores it, for the document's range list.
struct MeasurementRange {
    std::string name;  // from the range name element with the same number, if any
    std::string comment;
    std::uint64_t startFrame = 0;
    std::uint64_t stopFrame = 0;  // equal to startFrame for a spot
    bool active = true;
    const Element* source = nullptr;  // the range (kind 21) or spot (kind 22) element
};

struct MeasurementOpenResult {
    // The document's open status: the reader's status, and when that is Ok the
    // validation result.
    MeasurementStatus status = MeasurementStatus::NoInput;
    int message = MESSAGE_NONE;  // message to show, MESSAGE_NONE for none
    // false: the file itself could not be opened (status NoInput, message
    // MESSAGE_CANNOT_OPEN with the path).
    bool fileOpened = false;
    // DataAccess::Attach's result when an attach was tried (status Ok or SingleFrame),
    // else 0.
    int attachStatus = 0;
    bool attached = false;  // the description is attached and its values can be read
    // false: the document starts anew, empty (the description has been cleared).
    bool keepDocument = false;
    std::vector<MeasurementRange> ranges;  // with status Ok: ranges then spots, in file order
    // Data files that hold fewer frames than declared; the description keeps the frames
    // that exist. A warning for the user, not an error.
    std::vector<ShortDataFile> shortDataFiles;
};

// The message for a reader or validation status (4096 ... 4099, 4200 for a file that
// cannot be opened, or none).
int MessageForOpenStatus(MeasurementStatus status);

// Reads the measurement at path into description (cleared first, detached from access
// when it was attached), validates its data files, shortens the segments of data files
// that end early to the frames that exist, attaches it to access and collects its ranges.
// NoDataset, NoTimeBase, DataFileMissing and DataFileEmpty keep the description without data; other
// errors clear it. Nothing is shown: the caller turns result.message into a message box.
MeasurementOpenResult OpenMeasurement(
    const std::string& path, MeasurementDescription& description, DataAccess& access,
    const std::vector<MeasurementFormatReader>& readers = MeasurementFormatReaders());

// Ranges and spots of a description, names and comments taken from the range name
// element with the same number.
std::vector<MeasurementRange> RangesOf(const MeasurementDescription& description);

}  // namespace grafyon
