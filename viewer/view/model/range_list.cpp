// The ordered range list and the band columns of its ranges.
#include "range_list.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace grafyon {

namespace {

bool IsTrailingSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

CRange::CRange(std::int64_t start, std::int64_t end, bool active, std::string name,
               const std::string& commentary)
    : m_name(std::move(name)),
      m_start(std::min(start, end)),
      m_end(std::max(start, end)),
      m_active(active) {
    SetCommentary(commentary);
}

void CRange::SetCommentary(const std::string& text) {
    std::size_t length = text.size();
    while (length > 0 && IsTrailingSpace(text[length - 1]))
        --length;
    m_commentary.assign(text, 0, length);
}

CRange& CRangeList::Insert(std::unique_ptr<CRange> range) {
    const auto place = std::upper_bound(
        m_ranges.begin(), m_ranges.end(), range->Start(),
        [](std::int64_t start, const std::unique_ptr<CRange>& r) { return start < r->Start(); });
    return **m_ranges.insert(place, std::move(range));
}

CRange& CRangeList::Add(std::int64_t start, std::int64_t end, bool active, std::string name,
                        const std::string& commentary) {
    return Insert(std::make_unique<CRange>(start, end, active, std::move(name), commentary));
}

int CRangeList::IndexOf(const CRange& range) const {
    for (std::size_t i = 0; i < m_ranges.size(); ++i) {
        if (m_ranges[i].get() == &range)
            return static_cast<int>(i);
    }
    return -1;
}

std::unique_ptr<CRange> CRangeList::Take(const CRange& range) {
    const int index = IndexOf(range);
    if (index < 0)
        return nullptr;
    std::unique_ptr<CRange> taken = std::move(m_ranges[static_cast<std::size_t>(index)]);
    m_ranges.erase(m_ranges.begin() + index);
    return taken;
}

void CRangeList::SetSamples(const CRange& range, std::int64_t start, std::int64_t end) {
    std::unique_ptr<CRange> taken = Take(range);
    if (!taken)
        return;
    taken->m_start = std::min(start, end);
    taken->m_end = std::max(start, end);
    Insert(std::move(taken));
}

void CRangeList::Remove(const CRange& range) {
    Take(range);
}

void CRangeList::CopyFrom(const CRangeList& other) {
    std::vector<std::unique_ptr<CRange>> copy;
    copy.reserve(other.m_ranges.size());
    for (const auto& r : other.m_ranges)
        copy.push_back(std::make_unique<CRange>(*r));
    m_ranges = std::move(copy);
}

int CRangeList::CountActive() const {
    return static_cast<int>(
        std::count_if(m_ranges.begin(), m_ranges.end(), [](const auto& r) { return r->Active(); }));
}

void CRangeList::ComputeBands(std::vector<RangeBand>& bands, int left, int right,
                              std::int64_t first, std::int64_t last, double step, double startTime,
                              double endTime) {
    bands.clear();
    const double span = endTime - startTime;
    const bool usable = right > left && span > 0.0 && std::isfinite(span) && step > 0.0;
    const double perSecond = usable ? (right - left) / span : 0.0;
    for (auto& r : m_ranges) {
        r->leftColumn = -1;
        r->rightColumn = -1;
        if (!usable || !r->Active() || r->End() < first || r->Start() > last)
            continue;
        // Clamped before the integer conversion so a far-away border cannot overflow.
        const auto column = [&](double time) {
            const double pixels = std::clamp((time - startTime) * perSecond, -1.0e6, 1.0e6);
            return static_cast<int>(std::trunc(pixels));
        };
        const int a = column(r->Start() * step - 0.25 * step);
        const int b = column(r->End() * step + 0.25 * step);
        int x1 = left + a;
        int x2 = left + b;
        if (a == b) {
            --x1;
            ++x2;
        } else if (b - a == 1) {
            ++x2;
        }
        x1 = std::max(x1, left);
        x2 = std::min(x2, right);
        r->leftColumn = x1;
        r->rightColumn = x2;
        bands.push_back({x1, x2});
    }
}

}  // namespace grafyon
