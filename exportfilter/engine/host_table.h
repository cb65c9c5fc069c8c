// The host functions registered with the library, and the calls the writers make through
// them for information besides the values (comments, value ranges, date and time).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/quenar_host.h"
#include "common/quenar_select_item.h"

namespace grafyon::exportfilter {

class CQuenarClass;

class QuenarHostTable {
public:
    struct Entry {
        int identifier;
        QuenarHostFunction function;
    };

    // A second registration under an identifier replaces the function in its place; a null
    // function takes the registration back, so that no null function is ever called.
    void Register(int identifier, QuenarHostFunction function);
    QuenarHostFunction Find(int identifier) const;
    template <class Function>
    Function Get(int identifier) const {
        return reinterpret_cast<Function>(Find(identifier));
    }
    bool Has(int identifier) const { return Find(identifier) != nullptr; }
    void Clear() { m_entries.clear(); }
    // In the order of first registration.
    const std::vector<Entry>& Entries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};

// The host's optional functions with the context of one export.
class QuenarHostAccess {
public:
    QuenarHostAccess(const QuenarHostTable& table, void* context)
        : m_table(table), m_context(context) {}

    bool Has(int identifier) const { return m_table.Has(identifier); }

    // The comment lines of the record's data file joined with line feeds; nothing when one
    // of the functions 260, 261 and 262 is missing.
    std::optional<std::string> Commentary(const CQuenarSelectItem& record) const;
    // The value range of the record (259), minimum not above maximum; false without it.
    bool ValueRange(const CQuenarSelectItem& record, double& minimum, double& maximum) const;
    // The recording date ("%d.%m.%Y") or time ("%H:%M:%S") as the host formats it (263).
    std::optional<std::string> DateTimeText(const CQuenarSelectItem& record, int selector) const;
    // The recording time in seconds since 1970-01-01 (263 with QUENAR_DT_VALUE).
    std::optional<std::int32_t> RecordingSeconds(const CQuenarSelectItem& record) const;

private:
    const QuenarHostTable& m_table;
    void* m_context;
};

// The commentary of a filter for its first selected record: none, the data file's comment
// lines (empty when the host cannot give them), or the filter's own text.
std::string FilterCommentary(const CQuenarClass& filter, const QuenarSelectList& records,
                             const QuenarHostAccess& host);

}  // namespace grafyon::exportfilter
