// The opening sequence of a measurement, without any user interface.
#include "measurement_open.h"

#include "viewer/data/access/data_access.h"
#include "viewer/data/mdf/mdf_reader.h"
#include "viewer/data/open/data_file_validation.h"
#include "viewer/data/tarko/tarko_reader.h"

namespace grafyon {

namespace {

const RangeNameElement* NameWithNumber(const MeasurementDescription& d, std::uint32_t number) {
    for (const auto& e : d.Elements()) {
        if (e->Kind() != ELEMENT_RANGE_NAME)
            continue;
        const auto* name = static_cast<const RangeNameElement*>(e.get());
        if (name->rangeNumber == number)
            return name;
    }
    return nullptr;
}

MeasurementRange MakeRange(const MeasurementDescription& d, std::uint32_t number,
                           std::uint64_t start, std::uint64_t stop, const Element* source) {
    MeasurementRange range;
    if (const RangeNameElement* name = NameWithNumber(d, number)) {
        range.name = name->name;
        range.comment = name->comment;
    }
    range.startFrame = start;
    range.stopFrame = stop;
    range.source = source;
    return range;
}

}  // namespace

const std::vector<MeasurementFormatReader>& MeasurementFormatReaders() {
    static const std::vector<MeasurementFormatReader> READERS = {
        {"MDF", [](const BinaryFileReader& file) { return IsMdfFile(file); }, &ReadMdfDescription},
        {"TARKO", [](const BinaryFileReader& file) { return IsTarkoFile(file); },
         &ReadTarkoDescription},
    };
    return READERS;
}

int MessageForOpenStatus(MeasurementStatus status) {
    switch (status) {
        case MeasurementStatus::Corrupt:
        case MeasurementStatus::DataFileBroken:
            return MESSAGE_CORRUPT;
        case MeasurementStatus::NotSupported:
            return MESSAGE_NOT_SUPPORTED;
        case MeasurementStatus::UnknownFormat:
        case MeasurementStatus::NotMdf:
        case MeasurementStatus::NotTarko:
            return MESSAGE_UNKNOWN_FORMAT;
        case MeasurementStatus::DataFileMissing:
        case MeasurementStatus::DataFileEmpty:
            return MESSAGE_NONE;  // reported later, on use
        case MeasurementStatus::NoInput:
            return MESSAGE_CANNOT_OPEN;
        default:
            return IsError(status) ? MESSAGE_UNKNOWN_ERROR : MESSAGE_NONE;
    }
}

std::vector<MeasurementRange> RangesOf(const MeasurementDescription& d) {
    std::vector<MeasurementRange> ranges;
    std::size_t pos = 0;
    for (Element* e = d.FindFirst(ELEMENT_RANGE, pos); e; e = d.FindNext(ELEMENT_RANGE, pos)) {
        const auto* r = static_cast<const RangeElement*>(e);
        ranges.push_back(MakeRange(d, r->rangeNumber, r->startFrame, r->stopFrame, r));
    }
    // A spot keeps its name too: saving writes a name element for a named spot.
    for (Element* e = d.FindFirst(ELEMENT_SPOT, pos); e; e = d.FindNext(ELEMENT_SPOT, pos)) {
        const auto* s = static_cast<const SpotElement*>(e);
        ranges.push_back(MakeRange(d, s->rangeNumber, s->frame, s->frame, s));
    }
    return ranges;
}

MeasurementOpenResult OpenMeasurement(const std::string& path, MeasurementDescription& description,
                                      DataAccess& access,
                                      const std::vector<MeasurementFormatReader>& readers) {
    MeasurementOpenResult result;
    access.Detach(description);
    description.Clear();

    // Probe by content and read.
    BinaryFileReader file;
    if (path.empty() || !file.Open(path)) {
        result.message = MessageForOpenStatus(result.status);
        return result;
    }
    result.fileOpened = true;
    const MeasurementFormatReader* format = nullptr;
    for (const MeasurementFormatReader& reader : readers) {
        if (reader.probe != nullptr && reader.probe(file)) {
            format = &reader;
            break;
        }
    }
    file.Close();
    if (format == nullptr) {
        result.status = MeasurementStatus::UnknownFormat;
        result.message = MESSAGE_UNKNOWN_FORMAT;
        return result;
    }
    result.status = format->read(path, description);
    // The probe opened the file, but the reader could not (it was replaced or lost its
    // permissions in between): the user hears the same as when the probe fails.
    if (result.status == MeasurementStatus::NoInput)
        result.fileOpened = false;

    // Validate the data files; a file that ends early keeps the whole frames it holds.
    if (result.status == MeasurementStatus::Ok && !description.Empty()) {
        result.status = ValidateDataFiles(description);
    }
    if (result.status == MeasurementStatus::Ok || result.status == MeasurementStatus::SingleFrame) {
        result.shortDataFiles = TrimSegmentsToData(description);
        if (!result.shortDataFiles.empty())
            result.status = ValidateDataFiles(description);
    }
    result.message = MessageForOpenStatus(result.status);
    if (IsError(result.status) && result.status != MeasurementStatus::DataFileMissing &&
        result.status != MeasurementStatus::DataFileEmpty) {
        description.Clear();
        return result;
    }
    if (description.Empty())
        return result;
    result.keepDocument = true;

    // Attach the data.
    if (result.status == MeasurementStatus::Ok || result.status == MeasurementStatus::SingleFrame) {
        result.attachStatus = access.Attach(description);
        if (result.attachStatus != 0) {
            result.message = MESSAGE_FILE_MAPPING;
            result.keepDocument = false;
            access.Detach(description);
            description.Clear();
            return result;
        }
        result.attached = true;
    }

    // Ranges, only for a measurement with data.
    if (result.status == MeasurementStatus::Ok)
        result.ranges = RangesOf(description);
    return result;
}

}  // namespace grafyon
