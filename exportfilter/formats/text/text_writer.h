// One run of the text format: the columns in output order with their formats, the title
// lines, and the lines written row by row with pages, titles and line ends.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/number_format.h"
#include "exportfilter/engine/export_run.h"
#include "text_channel_def.h"

namespace grafyon::exportfilter {

class CQuenarStreamText;

class TextRunWriter : public QuenarRunWriter {
public:
    explicit TextRunWriter(const CQuenarStreamText& stream);

    int Prepare(QuenarRun& run) override;
    int Open(QuenarRun& run) override;
    bool BlockRow(QuenarRun& run, const double* values) override;
    bool Row(QuenarRun& run, const double* values, const std::int32_t* flags, double x) override;

private:
    // One column of the output; dataset columns without a record are left out.
    struct Cell {
        const CQuenarChannelDefText* column = nullptr;
        TextColumnType type = TextColumnType::Separator;
        std::size_t record = 0;  // dataset columns: the index of the value in a row
        int width = 0;           // effective width: 0 for a variable column
        // The number format without its width: the text between the spaces that the
        // width would add, which alignment moves anyway.
        std::optional<NumberFormat> number;
        std::size_t field = 0;         // the larger of the number width and the effective width
        bool plainLineNumber = false;  // "%d" of the row number
        bool local = false;
        TextAlignment alignment = TextAlignment::Right;
        std::string separator;
    };

    void PlanColumns(QuenarRun& run);
    void BuildTitleLines(QuenarRun& run);
    void WriteHeader();
    // The page check and titles before row n.
    void BeforeRow(std::int64_t n);
    void WriteTitles();
    bool WriteRow(QuenarRun& run, const double* values, const std::int32_t* flags, double x);
    // The number at out, aligned in its field; the end of the field.
    char* NumberCell(char* out, const Cell& cell, double value) const;
    // Writes text, each "\n" as CR LF.
    void WriteLines(std::string_view text);

    const CQuenarStreamText& m_stream;
    std::vector<Cell> m_cells;
    std::vector<std::string> m_titleLines;  // each ending in "\n", in Windows-1252
    std::vector<char> m_line;               // room for the longest line a row can make
    bool m_feedInRows = false;              // a separator holds a line end
    char m_point = '.';
    NumberFormat m_lineNumber;
    QuenarOutputFile* m_out = nullptr;
    std::int64_t m_lineCount = 0;
};

}  // namespace grafyon::exportfilter
