// Byte order helpers and the binary file reader and writer.
#include <gtest/gtest.h>

#include "common/binary_file.h"
#include "common/byte_order.h"
#include "test_support.h"

namespace grafyon {
namespace {

TEST(ByteOrder, ReadsBothOrdersAndFailsStickyPastTheEnd) {
    const std::uint8_t bytes[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0xFF};
    ByteReader r(bytes);
    EXPECT_EQ(r.U16LE(), 0x0201);
    EXPECT_EQ(r.U16BE(), 0x0304);
    EXPECT_EQ(r.U32LE(), 0x08070605u);
    EXPECT_EQ(r.Remaining(), 1u);
    EXPECT_EQ(r.U16LE(), 0);  // only one byte left
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.U8(), 0);  // stays failed even though a byte is left
    EXPECT_EQ(r.Remaining(), 0u);

    ByteReader signedReader(std::span(bytes + 8, 1));
    EXPECT_EQ(static_cast<std::int8_t>(signedReader.U8()), -1);
}

TEST(ByteOrder, WriterRoundTripsFloatsIntegersAndPatches) {
    ByteWriter w;
    w.F64LE(-1.25);
    w.F32BE(3.5f);
    w.I16LE(-2);
    w.U64BE(0x0102030405060708ull);
    w.FixedText("abcdef", 4);
    w.FixedText("ab", 4, ' ');
    EXPECT_TRUE(w.PatchU16LE(12, 0x1234));
    EXPECT_FALSE(w.PatchU32LE(w.Size() - 2, 1));  // would run past the end

    ByteReader r(w.Bytes());
    EXPECT_EQ(r.F64LE(), -1.25);
    EXPECT_EQ(r.F32BE(), 3.5f);
    EXPECT_EQ(r.U16LE(), 0x1234);
    EXPECT_EQ(r.U64BE(), 0x0102030405060708ull);
    EXPECT_EQ(r.FixedText(4), "abcd");
    EXPECT_EQ(r.FixedText(4), "ab  ");
    EXPECT_TRUE(r.Ok());
    EXPECT_EQ(r.Remaining(), 0u);
}

TEST(ByteOrder, TextFieldsStopAtZeroAndNeedATerminator) {
    const std::uint8_t bytes[] = {'a', 'b', 0, 'c', 'd', 0, 'e', 'f'};
    ByteReader r(bytes);
    EXPECT_EQ(r.FixedText(3), "ab");
    EXPECT_EQ(r.ZeroTerminatedText(), "cd");
    EXPECT_EQ(r.ZeroTerminatedText(), "");  // "ef" has no terminator
    EXPECT_FALSE(r.Ok());

    ByteReader seeker(bytes);
    EXPECT_TRUE(seeker.Seek(8));
    EXPECT_FALSE(seeker.Seek(9));
}

TEST(BinaryFile, ReadsOnlyInsideTheFileAndWriterReportsPatches) {
    test::TempDir dir;
    const std::string path = dir / "data.bin";
    {
        BinaryFileWriter w;
        ASSERT_TRUE(w.Create(path));
        std::vector<std::uint8_t> block(3 << 20, 0xAB);  // larger than the write buffer
        EXPECT_TRUE(w.Write(std::vector<std::uint8_t>{1, 2, 3, 4}));
        EXPECT_TRUE(w.Write(block));
        EXPECT_EQ(w.Position(), block.size() + 4);
        const std::uint8_t patch[] = {9, 9};
        EXPECT_TRUE(w.WriteAt(1, patch));
        EXPECT_FALSE(w.WriteAt(w.Position() - 1, patch));  // not written yet
        EXPECT_TRUE(w.Close());
    }
    BinaryFileReader r;
    ASSERT_TRUE(r.Open(path));
    EXPECT_EQ(r.Size(), (3u << 20) + 4);
    std::uint8_t head[4];
    ASSERT_TRUE(r.ReadAt(0, head));
    EXPECT_EQ(head[0], 1);
    EXPECT_EQ(head[1], 9);
    EXPECT_EQ(head[2], 9);
    EXPECT_EQ(head[3], 4);
    std::uint8_t tail[8];
    EXPECT_FALSE(r.ReadAt(r.Size() - 4, tail));
    EXPECT_EQ(r.ReadSomeAt(r.Size() - 4, tail), 4u);
    EXPECT_EQ(r.ReadSomeAt(r.Size() + 10, tail), 0u);
    std::vector<std::uint8_t> block;
    EXPECT_FALSE(r.ReadBlock(~0ull - 2, 8, block));

    EXPECT_FALSE(r.Open(dir / "missing.bin"));
    EXPECT_FALSE(r.Open(dir.Path().string()));  // a folder is no file
}

}  // namespace
}  // namespace grafyon
