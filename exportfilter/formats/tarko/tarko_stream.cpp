// The Tarko format's stream.
#include "tarko_stream.h"

#include "common/tarko_records.h"
#include "exportfilter/engine/export_strings.h"
#include "tarko_channel_def.h"
#include "tarko_writer.h"

namespace grafyon::exportfilter {

const QuenarClassInfo CQuenarStreamTarko::CLASS_INFO = {
    "CQuenarStreamTarko",
    1,
    1,
    &CQuenarStream::CLASS_INFO,
    []() -> std::unique_ptr<CQuenarObject> { return std::make_unique<CQuenarStreamTarko>(); },
    QUENAR_TYPE_TARKO};

CQuenarStreamTarko::CQuenarStreamTarko()
    : MeasurementStream(QUENAR_STR_TARKO_DATA_FILE_TYPES, QUENAR_STR_TARKO_FILE_TYPES) {
    outputFile.dataExtension = "DTA";
    outputFile.offeredExtensions = "DTA\nDAT";
    outputFile.descriptionExtension = "TKS";
    outputFile.maxDataNameBytes = tarko::HEADER_DATA_FILE.size;
}

std::unique_ptr<CQuenarChannelDef> CQuenarStreamTarko::NewChannelDef() const {
    return std::make_unique<CQuenarChannelDefTarko>();
}

const QuenarClassInfo& CQuenarStreamTarko::ChannelDefClass() const {
    return CQuenarChannelDefTarko::CLASS_INFO;
}

std::unique_ptr<QuenarRunWriter> CQuenarStreamTarko::CreateRunWriter() {
    return std::make_unique<TarkoRunWriter>(channels, tarko::HEADER_DATA_FILE.size);
}

void RegisterTarkoClasses(ClassRegistry& registry) {
    registry.Add(CQuenarStreamTarko::CLASS_INFO);
    registry.Add(CQuenarChannelDefTarko::CLASS_INFO);
}

}  // namespace grafyon::exportfilter
