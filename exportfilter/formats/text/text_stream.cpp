// The text format's stream: stored settings, columns, naming and default columns.
#include "text_stream.h"

#include <algorithm>
#include <new>

#include "exportfilter/engine/allocation.h"
#include "exportfilter/engine/archive.h"
#include "exportfilter/engine/channel_def_list.h"
#include "exportfilter/engine/export_method.h"
#include "exportfilter/engine/export_strings.h"
#include "text_writer.h"

namespace grafyon::exportfilter {

namespace {

constexpr int DEFAULT_COLUMN_WIDTH = 16;
constexpr int DEFAULT_NUMBER_WIDTH = 15;
constexpr int DEFAULT_PRECISION = 6;

int Clamp(std::int32_t value, int low, int high) {
    return std::clamp(static_cast<int>(value), low, high);
}

std::unique_ptr<CQuenarChannelDefText> DefaultColumn(TextColumnType type, int nameId) {
    auto column = std::make_unique<CQuenarChannelDefText>();
    column->identifier = QuenarString(nameId);
    column->columnType = static_cast<std::int32_t>(type);
    column->widthMode = 0;
    column->width = DEFAULT_COLUMN_WIDTH;
    column->separator = static_cast<std::int32_t>(TextSeparator::Space);
    column->numberFormat = static_cast<std::int32_t>(TextNumberFormat::Floating);
    column->numberWidth = DEFAULT_NUMBER_WIDTH;
    column->precision = DEFAULT_PRECISION;
    column->notation = 0;
    column->alignment = static_cast<std::int32_t>(TextAlignment::Left);
    column->nameTitle.shown = 1;
    column->labelTitle.shown = 1;
    column->unitTitle.shown = 1;
    column->unitTitle.brackets = 1;
    return column;
}

}  // namespace

const QuenarClassInfo CQuenarStreamText::CLASS_INFO = {
    "CQuenarStreamText",
    1,
    1,
    &CQuenarStream::CLASS_INFO,
    []() -> std::unique_ptr<CQuenarObject> { return std::make_unique<CQuenarStreamText>(); },
    QUENAR_TYPE_TEXT};

CQuenarStreamText::CQuenarStreamText() {
    // 265 and 266: the value formats of physical values the text takes.
    supportedFormats = {265, QUENAR_FORMAT_PHYSICAL_DOUBLE};
    outputFile.descriptionUsed = 0;
    outputFile.dataExtension = "TXT";
    outputFile.offeredExtensions = "TXT\nASC\nPRN\nDAT";
}

void CQuenarStreamText::Store(ArchiveWriter& ar) const {
    CQuenarStream::Store(ar);
    ar.WriteU32(VERSION);
    ar.WriteString(header);
    ar.WriteI32(linesAfterHeader);
    ar.WriteI32(headerOnOwnPage);
    ar.WriteI32(rowsOnPage);
    ar.WriteI32(titleMode);
    ar.WriteI32(linesAfterTitle);
    ar.WriteObjectList(columns);
    outputFile.Store(ar);
}

void CQuenarStreamText::Load(ArchiveReader& ar) {
    CQuenarStream::Load(ar);
    ar.ReadU32();  // any version: the part has had these fields from the start
    header = ar.ReadString();
    linesAfterHeader = ar.ReadI32();
    headerOnOwnPage = ar.ReadI32();
    rowsOnPage = ar.ReadI32();
    titleMode = ar.ReadI32();
    linesAfterTitle = ar.ReadI32();
    ar.ReadObjectList(columns, CQuenarChannelDefText::CLASS_INFO);
    outputFile.Load(ar);
}

int CQuenarStreamText::BuildAllocationList(std::vector<QuenarAllocationEntry>& entries) {
    AppendAllocationEntries(columns, entries);
    return 0;
}

int CQuenarStreamText::InsertChannelDefinitions(std::size_t position, int count) {
    try {
        return InsertChannelDefCopies(columns, position, count);
    } catch (const std::bad_alloc&) {
        return 2;
    }
}

int CQuenarStreamText::AssignOutputFiles(const std::string& sourcePath, QuenarSelectList& records,
                                         OutputNamingContext& context) {
    return outputFile.AssignNames(sourcePath, records, QUENAR_STR_TEXT_FILE_TYPES, 0, context);
}

int CQuenarStreamText::CreateDefaultChannelDefinitions(int definitionMode) {
    if (definitionMode != 0 && definitionMode != 1)
        return -10;
    try {
        columns.push_back(DefaultColumn(TextColumnType::Resolution, QUENAR_STR_TIME));
    } catch (const std::bad_alloc&) {
        return -11;
    }
    try {
        columns.push_back(DefaultColumn(TextColumnType::Dataset, QUENAR_STR_DATASET));
    } catch (const std::bad_alloc&) {
        return -12;
    }
    onlySelected = 1;
    titleMode = static_cast<std::int32_t>(TextTitleMode::FirstPage);
    const bool interactive = definitionMode == 0;
    allocationMode = interactive ? 1 : 0;
    outputFile.fileDialog = interactive ? 1 : 0;
    outputFile.overwrite = interactive ? 1 : 2;
    return 0;
}

bool CQuenarStreamText::IsMethodAllowed(int methodCode, const QuenarSelectList& records) {
    return TextMethodAllowed(*this, methodCode, records);
}

std::unique_ptr<QuenarRunWriter> CQuenarStreamText::CreateRunWriter() {
    return std::make_unique<TextRunWriter>(*this);
}

int CQuenarStreamText::UsedLinesAfterHeader() const {
    return Clamp(linesAfterHeader, 0, MAX_LINES);
}

int CQuenarStreamText::UsedRowsOnPage() const {
    return Clamp(rowsOnPage, 0, MAX_LINES);
}

TextTitleMode CQuenarStreamText::UsedTitleMode() const {
    return static_cast<TextTitleMode>(Clamp(titleMode, 0, 2));
}

int CQuenarStreamText::UsedLinesAfterTitle() const {
    return Clamp(linesAfterTitle, 0, MAX_LINES);
}

void RegisterTextClasses(ClassRegistry& registry) {
    registry.Add(CQuenarStreamText::CLASS_INFO);
    registry.Add(CQuenarChannelDefText::CLASS_INFO);
    registry.Add(CQuenarTextRange::CLASS_INFO);
}

}  // namespace grafyon::exportfilter
