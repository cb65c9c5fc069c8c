// The object archive against bytes assembled by hand: class records and references,
// object indices, the long index form, strings and counts in every length form.
#include <gtest/gtest.h>

#include "exportfilter/engine/archive.h"
#include "exportfilter/engine/filter_file.h"
#include "hand_bytes.h"
#include "test_stream.h"

namespace grafyon::exportfilter::test {
namespace {

TEST(Archive, HandMadeFilterIsReadAndWrittenBackByteForByte) {
    const std::string description(300, 'x');   // 0xFF + 16-bit length
    const std::string commentary(70000, 'y');  // 0xFF, 0xFFFF + 32-bit length
    HandBytes file;
    file.Header(16, "Golden");
    file.NewClass("CQuenarStreamTest", 2);  // class index 1, the filter object index 2
    file.U32(6).I32(16).Str("Golden");
    file.U8(0xFF).U16(300).Raw(description);
    file.I32(1).I32(0).I32(1).I32(1).I32(2).F64(0.5).I32(0).F64(2.0).I32(2);
    file.U8(0xFF).U16(0xFFFF).U32(70000).Raw(commentary);
    file.U32(1);  // CQuenarStream
    file.U32(1).U16(2);
    file.NewClass("CQuenarChannelDef").ChannelDefPart("a", "Speed");  // class 3, object 4
    file.U16(0x8003).ChannelDefPart("b", "Torque");                   // back to class 3
    file.SingleFilePart().MultiFilePart();

    DecodedFilter decoded = DecodeFilter(file.bytes, TestRegistry());
    ASSERT_TRUE(decoded.filter) << ArchiveErrorName(decoded.error);
    auto& filter = dynamic_cast<CQuenarStreamTest&>(*decoded.filter);
    EXPECT_EQ(filter.designation, "Golden");
    EXPECT_EQ(filter.description, description);
    EXPECT_EQ(filter.commentaryText, commentary);
    EXPECT_EQ(filter.resolution, 0.5);
    EXPECT_EQ(filter.frequency, 2.0);
    ASSERT_EQ(filter.channelDefs.size(), 2u);
    EXPECT_EQ(filter.channelDefs[1]->defaultDataset, "Torque");
    EXPECT_EQ(&filter.channelDefs[1]->GetRuntimeClass(), &CQuenarChannelDef::CLASS_INFO);

    EXPECT_EQ(EncodeFilter(filter), file.bytes);
}

// Enough base definitions put the class record of the second class at index 65537, so that
// its reference needs the long form; 65535 elements need the long count.
TEST(Archive, LongListAndLongClassReferenceAreReadAndWrittenBackByteForByte) {
    constexpr std::uint32_t BASE_COUNT = 65533;
    HandBytes file;
    file.Header(16, "Long");
    file.NewClass("CQuenarStreamTest", 2);
    file.U32(6).I32(16).Str("Long").Str("").I32(0).I32(1).I32(0).I32(0).I32(1).F64(1.0);
    file.I32(0).F64(1.0).I32(0).Str("");
    file.U32(1).U32(1);
    file.U16(0xFFFF).U32(BASE_COUNT + 2);
    file.NewClass("CQuenarChannelDef").ChannelDefPart("c", "");
    for (std::uint32_t i = 1; i < BASE_COUNT; ++i)
        file.U16(0x8003).ChannelDefPart("c", "");
    // Objects 4 .. 65536 so far; the new class takes 65537.
    file.NewClass("CQuenarChannelDef1File").ChannelDefPart("f", "").U32(1).Str("one");
    file.U16(0x7FFF).U32(0x80000000u | 65537).ChannelDefPart("g", "").U32(1).Str("two");
    file.SingleFilePart().MultiFilePart();

    DecodedFilter decoded = DecodeFilter(file.bytes, TestRegistry());
    ASSERT_TRUE(decoded.filter) << ArchiveErrorName(decoded.error);
    auto& filter = dynamic_cast<CQuenarStreamTest&>(*decoded.filter);
    ASSERT_EQ(filter.channelDefs.size(), BASE_COUNT + 2);
    auto* last = dynamic_cast<CQuenarChannelDef1File*>(filter.channelDefs.back().get());
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->fileName, "two");

