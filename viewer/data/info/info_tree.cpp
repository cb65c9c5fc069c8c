// Builds the information topics: one node per group and per element worth a page.
#include "info_tree.h"

#include <filesystem>

#include "common/printf_format.h"
#include "info_date_format.h"
#include "viewer/data/data_type.h"
#include "viewer/data/measurement_description.h"

namespace grafyon {

namespace {

// Room for one formatted parameter value, as a caller's buffer would give it.
constexpr std::size_t PARAMETER_TEXT_ROOM = 1024;
constexpr const char* RECORDING_DATE_FORMAT = "%d.%m.%Y  %H:%M.%S";
constexpr const char* UNKNOWN = "?";

class TreeBuilder {
public:
    TreeBuilder(const MeasurementDescription& d, const InfoNumberFormat& number,
                const InfoTexts& texts)
        : m_d(d), m_number(number), m_t(texts) {}

    InfoNode General(const std::string& filePath) const;
    InfoNode Datasets() const;
    InfoNode Comments() const;
    InfoNode Parameters() const;
    InfoNode DataRanges() const;
    InfoNode Ranges() const;

private:
    std::string Number(double value) const {
        return m_number ? m_number(value) : FormatPrintf("%g", value);
    }
    static std::string WithUnit(std::string text, const std::string& unit) {
        return unit.empty() ? text : text + "  [" + unit + "]";
    }
    std::string Position(const std::string& label, std::uint64_t frame) const {
        return FormatPrintf("%s:  %g [%s]", label, m_d.TimeOfFrame(frame), m_d.CarrierUnit());
    }
    std::string PackedDate(std::uint32_t packed) const;
    std::string ParameterValue(const ParameterElement& p) const;
    InfoNode Range(const RangeElement& r) const;
    InfoNode Spot(const SpotElement& s) const;
    // The values of a group page: the titles of its children.
    static void ListChildren(InfoNode& group);

