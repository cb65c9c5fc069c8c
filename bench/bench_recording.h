// Generated recordings for the data access benchmarks: FLOAT channels written straight
// into a .dta file in a temporary folder, the description built in memory.
#pragma once

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <sys/statvfs.h>
#include <unistd.h>

#include "common/binary_file.h"
#include "common/byte_order.h"
#include "viewer/data/measurement_description.h"
#include "viewer/data/test_support/recording_builder.h"

namespace grafyon::bench {

// A folder under the temporary folder, removed with its contents at exit.
class BenchDir {
public:
    static BenchDir& Get() {
        static BenchDir dir;
        return dir;
    }
    const std::filesystem::path& Path() const { return m_path; }
    // Free bytes where the recordings go.
    std::uint64_t FreeBytes() const {
        struct statvfs s {};
        if (::statvfs(m_path.c_str(), &s) != 0)
            return 0;
        return std::uint64_t(s.f_bavail) * s.f_frsize;
    }
    ~BenchDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }

private:
    BenchDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "grafyon-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        m_path = pattern;
    }
    std::filesystem::path m_path;
};

struct Recording {
    std::string path;
    std::uint64_t frames = 0;
    std::uint64_t channels = 0;
    std::uint64_t frameSize = 0;
    std::unique_ptr<MeasurementDescription> description;
    std::uint64_t Bytes() const { return frames * frameSize; }
};

// The description of a recording of frames x channels FLOAT values in one data file.
inline std::unique_ptr<MeasurementDescription> DescribeFloatRecording(const std::string& path,
                                                                      std::uint64_t frames,
                                                                      std::uint64_t channels) {
    auto d = test::NewDescription(channels * 4);
    for (std::uint64_t c = 0; c < channels; ++c) {
        test::AddDataset(*d, "ch" + std::to_string(c), DATA_TYPE_FLOAT, c * 4, 0.5, 1.0);
    }
    test::AddDataFile(*d, 1, path);
    test::AddSegment(*d, 1, frames);
    return d;
}

// frames x channels FLOAT values: a sine per channel with a little noise and a rare spike,
// so that the extremes differ from block to block. Empty path when there is no room.
inline Recording MakeFloatRecording(const std::string& name, std::uint64_t frames,
                                    std::uint64_t channels) {
    Recording r;
    r.frames = frames;
    r.channels = channels;
    r.frameSize = channels * 4;
    r.path = (BenchDir::Get().Path() / name).string();
    if (BenchDir::Get().FreeBytes() < r.Bytes() + (2ull << 30)) {
        std::fprintf(stderr, "not enough free space for %s (%llu bytes)\n", name.c_str(),
                     static_cast<unsigned long long>(r.Bytes()));
        r.path.clear();
        return r;
    }
    const auto start = std::chrono::steady_clock::now();
    std::vector<float> table(4096);
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = float(std::sin(double(i) * 2.0 * M_PI / 4096.0));
    BinaryFileWriter writer;
    if (!writer.Create(r.path))
        std::abort();
    const std::uint64_t chunkFrames = (8u << 20) / r.frameSize;
    std::vector<std::uint8_t> chunk(chunkFrames * r.frameSize);
    std::uint32_t noise = 12345;
    for (std::uint64_t f0 = 0; f0 < frames; f0 += chunkFrames) {
        const std::uint64_t n = std::min(chunkFrames, frames - f0);
        std::uint8_t* p = chunk.data();
        for (std::uint64_t f = f0; f < f0 + n; ++f) {
            for (std::uint64_t c = 0; c < channels; ++c, p += 4) {
                noise = noise * 1664525u + 1013904223u;
                float v = table[((f >> 6) * (c + 1)) & 4095] * 100.0f + float(noise >> 24) * 0.01f;
                if ((noise & 0xFFFFF) == 0)
                    v *= 3.0f;
                StoreU32LE(p, std::bit_cast<std::uint32_t>(v));
            }
        }
        writer.Write(std::span(chunk.data(), n * r.frameSize));
    }
    if (!writer.Close())
        std::abort();

    r.description = DescribeFloatRecording(r.path, frames, channels);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "generated %s: %.2f GB in %.1f s\n", name.c_str(), double(r.Bytes()) / 1e9,
                 seconds);
    return r;
}

// Reads the whole file sequentially with pread into one reusable buffer; returns bytes read.
inline std::uint64_t PlainRead(const std::string& path, std::size_t bufferBytes) {
    BinaryFileReader reader;
    if (!reader.Open(path))
        return 0;
    std::vector<std::uint8_t> buffer(bufferBytes);
    std::uint64_t total = 0;
    for (std::uint64_t pos = 0; pos < reader.Size(); pos += bufferBytes) {
        total += reader.ReadSomeAt(pos, buffer);
    }
    return total;
}

// Peak resident memory of this process since the last ResetPeakResident, in bytes.
inline std::uint64_t PeakResident() {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoull(line.substr(6)) * 1024;
    }
    return 0;
}
inline std::uint64_t Resident() {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stoull(line.substr(6)) * 1024;
    }
    return 0;
}
inline bool ResetPeakResident() {
    std::ofstream out("/proc/self/clear_refs");
    out << "5";
    return static_cast<bool>(out.flush());
}

}  // namespace grafyon::bench
