// Channel definitions: one output channel of a filter, the dataset that feeds it by
// default and an optional linear adjustment; and the calibration range of integer formats.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "quenar_object.h"

namespace grafyon::exportfilter {

class CQuenarChannelDef : public CQuenarObject {
public:
    static const QuenarClassInfo CLASS_INFO;
    static constexpr std::uint32_t VERSION = 2;

    const QuenarClassInfo& GetRuntimeClass() const override { return CLASS_INFO; }
    void Store(ArchiveWriter& ar) const override;
    void Load(ArchiveReader& ar) override;

    // A copy with every field, those of the derived class included.
    virtual std::unique_ptr<CQuenarChannelDef> Clone() const;
    // 1 when the channel is fed by a dataset (text columns of other kinds are not).
    virtual int TakesDataset() const { return 1; }

    // value × factor + offset with the adjustment on, else the value.
    double Adjusted(double value) const { return adjustment ? value * factor + offset : value; }

    std::string identifier;
    std::string defaultDataset;  // matched exactly, with case
    std::int32_t adjustment = 0;
    double factor = 1.0;
    double offset = 0.0;
    std::string unit;
};

// A channel definition with an output file of its own (formats that write one file per
// channel).
class CQuenarChannelDef1File : public CQuenarChannelDef {
public:
    static const QuenarClassInfo CLASS_INFO;
    static constexpr std::uint32_t VERSION = 1;

    const QuenarClassInfo& GetRuntimeClass() const override { return CLASS_INFO; }
    void Store(ArchiveWriter& ar) const override;
    void Load(ArchiveReader& ar) override;
    std::unique_ptr<CQuenarChannelDef> Clone() const override;

    std::string fileName;
};

using ChannelDefList = std::vector<std::unique_ptr<CQuenarChannelDef>>;

// The range integer formats scale their values into. Each format stores the fields in an
// order of its own.
struct QuenarCalibrationRange {
    std::int32_t mode = 1;  // 0 "Min/Max range", 1 "Automatic"
    double minimum = -10.0;
    double maximum = 10.0;

    // A stored mode out of range is clamped: below 0 counts as 0, above 1 as 1.
    bool IsAutomatic() const { return mode >= 1; }
};

// The value range of automatic calibration through the definition's adjustment; the two
// ends are swapped when a negative factor turns them round.
void AdjustRange(const CQuenarChannelDef& definition, double& minimum, double& maximum);

}  // namespace grafyon::exportfilter
