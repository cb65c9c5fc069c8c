// The run of the measurement formats.
#include "float_frame_writer.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <ctime>
#include <limits>

#include "common/packed_date_time.h"
#include "export_strings.h"
#include "output_checks.h"
#include "record_queries.h"

namespace grafyon::exportfilter {

int FloatFrameRunWriter::Prepare(QuenarRun& run) {
    const std::vector<CQuenarSelectItem*>& records = run.Records();
    for (const auto& definition : m_definitions) {
        if (definition == nullptr || definition->TakesDataset() == 0)
            continue;
        const auto bound = std::find_if(records.begin(), records.end(), [&](const auto* r) {
            return r->channelDef == definition.get();
        });
        if (bound == records.end())
            continue;
        m_channels.push_back(
            {definition.get(), *bound, static_cast<std::size_t>(bound - records.begin())});
    }
    for (const Channel& channel : m_channels)
        m_valueIndex.push_back(channel.value);
    m_inRowOrder = true;
    for (std::size_t i = 0; i < m_valueIndex.size(); ++i)
        m_inRowOrder = m_inRowOrder && m_valueIndex[i] == i;
    return m_channels.empty() ? RUN_NO_RECORD : RUN_OK;
}

int FloatFrameRunWriter::Open(QuenarRun& run) {
    if (run.Routine() == RunRoutine::Row && !IntervalsAreMultiples(run.List()))
        return RUN_NO_COMMON_TIME_BASE;
    const std::string& dataFile = run.Records().front()->dataFileName;
    if (!FileNameFits(dataFile, m_maxDataNameBytes)) {
        run.Messenger().Message(QUENAR_MSG_CANNOT_CREATE, dataFile);
        return RUN_OUTPUT_FAILED;
    }
    m_data = run.CreateOutput(dataFile);
    return m_data != nullptr ? RUN_OK : RUN_OUTPUT_FAILED;
}

namespace {

// A float into 4 bytes, little-endian: one store on a little-endian machine.
inline void StoreFloat(std::uint8_t* out, float value) {
    if constexpr (std::endian::native == std::endian::little)
        std::memcpy(out, &value, sizeof value);
    else
        StoreU32LE(out, std::bit_cast<std::uint32_t>(value));
}

}  // namespace

void FloatFrameRunWriter::WriteValues(const double* values) {
    const std::size_t count = m_valueIndex.size();
    std::uint8_t* out = m_data->Reserve(4 * count);
    if (m_inRowOrder) {
        // The usual case: straight loops without an index table.
        std::size_t i = 0;
        for (; i + 4 <= count; i += 4) {
            const float four[4] = {static_cast<float>(values[i]), static_cast<float>(values[i + 1]),
                                   static_cast<float>(values[i + 2]),
                                   static_cast<float>(values[i + 3])};
            for (std::size_t k = 0; k < 4; ++k)
                StoreFloat(out + 4 * (i + k), four[k]);
        }
        for (; i < count; ++i)
            StoreFloat(out + 4 * i, static_cast<float>(values[i]));
        m_data->Advance(out + 4 * count);
        return;
    }
    for (std::size_t i = 0; i < count; ++i)
        StoreFloat(out + 4 * i, static_cast<float>(values[m_valueIndex[i]]));
    m_data->Advance(out + 4 * count);
}

void FloatFrameRunWriter::WriteValues(const double* values, const std::int32_t* flags) {
    const std::size_t count = m_valueIndex.size();
    std::uint8_t* out = m_data->Reserve(4 * count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = m_valueIndex[i];
        const float value = flags[at] != 0 ? static_cast<float>(values[at])
                                           : std::numeric_limits<float>::quiet_NaN();
        StoreFloat(out + 4 * i, value);
    }
    m_data->Advance(out + 4 * count);
}

bool FloatFrameRunWriter::BlockRow(QuenarRun&, const double* values) {
    WriteValues(values);
    return true;
}

bool FloatFrameRunWriter::Row(QuenarRun&, const double* values, const std::int32_t* flags, double) {
    WriteValues(values, flags);
    return true;
}

bool FloatFrameRunWriter::ResampledRow(QuenarRun&, const double* values, const std::int32_t* flags,
                                       double) {
    for (const Channel& channel : m_channels) {
        if (flags[channel.value] == 0)
            return false;
    }
    WriteValues(values);
    return true;
}

int FloatFrameRunWriter::Finish(QuenarRun& run, bool) {
    // A description that names rows the data file does not hold would be a broken
    // measurement: the data go out first.
    if (!m_data->Flush())
        return RUN_OUTPUT_FAILED;
    QuenarOutputFile* description = run.CreateOutput(run.Records().front()->descriptionFileName);
    if (description == nullptr)
        return RUN_OUTPUT_FAILED;
    const auto frames =
        static_cast<std::uint32_t>(std::clamp<std::int64_t>(run.Row(), 0, MAX_FRAMES));
    WriteDescription(run, *description, frames);
    return description->Ok() ? RUN_OK : RUN_OUTPUT_FAILED;
}

double FloatFrameRunWriter::FrameInterval(const QuenarRun& run) const {
    switch (run.Routine()) {
        case RunRoutine::Block:
            break;
        case RunRoutine::Row:
            return SmallestInterval(run.List());
        case RunRoutine::Resampling:
            return run.Resolution();
    }
    return run.Interval();
}

DateTimeParts LocalExportTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    DateTimeParts parts;
    parts.year = local.tm_year + 1900;
    parts.month = local.tm_mon + 1;
    parts.day = local.tm_mday;
    parts.hour = local.tm_hour;
    parts.minute = local.tm_min;
    parts.second = local.tm_sec;
    return parts;
}

std::uint32_t PackedExportTime() {
    return PackDateTime(LocalExportTime());
}

}  // namespace grafyon::exportfilter
