// Filter definition files.
#include "filter_file.h"

#include <array>
#include <cstring>

#include "common/binary_file.h"
#include "common/codec_1252.h"
#include "file_replace.h"

#include <sys/stat.h>

namespace grafyon::exportfilter {

namespace {

// Opening a pipe or a device named like a filter would block or never end.
bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

std::string HeaderDesignation(std::string_view designation) {
    std::string bytes = Utf8ToCp1252(designation);
    if (bytes.size() > FILTER_DESIGNATION_CHARS)
        bytes = bytes.substr(0, FILTER_DESIGNATION_CUT) + "...";
    return bytes;
}

std::vector<std::uint8_t> EncodeFilter(const CQuenarClass& filter) {
    ByteWriter header;
    header.FixedText(FILTER_MAGIC, FILTER_MAGIC_SIZE);
    header.I32LE(filter.FileTypeCode());
    header.Fill(12);
    header.FixedText(HeaderDesignation(filter.designation), FILTER_DESIGNATION_SIZE);

    ArchiveWriter ar;
    ar.WriteBytes(header.Bytes());
    ar.WriteObject(filter);
    return ar.Take();
}

bool DecodeFilterHeader(std::span<const std::uint8_t> bytes, FilterHeader& header) {
    if (bytes.size() < FILTER_HEADER_SIZE ||
        std::memcmp(bytes.data(), FILTER_MAGIC, FILTER_MAGIC_SIZE) != 0)
        return false;
    ByteReader in(bytes);
    in.Seek(FILTER_MAGIC_SIZE);
    header.typeCode = in.I32LE();
    in.Seek(FILTER_DESIGNATION_OFFSET);
    header.designation = Cp1252ToUtf8(in.FixedText(FILTER_DESIGNATION_SIZE));
    return in.Ok();
}

DecodedFilter DecodeFilter(std::span<const std::uint8_t> bytes, const ClassRegistry& registry) {
    DecodedFilter result;
    if (!DecodeFilterHeader(bytes, result.header)) {
        result.error = ArchiveError::BadHeader;
        return result;
    }
    ArchiveReader ar(bytes.subspan(FILTER_HEADER_SIZE), registry);
    result.filter = ar.ReadObjectAs<CQuenarClass>(CQuenarClass::CLASS_INFO);
    result.error = ar.Error();
    return result;
}

int WriteFilterFile(const std::string& path, const CQuenarClass& filter) {
    return ReplaceFileContents(path, EncodeFilter(filter)) ? 0 : 1;
}

std::unique_ptr<CQuenarClass> ReadFilterFile(const std::string& path, const ClassRegistry& registry,
                                             ArchiveError* error) {
    BinaryFileReader file;
    std::vector<std::uint8_t> bytes;
    ArchiveError failure = ArchiveError::None;
    if (!IsRegularFile(path) || !file.Open(path)) {
        failure = ArchiveError::FileUnreadable;
    } else if (file.Size() > FILTER_FILE_MAX_SIZE) {
        failure = ArchiveError::FileTooLarge;
    } else if (!file.ReadBlock(0, static_cast<std::size_t>(file.Size()), bytes)) {
        failure = ArchiveError::FileUnreadable;
    }
    if (failure != ArchiveError::None) {
        if (error)
            *error = failure;
        return nullptr;
    }
    DecodedFilter decoded = DecodeFilter(bytes, registry);
    if (error)
        *error = decoded.error;
    return std::move(decoded.filter);
}

bool ReadFilterHeader(const std::string& path, FilterHeader& header) {
    BinaryFileReader file;
    std::array<std::uint8_t, FILTER_HEADER_SIZE> bytes{};
    return IsRegularFile(path) && file.Open(path) && file.ReadAt(0, bytes) &&
           DecodeFilterHeader(bytes, header);
}

}  // namespace grafyon::exportfilter
