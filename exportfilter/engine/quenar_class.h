// CQuenarClass: the base of every filter, with the settings all formats share.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "allocation.h"
#include "channel_def.h"
#include "common/quenar_host.h"
#include "common/quenar_select_item.h"
#include "quenar_message.h"
#include "quenar_object.h"

namespace grafyon::exportfilter {

struct OutputNamingContext;
struct QuenarRunContext;
class QuenarHostTable;

// The row function of every method but 4: the source (host context or adapter), one value
// and one availability flag per selected record, and the x value (delivered by methods 1,
// 5 and 6, asked for by 7, 8 and 9). Greater than 0 per row, 0 at the end, negative when
// the host could not read its data.
using QuenarRowFunction = QuenarFlaggedRowFunction;

// How one selected record's values reach the writer.
struct QuenarFormatEntry {
    const CQuenarSelectItem* record = nullptr;
    double start = 0.0;
    double step = 0.0;
    int formatCode = QUENAR_FORMAT_PHYSICAL_DOUBLE;
    double scaling[3] = {0.0, 1.0, 0.0};  // identity for physical values
};

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

    // Clears the status fields; the run shows the library's progress window when mode is
    // non-zero and the library's status window is enabled. The function and context are
    // kept for a caller-supplied display and never called by the engine.
    virtual void ResetStatus(int mode, QuenarStatusFunction function, void* context,
                             bool statusWindowEnabled);
    // 0 when at least one record is selected (else message 4009 and 1) and, for method
    // "constant resolution", the requested resolution is finite and positive (else 2).
    // Streams add their own checks after it; hosts says which host functions exist (such
    // as the value range that automatic calibration needs).
    virtual int CheckDataSource(const QuenarSelectList& records, QuenarMessenger& messenger,
                                const QuenarHostTable& hosts);
    // Streams allow methods by BaseMethodAllowed or TextMethodAllowed; the base allows none.
    virtual bool IsMethodAllowed(int methodCode, const QuenarSelectList& records);
    // True when the code is in the supported list or the list begins with 0 (any format).
    virtual bool SupportsValueFormat(int formatCode) const;
    // Writes the output files; the base writes nothing and answers 0.
    virtual int Run(QuenarSelectList& records, QuenarRunContext& context);

    // Forgets the value source chosen for a run.
    void ClearValueSource();

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
    QuenarReadRowFunction blockRowFunction = nullptr;  // method 4
    QuenarRowFunction rowFunction = nullptr;           // every other method
    void* sourceContext = nullptr;      // handed to the row function: host context or adapter
    void* hostContext = nullptr;        // handed to every host function
    std::vector<int> supportedFormats;  // set by each stream's constructor
    std::vector<QuenarFormatEntry> formatEntries;
};

}  // namespace grafyon::exportfilter
