// Checking that the data files of a measurement can be read before they are mapped.
#pragma once

#include "viewer/data/measurement_description.h"
#include "viewer/data/measurement_status.h"

namespace grafyon {

// Returns NoInput for an empty description, NoTimeBase without time segments or frames,
// DataFileBroken when a segment's data file element is missing, has no name or a name
// with a folder part, DataFileMissing when the file cannot be opened for reading,
// DataFileEmpty when it is empty, SingleFrame when the measurement holds a single frame,
// and Ok otherwise.
MeasurementStatus ValidateDataFiles(const MeasurementDescription& description);

}  // namespace grafyon
