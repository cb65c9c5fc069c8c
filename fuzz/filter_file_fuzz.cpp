// Fuzz target: the filter file reader. Whatever it accepts must write back to bytes that
// read back to the same bytes.
#include <cstdint>
#include <cstdlib>

#include "exportfilter/engine/filter_file.h"
#include "exportfilter/engine/tests/test_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace grafyon::exportfilter;
    static const ClassRegistry registry = test::TestRegistry();
    const DecodedFilter decoded = DecodeFilter({data, size}, registry);
    if (decoded.filter) {
        const std::vector<std::uint8_t> bytes = EncodeFilter(*decoded.filter);
        const DecodedFilter again = DecodeFilter(bytes, registry);
        if (!again.filter || EncodeFilter(*again.filter) != bytes)
            std::abort();
    }
    return 0;
}
