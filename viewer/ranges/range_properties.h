// The values the "Range properties" dialog edits, with samples 0-based.
#pragma once

#include <cstdint>
#include <string>

namespace grafyon {

struct RangeProperties {
    bool active = true;
    std::string name;
    std::string commentary;
    std::int64_t start = 0;
    std::int64_t end = 0;
};

}  // namespace grafyon
