// Checking that the data files of a measurement can be read before they are mapped.
#pragma once

#include "viewer/data/measurement_description.h"

namespace grafyon {

// Returns -100 for an empty description, 20 without time segments or frames,
// -70 when a segment's data file element is missing, has no name or a name with a
// folder part, -50 when the file cannot be opened for reading, -60 when it is empty,
// 30 when the measurement holds a single frame and 0 otherwise.
int ValidateDataFiles(const MeasurementDescription& description);

}  // namespace grafyon
