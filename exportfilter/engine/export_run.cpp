// The run frame.
#include "export_run.h"

#include <cmath>
#include <string>

#include "export_method.h"
#include "export_strings.h"
#include "record_queries.h"

namespace grafyon::exportfilter {

namespace {

// Status, Cancel and the outputs' error state are looked at after the first row and then
// every STATUS_ROWS rows; the progress window is updated at most every STATUS_INTERVAL, as
// every update lets the user interface handle its events.
constexpr std::int64_t STATUS_ROWS = 64;
constexpr std::chrono::milliseconds STATUS_INTERVAL{100};

// Location of message 4020 when the host's row function fails.
constexpr int LOCATION_HOST_ROWS = 501;

}  // namespace

std::optional<RunRoutine> RoutineForMethod(int methodCode) {
    switch (methodCode) {
        case QUENAR_METHOD_BLOCK:
            return RunRoutine::Block;
        case QUENAR_METHOD_ROWS:
        case QUENAR_METHOD_EVERY_INTERPOLATED:
        case QUENAR_METHOD_EVERY_HELD:
            return RunRoutine::Row;
        case QUENAR_METHOD_RESAMPLED:
        case QUENAR_METHOD_RESAMPLED_INTERPOLATED:
        case QUENAR_METHOD_RESAMPLED_HELD:
            return RunRoutine::Resampling;
        default:
            return std::nullopt;
    }
}

bool QuenarRunWriter::BlockRow(QuenarRun& run, const double* values) {
    const double x = run.Start() + static_cast<double>(run.Row()) * run.Interval();
    return Row(run, values, run.AllAvailable(), x);
}

QuenarRun::QuenarRun(CQuenarClass& filter, QuenarSelectList& records, QuenarRunContext& context)
    : m_filter(filter),
      m_list(records),
      m_context(context),
      m_host(context.hosts, filter.hostContext),
      m_records(SelectedRecords(records)) {
    m_x0 = FirstStart(records);
    m_dx = FirstInterval(records);
    m_resolution = RequestedResolution(filter);
    if (HasCommonTimeBase(records) && HasConsistentValueCounts(records) &&
        FirstValueCount(records) > 0)
        m_expectedRows = FirstValueCount(records);
    m_allAvailable.assign(m_records.size(), 1);
}

QuenarOutputFile* QuenarRun::CreateOutput(const std::string& target) {
    auto output = std::make_unique<QuenarOutputFile>();
    const bool opened = output->Open(target);
    m_outputs.push_back(std::move(output));
    return opened ? m_outputs.back().get() : nullptr;
}

void QuenarRun::DiscardOutputs() {
    for (auto& output : m_outputs)
        output->Discard();
    m_outputs.clear();
}

void QuenarRun::Fail(int result) {
    if (m_failure == 0)
        m_failure = result;
}

bool QuenarRun::StopAtLimit(std::int64_t limit) {
    Messenger().Message(QUENAR_MSG_TOO_MANY_LINES, std::to_string(limit));
    return false;
}

const QuenarOutputFile* QuenarRun::FailedOutput() const {
    for (const auto& output : m_outputs) {
        if (!output->Ok())
            return output.get();
    }
    return nullptr;
}

void QuenarRun::HostFailed() {
    Fail(RUN_HOST_FAILED);
}

int QuenarRun::CheckTimeBase(QuenarRunWriter& writer) const {
    if (m_routine == RunRoutine::Block || writer.NeedsCommonTimeBase(m_routine)) {
        if (!HasCommonTimeBase(m_list))
            return RUN_NO_COMMON_TIME_BASE;
        if (!HasConsistentValueCounts(m_list))
            return RUN_INCONSISTENT_COUNTS;
    }
    // A resolution of 0 or a start that is no number would never reach the end of the rows.
    if (m_routine == RunRoutine::Resampling &&
        !(HasUsableResolution(m_filter) && std::isfinite(m_x0)))
        return RUN_NO_RESOLUTION;
    return RUN_OK;
}

int QuenarRun::Execute(QuenarRunWriter& writer) {
    if (m_records.empty())
        return RUN_NO_RECORD;
    int result = writer.Prepare(*this);
    if (result != 0)
        return result;
    const std::optional<RunRoutine> routine = RoutineForMethod(m_filter.methodCode);
    if (!routine || !writer.Serves(*routine))
        return RUN_METHOD_NOT_SERVED;
    m_routine = *routine;
    result = CheckTimeBase(writer);
    if (result != 0)
        return result;
    const bool hasSource = m_routine == RunRoutine::Block ? m_filter.blockRowFunction != nullptr
                                                          : m_filter.rowFunction != nullptr;
    if (!hasSource)
        return RUN_METHOD_NOT_SERVED;

    result = writer.Open(*this);
    if (const QuenarOutputFile* failed = FailedOutput()) {
        Messenger().Message(QUENAR_MSG_CANNOT_CREATE, failed->Target());
        return RUN_OUTPUT_FAILED;
    }
    if (result != 0)
        return result;

    if (m_filter.showStatus != 0 && m_context.dialogs != nullptr)
        m_progress = m_context.dialogs->OpenProgress(writer.DisplayMode(m_expectedRows > 0));
    RunRows(writer);
    if (m_failure == 0) {
        result = writer.Finish(*this, m_cancelled);
        if (result != 0)
            Fail(result);
    }
    m_progress.reset();

    if (m_failure == RUN_HOST_FAILED)
        Messenger().Message(QUENAR_MSG_INTERNAL_ERROR, InternalErrorLocation(LOCATION_HOST_ROWS));
    if (m_failure == 0 && !CommitOutputs())
        Fail(RUN_OUTPUT_FAILED);
    if (m_failure == RUN_OUTPUT_FAILED) {
        if (const QuenarOutputFile* failed = FailedOutput())
            Messenger().Message(QUENAR_MSG_CANNOT_CREATE, failed->Target());
    }
    if (m_failure != 0) {
        DiscardOutputs();
        return m_failure;
    }
    return RUN_OK;
}

void QuenarRun::RunRows(QuenarRunWriter& writer) {
    const std::int64_t limit = writer.RowLimit();
    std::vector<double> values(m_records.size());
    std::vector<std::int32_t> flags(m_records.size());
    void* source = m_filter.sourceContext;
    m_lastStatus = std::chrono::steady_clock::now();
    for (;;) {
        int got = 0;
        double x = 0.0;
        double asked = 0.0;
        switch (m_routine) {
            case RunRoutine::Block:
                got = m_filter.blockRowFunction(source, values.data());
                break;
            case RunRoutine::Row:
                got = m_filter.rowFunction(source, values.data(), &x, flags.data());
                break;
            case RunRoutine::Resampling:
                asked = m_x0 + static_cast<double>(m_row) * m_resolution;
                x = asked;
                got = m_filter.rowFunction(source, values.data(), &x, flags.data());
                break;
        }
        if (got == 0)
            return;
        if (got < 0) {
            HostFailed();
            return;
        }
        if (limit >= 0 && m_row >= limit) {
            StopAtLimit(limit);
            return;
        }
        bool more = false;
        switch (m_routine) {
            case RunRoutine::Block:
                more = writer.BlockRow(*this, values.data());
                break;
            case RunRoutine::Row:
                more = writer.Row(*this, values.data(), flags.data(), x);
                break;
            case RunRoutine::Resampling:
                more = writer.ResampledRow(*this, values.data(), flags.data(), asked);
                break;
        }
        if (!more) {
            // A writer that stops because an output failed fails the run.
            if (FailedOutput() != nullptr)
                Fail(RUN_OUTPUT_FAILED);
            return;
        }
        if (!AfterRow())
            return;
    }
}

bool QuenarRun::AfterRow() {
    ++m_row;
    if (m_row != 1 && m_row % STATUS_ROWS != 0)
        return true;
    if (FailedOutput() != nullptr) {
        Fail(RUN_OUTPUT_FAILED);
        return false;
    }
    return Status();
}

bool QuenarRun::Status() {
    if (!m_progress)
        return true;
    const auto now = std::chrono::steady_clock::now();
    if (m_row != 1 && now - m_lastStatus < STATUS_INTERVAL)
        return true;
    m_lastStatus = now;
    const double percent = m_expectedRows > 0 ? static_cast<double>(m_row) * 100.0 /
                                                    static_cast<double>(m_expectedRows)
                                              : -1.0;
    if (m_progress->Update(percent, m_row, -1))
        return true;
    if (!Messenger().Ask(QUENAR_MSG_CANCEL_EXPORT_QUESTION))
        return true;
    m_cancelled = true;
    return false;
}

bool QuenarRun::CommitOutputs() {
    // Everything is written out first, so that a full disk stops the run before any target
    // is replaced.
    for (auto& output : m_outputs) {
        if (!output->Flush())
            return false;
    }
    for (auto& output : m_outputs) {
        if (!output->Commit())
            return false;
    }
    return true;
}

int RunExport(CQuenarClass& filter, QuenarSelectList& records, QuenarRunContext& context,
              QuenarRunWriter& writer) {
    QuenarRun run(filter, records, context);
    return run.Execute(writer);
}

}  // namespace grafyon::exportfilter
