// Filter files: round trips of every class, the header, old versions, and hostile files.
#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "exportfilter/engine/archive.h"
#include "exportfilter/engine/filter_file.h"
#include "hand_bytes.h"
#include "test_stream.h"
#include "test_support.h"

namespace grafyon::exportfilter::test {
namespace {

std::unique_ptr<CQuenarStreamTest> Decode(const std::vector<std::uint8_t>& bytes,
                                          ArchiveError* error = nullptr) {
    DecodedFilter decoded = DecodeFilter(bytes, TestRegistry());
    if (error)
        *error = decoded.error;
    if (!decoded.filter)
        return nullptr;
    return std::unique_ptr<CQuenarStreamTest>(
        dynamic_cast<CQuenarStreamTest*>(decoded.filter.release()));
}

ArchiveError ErrorOf(const std::vector<std::uint8_t>& bytes) {
    ArchiveError error = ArchiveError::None;
    EXPECT_FALSE(Decode(bytes, &error));
    return error;
}

// A filter of the test stream up to its channel-definition list count.
HandBytes FilterUpToList(std::uint32_t classVersion = 6) {
    HandBytes file;
    file.Header(16, "H").NewClass("CQuenarStreamTest", 2);
    file.U32(classVersion).I32(16).Str("H").Str("").I32(0).I32(1).I32(0).I32(0).I32(1);
    file.F64(1.0).I32(0).F64(1.0).I32(0).Str("");
    file.U32(1).U32(1);
    return file;
}

TEST(FilterFile, EveryClassRoundTrips) {
    for (const std::vector<std::uint8_t>& bytes : SampleFilterFiles()) {
        std::unique_ptr<CQuenarStreamTest> filter = Decode(bytes);
        ASSERT_TRUE(filter);
        EXPECT_EQ(EncodeFilter(*filter), bytes);
    }
    const std::unique_ptr<CQuenarStreamTest> sample = SampleFilter();
    const std::unique_ptr<CQuenarStreamTest> read = Decode(EncodeFilter(*sample));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->commentaryText, sample->commentaryText);
    EXPECT_EQ(read->designation, "Dauerlauf Größe");
    EXPECT_EQ(read->frequency, 512.0);
    auto* ownFile = dynamic_cast<CQuenarChannelDef1File*>(read->channelDefs[1].get());
    ASSERT_NE(ownFile, nullptr);
    EXPECT_EQ(ownFile->fileName, "out/torque.dac");
    EXPECT_EQ(read->channelDefs[0]->factor, -2.5);
    EXPECT_EQ(read->channelDefs[0]->unit, "°C");
    EXPECT_EQ(read->singleFile.userDescriptionName, "result.hdr");
    EXPECT_EQ(read->singleFile.overwrite, 0);
    EXPECT_EQ(read->multiFile.buildMode, 3);
    EXPECT_EQ(read->multiFile.userName, "run.dac");
}

TEST(FilterFile, HeaderHoldsTheFormatsCodeAndAShortDesignation) {
    CQuenarStreamTest filter;
    filter.typeCode = 99;  // an old or copied filter: the class decides
    filter.designation = std::string(31, 'a');
    std::vector<std::uint8_t> bytes = EncodeFilter(filter);
    FilterHeader header;
    ASSERT_TRUE(DecodeFilterHeader(bytes, header));
    EXPECT_EQ(header.typeCode, TEST_STREAM_TYPE);
    EXPECT_EQ(header.designation, std::string(31, 'a'));

    filter.designation = std::string(29, 'b') + "ÄÖÜ";  // 32 characters, 32 bytes in 1252
    bytes = EncodeFilter(filter);
    ASSERT_TRUE(DecodeFilterHeader(bytes, header));
    EXPECT_EQ(header.designation, std::string(28, 'b') + "...");
    EXPECT_EQ(Decode(bytes)->designation, filter.designation);  // the object keeps it whole
    EXPECT_EQ(Decode(bytes)->typeCode, TEST_STREAM_TYPE);

    bytes[5] = 'X';
    EXPECT_EQ(ErrorOf(bytes), ArchiveError::BadHeader);
}

TEST(FilterFile, OldVersionsKeepTheDefaultsOfTheirMissingFields) {
    HandBytes file;
    file.Header(16, "Old").NewClass("CQuenarStreamTest", 1);  // schema 1: no multi-file part
    file.U32(1).I32(16).Str("Old");                           // CQuenarClass version 1
    file.U32(1).U32(1).U16(1);
    file.NewClass("CQuenarChannelDef").U32(1).Str("id").Str("ds");  // channel def version 1
    // Single file of version 1 with the base fields in their old place after its own.
    file.U32(2).I32(0).Str("").I32(0).I32(2);
    file.U32(1).I32(1).Str("old\\name.txt").Str("TXT");
    file.I32(1).Str("\\data\\old").I32(2).I32(0);

    std::unique_ptr<CQuenarStreamTest> filter = Decode(file.bytes);
    ASSERT_TRUE(filter);
    EXPECT_EQ(filter->onlySelected, 0);
    EXPECT_EQ(filter->allocationMode, 1);
    EXPECT_EQ(filter->missingConstant, 1);
    EXPECT_EQ(filter->frequency, 1.0);
    const CQuenarChannelDef& definition = *filter->channelDefs.at(0);
    EXPECT_EQ(definition.adjustment, 0);
    EXPECT_EQ(definition.factor, 1.0);
    EXPECT_EQ(definition.offset, 0.0);
    EXPECT_EQ(definition.unit, "");
    EXPECT_EQ(filter->singleFile.userDataName, "old/name.txt");  // "\" read as "/"
    EXPECT_EQ(filter->singleFile.pathMode, 1);
    EXPECT_EQ(filter->singleFile.userPath, "/data/old");
    EXPECT_EQ(filter->singleFile.fileDialog, 2);
    EXPECT_EQ(filter->singleFile.overwrite, 0);
    EXPECT_EQ(filter->singleFile.descriptionExtension, "");
    EXPECT_EQ(filter->multiFile.buildMode, 0);
}

TEST(FilterFile, PathsWithADriveLetterStayAsStored) {
    std::unique_ptr<CQuenarStreamTest> filter = SampleFilter();
    filter->singleFile.userPath = "C:\\Export";
    filter->multiFile.userPath = "\\\\server\\share";
    std::unique_ptr<CQuenarStreamTest> read = Decode(EncodeFilter(*filter));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->singleFile.userPath, "C:\\Export");
    EXPECT_EQ(read->multiFile.userPath, "//server/share");
}

