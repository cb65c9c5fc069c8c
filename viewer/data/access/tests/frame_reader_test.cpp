// Data files, views, the registry, attaching and frame readers across segments.
#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "test_support.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/test_support/recording_builder.h"

namespace grafyon {
namespace {

using namespace test;

// Frames whose first 4 bytes hold tag + frame index, the rest a fill pattern.
std::vector<std::uint8_t> TaggedFrames(std::uint64_t frameSize, std::uint64_t frames,
                                       std::uint32_t tag) {
    FrameBytes b(frameSize, frames);
    for (std::uint64_t f = 0; f < frames; ++f) {
        b.U32(f, 0, tag + static_cast<std::uint32_t>(f));
        for (std::uint64_t o = 4; o < frameSize; ++o)
            *b.At(f, o) = static_cast<std::uint8_t>(f + o);
    }
    return b.Bytes();
}

std::vector<std::uint32_t> ReadAllTags(DataAccess& access, const MeasurementDescription& d,
                                       std::int64_t first, std::int64_t count,
                                       std::size_t bufferBytes,
                                       std::vector<std::int64_t>* chunks = nullptr,
                                       int* endStatus = nullptr) {
    std::vector<std::uint8_t> buffer(bufferBytes);
    int status = 0;
    FrameReader* r = access.OpenReader(&d, first, count, buffer, &status);
    EXPECT_NE(r, nullptr) << status;
    std::vector<std::uint32_t> tags;
    if (r == nullptr)
        return tags;
    std::int64_t n;
    while ((n = access.ReadChunk(r)) > 0) {
        if (chunks)
            chunks->push_back(n);
        for (std::int64_t i = 0; i < n; ++i)
            tags.push_back(LoadU32LE(buffer.data() + i * d.FrameSize()));
    }
    if (endStatus)
        *endStatus = static_cast<int>(n);
    access.CloseReader(r);
    return tags;
}

TEST(MappedFile, OpenStatuses) {
    test::TempDir dir;
    MappedFile f;
    EXPECT_EQ(f.Open(dir / "missing.dta"), MAPPED_FILE_CANNOT_OPEN);
    EXPECT_EQ(f.Open(dir.Path().string()), MAPPED_FILE_CANNOT_MAP);  // a folder
    EXPECT_FALSE(f.IsOpen());
    ASSERT_TRUE(WriteDataFile(dir / "a.dta", std::vector<std::uint8_t>(100, 7)));
    EXPECT_EQ(f.Open(dir / "a.dta"), MAPPED_FILE_OK);
    EXPECT_EQ(f.Size(), 100u);
    EXPECT_EQ(f.ReferenceCount(), 1);
    std::vector<std::uint8_t> out(10);
    EXPECT_EQ(f.ReadAt(90, out), READ_OK);
    EXPECT_EQ(f.ReadAt(91, out), READ_TRUNCATED);
    EXPECT_EQ(f.ReadAt(~std::uint64_t{0} - 2, out), READ_TRUNCATED);
}

TEST(MappedFile, ViewsAreReusedAsDesigned) {
    test::TempDir dir;
    ASSERT_TRUE(WriteDataFile(dir / "a.dta", std::vector<std::uint8_t>(4096, 1)));
    MappedFile f;
    ASSERT_EQ(f.Open(dir / "a.dta"), MAPPED_FILE_OK);
    int ownerA = 0, ownerB = 0, ownerC = 0;
    FileView* a = f.GetView(&ownerA, 100);
    EXPECT_EQ(f.GetView(&ownerA, 100), a);  // the owner's existing view
    FileView* b = f.GetView(&ownerB, 10);
    EXPECT_NE(a, b);
    EXPECT_EQ(f.ViewCount(), 2u);
    f.ReleaseViews(&ownerA);               // a becomes free
    EXPECT_EQ(f.GetView(&ownerC, 50), a);  // a free view with a large enough window is taken over
    EXPECT_EQ(a->Owner(), &ownerC);
    f.ReleaseViews(&ownerC);
    f.GetView(&ownerA, 1000);  // a is too small: destroyed, a new view is made
    EXPECT_EQ(f.ViewCount(), 2u);
    f.ReleaseViews(&ownerB);  // frees b; no free view to destroy first
    f.ReleaseViews(&ownerA);  // destroys free b first, then frees its own
    EXPECT_EQ(f.ViewCount(), 1u);
    f.ReleaseViews(&ownerA);  // holds nothing: nothing changes
    EXPECT_EQ(f.ViewCount(), 1u);
}

TEST(MappedFile, MapAnswersFromItsStretchAndNeverReadsPastTheEnd) {
    test::TempDir dir;
    std::vector<std::uint8_t> bytes(3000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    ASSERT_TRUE(WriteDataFile(dir / "a.dta", bytes));
    MappedFile f;
    ASSERT_EQ(f.Open(dir / "a.dta"), MAPPED_FILE_OK);
    int owner = 0;
    FileView* v = f.GetView(&owner, 128);
    MappedBytes m = v->Map(100, 1000);
    ASSERT_NE(m.data, nullptr);
    EXPECT_EQ(m.available, 1000u);
    EXPECT_EQ(m.data[0], bytes[100]);
    m = v->Map(500, 10);  // inside the stretch: answered from it
    ASSERT_NE(m.data, nullptr);
    EXPECT_EQ(m.available, 600u);
    EXPECT_EQ(m.data[5], bytes[505]);
    m = v->Map(2900, 1000);  // only 100 bytes left, less than the window
    EXPECT_EQ(m.data, nullptr);
    EXPECT_EQ(m.status, READ_TRUNCATED);
    m = v->Map(2872, 1000);  // exactly one window left
    ASSERT_NE(m.data, nullptr);
    EXPECT_EQ(m.available, 128u);
}

TEST(MappedFileRegistry, SameFileTwiceIsOpenedOnceWithCountTwo) {
    test::TempDir dir;
    ASSERT_TRUE(WriteDataFile(dir / "a.dta", std::vector<std::uint8_t>(64, 1)));
    std::filesystem::create_symlink(dir / "a.dta", dir / "link.dta");
    MappedFileRegistry registry;
    MappedFile* first = registry.Acquire(dir / "a.dta");
    MappedFile* second = registry.Acquire(dir / "link.dta");  // same file by another path
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->ReferenceCount(), 2);
    EXPECT_EQ(registry.Size(), 1u);
    EXPECT_EQ(registry.Find(dir / "a.dta"), first);
    registry.Release(first);
    EXPECT_EQ(registry.Size(), 1u);  // still open
    EXPECT_EQ(first->ReferenceCount(), 1);
    registry.Release(first);
    EXPECT_EQ(registry.Size(), 0u);
    int status = 0;
    EXPECT_EQ(registry.Acquire(dir / "none.dta", &status), nullptr);
    EXPECT_EQ(status, MAPPED_FILE_CANNOT_OPEN);
}

// Two segments of 10 frames, each in its own data file (file 2 with a data offset and a
// first frame in file of 3), frames 128 bytes, one ULONG dataset holding the tag.
struct TwoSegments {
    test::TempDir dir;
    std::unique_ptr<MeasurementDescription> d = NewDescription(128);
    TwoSegments() {
        AddDataset(*d, "tag", DATA_TYPE_ULONG, 0);
        AddDataFile(*d, 1, dir / "one.dta");
        AddDataFile(*d, 2, dir / "two.dta", 77);
        AddSegment(*d, 1, 10);
        AddSegment(*d, 2, 10, 3);
        EXPECT_TRUE(WriteDataFile(dir / "one.dta", TaggedFrames(128, 10, 1000)));
        EXPECT_TRUE(WriteDataFile(dir / "two.dta", TaggedFrames(128, 13, 2000), 77));
    }
};

TEST(FrameReader, FifteenFramesAcrossTwoSegmentsOfTen) {
    TwoSegments t;
    DataAccess access;
    ASSERT_EQ(access.Attach(*t.d), ATTACH_OK);
    std::vector<std::int64_t> chunks;
    const std::vector<std::uint32_t> tags = ReadAllTags(access, *t.d, 0, 15, 128 * 100, &chunks);
    ASSERT_EQ(tags.size(), 15u);
    EXPECT_EQ(chunks, (std::vector<std::int64_t>{10, 5}));
    for (std::uint32_t i = 0; i < 10; ++i)
        EXPECT_EQ(tags[i], 1000 + i);
    for (std::uint32_t i = 0; i < 5; ++i)
        EXPECT_EQ(tags[10 + i], 2003 + i);
}

TEST(FrameReader, ChunksFollowTheBufferAndCountsClampToTheEnd) {
    TwoSegments t;
    DataAccess access;
    ASSERT_EQ(access.Attach(*t.d), ATTACH_OK);
    std::vector<std::int64_t> chunks;
    // 3 frames per chunk (a buffer of 3.5 frames), from frame 4 to the end (count -1).
    std::vector<std::uint32_t> tags = ReadAllTags(access, *t.d, 4, -1, 128 * 3 + 64, &chunks);
    EXPECT_EQ(chunks, (std::vector<std::int64_t>{3, 3, 3, 3, 3, 1}));
    ASSERT_EQ(tags.size(), 16u);
    EXPECT_EQ(tags.front(), 1004u);
    EXPECT_EQ(tags.back(), 2012u);
    // first + count beyond the last frame reads to the end.
    tags = ReadAllTags(access, *t.d, 18, 1000, 128);
    EXPECT_EQ(tags, (std::vector<std::uint32_t>{2011, 2012}));
    // The range form: frames 9 ... 10.
    std::vector<std::uint8_t> buffer(1024);
    FrameReader* r = access.OpenReaderRange(t.d.get(), 9, 10, buffer);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->FrameCount(), 2u);
    EXPECT_EQ(r->SegmentReaderCount(), 2u);
    access.CloseReader(r);
}

TEST(FrameReader, ReadStartingAtTheSecondSegmentUsesOnlyItsFile) {
    TwoSegments t;
    DataAccess access;
    ASSERT_EQ(access.Attach(*t.d, false), ATTACH_OK);  // no scan, so no view exists yet
    MappedFile* one = access.Registry().Find(t.dir / "one.dta");
    MappedFile* two = access.Registry().Find(t.dir / "two.dta");
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    std::vector<std::uint8_t> buffer(128 * 4);
    FrameReader* r = access.OpenReader(t.d.get(), 10, 5, buffer);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->SegmentReaderCount(), 1u);
    EXPECT_EQ(access.ReadChunk(r), 4);
    EXPECT_EQ(LoadU32LE(buffer.data()), 2003u);
    EXPECT_EQ(one->ViewCount(), 0u);
    EXPECT_EQ(two->ViewCount(), 1u);
    EXPECT_EQ(access.ReadChunk(r), 1);
    EXPECT_EQ(access.ReadChunk(r), 0);
    access.CloseReader(r);
    EXPECT_EQ(two->ViewCount(), 1u);  // freed, kept for the next reader
}

