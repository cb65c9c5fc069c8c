// CQuenarClass: the base of every filter, with the settings all formats share.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "allocation.h"
#include "channel_def.h"
#include "common/quenar_select_item.h"
#include "quenar_object.h"

namespace grafyon::exportfilter {

struct OutputNamingContext;

// A caller-supplied status display: context, percentage, count, total; 0 asks to cancel.
using QuenarStatusFunction = int (*)(void* context, double percent, std::int32_t count,
                                     std::int32_t total);

class CQuenarClass : public CQuenarObject {
public:
    static const QuenarClassInfo CLASS_INFO;
    static constexpr std::uint32_t VERSION = 6;

    const QuenarClassInfo& GetRuntimeClass() const override { return CLASS_INFO; }
    void Store(ArchiveWriter& ar) const override;
    void Load(ArchiveReader& ar) override;

    virtual int GetTypeCode() const { return typeCode; }
    virtual int SetTypeCode(int code) { return typeCode = code; }
    // The stream's channel definitions; null for a class without any.
    virtual ChannelDefList* GetChannelDefList() { return nullptr; }
    // Streams append one entry per definition that takes a dataset; 0.
    virtual int BuildAllocationList(std::vector<QuenarAllocationEntry>& entries);
    // Streams insert count copies of the definition at position after it and answer 0
    // (1 when count < 1 or there is no such position, 2 when a copy cannot be made).
    virtual int InsertChannelDefinitions(std::size_t position, int count);
    virtual std::string GetDefaultExtension() const { return ".txt"; }
    // Streams name the output files of the selected records through their output-file
    // object; 0 or that object's failure code.
    virtual int AssignOutputFiles(const std::string& sourcePath, QuenarSelectList& records,
                                  OutputNamingContext& context);
    // Streams answer modes 0 and 1 with 0, another mode with -10, and -11 or lower when a
    // definition cannot be made; the base has none (-1).
    virtual int CreateDefaultChannelDefinitions(int definitionMode);

    // The type code written to a file: the stream class's own, so that a copied or old
    // filter always carries its format's code.
    int FileTypeCode() const;

    // The stored settings as they are used: a value out of its range is clamped here and
    // left as it is in the object, so writing the filter back keeps what the file held.
    int UsedAllocationMode() const;
    int UsedCommentaryMode() const;
    int UsedMethod() const;
    int UsedMissingEvery() const;
    int UsedMissingConstant() const;
    int UsedResolutionBy() const;

    // Stored settings.
    std::int32_t onlySelected = 0;  // "Export only selected datasets (...)"
    std::int32_t allocationMode = 1;
    std::int32_t commentaryMode = 0;
    std::string commentaryText;  // CR LF line ends as in the file
    std::int32_t typeCode = 0;
    std::string designation;
    std::string description;
    std::int32_t method = 0;           // 0 every value, 1 constant resolution, 2 original order
    std::int32_t missingEvery = 0;     // 0 ignore, 1 interpolate, 2 sample&hold
    std::int32_t missingConstant = 1;  // the same, for method 1
    double resolution = 1.0;           // seconds
    std::int32_t resolutionBy = 0;     // 0 resolution, 1 frequency
    double frequency = 1.0;            // Hz

    // Run-time state of one export, never stored.
    int hostRows = 0;  // the value source is an adapter over the host's row function
    int showStatus = 0;
    QuenarStatusFunction statusFunction = nullptr;
    void* statusContext = nullptr;
    int methodCode = 0;
    void* sourceContext = nullptr;
    std::vector<int> supportedFormats;  // set by each stream's constructor
};

}  // namespace grafyon::exportfilter
