// Data-file validation: every time segment's file must exist, be readable and hold data.
#include "data_file_validation.h"

#include "common/binary_file.h"
#include "viewer/data/data_file_path.h"
#include "viewer/data/measurement_status.h"

namespace grafyon {

MeasurementStatus ValidateDataFiles(const MeasurementDescription& description) {
    if (description.Empty())
        return MeasurementStatus::NoInput;
    // Attaching opens every data file the description names, used by a segment or not, so
    // none of them may point out of the description's folder.
    for (const DataFileElement* file : description.DataFiles()) {
        // A file that holds its own frames names itself, whatever its name looks like.
        const bool self = description.Header() && file->fullPath == description.Header()->filePath;
        if (!self && !IsPlainDataFileName(file->fileName))
            return MeasurementStatus::DataFileBroken;
    }
    const std::vector<TimeSegmentElement*> segments = description.TimeSegments();
    const std::uint64_t frames = description.FrameCount();
    if (segments.empty() || frames == 0)
        return MeasurementStatus::NoTimeBase;
    if (frames == 1)
        return MeasurementStatus::SingleFrame;
    for (const TimeSegmentElement* segment : segments) {
        const DataFileElement* file = description.DataFileByNumber(segment->dataFileNumber);
        if (file == nullptr || file->fileName.empty())
            return MeasurementStatus::DataFileBroken;
        BinaryFileReader reader;
        if (!reader.Open(file->fullPath))
            return MeasurementStatus::DataFileMissing;
        if (reader.Size() == 0)
            return MeasurementStatus::DataFileEmpty;
    }
    return MeasurementStatus::Ok;
}

}  // namespace grafyon