TEST(FrameReader, OpenStatusesInTheirCheckingOrder) {
    TwoSegments t;
    DataAccess access;
    std::vector<std::uint8_t> buffer(1024);
    int status = 0;
    EXPECT_EQ(access.OpenReader(t.d.get(), 0, 5, buffer, &status), nullptr);
    EXPECT_EQ(status, READER_NOT_ATTACHED);
    ASSERT_EQ(access.Attach(*t.d), ATTACH_OK);
    EXPECT_EQ(access.OpenReader(nullptr, 0, 5, buffer, &status), nullptr);
    EXPECT_EQ(status, READER_NO_DESCRIPTION);
    EXPECT_EQ(access.OpenReader(t.d.get(), -1, 5, buffer, &status), nullptr);
    EXPECT_EQ(status, READER_BAD_FIRST_FRAME);
    EXPECT_EQ(access.OpenReader(t.d.get(), 20, 5, buffer, &status), nullptr);
    EXPECT_EQ(status, READER_BAD_FIRST_FRAME);
    EXPECT_EQ(access.OpenReader(t.d.get(), 0, 0, {}, &status), nullptr);
    EXPECT_EQ(status, READER_ZERO_COUNT);  // the count is checked before the buffer
    EXPECT_EQ(access.OpenReader(t.d.get(), 0, 5, {}, &status), nullptr);
    EXPECT_EQ(status, READER_NO_BUFFER);
    // A buffer of 100 bytes with a frame size of 128.
    EXPECT_EQ(access.OpenReader(t.d.get(), 0, 5, std::span(buffer.data(), 100), &status), nullptr);
    EXPECT_EQ(status, READER_BUFFER_TOO_SMALL);
    t.d->Header()->effectiveFrameSize = 0;
    ASSERT_EQ(access.Attach(*t.d), ATTACH_OK);
    EXPECT_EQ(access.OpenReader(t.d.get(), 0, 5, std::span(buffer.data(), 100), &status), nullptr);
    EXPECT_EQ(status, READER_NO_FRAME_SIZE);
}

