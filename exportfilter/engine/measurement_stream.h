// The base of the streams that write a measurement: channel definitions of one class, fed
// by one dataset each, one data file and one description file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "channel_def.h"
#include "quenar_file.h"
#include "quenar_stream.h"

namespace grafyon::exportfilter {

class MeasurementStream : public CQuenarStream {
public:
    static constexpr std::uint32_t VERSION = 1;

    // dataFilterId and descriptionFilterId: the file-type filters of the "Save as" dialogs.
    MeasurementStream(int dataFilterId, int descriptionFilterId);

    void Store(ArchiveWriter& ar) const override;
    void Load(ArchiveReader& ar) override;

    ChannelDefList* GetChannelDefList() override { return &channels; }
    int BuildAllocationList(std::vector<QuenarAllocationEntry>& entries) override;
    int InsertChannelDefinitions(std::size_t position, int count) override;
    int AssignOutputFiles(const std::string& sourcePath, QuenarSelectList& records,
                          OutputNamingContext& context) override;
    // Modes 0 and 1: one definition named "Dataset".
    int CreateDefaultChannelDefinitions(int definitionMode) override;
    bool IsMethodAllowed(int methodCode, const QuenarSelectList& records) override;

    // A new definition of the format's class, and that class.
    virtual std::unique_ptr<CQuenarChannelDef> NewChannelDef() const = 0;
    virtual const QuenarClassInfo& ChannelDefClass() const = 0;

    ChannelDefList channels;
    CQuenarFileSingle outputFile;

private:
    int m_dataFilterId;
    int m_descriptionFilterId;
};

}  // namespace grafyon::exportfilter
