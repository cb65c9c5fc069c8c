// The text writer's column and its value ranges.
#include "text_channel_def.h"

#include <algorithm>

#include "exportfilter/engine/archive.h"

namespace grafyon::exportfilter {

namespace {

int Clamp(std::int32_t value, int low, int high) {
    return std::clamp(static_cast<int>(value), low, high);
}

void StoreTitle(ArchiveWriter& ar, const TextTitle& title, bool withBrackets) {
    ar.WriteI32(title.shown);
    ar.WriteI32(title.userDefined);
    if (withBrackets)
        ar.WriteI32(title.brackets);
    ar.WriteI32(title.alignment);
    ar.WriteString(title.text);
}

void LoadTitle(ArchiveReader& ar, TextTitle& title, bool withBrackets) {
    title.shown = ar.ReadI32();
    title.userDefined = ar.ReadI32();
    if (withBrackets)
        title.brackets = ar.ReadI32();
    title.alignment = ar.ReadI32();
    title.text = ar.ReadString();
}

}  // namespace

const QuenarClassInfo CQuenarTextRange::CLASS_INFO = {
    "CQuenarTextRange", 1, 1, nullptr,
    []() -> std::unique_ptr<CQuenarObject> { return std::make_unique<CQuenarTextRange>(); }};

const QuenarClassInfo CQuenarChannelDefText::CLASS_INFO = {
    "CQuenarChannelDefText", 1, 1, &CQuenarChannelDef::CLASS_INFO,
    []() -> std::unique_ptr<CQuenarObject> { return std::make_unique<CQuenarChannelDefText>(); }};

void CQuenarTextRange::Store(ArchiveWriter& ar) const {
    ar.WriteU32(VERSION);
    ar.WriteString(text);
    ar.WriteF64(lower);
    ar.WriteF64(upper);
}

void CQuenarTextRange::Load(ArchiveReader& ar) {
    ar.ReadVersion(VERSION);
    text = ar.ReadString();
    lower = ar.ReadF64();
    upper = ar.ReadF64();
}

TextAlignment TextTitle::UsedAlignment() const {
    return static_cast<TextAlignment>(Clamp(alignment, 0, 2));
}

CQuenarChannelDefText::CQuenarChannelDefText(const CQuenarChannelDefText& other)
    : CQuenarChannelDef(other) {
    *this = other;
}

CQuenarChannelDefText& CQuenarChannelDefText::operator=(const CQuenarChannelDefText& other) {
    if (this == &other)
        return *this;
    CQuenarChannelDef::operator=(other);
    columnType = other.columnType;
    widthMode = other.widthMode;
    width = other.width;
    separator = other.separator;
    separatorText = other.separatorText;
    representation = other.representation;
    numberFormat = other.numberFormat;
    timeFormat = other.timeFormat;
    reserved = other.reserved;
    precision = other.precision;
    numberWidth = other.numberWidth;
    notation = other.notation;
    alignment = other.alignment;
    ranges.clear();
    for (const auto& range : other.ranges)
        ranges.push_back(std::make_unique<CQuenarTextRange>(*range));
    nameTitle = other.nameTitle;
    labelTitle = other.labelTitle;
    unitTitle = other.unitTitle;
    return *this;
}

std::unique_ptr<CQuenarChannelDef> CQuenarChannelDefText::Clone() const {
    return std::make_unique<CQuenarChannelDefText>(*this);
}

void CQuenarChannelDefText::Store(ArchiveWriter& ar) const {
    CQuenarChannelDef::Store(ar);
    ar.WriteU32(VERSION);
    ar.WriteI32(columnType);
    ar.WriteI32(widthMode);
    ar.WriteI32(width);
    ar.WriteI32(separator);
    ar.WriteString(separatorText);
    ar.WriteI32(notation);
    ar.WriteI32(representation);
    ar.WriteI32(numberFormat);
    ar.WriteI32(timeFormat);
    ar.WriteI32(reserved);
    ar.WriteI32(precision);
    ar.WriteI32(numberWidth);
    ar.WriteI32(alignment);
    ar.WriteU32(0);
    ar.WriteObjectList(ranges);
    StoreTitle(ar, nameTitle, false);
    StoreTitle(ar, labelTitle, false);
    StoreTitle(ar, unitTitle, true);
}

void CQuenarChannelDefText::Load(ArchiveReader& ar) {
    CQuenarChannelDef::Load(ar);
    const std::uint32_t version = ar.ReadVersion(VERSION);
    columnType = ar.ReadI32();
    widthMode = ar.ReadI32();
    width = ar.ReadI32();
    separator = ar.ReadI32();
    separatorText = ar.ReadString();
    if (version >= 2) {
        notation = ar.ReadI32();
    } else {
        // The first version kept the adjustment here; it replaces the base part's.
        factor = ar.ReadF64();
        offset = ar.ReadF64();
    }
    representation = ar.ReadI32();
    numberFormat = ar.ReadI32();
    timeFormat = ar.ReadI32();
    reserved = ar.ReadI32();
    precision = ar.ReadI32();
    numberWidth = ar.ReadI32();
    alignment = ar.ReadI32();
    ar.ReadU32();  // always 0
    ar.ReadObjectList(ranges, CQuenarTextRange::CLASS_INFO);
    LoadTitle(ar, nameTitle, false);
    LoadTitle(ar, labelTitle, false);
    LoadTitle(ar, unitTitle, true);
}

TextColumnType CQuenarChannelDefText::UsedColumnType() const {
    if (columnType < 0 || columnType > 3)
        return TextColumnType::Separator;
    return static_cast<TextColumnType>(columnType);
}

int CQuenarChannelDefText::UsedWidth() const {
    return Clamp(width, 1, MAX_WIDTH);
}

TextSeparator CQuenarChannelDefText::UsedSeparator() const {
    return static_cast<TextSeparator>(Clamp(separator, 0, 4));
}

TextNumberFormat CQuenarChannelDefText::UsedNumberFormat() const {
    return static_cast<TextNumberFormat>(Clamp(numberFormat, 0, 2));
}

int CQuenarChannelDefText::UsedPrecision() const {
    return Clamp(precision, 0, MAX_PRECISION);
}

int CQuenarChannelDefText::UsedNumberWidth() const {
    return Clamp(numberWidth, 1, MAX_NUMBER_WIDTH);
}

TextAlignment CQuenarChannelDefText::UsedAlignment() const {
    return static_cast<TextAlignment>(Clamp(alignment, 0, 2));
}

}  // namespace grafyon::exportfilter
