// Dataset normalisation and value access helpers.
#include "dataset.h"

#include "data_type.h"

namespace grafyon {

namespace {

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string TruncateCharacters(const std::string& utf8, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
            if (chars == count)
                return utf8.substr(0, i);
            ++chars;
        }
    }
    return utf8;
}

std::uint32_t Dataset::ValueSize() const {
    return ReadableValueSize(dataType);
}

bool Dataset::IsCalibrated() const {
    return (dataType & DATA_TYPE_NOT_CALIBRATED) == 0;
}

std::string Dataset::TypeName() const {
    return DataTypeName(dataType);
}

bool Dataset::FitsFrame(std::uint64_t frameSize) const {
    const std::uint64_t size = ValueSize();
    if (size == 0 || valuesPerFrame < 1)
        return false;
    const std::uint64_t end = effectiveFrameOffset + std::uint64_t(valuesPerFrame) * size;
    return end <= frameSize;
}

double Dataset::Decode(const std::uint8_t* raw) const {
    return DecodeValue(raw, dataType, dataMask, factor, offset);
}

void Dataset::Normalise() {
    name = Trim(name);
    label = Trim(label);
    unit = Trim(unit);
    if (label.empty())
        label = name;
    if (name.empty())
        name = "Untitled";
    name = TruncateCharacters(name, DATASET_NAME_CHARS);
    label = TruncateCharacters(label, DATASET_LABEL_CHARS);
    unit = TruncateCharacters(unit, DATASET_UNIT_CHARS);
    if (IsCalibrated() && factor == 1.0 && offset == 0.0)
        dataType |= DATA_TYPE_NOT_CALIBRATED;
}

}  // namespace grafyon
