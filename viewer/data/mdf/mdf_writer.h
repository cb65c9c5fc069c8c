// Writing a measurement description as an MDF description file.
#pragma once

#include <string>

#include "common/binary_file.h"
#include "common/byte_order.h"
#include "viewer/data/measurement_description.h"

namespace grafyon {

enum MdfWriteStatus : int {
    MDF_WRITE_OK = 0,
    MDF_WRITE_CANNOT_CREATE = -1,  // the file cannot be created
    MDF_WRITE_FAILED = -2,         // a write failed
    MDF_WRITE_DOES_NOT_FIT = -3,   // a count, offset or length exceeds its 32-bit field
};

enum class MdfEncodeResult {
    WRITTEN,
    NOT_WRITTEN,   // embedded data, the header and kinds the format does not name
    DOES_NOT_FIT,  // a value exceeds its field; nothing was appended
};

// The 72-byte file header: format version 0x00020001 and header size 72, whatever the
// header said when it was read, so the elements follow directly.
void EncodeMdfHeader(const HeaderElement& header, ByteWriter& out);

// One element: its 12-byte head with the size recomputed from the kind, then its payload.
// Bytes of the fixed payload that the program does not interpret are taken from the
// element's raw payload; texts are cut to fit their fields.
MdfEncodeResult EncodeMdfElement(const Element& element, ByteWriter& out);

// The header and every element that the format writes, in list order.
int WriteMdfDescription(const MeasurementDescription& description, BinaryFileWriter& out);
// Creates (or truncates) the file at path and writes the description into it.
int WriteMdfDescription(const MeasurementDescription& description, const std::string& path);

}  // namespace grafyon