    const MeasurementDescription& m_d;
    const InfoNumberFormat& m_number;
    const InfoTexts& m_t;
};

void AddLabel(InfoNode& node, const std::string& label, std::string value) {
    node.rows.push_back({label, INFO_ROW_LABEL});
    node.rows.push_back({std::move(value), INFO_ROW_VALUE});
}

void AddHeading(InfoNode& node, const std::string& heading, std::string value) {
    node.rows.push_back({heading, INFO_ROW_HEADING});
    node.rows.push_back({std::move(value), INFO_ROW_VALUE});
}

void AddValue(InfoNode& node, std::string value) {
    node.rows.push_back({std::move(value), INFO_ROW_VALUE});
}

InfoNode NewNode(std::string title, InfoNodeKind kind, const Element* reference = nullptr) {
    InfoNode node;
    node.title = std::move(title);
    node.kind = kind;
    node.reference = reference;
    return node;
}

std::string TwoDigitTitle(const std::string& word, std::uint64_t number) {
    return FormatPrintf("%s %02d", word, number);
}

void TreeBuilder::ListChildren(InfoNode& group) {
    for (const InfoNode& child : group.children)
        AddValue(group, child.title);
}

InfoNode TreeBuilder::General(const std::string& filePath) const {
    const HeaderElement& h = *m_d.Header();
    InfoNode node = NewNode(m_t.general, InfoNodeKind::General, &h);
    const std::filesystem::path path(filePath.empty() ? h.filePath : filePath);
    std::string fileName = path.filename().string();
    node.rows.push_back({fileName.empty() ? h.fileName : fileName, INFO_ROW_TITLE});

    AddLabel(node, m_t.numberOfDatasets, FormatPrintf("%u", h.DatasetTotal()));
    AddLabel(node, m_t.numberOfFrames, FormatPrintf("%llu", m_d.FrameCount()));

    // The step of the first segment, unless another segment has a different one.
    const std::vector<TimeSegmentElement*> segments = m_d.TimeSegments();
    bool variable = false;
    for (const TimeSegmentElement* s : segments)
        variable = variable || !(s->sampleStep == segments.front()->sampleStep);
    if (variable) {
        AddLabel(node, m_t.sampleStep, m_t.variable);
        AddLabel(node, m_t.sampleRate, m_t.variable);
    } else if (segments.empty()) {
        AddLabel(node, m_t.sampleStep, UNKNOWN);
    } else {
        const double step = segments.front()->sampleStep;
        AddLabel(node, m_t.sampleStep, WithUnit(Number(step), m_d.CarrierUnit()));
        if (step > 0.0)
            AddLabel(node, m_t.sampleRate, WithUnit(Number(1.0 / step), "Hz"));
    }

    DateTimeParts recorded;
    recorded.year = static_cast<int>(h.year);
    recorded.month = static_cast<int>(h.month);
    recorded.day = static_cast<int>(h.day);
    recorded.hour = static_cast<int>(h.hour);
    recorded.minute = static_cast<int>(h.minute);
    recorded.second = static_cast<int>(h.second);
    // Fields beyond int's range are invalid anyway.
    const bool fits = h.year <= 9999 && h.month <= 99 && h.day <= 99 && h.hour <= 99 &&
                      h.minute <= 99 && h.second <= 99;
    AddLabel(node, m_t.date,
             fits && IsValidDateTime(recorded) ? FormatDateTime(RECORDING_DATE_FORMAT, recorded)
                                               : UNKNOWN);
    AddLabel(node, m_t.frameSize, FormatPrintf("%u", h.frameSize));
    AddLabel(node, m_t.filePath, path.parent_path().string());
    node.rows.push_back({m_t.dataFile, INFO_ROW_LABEL});
    for (const DataFileElement* f : m_d.DataFiles())
        AddValue(node, f->fileName);
    return node;
}

InfoNode TreeBuilder::Datasets() const {
    InfoNode group = NewNode(m_t.datasets, InfoNodeKind::DatasetGroup);
    int position = 0;
    for (const Dataset* s : m_d.Datasets()) {
        InfoNode node =
            NewNode(FormatPrintf("%d %s", ++position, s->name), InfoNodeKind::Dataset, s);
        AddHeading(node, m_t.label, s->label);
        AddHeading(node, m_t.unit, s->unit);
        if (s->Kind() == ELEMENT_DATASET && s->extremesKnown) {
            AddHeading(node, m_t.minimum, Number(s->minimum));
            AddHeading(node, m_t.maximum, Number(s->maximum));
        }
        AddHeading(node, m_t.calibrationFactor, Number(s->factor));
        AddHeading(node, m_t.calibrationOffset, Number(s->offset));
        AddHeading(node, m_t.dataType, s->TypeName());
        AddHeading(node, m_t.dataTypeSize,
                   FormatPrintf("%d Bytes", DataTypeDisplaySize(s->dataType)));
        AddHeading(node, m_t.dataMask, FormatPrintf("%04X hex", s->dataMask));
        AddHeading(node, m_t.frameOffset, FormatPrintf("%u", s->frameOffset));
        AddHeading(node, m_t.valuesPerFrame, FormatPrintf("%u", s->valuesPerFrame));
        group.children.push_back(std::move(node));
    }
    ListChildren(group);
    return group;
}

InfoNode TreeBuilder::Comments() const {
    InfoNode node = NewNode(m_t.commentary, InfoNodeKind::Comments);
    for (const auto& e : m_d.Elements()) {
        if (e->Kind() == ELEMENT_COMMENT)
            AddValue(node, static_cast<const CommentElement&>(*e).text);
    }
    return node;
}

std::string TreeBuilder::ParameterValue(const ParameterElement& p) const {
    std::string text;
    double value = 0.0;
    if (BaseDataType(p.valueType) != DATA_TYPE_TEXT) {
        // A number needs all its bytes in a byte order that can be read.
        const std::uint32_t size = ReadableValueSize(p.valueType);
        if (size == 0 || p.data.size() < size)
            return m_t.undefined;
        value = DecodeValue(p.data.data(), p.valueType, 0xFFFFFFFF, 1.0, 0.0);
    }
    if (FormatValue(p.valueType, value, p.data, "%g", PARAMETER_TEXT_ROOM, text) ==
        FORMAT_VALUE_ERROR)
        return m_t.undefined;
    return text;
}

InfoNode TreeBuilder::Parameters() const {
    InfoNode group = NewNode(m_t.parameters, InfoNodeKind::Parameters);
    for (const auto& e : m_d.Elements()) {
        if (e->Kind() != ELEMENT_PARAMETER)
            continue;
        const auto& p = static_cast<const ParameterElement&>(*e);
        InfoNode node =
            NewNode(TwoDigitTitle(m_t.parameter, p.parameterNumber), InfoNodeKind::Parameter, &p);
        AddLabel(node, m_t.value, ParameterValue(p));
        AddLabel(node, m_t.samples, FormatPrintf("%u", p.frame));
        AddLabel(node, m_t.dataType, DataTypeName(p.valueType));
        group.children.push_back(std::move(node));
    }
    ListChildren(group);
    return group;
}

InfoNode TreeBuilder::DataRanges() const {
    InfoNode group = NewNode(m_t.dataRanges, InfoNodeKind::DataRanges);
    std::uint64_t first = 0;  // the segment's first frame in the measurement
    int position = 0;
    for (const TimeSegmentElement* s : m_d.TimeSegments()) {
        InfoNode node =
            NewNode(TwoDigitTitle(m_t.dataRange, ++position), InfoNodeKind::DataRange, s);
        const std::uint64_t last = s->frameCount > 0 ? first + s->frameCount - 1 : first;
        AddLabel(node, m_t.numberOfFrames, FormatPrintf("%llu", s->frameCount));
        AddLabel(node, m_t.startCarrier, WithUnit(Number(m_d.TimeOfFrame(first)), s->carrierUnit));
        AddLabel(node, m_t.endCarrier, WithUnit(Number(m_d.TimeOfFrame(last)), s->carrierUnit));
        const DataFileElement* file = m_d.DataFileByNumber(s->dataFileNumber);
        AddLabel(node, m_t.dataFile, file ? file->fileName : UNKNOWN);
        AddLabel(node, m_t.fileOffset, file ? FormatPrintf("%llu", file->dataOffset) : UNKNOWN);
        AddLabel(node, m_t.sampleStep, WithUnit(Number(s->sampleStep), s->carrierUnit));
        group.children.push_back(std::move(node));
        first += s->frameCount;
    }
    ListChildren(group);
    return group;
}

std::string TreeBuilder::PackedDate(std::uint32_t packed) const {
    const DateTimeParts parts = UnpackDateTime(packed);
    if (!IsValidDateTime(parts))
        return UNKNOWN;
    return FormatDateTime(m_t.dateFormat, parts) + " " + FormatDateTime(m_t.timeFormat, parts);
}

InfoNode TreeBuilder::Range(const RangeElement& r) const {
    // Only the name element of this very range names it.
    std::string title;
    std::size_t pos = 0;
    for (Element* e = m_d.FindFirst(ELEMENT_RANGE_NAME, pos); e != nullptr;
         e = m_d.FindNext(ELEMENT_RANGE_NAME, pos)) {
        const auto* name = static_cast<const RangeNameElement*>(e);
        if (name->rangeNumber == r.rangeNumber && !name->name.empty()) {
            title = name->name;
            break;
        }
    }
    if (title.empty())
        title = FormatPrintf("%s %d", m_t.range, r.rangeNumber);
    InfoNode node = NewNode(title, InfoNodeKind::Range, &r);
    // Frames are shown counted from 1, as everywhere in the viewer.
    AddValue(node, FormatPrintf("%s:  %d", m_t.startFrame, std::uint64_t{r.startFrame} + 1));
    AddValue(node, FormatPrintf("%s:  %d", m_t.stopFrame, std::uint64_t{r.stopFrame} + 1));
    AddValue(node, Position(m_t.startPosition, r.startFrame));
    AddValue(node, Position(m_t.endPosition, r.stopFrame));
    AddValue(node, FormatPrintf("%s:  %s", m_t.startDate, PackedDate(r.startDateTime)));
    AddValue(node, FormatPrintf("%s:  %s", m_t.endDate, PackedDate(r.endDateTime)));
    for (const auto& e : m_d.Elements()) {
        if (e->Kind() != ELEMENT_RANGE_PARAMETER)
            continue;
        const auto& p = static_cast<const ParameterElement&>(*e);
        if (p.rangeNumber == r.rangeNumber) {
            AddValue(node, FormatPrintf("%s:  %s", TwoDigitTitle(m_t.parameter, p.parameterNumber),
                                        ParameterValue(p)));
        }
    }
    return node;
}

InfoNode TreeBuilder::Spot(const SpotElement& s) const {
    InfoNode node =
        NewNode(FormatPrintf("%s %d", m_t.spot, s.rangeNumber), InfoNodeKind::Range, &s);
    AddValue(node, FormatPrintf("%s:  %d", m_t.frame, std::uint64_t{s.frame} + 1));
    AddValue(node, Position(m_t.position, s.frame));
    AddValue(node, FormatPrintf("%s:  %s", m_t.date, PackedDate(s.dateTime)));
    return node;
}

InfoNode TreeBuilder::Ranges() const {
    InfoNode group = NewNode(m_t.ranges, InfoNodeKind::Ranges);
    for (const auto& e : m_d.Elements()) {
        if (e->Kind() == ELEMENT_RANGE)
            group.children.push_back(Range(static_cast<const RangeElement&>(*e)));
        else if (e->Kind() == ELEMENT_SPOT)
            group.children.push_back(Spot(static_cast<const SpotElement&>(*e)));
    }
    ListChildren(group);
    return group;
}

bool Holds(const MeasurementDescription& d, std::uint32_t kind) {
    std::size_t pos = 0;
    return d.FindFirst(kind, pos) != nullptr;
}

}  // namespace

std::vector<InfoNode> BuildInfoTree(const MeasurementDescription& description,
                                    const std::string& filePath, const InfoNumberFormat& number,
                                    const InfoTexts& texts) {
    std::vector<InfoNode> tree;
    if (description.Empty() || description.Header() == nullptr)
        return tree;
    const TreeBuilder builder(description, number, texts);
    tree.push_back(builder.General(filePath));
    if (!description.Datasets().empty())
        tree.push_back(builder.Datasets());
    if (Holds(description, ELEMENT_COMMENT))
        tree.push_back(builder.Comments());
    if (Holds(description, ELEMENT_PARAMETER))
        tree.push_back(builder.Parameters());
    if (!description.TimeSegments().empty())
        tree.push_back(builder.DataRanges());
    if (Holds(description, ELEMENT_RANGE) || Holds(description, ELEMENT_SPOT))
        tree.push_back(builder.Ranges());
    return tree;
}

const InfoNode* FindInfoNode(const std::vector<InfoNode>& tree, const Element* element) {
    if (element == nullptr)
        return nullptr;
    for (const InfoNode& node : tree) {
        if (node.reference == element)
            return &node;
        if (const InfoNode* found = FindInfoNode(node.children, element))
            return found;
    }
    return nullptr;
}

}  // namespace grafyon
