// The run every writer follows: dispatch on the method, open the outputs, pull the rows
// through the value source, report progress and ask about Cancel, stop at a format's limit,
// and commit or discard the outputs. A writer supplies only its per-row work.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/quenar_select_item.h"
#include "export_dialogs.h"
#include "host_table.h"
#include "output_file.h"
#include "quenar_class.h"
#include "quenar_message.h"

namespace grafyon::exportfilter {

// The writer routine that serves a method: block (4), row (1, 5, 6) or resampling (7, 8, 9).
enum class RunRoutine { Block, Row, Resampling };
std::optional<RunRoutine> RoutineForMethod(int methodCode);

// Results of a run.
inline constexpr int RUN_OK = 0;
inline constexpr int RUN_NO_RECORD = 1;
inline constexpr int RUN_NO_COMMON_TIME_BASE = 1;
inline constexpr int RUN_INCONSISTENT_COUNTS = 2;
inline constexpr int RUN_NO_RESOLUTION = 2;
inline constexpr int RUN_OUTPUT_FAILED = 16;  // message 4000 named the file
inline constexpr int RUN_HOST_FAILED = 20;    // message 4020: the host could not read its data
inline constexpr int RUN_METHOD_NOT_SERVED = -1;

// What a run needs from the library.
struct QuenarRunContext {
    QuenarMessenger& messenger;
    QuenarDialogs* dialogs = nullptr;  // opens the progress window; null: no window
    const QuenarHostTable& hosts;
};

class QuenarRun;

// One run of one writer: the per-channel state and the open files live here, the settings
// in the stream that created it.
class QuenarRunWriter {
public:
    virtual ~QuenarRunWriter() = default;

    // Per-channel state from the channel definitions and the records bound to them; 0 or
    // the run's result.
    virtual int Prepare(QuenarRun&) { return 0; }
    // The routines the writer has; a method of another routine ends the run with -1.
    virtual bool Serves(RunRoutine) const { return true; }
    // The block routine always needs a common time base (1 without it) and consistent
    // value counts (2); other routines may ask for it too.
    virtual bool NeedsCommonTimeBase(RunRoutine routine) const {
        return routine == RunRoutine::Block;
    }
    // Creates the outputs with QuenarRun::CreateOutput and writes what comes before the
    // rows. 0, or the run's result; an output that could not be created ends the run with
    // 16 and message 4000 whatever this answers.
    virtual int Open(QuenarRun& run) = 0;
    // What the progress window shows besides its bar.
    virtual ProgressMode DisplayMode(bool expectedRowsKnown) const {
        return expectedRowsKnown ? ProgressMode::PercentRowsAndBar : ProgressMode::Rows;
    }
    // The most rows the format holds; the run stops there with message 4032. -1: no limit.
    virtual std::int64_t RowLimit() const { return -1; }

    // One row each; false ends the loop (after QuenarRun::Fail, a failed run).
    // Method 4: values only. By default Row with every value available and x = x0 + n * dx.
    virtual bool BlockRow(QuenarRun& run, const double* values);
    // Methods 1, 5, 6: the x value delivered with the row.
    virtual bool Row(QuenarRun& run, const double* values, const std::int32_t* flags, double x) = 0;
    // Methods 7, 8, 9: x is the requested x0 + n * resolution. By default Row.
    virtual bool ResampledRow(QuenarRun& run, const double* values, const std::int32_t* flags,
                              double x) {
        return Row(run, values, flags, x);
    }

    // What comes after the rows (trailers, counts in headers), unless the run has failed;
    // cancelled says the user stopped it. 0 commits the outputs; another value is the
    // run's result and the outputs are discarded.
    virtual int Finish(QuenarRun&, bool /*cancelled*/) { return 0; }
};

class QuenarRun {
public:
    QuenarRun(CQuenarClass& filter, QuenarSelectList& records, QuenarRunContext& context);

    CQuenarClass& Filter() { return m_filter; }
    // The selected records in list order; the values of a row come in this order.
    const std::vector<CQuenarSelectItem*>& Records() const { return m_records; }
    // The whole record list, for the questions of record_queries.h.
    const QuenarSelectList& List() const { return m_list; }
    std::size_t Count() const { return m_records.size(); }
    int MethodCode() const { return m_filter.methodCode; }
    RunRoutine Routine() const { return m_routine; }
    // Start and interval of the first selected record; the requested resolution.
    double Start() const { return m_x0; }
    double Interval() const { return m_dx; }
    double Resolution() const { return m_resolution; }
    // The first record's value count with a common time base and consistent counts; -1
    // when unknown.
    std::int64_t ExpectedRows() const { return m_expectedRows; }
    // The number of the row being written, from 0; after the rows, the rows written.
    std::int64_t Row() const { return m_row; }
    // One flag 1 per record, for rows whose values are all available.
    const std::int32_t* AllAvailable() const { return m_allAvailable.data(); }

    // A new output for the target path, owned by the run and committed at its end; null
    // when it cannot be created (the run then fails with 16 and message 4000).
    QuenarOutputFile* CreateOutput(const std::string& target);
    // Drops every output: the targets stay as they were (a writer's "keep the partial
    // data?" answered No).
    void DiscardOutputs();

    QuenarMessenger& Messenger() { return m_context.messenger; }
    const QuenarHostAccess& Host() const { return m_host; }
    // The progress window while the rows run; null when none is shown.
    ProgressDisplay* Progress() { return m_progress.get(); }

    // Ends the run with this result once the current routine returns false; the outputs
    // are discarded.
    void Fail(int result);
    // Message 4032 with the limit; answers false for the routine to return.
    bool StopAtLimit(std::int64_t limit);

private:
    friend int RunExport(CQuenarClass&, QuenarSelectList&, QuenarRunContext&, QuenarRunWriter&);

    int Execute(QuenarRunWriter& writer);
    int CheckTimeBase(QuenarRunWriter& writer) const;
    void RunRows(QuenarRunWriter& writer);
    // Counts the row; status, Cancel and the outputs are looked at now and then. False
    // ends the loop.
    bool AfterRow();
    bool Status();
    // The first output that failed, or null.
    const QuenarOutputFile* FailedOutput() const;
    bool CommitOutputs();
    void HostFailed();

    CQuenarClass& m_filter;
    QuenarSelectList& m_list;
    QuenarRunContext& m_context;
    QuenarHostAccess m_host;
    std::vector<CQuenarSelectItem*> m_records;
    RunRoutine m_routine = RunRoutine::Row;
    double m_x0 = 0.0;
    double m_dx = 0.0;
    double m_resolution = 0.0;
    std::int64_t m_expectedRows = -1;
    std::int64_t m_row = 0;
    std::vector<std::unique_ptr<QuenarOutputFile>> m_outputs;
    std::unique_ptr<ProgressDisplay> m_progress;
    std::chrono::steady_clock::time_point m_lastStatus;
    std::vector<std::int32_t> m_allAvailable;
    int m_failure = 0;
    bool m_cancelled = false;
};

// The frame of every writer's run.
int RunExport(CQuenarClass& filter, QuenarSelectList& records, QuenarRunContext& context,
              QuenarRunWriter& writer);

}  // namespace grafyon::exportfilter
