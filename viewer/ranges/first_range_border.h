// The document's first range border: set by the first border command, used by the second.
#pragma once

#include <cstdint>
#include <optional>

namespace grafyon {

class FirstRangeBorder {
public:
    void Set(std::int64_t sample) {
        m_set = true;
        m_sample = sample;
    }
    void Clear() { m_set = false; }
    bool IsSet() const { return m_set; }
    // The remembered sample, also after the mark was cleared.
    std::int64_t Sample() const { return m_sample; }
    // The sample when the mark is set, clearing the mark: the second border uses it once.
    std::optional<std::int64_t> Take() {
        if (!m_set)
            return std::nullopt;
        m_set = false;
        return m_sample;
    }

private:
    bool m_set = false;
    std::int64_t m_sample = 0;
};

}  // namespace grafyon
