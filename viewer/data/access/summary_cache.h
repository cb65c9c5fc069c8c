// Summary cache files: the extremes cache, level 0 of the min/max pyramid and level 0 of the
// moments of every dataset of a measurement, kept in the user's cache folder so that reopening the
// same data need not scan them again. A file is used only when its format version, its key (the
// identity of every data file and the layout the summaries depend on) and the checksum of its
// content all match; anything else is ignored and rebuilt, never trusted.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace grafyon {

class DatasetSummary;

// What a measurement's summaries depend on.
struct SummaryCacheKey {
    struct FileIdentity {
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::uint64_t size = 0;
        std::int64_t modifiedSeconds = 0;
        std::int64_t modifiedNanoseconds = 0;
        bool operator==(const FileIdentity&) const = default;
    };
    std::vector<FileIdentity> files;  // the data files, in the description's order
    // The datasets' types, masks, offsets, values per frame, the frame size and the frame
    // count, encoded by the caller in a fixed order.
    std::vector<std::uint8_t> layout;

    bool operator==(const SummaryCacheKey&) const = default;
    // The file's identity now; nothing when it cannot be looked at.
    static std::optional<FileIdentity> IdentityOf(const std::string& path);
    static std::optional<FileIdentity> IdentityOfDescriptor(int fd);
    // A stable name for the cache file of this key (hex digits of its hash).
    std::string FileName() const;
};

inline constexpr std::uint32_t SUMMARY_CACHE_VERSION = 1;

// $XDG_CACHE_HOME/Vantorelline/Grafyon/ (or ~/.cache/...), with a trailing slash; empty
// when neither variable names a folder.
std::string SummaryCacheFolder();

// Writes the summaries (after their scan) atomically to path: a temporary file beside it,
// renamed into place when complete. False when any step failed or *cancel was set while
// writing (checked between datasets and between pieces of the file); nothing is left then.
bool WriteSummaryCache(const std::string& path, const SummaryCacheKey& key,
                       const std::vector<const DatasetSummary*>& summaries,
                       const std::atomic<bool>* cancel = nullptr);

// Fills the summaries (freshly made for the same datasets, in the same order) from the
// file and finishes them (with their moments or without). False when the file is missing
// or does not match in any way; the summaries are then as they were made and must be
// scanned.
bool ReadSummaryCache(const std::string& path, const SummaryCacheKey& key,
                      const std::vector<DatasetSummary*>& summaries, bool withMoments = true);

// Removes the least recently used cache files of the folder (by modification time, which
// a use renews) until the files together hold at most limitBytes. Returns the bytes left.
std::uint64_t EvictSummaryCache(const std::string& folder, std::uint64_t limitBytes);

// Renews a cache file's modification time after a use, for the eviction order.
void TouchSummaryCache(const std::string& path);

}  // namespace grafyon
