// Writes the filter "Standard" into the file named on the command line (run by the build).
#include <cstdio>

#include "exportfilter/engine/filter_file.h"
#include "exportfilter/formats/text/standard_filter.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.yef\n", argv[0]);
        return 2;
    }
    using namespace grafyon::exportfilter;
    if (WriteFilterFile(argv[1], *MakeStandardFilter()) != 0) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
