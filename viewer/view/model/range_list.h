// Ranges of a document: named stretches of samples, kept ordered by their start.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graphic_diagram.h"

namespace grafyon {

struct GraphicRect;

// Color of the bands behind the curves and of active rows in range lists (0x00BBGGRR).
inline constexpr std::uint32_t RANGE_COLOR = 0x80FFFF;
// Sample positions are shown to the user 1-based.
inline constexpr std::int64_t RANGE_DISPLAY_OFFSET = 1;

class CRange {
public:
    CRange(std::int64_t start, std::int64_t end, bool active, std::string name,
           const std::string& commentary);
    virtual ~CRange() = default;

    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    const std::string& Commentary() const { return m_commentary; }
    // Trailing white space is removed.
    void SetCommentary(const std::string& text);
    std::int64_t Start() const { return m_start; }
    std::int64_t End() const { return m_end; }
    bool Active() const { return m_active; }
    void SetActive(bool active) { m_active = active; }

    // The band's pixel columns from the last layout pass, -1 without a band.
    int leftColumn = -1;
    int rightColumn = -1;

private:
    friend class CRangeList;
    std::string m_name;
    std::string m_commentary;
    std::int64_t m_start = 0;
    std::int64_t m_end = 0;
    bool m_active = true;
};

class CRangeList {
public:
    CRangeList() = default;
    CRangeList(const CRangeList& other) { CopyFrom(other); }
    CRangeList& operator=(const CRangeList& other) {
        if (this != &other)
            CopyFrom(other);
        return *this;
    }

    // Inserts before the first range that starts later; start and end are swapped when
    // given in reverse order.
    CRange& Add(std::int64_t start, std::int64_t end, bool active, std::string name,
                const std::string& commentary);
    // Changes a range's samples and moves it to its ordered place.
    void SetSamples(const CRange& range, std::int64_t start, std::int64_t end);
    void Remove(const CRange& range);
    void Clear() { m_ranges.clear(); }
    void CopyFrom(const CRangeList& other);

    int Count() const { return static_cast<int>(m_ranges.size()); }
    int CountActive() const;
    bool Empty() const { return m_ranges.empty(); }
    CRange& At(int index) { return *m_ranges[static_cast<std::size_t>(index)]; }
    const CRange& At(int index) const { return *m_ranges[static_cast<std::size_t>(index)]; }
    int IndexOf(const CRange& range) const;

    // The pixel columns of each range's band for the first diagram's plot from column
    // left to right (exclusive), the visible samples first .. last, the sample step and
    // the window's start and end time; active overlapping ranges go to bands as well.
    void ComputeBands(std::vector<RangeBand>& bands, int left, int right, std::int64_t first,
                      std::int64_t last, double step, double startTime, double endTime);

private:
    std::unique_ptr<CRange> Take(const CRange& range);
    CRange& Insert(std::unique_ptr<CRange> range);

    std::vector<std::unique_ptr<CRange>> m_ranges;
};

}  // namespace grafyon
