// How reading, validating and opening a measurement ended.
#pragma once

namespace grafyon {

// 0 is success, positive values are conditions that are not errors, negative values
// errors. The numbers are what the document reports as its open status and grafyon-info
// prints; use StatusCode only there.
enum class MeasurementStatus : int {
    Ok = 0,
    NoDataset = 10,    // no usable kind-100 dataset
    NoTimeBase = 20,   // no time segment, or no frame
    SingleFrame = 30,  // the measurement holds one frame
    Corrupt = -10,
    NotSupported = -11,
    UnknownFormat = -12,  // no reader recognises the file
    NotMdf = -20,
    NotTarko = -21,
    DataFileMissing = -50,  // a data file cannot be opened for reading
    DataFileEmpty = -60,
    DataFileBroken = -70,  // a data file element is missing or names another folder
    NoInput = -100,        // no file, or it cannot be opened
};

constexpr int StatusCode(MeasurementStatus status) {
    return static_cast<int>(status);
}

constexpr bool IsError(MeasurementStatus status) {
    return StatusCode(status) < 0;
}

}  // namespace grafyon