TEST(Attach, SameFileNamedTwiceIsMappedOnceWithCountTwo) {
    test::TempDir dir;
    auto d = NewDescription(16);
    AddDataset(*d, "tag", DATA_TYPE_ULONG, 0);
    AddDataFile(*d, 1, dir / "a.dta");
    AddDataFile(*d, 2, dir / "a.dta");  // a linked measurement naming one file twice
    AddSegment(*d, 1, 5);
    AddSegment(*d, 2, 5, 5);
    ASSERT_TRUE(WriteDataFile(dir / "a.dta", TaggedFrames(16, 10, 0)));
    DataAccess access;
    ASSERT_EQ(access.Attach(*d), ATTACH_OK);
    EXPECT_EQ(access.Registry().Size(), 1u);
    MappedFile* f = access.Registry().Find(dir / "a.dta");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->ReferenceCount(), 2);
    std::vector<std::uint32_t> tags = ReadAllTags(access, *d, 0, -1, 16 * 4);
    ASSERT_EQ(tags.size(), 10u);
    EXPECT_EQ(tags[9], 9u);
    // A second description on the same registry shares the file.
    auto other = NewDescription(16);
    AddDataFile(*other, 1, dir / "a.dta");
    AddSegment(*other, 1, 10);
    ASSERT_EQ(access.Attach(*other), ATTACH_OK);
    EXPECT_EQ(f->ReferenceCount(), 3);
    access.Detach(*d);
    EXPECT_EQ(access.Registry().Size(), 1u);
    EXPECT_EQ(f->ReferenceCount(), 1);
    access.Detach(*other);
    EXPECT_EQ(access.Registry().Size(), 0u);
}

