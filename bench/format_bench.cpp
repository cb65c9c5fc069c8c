// Number formatting: values per second of snprintf against the compiled NumberFormat, and
// a byte-for-byte comparison of the two over ten million values before the timings.
// Options: --identity-values=N (0 skips the comparison), then Google Benchmark's own.
#include <benchmark/benchmark.h>

#include <bit>
#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "common/number_format.h"
#include "common/tests/glibc_alternate_carry.h"

namespace grafyon::bench {
namespace {

constexpr std::size_t VALUE_COUNT = 1 << 16;
constexpr std::size_t BATCH = 256;
const char* const TIMED_FORMATS[] = {"%12.3f", "%.6g", "%15.6g", "%e"};

// Finite doubles of every exponent, from random bit patterns.
std::vector<double> RandomBits() {
    std::mt19937_64 random(1);
    std::vector<double> values;
    while (values.size() < VALUE_COUNT) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value))
            values.push_back(value);
    }
    return values;
}

// Measurement values: uniform in [-1000, 1000].
std::vector<double> Ordinary() {
    std::mt19937_64 random(2);
    std::uniform_real_distribution<double> uniform(-1000, 1000);
    std::vector<double> values(VALUE_COUNT);
    for (double& value : values)
        value = uniform(random);
    return values;
}

void BM_Snprintf(benchmark::State& state, const char* format, const std::vector<double>* values) {
    char text[FORMAT_MAX_CONVERSION];
    std::size_t next = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < BATCH; ++i) {
            std::snprintf(text, sizeof text, format, (*values)[next++ % VALUE_COUNT]);
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * BATCH));
}

void BM_NumberFormat(benchmark::State& state, const char* format,
                     const std::vector<double>* values) {
    const NumberFormat compiled = *NumberFormat::Compile(format);
    std::vector<char> text(compiled.MaxLength());
    std::size_t next = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < BATCH; ++i) {
            benchmark::DoNotOptimize(compiled.Format((*values)[next++ % VALUE_COUNT], text.data()));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * BATCH));
}

// Prints the timings, then the ratio of each NumberFormat run to the snprintf run of the
// same format and values.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto rate = run.counters.find("items_per_second");
            if (rate != run.counters.end())
                m_rates[run.benchmark_name()] = rate->second.value;
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nNumberFormat against snprintf (values/s, same run):\n");
        for (const auto& [name, rate] : m_rates) {
            if (name.rfind("NumberFormat/", 0) != 0)
                continue;
            const std::string rest = name.substr(std::strlen("NumberFormat/"));
            const auto reference = m_rates.find("snprintf/" + rest);
            if (reference == m_rates.end() || reference->second <= 0)
                continue;
            std::printf("  %-22s %8.1f M/s against %6.1f M/s: %5.1fx\n", rest.c_str(), rate / 1e6,
                        reference->second / 1e6, rate / reference->second);
        }
    }

private:
    std::map<std::string, double> m_rates;
};

// --- The byte-for-byte comparison ----------------------------------------------------------

const char* const CHECKED_FORMATS[] = {
    "%12.3f", "%.6g",   "%15.6g", "%e",      "%.0f",     "%.2f",  "%f",      "%.17g",
    "%#g",    "%+.10E", "%G",     "%-12.4e", "%08.3f",   "%.15g", "%.3e",    "%#.0f",
    "% .9f",  "%.24f",  "%.1g",   "%#.3G",   "%+015.5f", "%.18e", "%-9.0e|", "%.0e"};

double CheckValue(std::mt19937_64& random, std::size_t index) {
    static const double SPECIAL[] = {std::numeric_limits<double>::quiet_NaN(),
                                     -std::numeric_limits<double>::quiet_NaN(),
                                     std::numeric_limits<double>::infinity(),
                                     -std::numeric_limits<double>::infinity(),
                                     0.0,
                                     -0.0,
                                     DBL_MAX,
                                     DBL_MIN,
                                     5e-324,
                                     1e300,
                                     0.125,
                                     2.5,
                                     999999.5,
                                     0.05};
    switch (index % 8) {
        case 0:
        case 1:
            return std::bit_cast<double>(random());  // every exponent, NaN and infinity too
        case 2:
            return std::uniform_real_distribution<double>(-1000, 1000)(random);
        case 3:  // a few decimals, as typed measurement values are
            return static_cast<double>(static_cast<long long>(random() % 2000001) - 1000000) /
                   1000.0;
        case 4: {  // exact ties for the precisions of the formats: odd / 2^q
            const auto odd = static_cast<double>(random() % 100000 * 2 + 1);
            return std::ldexp(random() % 2 ? odd : -odd, -static_cast<int>(random() % 12));
        }
        case 5:  // subnormals
            return std::bit_cast<double>(random() & 0x800FFFFFFFFFFFFFULL);
        case 6:  // whole numbers, some with many digits
            return static_cast<double>(random() >> (random() % 64));
        default:
            return SPECIAL[random() % std::size(SPECIAL)];
    }
}

