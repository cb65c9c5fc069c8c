// Recognising MDF description files and reading them into a measurement description.
#pragma once

#include <string>

#include "common/binary_file.h"
#include "viewer/data/measurement_description.h"
#include "viewer/data/measurement_status.h"

namespace grafyon {

// True when the file begins with "MDF_BINARY\r\n" (the first 32 bytes are looked at).
bool IsMdfFile(const BinaryFileReader& file);
bool IsMdfFile(const std::string& path);

// Fills the description from an MDF description file. Returns Ok, NoDataset (no usable
// kind-100 dataset), NoTimeBase (no time segment), Corrupt (the header or the element
// structure is broken; the description is left empty), NotMdf, or NoInput (the file
// cannot be opened).
// Data-file paths are the description's folder + "/" + the stored file name. Every
// size, count and length of the file is checked against its element and the file
// before anything is read or allocated.
MeasurementStatus ReadMdfDescription(const std::string& path, MeasurementDescription& description);

}  // namespace grafyon
