// The file information's string table and its page words.
#include "info_strings.h"

#include <QCoreApplication>

#include <algorithm>

namespace grafyon {

namespace {

constexpr ViewerStringEntry STRINGS[] = {
    {INFO_STR_TIME_FORMAT, "%H:%M:%S"},    {INFO_STR_DATE_FORMAT, "%m/%d/%y"},
    {INFO_STR_GENERAL, "General"},         {INFO_STR_DATASETS, "Datasets"},
    {INFO_STR_COMMENTARY, "Commentary"},   {INFO_STR_RANGES, "Ranges"},
    {INFO_STR_DATA_RANGES, "Data Ranges"}, {INFO_STR_PARAMETER, "Parameter"},
    {INFO_STR_UNDEFINED, "Undefined"},
};

static_assert(std::is_sorted(std::begin(STRINGS), std::end(STRINGS),
                             [](const ViewerStringEntry& a, const ViewerStringEntry& b) {
                                 return a.id < b.id;
                             }),
              "the table is kept in ascending order");

// The English texts repeat InfoTexts' defaults, which the tests compare.
const InfoWord WORDS[] = {
    {&InfoTexts::parameter, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Parameter")},
    {&InfoTexts::dataRange, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Data Range")},
    {&InfoTexts::range, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Range")},
    {&InfoTexts::spot, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Spot")},
    {&InfoTexts::numberOfDatasets, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Number of Datasets")},
    {&InfoTexts::numberOfFrames, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Number of Frames")},
    {&InfoTexts::sampleStep, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Sample Step")},
    {&InfoTexts::sampleRate, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Sample Rate")},
    {&InfoTexts::date, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Date")},
    {&InfoTexts::frameSize, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Frame Size")},
    {&InfoTexts::filePath, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "File Path")},
    {&InfoTexts::dataFile, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Data File")},
    {&InfoTexts::variable, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Variabel")},
    {&InfoTexts::label, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Label")},
    {&InfoTexts::unit, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Unit")},
    {&InfoTexts::minimum, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Minimum")},
    {&InfoTexts::maximum, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Maximum")},
    {&InfoTexts::calibrationFactor, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Calibration Factor")},
    {&InfoTexts::calibrationOffset, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Calibration Offset")},
    {&InfoTexts::dataType, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Data Type")},
    {&InfoTexts::dataTypeSize, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Data Type Size")},
    {&InfoTexts::dataMask, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Data Mask")},
    {&InfoTexts::frameOffset, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Frame Offset")},
    {&InfoTexts::valuesPerFrame, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Values per Frame")},
    {&InfoTexts::value, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Value")},
    {&InfoTexts::samples, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Samples")},
    {&InfoTexts::startCarrier, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Start Carrier")},
    {&InfoTexts::endCarrier, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "End Carrier")},
    {&InfoTexts::fileOffset, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "File Offset")},
    {&InfoTexts::startFrame, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Start Frame")},
    {&InfoTexts::stopFrame, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Stop Frame")},
    {&InfoTexts::startPosition, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Start position")},
    {&InfoTexts::endPosition, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "End position")},
    {&InfoTexts::startDate, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Start Date")},
    {&InfoTexts::endDate, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "End Date")},
    {&InfoTexts::frame, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Frame")},
    {&InfoTexts::position, QT_TRANSLATE_NOOP("grafyon::InfoTexts", "Position")},
};

}  // namespace

std::span<const ViewerStringEntry> InfoStringTable() {
    return STRINGS;
}

QString InfoString(int id) {
    return NumberedText(STRINGS, id);
}

std::span<const InfoWord> InfoWords() {
    return WORDS;
}

InfoTexts TranslatedInfoTexts() {
    InfoTexts texts;
    const auto numbered = [](int id) { return InfoString(id).toStdString(); };
    texts.general = numbered(INFO_STR_GENERAL);
    texts.datasets = numbered(INFO_STR_DATASETS);
    texts.commentary = numbered(INFO_STR_COMMENTARY);
    texts.ranges = numbered(INFO_STR_RANGES);
    texts.dataRanges = numbered(INFO_STR_DATA_RANGES);
    texts.parameters = numbered(INFO_STR_PARAMETER);
    texts.undefined = numbered(INFO_STR_UNDEFINED);
    texts.timeFormat = numbered(INFO_STR_TIME_FORMAT);
    texts.dateFormat = numbered(INFO_STR_DATE_FORMAT);
    for (const InfoWord& word : WORDS)
        texts.*word.member =
            QCoreApplication::translate(INFO_TEXTS_CONTEXT, word.english).toStdString();
    return texts;
}

}  // namespace grafyon
