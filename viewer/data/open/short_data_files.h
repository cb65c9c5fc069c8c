// Data files that end before the frames their time segments declare (a recording that was
// cut off): the segments are shortened to the whole frames that exist.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "viewer/data/measurement_description.h"

namespace grafyon {

// One data file that holds fewer frames than its segments declare.
struct ShortDataFile {
    std::string fileName;              // as the description names it
    std::string path;                  // the file that was measured
    std::uint64_t declaredFrames = 0;  // the frames its segments declared
    std::uint64_t missingFrames = 0;   // of those, the frames it does not hold
};

// Shortens every time segment to the whole frames its data file holds, so that frame
// counts, duration, reading, export and saving all see the frames that exist. Files that
// cannot be opened, and a frame size of 0, are left alone (validation and attaching report
// them). Returns the short files in the order of their data file elements.
std::vector<ShortDataFile> TrimSegmentsToData(MeasurementDescription& description);

}  // namespace grafyon
