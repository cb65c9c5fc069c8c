// The run frame's overhead: values per second that reach a writer which discards them,
// through the rows adapter, the host's rows directly, and both resamplers (0.5 s over
// 1 s sources, so two rows per host row); and a writer that formats every value with
// "%12.3f" into an output file (/dev/null). Argument: the number of channels.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "common/number_format.h"
#include "exportfilter/engine/export_method.h"
#include "exportfilter/engine/export_run.h"
#include "exportfilter/engine/negotiation.h"
#include "exportfilter/engine/quenar_stream.h"

namespace grafyon::bench {
namespace {

using namespace grafyon::exportfilter;

constexpr std::int64_t HOST_ROWS = 1 << 18;

// A host that makes its rows up as cheaply as it can.
struct Host {
    std::int64_t next = 0;
    std::size_t channels = 0;

    static int ReadRow(void* context, double* values) {
        auto& host = *static_cast<Host*>(context);
        if (host.next == HOST_ROWS)
            return 0;
        const double base = static_cast<double>(host.next++);
        for (std::size_t i = 0; i < host.channels; ++i)
            values[i] = base + static_cast<double>(i);
        return 1;
    }
};

class DiscardWriter : public QuenarRunWriter {
public:
    int Open(QuenarRun&) override { return 0; }
    bool BlockRow(QuenarRun& run, const double* values) override {
        for (std::size_t i = 0; i < run.Count(); ++i)
            m_sum += values[i];
        return true;
    }
    bool Row(QuenarRun& run, const double* values, const std::int32_t* flags, double x) override {
        double sum = x;
        for (std::size_t i = 0; i < run.Count(); ++i)
            sum += flags[i] != 0 ? values[i] : 0.0;
        m_sum += sum;
        return true;
    }
    double Sum() const { return m_sum; }

private:
    double m_sum = 0.0;
};

// Text lines of "%12.3f" values separated by spaces, as a text writer makes them.
class TextWriter : public DiscardWriter {
public:
    int Open(QuenarRun& run) override {
        m_out = run.CreateOutput("/dev/null");
        return m_out != nullptr ? 0 : RUN_OUTPUT_FAILED;
    }
    bool BlockRow(QuenarRun& run, const double* values) override {
        for (std::size_t i = 0; i < run.Count(); ++i) {
            m_out->Number(m_format, values[i]);
            m_out->Char(' ');
        }
        m_out->LineEnd();
        return true;
    }

private:
    NumberFormat m_format = *NumberFormat::Compile("%12.3f");
    QuenarOutputFile* m_out = nullptr;
};

// A stream that allows exactly one method, so that the negotiation picks its source.
class OneMethodStream : public CQuenarStream {
public:
    explicit OneMethodStream(int methodCode) : m_methodCode(methodCode) {}
    bool IsMethodAllowed(int methodCode, const QuenarSelectList&) override {
        return methodCode == m_methodCode;
    }

private:
    int m_methodCode;
};

template <class Writer>
void RunMethod(benchmark::State& state, int methodCode) {
    const auto channels = static_cast<std::size_t>(state.range(0));
    QuenarSelectList records;
    for (std::size_t i = 0; i < channels; ++i) {
        auto record = std::make_unique<CQuenarSelectItem>();
        record->name = std::to_string(i);
        record->step = 1.0;
        record->selected = 1;
        records.push_back(std::move(record));
    }
    OneMethodStream filter(methodCode);
    filter.method = methodCode >= QUENAR_METHOD_RESAMPLED ? 1 : 0;
    filter.resolution = 0.5;
    QuenarHostTable hosts;
    hosts.Register(QUENAR_FN_READ_ROW, AsHostFunction(&Host::ReadRow));
    QuenarMessenger messenger;
    QuenarRunContext context{messenger, nullptr, hosts};
    Host host;
    host.channels = channels;
    std::int64_t rows = 0;
    double sum = 0.0;
    for (auto _ : state) {
        QuenarAdapterList adapters;
        host.next = 0;
        if (NegotiateValueSource(filter, records, hosts, &host, adapters, messenger) != 0 ||
            filter.methodCode != methodCode) {
            state.SkipWithError("negotiation failed");
            return;
        }
        Writer writer;
        if (RunExport(filter, records, context, writer) != 0) {
            state.SkipWithError("run failed");
            return;
        }
        sum += writer.Sum();
        rows += methodCode >= QUENAR_METHOD_RESAMPLED ? 2 * HOST_ROWS - 1 : HOST_ROWS;
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(rows * static_cast<std::int64_t>(channels));
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsRate);
}

void BM_RowsAdapter(benchmark::State& state) {
    RunMethod<DiscardWriter>(state, QUENAR_METHOD_ROWS);
}
void BM_HostRowsDirect(benchmark::State& state) {
    RunMethod<DiscardWriter>(state, QUENAR_METHOD_BLOCK);
}
void BM_InterpolatingResampler(benchmark::State& state) {
    RunMethod<DiscardWriter>(state, QUENAR_METHOD_RESAMPLED_INTERPOLATED);
}
void BM_HoldingResampler(benchmark::State& state) {
    RunMethod<DiscardWriter>(state, QUENAR_METHOD_RESAMPLED_HELD);
}
void BM_TextOutput(benchmark::State& state) {
    RunMethod<TextWriter>(state, QUENAR_METHOD_BLOCK);
}

BENCHMARK(BM_RowsAdapter)->Arg(1)->Arg(4)->Arg(16)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostRowsDirect)->Arg(1)->Arg(4)->Arg(16)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InterpolatingResampler)
    ->Arg(1)
    ->Arg(4)
    ->Arg(16)
    ->Arg(64)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HoldingResampler)->Arg(1)->Arg(4)->Arg(16)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextOutput)->Arg(1)->Arg(16)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace grafyon::bench

BENCHMARK_MAIN();
