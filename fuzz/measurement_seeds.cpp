// Writes the seed corpus of a measurement fuzz target: the descriptions of the seed
// recordings (the data files stay out, the target makes its own beside every input).
// Usage: mdf_fuzz_seeds FOLDER (tarko_fuzz_seeds for TARKO)
#include <cstdio>
#include <filesystem>
#include <string>

#include "fuzz_files.h"
#include "recording_seeds.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
#ifdef GRAFYON_FUZZ_TARKO
    const bool tarko = true;
#else
    const bool tarko = false;
#endif
    const std::string& scratch = grafyon::fuzz::ScratchFolder();
    for (const auto& options : grafyon::fuzz::SeedRecordings(scratch, tarko)) {
        std::string error;
        if (grafyon::GenerateRecording(options, &error) != grafyon::GENERATE_OK) {
            std::fprintf(stderr, "%s: %s\n", options.path.c_str(), error.c_str());
            return 1;
        }
        const fs::path from(options.path);
        fs::copy_file(from, fs::path(argv[1]) / from.filename(),
                      fs::copy_options::overwrite_existing);
    }
    fs::remove_all(scratch);
    return 0;
}
