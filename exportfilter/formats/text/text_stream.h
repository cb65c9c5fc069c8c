// CQuenarStreamText: the ASCII text format, a column-formatted text file with an optional
// general header and up to three title lines (name, label, unit).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "exportfilter/engine/quenar_file.h"
#include "exportfilter/engine/quenar_stream.h"
#include "text_channel_def.h"

namespace grafyon::exportfilter {

inline constexpr int QUENAR_TYPE_TEXT = 16;

enum class TextTitleMode { None = 0, FirstPage = 1, EveryPage = 2 };

class CQuenarStreamText : public CQuenarStream {
public:
    static const QuenarClassInfo CLASS_INFO;
    static constexpr std::uint32_t VERSION = 1;
    static constexpr int MAX_LINES = 1000;  // limit of the line counts and rows on a page

    CQuenarStreamText();

    const QuenarClassInfo& GetRuntimeClass() const override { return CLASS_INFO; }
    void Store(ArchiveWriter& ar) const override;
    void Load(ArchiveReader& ar) override;

    ChannelDefList* GetChannelDefList() override { return &columns; }
    int BuildAllocationList(std::vector<QuenarAllocationEntry>& entries) override;
    int InsertChannelDefinitions(std::size_t position, int count) override;
    int AssignOutputFiles(const std::string& sourcePath, QuenarSelectList& records,
                          OutputNamingContext& context) override;
    // Modes 0 and 1: a time column and a dataset column that every dataset gets a copy of.
    int CreateDefaultChannelDefinitions(int definitionMode) override;
    bool IsMethodAllowed(int methodCode, const QuenarSelectList& records) override;
    std::unique_ptr<QuenarRunWriter> CreateRunWriter() override;

    // The stored values as the writer uses them, clamped to their ranges.
    int UsedLinesAfterHeader() const;
    int UsedRowsOnPage() const;
    TextTitleMode UsedTitleMode() const;
    int UsedLinesAfterTitle() const;

    std::string header;  // "General header", CR LF line ends as in the file
    std::int32_t linesAfterHeader = 0;
    std::int32_t headerOnOwnPage = 0;  // a form feed follows the header block
    std::int32_t rowsOnPage = 64;
    std::int32_t titleMode = 0;  // TextTitleMode
    std::int32_t linesAfterTitle = 0;
    ChannelDefList columns;  // CQuenarChannelDefText, in output order
    CQuenarFileSingle outputFile;
};

// The text format's classes, for the registry of the classes a filter file may name.
void RegisterTextClasses(ClassRegistry& registry);

}  // namespace grafyon::exportfilter
