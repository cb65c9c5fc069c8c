// The MDF format's stream.
#include "mdf_stream.h"

#include "common/mdf_fields.h"
#include "exportfilter/engine/export_strings.h"
#include "mdf_channel_def.h"
#include "mdf_writer.h"

namespace grafyon::exportfilter {

const QuenarClassInfo CQuenarStreamMdf::CLASS_INFO = {
    "CQuenarStreamMdf",
    1,
    1,
    &CQuenarStream::CLASS_INFO,
    []() -> std::unique_ptr<CQuenarObject> { return std::make_unique<CQuenarStreamMdf>(); },
    QUENAR_TYPE_MDF};

CQuenarStreamMdf::CQuenarStreamMdf()
    : MeasurementStream(QUENAR_STR_MDF_DATA_FILE_TYPES, QUENAR_STR_MDF_FILE_TYPES) {
    outputFile.dataExtension = "DTA";
    outputFile.offeredExtensions = "DTA\nDAT";
    outputFile.descriptionExtension = "MDF";
    outputFile.maxDataNameBytes = mdf::DATA_FILE_NAME.size;
}

std::unique_ptr<CQuenarChannelDef> CQuenarStreamMdf::NewChannelDef() const {
    return std::make_unique<CQuenarChannelDefMdf>();
}

const QuenarClassInfo& CQuenarStreamMdf::ChannelDefClass() const {
    return CQuenarChannelDefMdf::CLASS_INFO;
}

std::unique_ptr<QuenarRunWriter> CQuenarStreamMdf::CreateRunWriter() {
    return std::make_unique<MdfRunWriter>(channels, mdf::DATA_FILE_NAME.size);
}

void RegisterMdfClasses(ClassRegistry& registry) {
    registry.Add(CQuenarStreamMdf::CLASS_INFO);
    registry.Add(CQuenarChannelDefMdf::CLASS_INFO);
}

}  // namespace grafyon::exportfilter
