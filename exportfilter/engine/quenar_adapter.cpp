// The adapters' row functions.
#include "quenar_adapter.h"

#include <algorithm>

#include "record_queries.h"

namespace grafyon::exportfilter {

bool HostRowsAdapter::Check(const QuenarSelectList& records) const {
    return HasCommonTimeBase(records) && HasConsistentValueCounts(records);
}

void HostRowsAdapter::SetUp(const QuenarSelectList& records, QuenarHostFunction function,
                            void* hostContext) {
    m_read = reinterpret_cast<QuenarReadRowFunction>(function);
    m_context = hostContext;
    m_count = SelectedCount(records);
    m_x0 = FirstStart(records);
    m_dx = FirstInterval(records);
    m_next = 0;
}

int RowsAdapter::Rows(void* self, double* values, double* x, std::int32_t* flags) {
    auto& adapter = static_cast<RowsAdapter&>(*static_cast<QuenarAdapter*>(self));
    const int result = adapter.m_read(adapter.m_context, values);
    if (result <= 0)
        return result;
    std::fill_n(flags, adapter.m_count, 1);
    *x = adapter.m_x0 + static_cast<double>(adapter.m_next) * adapter.m_dx;
    ++adapter.m_next;
    return 1;
}

void ResamplingAdapter::SetUp(const QuenarSelectList& records, QuenarHostFunction function,
                              void* hostContext) {
    HostRowsAdapter::SetUp(records, function, hostContext);
    m_previous.assign(m_count, 0.0);
    m_current.assign(m_count, 0.0);
    m_currentX = m_x0 - m_dx;
}

int ResamplingAdapter::Rows(void* self, double* values, double* x, std::int32_t* flags) {
    auto& a = static_cast<ResamplingAdapter&>(*static_cast<QuenarAdapter*>(self));
    const double wanted = *x;
    while (a.m_currentX < wanted) {
        a.m_previous.swap(a.m_current);
        const int result = a.m_read(a.m_context, a.m_current.data());
        if (result <= 0) {
            a.m_currentX = a.m_x0 - a.m_dx;
            a.m_next = 0;
            return result;
        }
        a.m_currentX = a.m_x0 + static_cast<double>(a.m_next) * a.m_dx;
        ++a.m_next;
    }
    const std::size_t n = a.m_count;
    if (a.m_currentX == wanted) {
        std::copy_n(a.m_current.data(), n, values);
    } else if (a.m_interpolate) {
        // The share of the way from the previous host row to the requested x.
        const double share = (a.m_dx - (a.m_currentX - wanted)) / a.m_dx;
        const double* previous = a.m_previous.data();
        const double* current = a.m_current.data();
        for (std::size_t i = 0; i < n; ++i)
            values[i] = previous[i] + (current[i] - previous[i]) * share;
    } else {
        std::copy_n(a.m_previous.data(), n, values);
    }
    std::fill_n(flags, n, 1);
    return 1;
}

bool HoldingFlaggedAdapter::Check(const QuenarSelectList& records) const {
    return FirstSelected(records) != nullptr;
}

void HoldingFlaggedAdapter::SetUp(const QuenarSelectList& records, QuenarHostFunction function,
                                  void* hostContext) {
    m_read = reinterpret_cast<QuenarFlaggedRowFunction>(function);
    m_context = hostContext;
    m_last.assign(SelectedCount(records), 0.0);
    m_have.assign(m_last.size(), 0);
}

int HoldingFlaggedAdapter::Rows(void* self, double* values, double* x, std::int32_t* flags) {
    auto& a = static_cast<HoldingFlaggedAdapter&>(*static_cast<QuenarAdapter*>(self));
    const int result = a.m_read(a.m_context, values, x, flags);
    if (result <= 0)
        return result;
    for (std::size_t i = 0; i < a.m_last.size(); ++i) {
        if (flags[i] != 0) {
            a.m_last[i] = values[i];
            a.m_have[i] = 1;
        } else if (a.m_have[i] != 0) {
            values[i] = a.m_last[i];
            flags[i] = 1;
        }
    }
    return 1;
}

}  // namespace grafyon::exportfilter
