// Recognising TARKO TKS header files and reading them into a measurement description.
#pragma once

#include <string>

#include "common/binary_file.h"
#include "viewer/data/measurement_description.h"
#include "viewer/data/measurement_status.h"

namespace grafyon {

// True when the file begins with "TARKO TKS 01.00" (the sixteenth byte is not examined).
bool IsTarkoFile(const BinaryFileReader& file);
bool IsTarkoFile(const std::string& path);

// Translates a TKS header file into the elements an MDF file gives: the header, one data
// file (the header's data file name beside the .tks file), one time segment, one kind-100
// dataset per channel numbered from 1, and a comment when the header's text lines hold
// text. Returns
//   Ok; NoTimeBase when the data file holds no whole frame;
//   Corrupt when the header or a channel record is cut short or its size word is too small;
//   NotSupported for a format word other than 1, channels of different or no positive
//       sample interval, a channel code that is not supported or a channel value outside
//       the frame;
//   NotTarko; NoInput when the file cannot be opened;
//   DataFileMissing when the data file cannot be opened (the description is kept, with the
//       frame count the header declares); DataFileBroken when the data file name is empty
//       or names another folder.
// After any other error the description is left empty. The frame count is
// the number of whole frames after the data offset, or the declared count when it is at
// least 1 and that many frames are there; surplus frames are ignored.
MeasurementStatus ReadTarkoDescription(const std::string& path,
                                       MeasurementDescription& description);

}  // namespace grafyon