    EXPECT_EQ(EncodeFilter(filter), file.bytes);
}

// Class references switch to the long form from index 0x7FFF on; 0x7FFE still fits.
TEST(Archive, ClassReferenceTakesTheLongFormFromIndex7FFF) {
    for (const std::uint32_t classIndex : {0x7FFEu, 0x7FFFu}) {
        ArchiveWriter writer;
        std::vector<std::unique_ptr<CQuenarChannelDef>> objects;
        // Class index 1, then one object index per base object.
        const std::uint32_t baseObjects = classIndex - 2;
        for (std::uint32_t i = 0; i < baseObjects; ++i)
            objects.push_back(std::make_unique<CQuenarChannelDef>());
        objects.push_back(std::make_unique<CQuenarChannelDef1File>());
        objects.push_back(std::make_unique<CQuenarChannelDef1File>());
        std::size_t lastTag = 0;
        for (const auto& object : objects) {
            lastTag = writer.Bytes().size();
            writer.WriteObject(*object);
        }
        const std::vector<std::uint8_t>& bytes = writer.Bytes();
        const std::uint16_t tag =
            static_cast<std::uint16_t>(bytes[lastTag] | bytes[lastTag + 1] << 8);
        if (classIndex == 0x7FFE) {
            EXPECT_EQ(tag, 0xFFFE);
        } else {
            EXPECT_EQ(tag, 0x7FFF);
            HandBytes expected;
            expected.U32(0x80007FFF);
            EXPECT_TRUE(std::equal(expected.bytes.begin(), expected.bytes.end(),
                                   bytes.begin() + static_cast<std::ptrdiff_t>(lastTag) + 2));
        }
        const ClassRegistry registry = TestRegistry();
        ArchiveReader reader(bytes, registry);
        std::size_t read = 0;
        while (reader.Ok() && reader.Remaining() > 0 &&
               reader.ReadObject(CQuenarChannelDef::CLASS_INFO))
            ++read;
        EXPECT_TRUE(reader.Ok()) << ArchiveErrorName(reader.Error());
        EXPECT_EQ(read, objects.size());
    }
}

TEST(Archive, StringLengthPrefixesAtEveryBoundary) {
    const struct {
        std::size_t length;
        std::vector<std::uint8_t> prefix;
    } cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
    };
    const ClassRegistry registry = TestRegistry();
    for (const auto& c : cases) {
        ArchiveWriter writer;
        writer.WriteString(std::string(c.length, 'a'));
        const std::vector<std::uint8_t>& bytes = writer.Bytes();
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length) << c.length;
        EXPECT_TRUE(std::equal(c.prefix.begin(), c.prefix.end(), bytes.begin())) << c.length;
        ArchiveReader reader(bytes, registry);
        EXPECT_EQ(reader.ReadString().size(), c.length);
        EXPECT_TRUE(reader.Ok());
    }
}

TEST(Archive, CountPrefixesAtTheBoundary) {
    ArchiveWriter writer;
    writer.WriteCount(0xFFFE);
    writer.WriteCount(0xFFFF);
    const std::vector<std::uint8_t> expected = {0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00};
    EXPECT_EQ(writer.Bytes(), expected);
}

TEST(Archive, StringsAreWindows1252OnDisk) {
    ArchiveWriter writer;
    writer.WriteString("€ä→");  // the arrow has no place in 1252
    const std::vector<std::uint8_t> expected = {3, 0x80, 0xE4, '?'};
    EXPECT_EQ(writer.Bytes(), expected);
    const ClassRegistry registry = TestRegistry();
    ArchiveReader reader(writer.Bytes(), registry);
    EXPECT_EQ(reader.ReadString(), "€ä?");
}

TEST(Archive, AnObjectWrittenTwiceBecomesAnObjectReferenceWhichTheReaderRefuses) {
    CQuenarChannelDef definition;
    ArchiveWriter writer;
    writer.WriteObject(definition);
    const std::size_t second = writer.Bytes().size();
    writer.WriteObject(definition);
    EXPECT_EQ(writer.Bytes().size(), second + 2);
    EXPECT_EQ(writer.Bytes()[second], 2);  // the object's index, after class index 1
    EXPECT_EQ(writer.Bytes()[second + 1], 0);

    const ClassRegistry registry = TestRegistry();
    ArchiveReader reader(writer.Bytes(), registry);
    EXPECT_TRUE(reader.ReadObject(CQuenarChannelDef::CLASS_INFO));
    EXPECT_FALSE(reader.ReadObject(CQuenarChannelDef::CLASS_INFO));
    EXPECT_EQ(reader.Error(), ArchiveError::BackReference);
}

}  // namespace
}  // namespace grafyon::exportfilter::test
