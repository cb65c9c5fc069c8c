// Filter definition files: an 80-byte header (magic, type code, designation) followed by
// the filter object in the archive.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "archive.h"
#include "quenar_class.h"

namespace grafyon::exportfilter {

inline constexpr char FILTER_MAGIC[] = "Vantorelline_BinaryExportFilter";
inline constexpr std::size_t FILTER_MAGIC_SIZE = 32;  // with its terminating zero
inline constexpr std::size_t FILTER_DESIGNATION_OFFSET = 48;
inline constexpr std::size_t FILTER_DESIGNATION_SIZE = 32;
inline constexpr std::size_t FILTER_HEADER_SIZE = 80;
inline constexpr std::size_t FILTER_DESIGNATION_CHARS = 31;
inline constexpr std::size_t FILTER_DESIGNATION_CUT = 28;  // followed by "..."
inline constexpr std::uint64_t FILTER_FILE_MAX_SIZE = 16u << 20;
inline constexpr char FILTER_EXTENSION[] = "yef";

struct FilterHeader {
    std::int32_t typeCode = 0;
    std::string designation;  // UTF-8
};

// The designation as the header holds it (Windows-1252): whole up to 31 characters, else
// its first 28 and "...".
std::string HeaderDesignation(std::string_view designation);

std::vector<std::uint8_t> EncodeFilter(const CQuenarClass& filter);

// The header of a filter file; false when the bytes are too short or the magic is wrong.
bool DecodeFilterHeader(std::span<const std::uint8_t> bytes, FilterHeader& header);

struct DecodedFilter {
    std::unique_ptr<CQuenarClass> filter;  // null on any error
    FilterHeader header;
    ArchiveError error = ArchiveError::None;
};
// The whole file: a header and one object of a class derived from CQuenarClass.
DecodedFilter DecodeFilter(std::span<const std::uint8_t> bytes, const ClassRegistry& registry);

// 0, or 1 when the file cannot be written; the old file is kept then.
int WriteFilterFile(const std::string& path, const CQuenarClass& filter);

// The filter, or null when the file is missing, larger than 16 MiB or not a filter this
// program can read.
std::unique_ptr<CQuenarClass> ReadFilterFile(const std::string& path, const ClassRegistry& registry,
                                             ArchiveError* error = nullptr);

// Reads the first 80 bytes only.
bool ReadFilterHeader(const std::string& path, FilterHeader& header);

}  // namespace grafyon::exportfilter
