// One channel of a measurement: where its values lie in a frame and how they decode.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dataset_display.h"
#include "element.h"

namespace grafyon {

inline constexpr std::size_t DATASET_NAME_CHARS = 63;
inline constexpr std::size_t DATASET_LABEL_CHARS = 63;
inline constexpr std::size_t DATASET_UNIT_CHARS = 31;
inline constexpr std::size_t DATASET_EXTENSION_SIZE = 232;
inline constexpr std::size_t DATASET_LIST_BLOCK_SIZE = 32;
inline constexpr std::size_t DATASET_LIST_RECORD_SIZE = 232;

// Kinds 100, 101 and 110.
class Dataset : public ElementOf<Dataset> {
public:
    explicit Dataset(std::uint32_t kind = ELEMENT_DATASET) : ElementOf(kind, ELEMENT_VERSION_2) {}

    // Persistent fields, in file order. Texts are UTF-8 in memory.
    std::uint32_t number = 0;
    std::string name;
    std::string label;
    std::string unit;
    std::uint32_t dataType = 0;
    std::uint32_t dataMask = 0xFFFFFFFF;
    double factor = 1.0;
    double offset = 0.0;
    std::uint32_t frameOffset = 0;
    std::uint32_t valuesPerFrame = 1;

    // Kinds 101 and 110 carry an extension; kind 110 also a block whose first word
    // counts the records that follow. Kept and written back, not interpreted.
    std::vector<std::uint8_t> extension;
    std::vector<std::uint8_t> listBlock;
    std::vector<std::uint8_t> listRecords;

    // Derived and run-time fields.
    std::uint64_t effectiveFrameOffset = 0;
    double minimum = 0.0;
    double maximum = 0.0;
    bool extremesKnown = false;
    bool active = true;
    MeasurementDescription* owner = nullptr;
    DatasetDisplay display;

    std::uint32_t ValueSize() const;  // readable bytes per value, 0 when unreadable
    bool IsCalibrated() const;
    std::string TypeName() const;

    // Whether values-per-frame values of ValueSize() bytes at the effective frame
    // offset fit into a frame of frameSize bytes.
    bool FitsFrame(std::uint64_t frameSize) const;

    // Physical value of the raw bytes of one value.
    double Decode(const std::uint8_t* raw) const;

    // Trims the texts, fills empty label and name, cuts the texts to their fields and
    // marks an identity calibration as not calibrated.
    void Normalise();
};

// Keeps at most count characters of a UTF-8 text.
std::string TruncateCharacters(const std::string& utf8, std::size_t count);

}  // namespace grafyon
