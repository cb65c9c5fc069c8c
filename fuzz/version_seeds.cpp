// Writes the seed corpus of version_query_fuzz: a small module with the version note.
#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path seed(GRAFYON_FUZZ_VERSION_SEED);
    fs::copy_file(seed, fs::path(argv[1]) / seed.filename(), fs::copy_options::overwrite_existing);
    return 0;
}
