// Files the fuzz targets hand to readers that take paths: one private folder per process.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <span>
#include <string>

#include <stdlib.h>

namespace grafyon::fuzz {

// A folder of its own under TMPDIR (or /tmp), made once.
inline const std::string& ScratchFolder() {
    static const std::string folder = [] {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/grafyon-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        return pattern;
    }();
    return folder;
}

inline void WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        std::abort();
}

// Writes bytes to name in the scratch folder and returns its path.
inline std::string WriteScratchFile(const std::string& name, std::span<const std::uint8_t> bytes) {
    const std::string path = ScratchFolder() + "/" + name;
    WriteFile(path, bytes);
    return path;
}

}  // namespace grafyon::fuzz
