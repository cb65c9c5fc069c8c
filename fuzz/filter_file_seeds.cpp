// Writes the seed corpus of filter_file_fuzz: the sample filter files of the tests.
#include <cstdio>
#include <fstream>
#include <string>

#include "exportfilter/engine/tests/test_stream.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    int number = 0;
    for (const auto& bytes : grafyon::exportfilter::test::SampleFilterFiles()) {
        const std::string path = std::string(argv[1]) + "/seed" + std::to_string(++number) + ".yef";
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out)
            return 1;
    }
    return 0;
}
