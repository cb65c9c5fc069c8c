// The words of the information pages, English by default; the dialog passes translations.
#pragma once

#include <functional>
#include <string>

namespace grafyon {

// The viewer's number format for steps, rates, carrier and calibrated values.
using InfoNumberFormat = std::function<std::string(double value)>;

struct InfoTexts {
    // Tree topics.
    std::string general = "General";
    std::string datasets = "Datasets";
    std::string commentary = "Commentary";
    std::string parameters = "Parameter";
    std::string dataRanges = "Data Ranges";
    std::string ranges = "Ranges";
    // Titles of the children: "%s %02d" of these and a number, or of "Range" when a range has
    // no name.
    std::string parameter = "Parameter";
    std::string dataRange = "Data Range";
    std::string range = "Range";
    std::string spot = "Spot";

    // "General".
    std::string numberOfDatasets = "Number of Datasets";
    std::string numberOfFrames = "Number of Frames";
    std::string sampleStep = "Sample Step";
    std::string sampleRate = "Sample Rate";
    std::string date = "Date";
    std::string frameSize = "Frame Size";
    std::string filePath = "File Path";
    std::string dataFile = "Data File";
    std::string variable = "Variabel";

    // Datasets.
    std::string label = "Label";
    std::string unit = "Unit";
    std::string minimum = "Minimum";
    std::string maximum = "Maximum";
    std::string calibrationFactor = "Calibration Factor";
    std::string calibrationOffset = "Calibration Offset";
    std::string dataType = "Data Type";
    std::string dataTypeSize = "Data Type Size";
    std::string dataMask = "Data Mask";
    std::string frameOffset = "Frame Offset";
    std::string valuesPerFrame = "Values per Frame";

    // Parameters.
    std::string value = "Value";
    std::string samples = "Samples";
    std::string undefined = "Undefined";

    // Data ranges.
    std::string startCarrier = "Start Carrier";
    std::string endCarrier = "End Carrier";
    std::string fileOffset = "File Offset";

    // Ranges and spots.
    std::string startFrame = "Start Frame";
    std::string stopFrame = "Stop Frame";
    std::string startPosition = "Start position";
    std::string endPosition = "End position";
    std::string startDate = "Start Date";
    std::string endDate = "End Date";
    std::string frame = "Frame";
    std::string position = "Position";
    // strftime-like formats of a range's dates and times (%d %m %y %Y %H %M %S %%).
    std::string dateFormat = "%m/%d/%y";
    std::string timeFormat = "%H:%M:%S";
};

}  // namespace grafyon
