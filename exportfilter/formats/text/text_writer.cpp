// The text format's run.
#include "text_writer.h"

#include <algorithm>
#include <cstring>

#include "common/codec_1252.h"
#include "exportfilter/engine/local_notation.h"
#include "exportfilter/engine/path_text.h"
#include "text_cells.h"
#include "text_stream.h"

namespace grafyon::exportfilter {

namespace {

constexpr char FORM_FEED = '\f';
constexpr char SPACE_BLOCK[16] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                  ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};

enum class TitleLine { Name, Label, Unit };

const TextTitle& TitleOf(const CQuenarChannelDefText& column, TitleLine line) {
    switch (line) {
        case TitleLine::Name:
            return column.nameTitle;
        case TitleLine::Label:
            return column.labelTitle;
        case TitleLine::Unit:
            break;
    }
    return column.unitTitle;
}

// The text a title cell shows before it is cut and aligned, as UTF-8.
std::string TitleText(const CQuenarChannelDefText& column, TextColumnType type, TitleLine line,
                      const CQuenarSelectItem* record, const CQuenarSelectItem* carrier) {
    const TextTitle& title = TitleOf(column, line);
    if (title.userDefined != 0)
        return title.text;
    switch (type) {
        case TextColumnType::Dataset:
            switch (line) {
                case TitleLine::Name:
                    return record->name;
                case TitleLine::Label:
                    return record->label;
                case TitleLine::Unit:
                    return column.adjustment != 0 ? column.unit : record->unit;
            }
            break;
        case TextColumnType::Resolution:
            return line == TitleLine::Unit ? carrier->carrierUnit : carrier->carrierName;
        case TextColumnType::Separator:
        case TextColumnType::LineNumber:
            break;
    }
    return {};
}

}  // namespace

TextRunWriter::TextRunWriter(const CQuenarStreamText& stream)
    : m_stream(stream), m_lineNumber(*NumberFormat::Compile("%d")) {}

int TextRunWriter::Prepare(QuenarRun& run) {
    m_point = UserDecimalPoint();
    PlanColumns(run);
    BuildTitleLines(run);
    std::size_t longest = 2;  // CR LF
    for (const Cell& cell : m_cells) {
        const std::size_t text = cell.number ? cell.number->MaxLength() : m_lineNumber.MaxLength();
        longest += std::max({text, cell.field, static_cast<std::size_t>(cell.width)}) +
                   sizeof SPACE_BLOCK + cell.separator.size();
        if (cell.separator.find('\n') != std::string::npos)
            m_feedInRows = true;
    }
    m_line.resize(longest);
    return 0;
}

void TextRunWriter::PlanColumns(QuenarRun& run) {
    const std::vector<CQuenarSelectItem*>& records = run.Records();
    for (const auto& definition : m_stream.columns) {
        const auto* column = dynamic_cast<const CQuenarChannelDefText*>(definition.get());
        if (column == nullptr)
            continue;
        Cell cell;
        cell.column = column;
        cell.type = column->UsedColumnType();
        if (cell.type == TextColumnType::Dataset) {
            const auto bound = std::find_if(records.begin(), records.end(),
                                            [&](const auto* r) { return r->channelDef == column; });
            if (bound == records.end())
                continue;
            cell.record = static_cast<std::size_t>(bound - records.begin());
        }
        cell.width = column->IsFixedWidth() ? column->UsedWidth() : 0;
        cell.plainLineNumber = cell.type == TextColumnType::LineNumber && column->adjustment == 0;
        if (cell.type != TextColumnType::Separator && !cell.plainLineNumber) {
            cell.number = NumberFormat::Compile(NumberCoreFormat(*column));
            cell.field = static_cast<std::size_t>(
                std::max(cell.width, column->IsFixedWidth() ? column->UsedNumberWidth() : 0));
        }
        cell.local = column->IsLocalNotation();
        cell.alignment = column->UsedAlignment();
        cell.separator = SeparatorText(*column);
        m_cells.push_back(std::move(cell));
    }
}

void TextRunWriter::BuildTitleLines(QuenarRun& run) {
    if (m_stream.UsedTitleMode() == TextTitleMode::None)
        return;
    const std::vector<CQuenarSelectItem*>& records = run.Records();
    for (TitleLine line : {TitleLine::Name, TitleLine::Label, TitleLine::Unit}) {
        const bool exists = std::any_of(m_cells.begin(), m_cells.end(), [&](const Cell& cell) {
            return TitleOf(*cell.column, line).shown != 0;
        });
        if (!exists)
            continue;
        std::string text;
        const CQuenarSelectItem* carrier = records.front();
        for (const Cell& cell : m_cells) {
            const CQuenarSelectItem* record = nullptr;
            if (cell.type == TextColumnType::Dataset)
                carrier = record = records[cell.record];
            const TextTitle& title = TitleOf(*cell.column, line);
            std::string cellText;
            if (title.shown != 0) {
                cellText = Utf8ToCp1252(
                    CrLfToLineFeeds(TitleText(*cell.column, cell.type, line, record, carrier)));
            }
            if (cellText.empty() && cell.width > 0) {
                cellText.assign(static_cast<std::size_t>(cell.width), ' ');
            } else if (title.shown != 0) {
                const bool brackets = line == TitleLine::Unit && title.brackets != 0;
                if (cell.width > 0) {
                    const int room = std::max(0, cell.width - (brackets ? 2 : 0));
                    if (cellText.size() > static_cast<std::size_t>(room))
                        cellText.resize(static_cast<std::size_t>(room));
                }
                if (brackets)
                    cellText = "[" + cellText + "]";
                AlignInField(cellText, cell.width, title.UsedAlignment());
            }
            text += cellText;
            text += cell.separator;
        }
        if (!text.empty())
            m_titleLines.push_back(text + '\n');
    }
}