TEST(FilterFile, ClassSchemasBetweenTheOldestAndTheCurrentAreRead) {
    for (const std::uint16_t schema : {0, 3}) {
        HandBytes file;
        file.Header(16, "S").NewClass("CQuenarStreamTest", schema);
        EXPECT_EQ(ErrorOf(file.bytes), ArchiveError::BadSchema) << schema;
    }
}

TEST(FilterFile, TruncatedAtEveryByteIsRefused) {
    for (const std::vector<std::uint8_t>& bytes : SampleFilterFiles()) {
        for (std::size_t size = 0; size < bytes.size(); ++size) {
            const std::vector<std::uint8_t> cut(bytes.begin(),
                                                bytes.begin() + static_cast<std::ptrdiff_t>(size));
            ArchiveError error = ArchiveError::None;
            ASSERT_FALSE(Decode(cut, &error)) << size;
            EXPECT_NE(error, ArchiveError::None);
        }
    }
}

TEST(FilterFile, HostileLengthsAndCountsAreRefusedBeforeAllocating) {
    HandBytes hugeString;
    hugeString.Header(16, "X").NewClass("CQuenarStreamTest", 2);
    hugeString.U32(6).I32(16).U8(0xFF).U16(0xFFFF).U32(0xFFFFFFF0u);
    EXPECT_EQ(ErrorOf(hugeString.bytes), ArchiveError::LengthTooLarge);

    HandBytes wideMarker;
    wideMarker.Header(16, "X").NewClass("CQuenarStreamTest", 2);
    wideMarker.U32(6).I32(16).U8(0xFF).U16(0xFFFE).U32(2).Raw("ab");
    EXPECT_EQ(ErrorOf(wideMarker.bytes), ArchiveError::BadStringLength);

    HandBytes hugeCount = FilterUpToList();
    hugeCount.U16(0xFFFF).U32(0x7FFFFFFF);
    EXPECT_EQ(ErrorOf(hugeCount.bytes), ArchiveError::LengthTooLarge);

    // A count that the bytes left could just hold, but the elements are missing.
    HandBytes shortList = FilterUpToList();
    shortList.U16(3).Zeros(6);
    EXPECT_NE(ErrorOf(shortList.bytes), ArchiveError::None);
}