TEST(Attach, FailuresLeaveNothingAttached) {
    test::TempDir dir;
    {
        auto d = NewDescription(16);
        AddDataFile(*d, 1, dir / "a.dta");
        AddDataFile(*d, 2, dir / "missing.dta");
        AddSegment(*d, 1, 4);
        ASSERT_TRUE(WriteDataFile(dir / "a.dta", TaggedFrames(16, 4, 0)));
        DataAccess access;
        EXPECT_EQ(access.Attach(*d), MAPPED_FILE_CANNOT_OPEN);
        EXPECT_FALSE(access.IsAttached(*d));
        EXPECT_EQ(access.Registry().Size(), 0u);
    }
    {
        auto d = NewDescription(16);
        AddDataFile(*d, 1, dir / "a.dta");
        AddSegment(*d, 7, 4);  // names a data file that is not described
        DataAccess access;
        EXPECT_EQ(access.Attach(*d), ATTACH_NO_DATA_FILE);
        EXPECT_EQ(access.Registry().Size(), 0u);
    }
    {
        MeasurementDescription empty;
        DataAccess access;
        EXPECT_EQ(access.Attach(empty), ATTACH_NO_DESCRIPTION);
    }
}

TEST(Attach, DataFileShorterThanItsSegmentIsAnErrorNeverACrash) {
    test::TempDir dir;
    for (const bool withCache : {true, false}) {
        auto d = NewDescription(16);
        AddDataset(*d, "tag", DATA_TYPE_ULONG, 0);
        AddDataFile(*d, 1, dir / "a.dta", 8);
        AddSegment(*d, 1, 10);
        std::vector<std::uint8_t> frames = TaggedFrames(16, 10, 0);
        frames.resize(frames.size() - 1);  // the last frame lacks one byte
        ASSERT_TRUE(WriteDataFile(dir / "a.dta", frames, 8));
        DataAccess access;
        EXPECT_EQ(access.Attach(*d, withCache), ATTACH_DATA_TRUNCATED);
        EXPECT_FALSE(access.IsAttached(*d));
        // Huge segment counts cannot overflow the position arithmetic.
        d->TimeSegments()[0]->firstFrameInFile = ~std::uint64_t{0} / 8;
        EXPECT_EQ(access.Attach(*d, withCache), ATTACH_DATA_TRUNCATED);
    }
}