int TextRunWriter::Open(QuenarRun& run) {
    m_out = run.CreateOutput(run.Records().front()->dataFileName);
    if (m_out == nullptr)
        return RUN_OUTPUT_FAILED;
    WriteHeader();
    BeforeRow(0);
    return 0;
}

void TextRunWriter::WriteHeader() {
    const std::string header = Utf8ToCp1252(CrLfToLineFeeds(m_stream.header));
    if (!header.empty()) {
        WriteLines(header);
        m_lineCount += std::count(header.begin(), header.end(), '\n');
    }
    for (int i = 0; i < m_stream.UsedLinesAfterHeader(); ++i) {
        m_out->LineEnd();
        ++m_lineCount;
    }
    if (m_stream.headerOnOwnPage != 0) {
        m_out->Char(FORM_FEED);
        m_lineCount = 0;
    }
}

void TextRunWriter::BeforeRow(std::int64_t n) {
    const TextTitleMode mode = m_stream.UsedTitleMode();
    bool newPage = false;
    // A page holds rows-on-page counted lines; a page is never left empty.
    if (mode == TextTitleMode::EveryPage && m_lineCount > 0 &&
        m_lineCount >= m_stream.UsedRowsOnPage()) {
        m_out->Char(FORM_FEED);
        m_lineCount = 0;
        newPage = true;
    }
    if (mode != TextTitleMode::None && (n == 0 || newPage))
        WriteTitles();
}

void TextRunWriter::WriteTitles() {
    for (const std::string& line : m_titleLines) {
        WriteLines(line);
        ++m_lineCount;
    }
    for (int i = 0; i < m_stream.UsedLinesAfterTitle(); ++i) {
        m_out->LineEnd();
        ++m_lineCount;
    }
}

bool TextRunWriter::BlockRow(QuenarRun& run, const double* values) {
    // x0 + n * dx rather than a running sum, so that long runs do not drift.
    const double x = run.Start() + static_cast<double>(run.Row()) * run.Interval();
    return WriteRow(run, values, run.AllAvailable(), x);
}

bool TextRunWriter::Row(QuenarRun& run, const double* values, const std::int32_t* flags, double x) {
    return WriteRow(run, values, flags, x);
}

char* TextRunWriter::NumberCell(char* out, const Cell& cell, double value) const {
    // The column's format pads the number with spaces in front to its width and the field
    // aligns it again; placing the bare number in the field gives the same bytes.
    char* end = cell.number->Format(value, out);
    if (cell.local)
        UseDecimalPoint(out, end, m_point);
    const auto length = static_cast<std::size_t>(end - out);
    if (length >= cell.field)
        return end;
    const std::size_t spaces = cell.field - length;
    const std::size_t at = AlignedStart(cell.alignment, spaces);
    if (at == 0) {
        // Spaces in blocks of 16: the cell's room reaches past the field by a block, and
        // what lands beyond the field is overwritten by the next cell.
        for (std::size_t i = 0; i < spaces; i += sizeof SPACE_BLOCK)
            std::memcpy(end + i, SPACE_BLOCK, sizeof SPACE_BLOCK);
        return out + cell.field;
    }
    std::memmove(out + at, out, length);
    std::memset(out, ' ', at);
    std::memset(out + at + length, ' ', spaces - at);
    return out + cell.field;
}

bool TextRunWriter::WriteRow(QuenarRun& run, const double* values, const std::int32_t* flags,
                             double x) {
    const std::int64_t n = run.Row();
    if (n > 0)
        BeforeRow(n);
    char* const begin = m_line.data();
    char* out = begin;
    for (const Cell& cell : m_cells) {
        const CQuenarChannelDefText& column = *cell.column;
        switch (cell.type) {
            case TextColumnType::Separator:
                std::memset(out, ' ', static_cast<std::size_t>(cell.width));
                out += cell.width;
                break;
            case TextColumnType::Dataset:
                if (flags[cell.record] != 0)
                    out = NumberCell(out, cell, column.Adjusted(values[cell.record]));
                else
                    out = AlignInField(out, out, cell.width, cell.alignment);
                break;
            case TextColumnType::LineNumber:
                if (cell.plainLineNumber)
                    out = AlignInField(out, m_lineNumber.FormatInteger(n, out), cell.width,
                                       cell.alignment);
                else
                    out = NumberCell(out, cell, column.Adjusted(static_cast<double>(n)));
                break;
            case TextColumnType::Resolution:
                out = NumberCell(out, cell, column.Adjusted(x));
                break;
        }
        if (cell.separator.size() == 1) {
            *out++ = cell.separator.front();
        } else if (!cell.separator.empty()) {
            std::memcpy(out, cell.separator.data(), cell.separator.size());
            out += cell.separator.size();
        }
    }
    if (m_feedInRows) {
        WriteLines(std::string_view(begin, static_cast<std::size_t>(out - begin)));
        m_out->LineEnd();
    } else {
        *out++ = '\r';
        *out++ = '\n';
        m_out->Text(std::string_view(begin, static_cast<std::size_t>(out - begin)));
    }
    ++m_lineCount;
    return true;
}

void TextRunWriter::WriteLines(std::string_view text) {
    m_out->TextCrLf(text);
}

}  // namespace grafyon::exportfilter
