// The measurement streams' shared settings, definitions and naming.
#include "measurement_stream.h"

#include <new>

#include "allocation.h"
#include "archive.h"
#include "channel_def_list.h"
#include "export_method.h"
#include "export_strings.h"

namespace grafyon::exportfilter {

MeasurementStream::MeasurementStream(int dataFilterId, int descriptionFilterId)
    : m_dataFilterId(dataFilterId), m_descriptionFilterId(descriptionFilterId) {
    // 265 and 266: physical values, which the data file stores as 32-bit floats.
    supportedFormats = {265, QUENAR_FORMAT_PHYSICAL_DOUBLE};
    outputFile.descriptionUsed = 1;
}

void MeasurementStream::Store(ArchiveWriter& ar) const {
    CQuenarStream::Store(ar);
    ar.WriteU32(VERSION);
    ar.WriteObjectList(channels);
    outputFile.Store(ar);
}

void MeasurementStream::Load(ArchiveReader& ar) {
    CQuenarStream::Load(ar);
    ar.ReadVersion(VERSION);
    ar.ReadObjectList(channels, ChannelDefClass());
    outputFile.Load(ar);
}

int MeasurementStream::BuildAllocationList(std::vector<QuenarAllocationEntry>& entries) {
    AppendAllocationEntries(channels, entries);
    return 0;
}

int MeasurementStream::InsertChannelDefinitions(std::size_t position, int count) {
    try {
        return InsertChannelDefCopies(channels, position, count);
    } catch (const std::bad_alloc&) {
        return 2;
    }
}

int MeasurementStream::AssignOutputFiles(const std::string& sourcePath, QuenarSelectList& records,
                                         OutputNamingContext& context) {
    return outputFile.AssignNames(sourcePath, records, m_dataFilterId, m_descriptionFilterId,
                                  context);
}

int MeasurementStream::CreateDefaultChannelDefinitions(int definitionMode) {
    if (definitionMode != 0 && definitionMode != 1)
        return -10;
    try {
        std::unique_ptr<CQuenarChannelDef> definition = NewChannelDef();
        definition->identifier = QuenarString(QUENAR_STR_DATASET);
        channels.push_back(std::move(definition));
    } catch (const std::bad_alloc&) {
        return -11;
    }
    return 0;
}

bool MeasurementStream::IsMethodAllowed(int methodCode, const QuenarSelectList& records) {
    return BaseMethodAllowed(*this, methodCode, records);
}

}  // namespace grafyon::exportfilter