TEST(FrameReader, FileTruncatedAfterAttachGivesFramesThenAnError) {
    test::TempDir dir;
    auto d = NewDescription(64);
    Dataset* tag = AddDataset(*d, "tag", DATA_TYPE_ULONG, 0);
    AddDataFile(*d, 1, dir / "a.dta");
    AddSegment(*d, 1, 1000);
    ASSERT_TRUE(WriteDataFile(dir / "a.dta", TaggedFrames(64, 1000, 0)));
    DataAccess access;
    ASSERT_EQ(access.Attach(*d), ATTACH_OK);
    ASSERT_EQ(::truncate((dir / "a.dta").c_str(), 64 * 600 + 10), 0);
    for (const std::size_t bufferBytes : {std::size_t{64 * 7}, std::size_t{1} << 20}) {
        int end = 0;
        const std::vector<std::uint32_t> tags =
            ReadAllTags(access, *d, 0, -1, bufferBytes, nullptr, &end);
        EXPECT_EQ(end, READ_TRUNCATED);  // distinguishable from the end of the data
        EXPECT_EQ(tags.size(), 600u);    // every whole frame that is left
        for (std::size_t i = 0; i < tags.size(); ++i)
            ASSERT_EQ(tags[i], i);
    }
    std::vector<std::uint8_t> buffer(64 * 10);
    FrameReader* r = access.OpenReader(d.get(), 590, -1, buffer);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(access.ReadChunk(r), 10);
    EXPECT_EQ(access.ReadChunk(r), READ_TRUNCATED);
    EXPECT_EQ(access.ReadChunk(r), READ_TRUNCATED);  // stays failed
    EXPECT_EQ(r->Status(), READ_TRUNCATED);
    access.CloseReader(r);
    double lo = 0, hi = 0;
    EXPECT_EQ(access.Extremes(*tag, 700, 5, lo, hi), READ_TRUNCATED);
    EXPECT_FALSE(access.ValueAt(*tag, 900).has_value());
    EXPECT_EQ(access.ValueAt(*tag, 500), 500.0);
}