TEST(FilterFile, ObjectsOfTheWrongKindAreRefused) {
    const auto withElement = [](auto build) {
        HandBytes file = FilterUpToList();
        file.U16(1);
        build(file);
        return file.bytes;
    };
    EXPECT_EQ(ErrorOf(withElement([](HandBytes& f) { f.NewClass("CQuenarStreamTest", 2); })),
              ArchiveError::WrongClass);
    EXPECT_EQ(ErrorOf(withElement([](HandBytes& f) { f.U16(0x8001); })),  // the stream's class
              ArchiveError::WrongClass);
    EXPECT_EQ(ErrorOf(withElement([](HandBytes& f) { f.NewClass("CQuenarUnknown"); })),
              ArchiveError::UnknownClass);
    EXPECT_EQ(ErrorOf(withElement([](HandBytes& f) { f.U16(0x0002); })),  // the filter itself
              ArchiveError::BackReference);
    EXPECT_EQ(ErrorOf(withElement([](HandBytes& f) { f.U16(0x7FFF).U32(2); })),
              ArchiveError::BackReference);
    EXPECT_EQ(ErrorOf(withElement([](HandBytes& f) { f.U16(0x8002); })),  // an object's index
              ArchiveError::BadIndex);
    EXPECT_EQ(ErrorOf(withElement([](HandBytes& f) { f.U16(0x8009); })), ArchiveError::BadIndex);
    EXPECT_EQ(ErrorOf(withElement([](HandBytes& f) { f.U16(0); })), ArchiveError::NullObject);
    EXPECT_EQ(ErrorOf(withElement([](HandBytes& f) { f.NewClass(std::string(64, 'C')); })),
              ArchiveError::UnknownClass);
    EXPECT_EQ(ErrorOf(withElement([](HandBytes& f) { f.NewClass(std::string(65, 'C')); })),
              ArchiveError::BadClassName);

    HandBytes abstract;
    abstract.Header(16, "A").NewClass("CQuenarStream");
    EXPECT_EQ(ErrorOf(abstract.bytes), ArchiveError::AbstractClass);
    HandBytes notAFilter;
    notAFilter.Header(16, "A").NewClass("CQuenarChannelDef").ChannelDefPart("a", "b");
    EXPECT_EQ(ErrorOf(notAFilter.bytes), ArchiveError::WrongClass);
}

TEST(FilterFile, NestingIsLimited) {
    const auto nested = [](int depth) {
        CQuenarStreamTest filter;
        ChannelDefList* level = &filter.channelDefs;
        for (int i = 0; i < depth; ++i) {
            auto tree = std::make_unique<CQuenarChannelDefTree>();
            ChannelDefList* next = &tree->children;
            level->push_back(std::move(tree));
            level = next;
        }
        return EncodeFilter(filter);
    };
    // The filter is the first level.
    EXPECT_TRUE(Decode(nested(ARCHIVE_MAX_DEPTH - 1)));
    EXPECT_EQ(ErrorOf(nested(ARCHIVE_MAX_DEPTH)), ArchiveError::TooDeep);
}

TEST(FilterFile, NewerVersionsAreRefused) {
    EXPECT_EQ(ErrorOf(FilterUpToList(7).bytes), ArchiveError::NewerVersion);

    HandBytes definition = FilterUpToList();
    definition.U16(1).NewClass("CQuenarChannelDef").U32(3);
    EXPECT_EQ(ErrorOf(definition.bytes), ArchiveError::NewerVersion);

    HandBytes single = FilterUpToList();
    single.U16(0).U32(2).I32(0).Str("").I32(1).I32(1).U32(4);
    EXPECT_EQ(ErrorOf(single.bytes), ArchiveError::NewerVersion);

    HandBytes multi = FilterUpToList();
    multi.U16(0).SingleFilePart().U32(2).I32(0).Str("").I32(1).I32(1).U32(4);
    EXPECT_EQ(ErrorOf(multi.bytes), ArchiveError::NewerVersion);
}

TEST(FilterFile, FilesAreReadUpTo16MiBAndWrittenWhole) {
    grafyon::test::TempDir dir;
    const std::string path = dir / "a.yef";
    const std::unique_ptr<CQuenarStreamTest> sample = SampleFilter();
    ASSERT_EQ(WriteFilterFile(path, *sample), 0);
    EXPECT_TRUE(ReadFilterFile(path, TestRegistry()));
    FilterHeader header;
    EXPECT_TRUE(ReadFilterHeader(path, header));
    EXPECT_EQ(header.designation, sample->designation);

    ArchiveError error = ArchiveError::None;
    EXPECT_FALSE(ReadFilterFile(dir / "missing.yef", TestRegistry(), &error));
    EXPECT_EQ(error, ArchiveError::FileUnreadable);
    // Bytes after the object are not looked at; the size limit is.
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(FILTER_FILE_MAX_SIZE)), 0);
    EXPECT_TRUE(ReadFilterFile(path, TestRegistry()));
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(FILTER_FILE_MAX_SIZE + 1)), 0);
    EXPECT_FALSE(ReadFilterFile(path, TestRegistry(), &error));
    EXPECT_EQ(error, ArchiveError::FileTooLarge);

    // A target that cannot be replaced stays as it was and no temporary file is left.
    const std::string blocked = dir / "blocked.yef";
    std::filesystem::create_directories(blocked + "/inside");
    EXPECT_EQ(WriteFilterFile(blocked, *sample), 1);
    EXPECT_TRUE(std::filesystem::is_directory(blocked + "/inside"));
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 2u);  // a.yef and blocked.yef
}

}  // namespace
}  // namespace grafyon::exportfilter::test
