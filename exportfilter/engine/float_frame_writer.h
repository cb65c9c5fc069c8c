// The run of the measurement formats: one 32-bit little-endian float per channel and row in
// a data file, channels in the order of their definitions, and a description of those rows
// in a second file that is written once the rows are complete.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "channel_def.h"
#include "common/packed_date_time.h"
#include "export_run.h"

namespace grafyon::exportfilter {

class FloatFrameRunWriter : public QuenarRunWriter {
public:
    // The count fields of the descriptions are 32 bits wide.
    static constexpr std::int64_t MAX_FRAMES = 0xFFFFFFFF;

    // maxDataNameBytes: the longest data file name (Windows-1252, without folder) that the
    // description can hold.
    FloatFrameRunWriter(const ChannelDefList& definitions, std::size_t maxDataNameBytes)
        : m_definitions(definitions), m_maxDataNameBytes(maxDataNameBytes) {}

    // One channel per definition that a selected record is bound to; none: 1.
    int Prepare(QuenarRun& run) override;
    // The row routine needs intervals that are whole multiples of the smallest one (else 1).
    // A data file name that its field cannot hold fails with 16 and message 4000, whatever
    // named it: cut, it would name a file that does not exist.
    int Open(QuenarRun& run) override;
    std::int64_t RowLimit() const override { return MAX_FRAMES; }
    bool BlockRow(QuenarRun& run, const double* values) override;
    // A value the row does not hold is written as NaN, so that no value is made up.
    bool Row(QuenarRun& run, const double* values, const std::int32_t* flags, double x) override;
    // A row is written only when every channel has a value; the first that lacks one ends
    // the export there.
    bool ResampledRow(QuenarRun& run, const double* values, const std::int32_t* flags,
                      double x) override;
    // The description of the rows written, cancelled or not, into its own output after
    // everything before it has reached the data file.
    int Finish(QuenarRun& run, bool cancelled) override;

protected:
    struct Channel {
        const CQuenarChannelDef* definition = nullptr;
        const CQuenarSelectItem* record = nullptr;
        std::size_t value = 0;  // index of the channel's value in a row
    };

    const std::vector<Channel>& Channels() const { return m_channels; }
    // The time between two rows of the file: the common interval (block), the smallest
    // interval (rows), the requested resolution (resampling).
    double FrameInterval(const QuenarRun& run) const;
    // The description file's bytes; frames is the number of rows in the data file.
    virtual void WriteDescription(QuenarRun& run, QuenarOutputFile& out, std::uint32_t frames) = 0;

private:
    // One row of floats; without flags every value is there.
    void WriteValues(const double* values);
    void WriteValues(const double* values, const std::int32_t* flags);

    const ChannelDefList& m_definitions;
    std::size_t m_maxDataNameBytes;
    std::vector<Channel> m_channels;
    std::vector<std::size_t> m_valueIndex;  // Channel::value of each channel, for the rows
    bool m_inRowOrder = false;              // channel i takes value i of every row
    QuenarOutputFile* m_data = nullptr;
};

// The local time of the export.
DateTimeParts LocalExportTime();
// The same as the packed 32-bit date and time of the measurement files
// (years outside 1980-2043 are clamped into them).
std::uint32_t PackedExportTime();

}  // namespace grafyon::exportfilter