TEST(FrameReader, SegmentsWithTheirFramesInMemory) {
    test::TempDir dir;
    auto d = NewDescription(8);
    AddDataset(*d, "tag", DATA_TYPE_ULONG, 0);
    AddDataFile(*d, 1, dir / "a.dta");
    AddSegment(*d, 1, 6);
    TimeSegmentElement* memory = AddSegment(*d, 0, 5);  // no data file at all
    AddSegment(*d, 1, 4, 6);
    ASSERT_TRUE(WriteDataFile(dir / "a.dta", TaggedFrames(8, 10, 100)));
    const std::vector<std::uint8_t> frames = TaggedFrames(8, 5, 500);
    DataAccess access;
    EXPECT_EQ(access.Attach(*d), ATTACH_NO_DATA_FILE);
    access.SetSegmentFrames(*memory, frames);
    ASSERT_EQ(access.Attach(*d), ATTACH_OK);
    std::vector<std::int64_t> chunks;
    const std::vector<std::uint32_t> tags = ReadAllTags(access, *d, 3, -1, 8 * 4, &chunks);
    EXPECT_EQ(tags, (std::vector<std::uint32_t>{103, 104, 105, 500, 501, 502, 503, 504, 106, 107,
                                                108, 109}));
    EXPECT_EQ(chunks, (std::vector<std::int64_t>{3, 4, 1, 4}));
    double lo = 0, hi = 0;
    ASSERT_EQ(access.Extremes(*d->Datasets()[0], 0, 15, lo, hi), QUERY_OK);
    EXPECT_EQ(lo, 100.0);
    EXPECT_EQ(hi, 504.0);
    // Memory that holds fewer frames than the segment names is refused.
    access.SetSegmentFrames(*memory, std::span(frames.data(), frames.size() - 1));
    EXPECT_EQ(access.Attach(*d), ATTACH_DATA_TRUNCATED);
    // Detaching forgets the memory: the segment has no data file then.
    access.SetSegmentFrames(*memory, frames);
    ASSERT_EQ(access.Attach(*d), ATTACH_OK);
    access.Detach(*d);
    EXPECT_EQ(access.Attach(*d), ATTACH_NO_DATA_FILE);
}

TEST(FrameReader, LargeChunksReadStraightIntoTheBufferWithTheSameBytes) {
    test::TempDir dir;
    const std::uint64_t fs = 100, frames = 30000;  // 3 MB, frames straddle the granule
    auto d = NewDescription(fs);
    AddDataFile(*d, 1, dir / "a.dta", 13);
    AddSegment(*d, 1, frames);
    const std::vector<std::uint8_t> bytes = TaggedFrames(fs, frames, 0);
    ASSERT_TRUE(WriteDataFile(dir / "a.dta", bytes, 13));
    DataAccess access;
    ASSERT_EQ(access.Attach(*d), ATTACH_OK);
    for (const std::size_t bufferBytes :
         {std::size_t{fs}, std::size_t{10240}, std::size_t{1} << 20}) {
        std::vector<std::uint8_t> buffer(bufferBytes);
        FrameReader* r = access.OpenReader(d.get(), 0, -1, buffer);
        ASSERT_NE(r, nullptr);
        std::vector<std::uint8_t> all;
        std::int64_t n;
        while ((n = access.ReadChunk(r)) > 0)
            all.insert(all.end(), buffer.begin(), buffer.begin() + n * fs);
        EXPECT_EQ(n, 0);
        access.CloseReader(r);
        EXPECT_EQ(all, bytes) << bufferBytes;
    }
}

TEST(FrameReader, DetachClosesReadersStillOpen) {
    TwoSegments t;
    DataAccess access;
    ASSERT_EQ(access.Attach(*t.d), ATTACH_OK);
    std::vector<std::uint8_t> buffer(1024);
    ASSERT_NE(access.OpenReader(t.d.get(), 0, 5, buffer), nullptr);
    access.Detach(*t.d);
    EXPECT_EQ(access.Registry().Size(), 0u);
}

}  // namespace
}  // namespace grafyon
