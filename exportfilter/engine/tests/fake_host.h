// A host for the engine's tests: its functions are plain functions over a table of rows,
// and it counts how often each is called.
#pragma once

#include <charconv>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/quenar_host.h"
#include "common/quenar_select_item.h"

namespace grafyon::exportfilter::test {

struct FakeHost {
    // rows[k][i]: the value of the i-th selected record in row k.
    std::vector<std::vector<double>> rows;
    // The host fails (returns -1) when asked for this row; -1: never.
    std::int64_t failAt = -1;
    // Called inside the row function, as a user interface would run during a run.
    std::function<void()> duringRow;
    std::size_t next = 0;
    int readCalls = 0;
    int flaggedCalls = 0;

    // Host function 4.
    static int ReadRow(void* context, double* values) {
        auto& host = *static_cast<FakeHost*>(context);
        ++host.readCalls;
        if (host.duringRow)
            host.duringRow();
        if (host.failAt >= 0 && host.next == static_cast<std::size_t>(host.failAt))
            return -1;
        if (host.next >= host.rows.size())
            return 0;
        const std::vector<double>& row = host.rows[host.next++];
        for (std::size_t i = 0; i < row.size(); ++i)
            values[i] = row[i];
        return 1;
    }

    // Host functions 1 and 7: the rows with NaN as a missing value; x = the row number.
    static int FlaggedRow(void* context, double* values, double* x, std::int32_t* flags) {
        auto& host = *static_cast<FakeHost*>(context);
        ++host.flaggedCalls;
        if (host.next >= host.rows.size())
            return 0;
        const std::vector<double>& row = host.rows[host.next];
        *x = static_cast<double>(host.next++);
        for (std::size_t i = 0; i < row.size(); ++i) {
            flags[i] = row[i] == row[i] ? 1 : 0;
            values[i] = flags[i] ? row[i] : -999.0;
        }
        return 1;
    }
};

struct RecordSpec {
    std::string name;
    double start = 0.0;
    double step = 1.0;
    int valueCount = 0;
};

inline QuenarSelectList MakeRecords(const std::vector<RecordSpec>& specs, int selected = 1) {
    QuenarSelectList records;
    for (const RecordSpec& spec : specs) {
        auto record = std::make_unique<CQuenarSelectItem>();
        record->name = spec.name;
        record->start = spec.start;
        record->step = spec.step;
        record->valueCount = spec.valueCount;
        record->selected = selected;
        record->carrierName = "Time";
        record->carrierUnit = "s";
        records.push_back(std::move(record));
    }
    return records;
}

// The cells of the test writer's lines after its title line: x, then one per record (NaN
// for an empty cell).
inline std::vector<std::vector<double>> ParseRows(const std::string& text) {
    std::vector<std::vector<double>> rows;
    std::size_t start = text.find("\r\n");
    while (start != std::string::npos && start + 2 < text.size()) {
        start += 2;
        const std::size_t end = text.find("\r\n", start);
        const std::string_view line(text.data() + start,
                                    (end == std::string::npos ? text.size() : end) - start);
        std::vector<double> cells;
        std::size_t cell = 0;
        for (;;) {
            const std::size_t semicolon = line.find(';', cell);
            const std::string_view part = line.substr(
                cell, semicolon == std::string_view::npos ? line.npos : semicolon - cell);
            double value = std::numeric_limits<double>::quiet_NaN();
            if (!part.empty())
                std::from_chars(part.data(), part.data() + part.size(), value);
            cells.push_back(value);
            if (semicolon == std::string_view::npos)
                break;
            cell = semicolon + 1;
        }
        rows.push_back(cells);
        start = end;
    }
    return rows;
}

}  // namespace grafyon::exportfilter::test