bool CheckIdentity(std::size_t count) {
    std::vector<NumberFormat> formats;
    for (const char* format : CHECKED_FORMATS)
        formats.push_back(*NumberFormat::Compile(format));
    std::vector<char> ours(FORMAT_MAX_CONVERSION + 64);
    std::vector<char> theirs(ours.size());
    std::size_t compared = 0;
    std::size_t differences = 0;
    std::size_t carries = 0;
    const auto start = std::chrono::steady_clock::now();
    const auto compare = [&](const char* format, const NumberFormat& compiled, double value) {
        ++compared;
        const std::string mine(ours.data(), compiled.Format(value, ours.data()));
        const int length = std::snprintf(theirs.data(), theirs.size(), format, value);
        const std::string expected(theirs.data(), static_cast<std::size_t>(length));
        if (mine == expected)
            return;
        if (test::IsGlibcAlternateCarry(format, mine, expected)) {
            ++carries;
            return;
        }
        if (++differences <= 20) {
            std::printf("DIFFERENT %s of %a: \"%s\", snprintf \"%s\"\n", format, value,
                        mine.c_str(), expected.c_str());
        }
    };
    // The cases everyone asks about first, then random ones.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<const char*, double> named[] = {
        {"%.24f", 1e300},  {"%.2f", 0.125},   {"%.2f", 0.375},   {"%.0f", 2.5},    {"%.0f", 3.5},
        {"%.0f", 0.5},     {"%.1e", 125.0},   {"%f", -0.0},      {"%g", -0.0},     {"%e", nan},
        {"%f", -nan},      {"%G", -nan},      {"%f", inf},       {"%e", -inf},     {"%g", 5e-324},
        {"%.17e", 5e-324}, {"%.3f", DBL_MAX}, {"%.6g", DBL_MIN}, {"%#g", 999999.5}};
    for (const auto& [format, value] : named)
        compare(format, *NumberFormat::Compile(format), value);
    std::mt19937_64 random(3);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t which = random() % std::size(CHECKED_FORMATS);
        compare(CHECKED_FORMATS[which], formats[which], CheckValue(random, i));
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "identity: %zu values against snprintf in the C locale, %zu different (%zu times "
        "\"%%#g\" where glibc drops the zeros after a carry); %.1f s\n\n",
        compared, differences, carries, seconds);
    return differences == 0;
}

}  // namespace
}  // namespace grafyon::bench

int main(int argc, char** argv) {
    using namespace grafyon::bench;
    std::size_t identityValues = 10'000'000;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--identity-values=", 0) == 0) {
            identityValues = std::stoull(argument.substr(std::strlen("--identity-values=")));
        } else {
            rest.push_back(argv[i]);
        }
    }
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    if (identityValues > 0 && !CheckIdentity(identityValues))
        return 1;
    static const std::vector<double> bits = RandomBits();
    static const std::vector<double> ordinary = Ordinary();
    for (const char* format : TIMED_FORMATS) {
        const std::pair<const char*, const std::vector<double>*> sets[] = {{"bits", &bits},
                                                                           {"ordinary", &ordinary}};
        for (const auto& [name, values] : sets) {
            // Each pair runs back to back, so that a busy machine affects both alike.
            const std::string suffix = std::string("/") + format + "/" + name;
            benchmark::RegisterBenchmark(("snprintf" + suffix).c_str(), BM_Snprintf, format,
                                         values);
            benchmark::RegisterBenchmark(("NumberFormat" + suffix).c_str(), BM_NumberFormat, format,
                                         values);
        }
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
