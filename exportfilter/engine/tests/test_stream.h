// A stream class and sample filters for the engine's tests and fuzz targets; no format of
// the library is needed for them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "exportfilter/engine/channel_def.h"
#include "exportfilter/engine/quenar_file.h"
#include "exportfilter/engine/quenar_object.h"
#include "exportfilter/engine/quenar_stream.h"

namespace grafyon::exportfilter::test {

inline constexpr int TEST_STREAM_TYPE = 16;

// A stream with a list of channel definitions of the engine's classes and both kinds of
// output-file object. Schema 2; a schema-1 object has no multi-file part. Its writer puts
// one line per row into the data file of the first record: x and the values as "%.17g"
// separated by ";", a missing value as an empty cell.
class CQuenarStreamTest : public CQuenarStream {
public:
    static const QuenarClassInfo CLASS_INFO;
    static constexpr std::uint32_t VERSION = 1;

    // Which allowed-method rule the stream answers by.
    enum class Rule { None, Base, Text };

    CQuenarStreamTest();

    const QuenarClassInfo& GetRuntimeClass() const override { return CLASS_INFO; }
    void Store(ArchiveWriter& ar) const override;
    void Load(ArchiveReader& ar) override;

    ChannelDefList* GetChannelDefList() override { return &channelDefs; }
    int BuildAllocationList(std::vector<QuenarAllocationEntry>& entries) override;
    int InsertChannelDefinitions(std::size_t position, int count) override;
    int AssignOutputFiles(const std::string& sourcePath, QuenarSelectList& records,
                          OutputNamingContext& context) override;
    int CreateDefaultChannelDefinitions(int definitionMode) override;
    bool IsMethodAllowed(int methodCode, const QuenarSelectList& records) override;
    std::unique_ptr<QuenarRunWriter> CreateRunWriter() override;

    ChannelDefList channelDefs;
    CQuenarFileSingle singleFile;
    CQuenarFileMulti multiFile;

    // Run-time settings of the tests, not stored.
    Rule rule = Rule::Text;
    std::int64_t rowLimit = -1;  // the writer's format limit
    bool failInFinish = false;   // Finish answers 7
};

// A channel definition that holds further definitions, to nest objects as deep as wanted.
class CQuenarChannelDefTree : public CQuenarChannelDef {
public:
    static const QuenarClassInfo CLASS_INFO;

    const QuenarClassInfo& GetRuntimeClass() const override { return CLASS_INFO; }
    void Store(ArchiveWriter& ar) const override;
    void Load(ArchiveReader& ar) override;
    std::unique_ptr<CQuenarChannelDef> Clone() const override;

    ChannelDefList children;
};

// The engine's classes and the two above.
ClassRegistry TestRegistry();

// A filter with a value other than the default in every field, texts with characters of
// Windows-1252 and CR LF line ends, and channel definitions of both engine classes.
std::unique_ptr<CQuenarStreamTest> SampleFilter();

// Valid filter files: the sample filter, a default one, and variants.
std::vector<std::vector<std::uint8_t>> SampleFilterFiles();

}  // namespace grafyon::exportfilter::test
