// Status numbers of the measurement readers, the data-file validation and the opening.
#pragma once

namespace grafyon {

// 0 is success, positive values are conditions that are not errors, negative values errors.
enum MeasurementStatus : int {
    MEASUREMENT_OK = 0,
    MEASUREMENT_NO_DATASET = 10,
    MEASUREMENT_NO_TIME_BASE = 20,
    MEASUREMENT_SINGLE_FRAME = 30,
    MEASUREMENT_CORRUPT = -10,
    MEASUREMENT_NOT_SUPPORTED = -11,
    MEASUREMENT_UNKNOWN_FORMAT = -12,
    MEASUREMENT_NOT_MDF = -20,
    MEASUREMENT_NOT_TARKO = -21,
    MEASUREMENT_DATA_FILE_MISSING = -50,
    MEASUREMENT_DATA_FILE_EMPTY = -60,
    MEASUREMENT_DATA_FILE_BROKEN = -70,
    MEASUREMENT_NO_INPUT = -100
};

}  // namespace grafyon
