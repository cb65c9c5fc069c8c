// Adapters: small value sources that turn a host's row function into the value stream a
// method asks for. The negotiation creates them; the library keeps them until the filter
// is released.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "common/quenar_host.h"
#include "common/quenar_select_item.h"
#include "quenar_class.h"

namespace grafyon::exportfilter {

class QuenarAdapter {
public:
    virtual ~QuenarAdapter() = default;
    // Whether the adapter can serve these records.
    virtual bool Check(const QuenarSelectList& records) const = 0;
    virtual void SetUp(const QuenarSelectList& records, QuenarHostFunction function,
                       void* hostContext) = 0;
    // Called with the adapter itself (as a QuenarAdapter*) as the source.
    virtual QuenarRowFunction RowFunction() const = 0;
};

// What every adapter over host function 4 keeps: the host's rows, the number of selected
// records and the time base of the first one.
class HostRowsAdapter : public QuenarAdapter {
public:
    // A common time base and consistent value counts.
    bool Check(const QuenarSelectList& records) const override;
    void SetUp(const QuenarSelectList& records, QuenarHostFunction function,
               void* hostContext) override;

protected:
    QuenarReadRowFunction m_read = nullptr;
    void* m_context = nullptr;
    std::size_t m_count = 0;
    double m_x0 = 0.0;
    double m_dx = 0.0;
    std::int64_t m_next = 0;  // index of the next host row
};

// Method 1: the host's rows as they come, every value available, x = x0 + k * dx.
class RowsAdapter : public HostRowsAdapter {
public:
    QuenarRowFunction RowFunction() const override { return &Rows; }

private:
    static int Rows(void* self, double* values, double* x, std::int32_t* flags);
};

// Methods 8 and 9: the value at each requested x, between two host rows interpolated
// linearly or held at the earlier one.
class ResamplingAdapter : public HostRowsAdapter {
public:
    explicit ResamplingAdapter(bool interpolate) : m_interpolate(interpolate) {}
    void SetUp(const QuenarSelectList& records, QuenarHostFunction function,
               void* hostContext) override;
    QuenarRowFunction RowFunction() const override { return &Rows; }

private:
    static int Rows(void* self, double* values, double* x, std::int32_t* flags);

    bool m_interpolate;
    std::vector<double> m_previous;
    std::vector<double> m_current;
    double m_currentX = 0.0;
};

// Methods 6 and 9 over a host that delivers flagged rows itself (functions 1 and 7): a
// missing value takes the last available value of its record.
class HoldingFlaggedAdapter : public QuenarAdapter {
public:
    // At least one selected record.
    bool Check(const QuenarSelectList& records) const override;
    void SetUp(const QuenarSelectList& records, QuenarHostFunction function,
               void* hostContext) override;
    QuenarRowFunction RowFunction() const override { return &Rows; }

private:
    static int Rows(void* self, double* values, double* x, std::int32_t* flags);

    QuenarFlaggedRowFunction m_read = nullptr;
    void* m_context = nullptr;
    std::vector<double> m_last;
    std::vector<std::uint8_t> m_have;
};

}  // namespace grafyon::exportfilter
