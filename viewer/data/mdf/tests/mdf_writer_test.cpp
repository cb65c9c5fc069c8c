// The MDF writer: byte-exact round trips, recomputed sizes, cut texts and refusals.
#include <gtest/gtest.h>

#include "common/binary_file.h"
#include "test_support.h"
#include "viewer/data/mdf/mdf_reader.h"
#include "viewer/data/mdf/mdf_writer.h"
#include "viewer/data/test_support/mdf_test_builder.h"

namespace grafyon {
namespace {

using test::MdfBuilder;

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes));
    return bytes;
}

// Every kind the format writes, each in the form the writer produces, so reading and
// writing again must give the same bytes.
void AddWrittenKinds(MdfBuilder& b) {
    b.Element(1, MdfBuilder::DataFile(1, "run.dta"));
    b.Element(3, MdfBuilder::Segment(1, 1, 100, 0, 0.001, "Zeit", "s"));
    b.Element(10, MdfBuilder::Pattern(52, 1));
    b.Element(20, MdfBuilder::RangeName(1, "Anfahrt", "Öl warm"));
    b.Element(21, MdfBuilder::Range(1, 10, 20));
    b.Element(22, MdfBuilder::Spot(1, 30));
    b.Element(70, MdfBuilder::Pattern(148, 2));
    b.Element(80, MdfBuilder::Parameter(1, 8, MdfBuilder::Pattern(8, 3)));
    b.Element(81, MdfBuilder::RangeParameter(2, 1, 5, MdfBuilder::Pattern(5, 4)));
    b.Element(90, MdfBuilder::Comment("Prüfstand"));
    std::vector<std::uint8_t> dataset = MdfBuilder::Dataset({.unit = "°C"});
    dataset[4 + 10] = 0xAA;  // a byte behind the name's terminator
    b.Element(100, dataset, std::nullopt, 0x00020001);
    b.Element(101,
              MdfBuilder::Concat(MdfBuilder::Dataset({.number = 1, .frameOffset = 2}),
                                 MdfBuilder::Pattern(232, 5)),
              std::nullopt, 0x00020001);
    b.Element(110, MdfBuilder::DatasetList({.number = 2, .type = 241}, 2, 2), std::nullopt,
              0x00020001);
}

class MdfWriterTest : public ::testing::Test {
protected:
    MeasurementStatus ReadBytes(const std::vector<std::uint8_t>& bytes) {
        test::WriteFile(m_dir / "in.mdf", bytes);
        return ReadMdfDescription(m_dir / "in.mdf", m_description);
    }

    test::TempDir m_dir;
    MeasurementDescription m_description;
};

TEST_F(MdfWriterTest, RoundTripKeepsEveryByte) {
    MdfBuilder::HeaderFields h;
    h.frameSize = 2;
    h.datasetCount = 3;
    MdfBuilder expected(h);
    AddWrittenKinds(expected);

    MdfBuilder input(h);
    AddWrittenKinds(input);
    input.Element(55, MdfBuilder::Pattern(40, 6));    // unknown kinds are not written
    input.Element(1000, MdfBuilder::Pattern(16, 7));  // nor embedded data
    ASSERT_EQ(ReadBytes(input.Bytes()), MeasurementStatus::Ok);

    ASSERT_EQ(WriteMdfDescription(m_description, m_dir / "out.mdf"), MDF_WRITE_OK);
    EXPECT_EQ(ReadAll(m_dir / "out.mdf"), expected.Bytes());

    // And the written file reads back to the same description.
    MeasurementDescription again;
    ASSERT_EQ(ReadMdfDescription(m_dir / "out.mdf", again), MeasurementStatus::Ok);
    ASSERT_EQ(again.ElementCount(), m_description.ElementCount() - 1);
    EXPECT_EQ(again.Datasets().back()->listRecords, MdfBuilder::Pattern(464, 11));
}

TEST_F(MdfWriterTest, HeaderIsAlwaysWrittenWith72Bytes) {
    MdfBuilder::HeaderFields h;
    h.headerSize = 80;
    h.formatVersion = 0x00010001;
    h.datasetCount = 0;  // no old-format datasets
    MdfBuilder input(h);
    AddWrittenKinds(input);
    ASSERT_EQ(ReadBytes(input.Bytes()), MeasurementStatus::Ok);

    ASSERT_EQ(WriteMdfDescription(m_description, m_dir / "out.mdf"), MDF_WRITE_OK);
    h.headerSize = 72;
    h.formatVersion = 0x00020001;
    MdfBuilder expected(h);
    AddWrittenKinds(expected);
    EXPECT_EQ(ReadAll(m_dir / "out.mdf"), expected.Bytes());
}

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t pos) {
    return LoadU32LE(bytes.data() + pos);
}

TEST_F(MdfWriterTest, NewElementsGetTheirSizesAndConstantWords) {
    MeasurementDescription d;
    auto header = std::make_unique<HeaderElement>();
    header->frameSize = 4;
    header->datasetCount = 1;
    header->year = 2025;
    d.Append(std::move(header));
    auto segment = std::make_unique<TimeSegmentElement>();
    segment->frameCount = 7;
    segment->sampleStep = 0.5;
    segment->carrierName = std::string(80, 'N');
    segment->carrierUnit = std::string(40, 'u');  // must stop before the date-times
    segment->startDateTime = 0xA1A2A3A4;
    segment->endDateTime = 0xB1B2B3B4;
    d.Append(std::move(segment));
    auto comment = std::make_unique<CommentElement>();
    comment->text = "Hallo";
    d.Append(std::move(comment));
    auto dataset = std::make_unique<Dataset>(ELEMENT_DATASET_LIST);
    dataset->name = "n";
    dataset->listRecords = MdfBuilder::Pattern(464, 0);
    d.Append(std::move(dataset));
    auto range = std::make_unique<RangeElement>();
    range->startFrame = 1;
    range->stopFrame = 3;
    d.Append(std::move(range));
    auto parameter = std::make_unique<ParameterElement>(ELEMENT_RANGE_PARAMETER);
    parameter->data = {1, 2, 3};
    d.Append(std::move(parameter));
    d.Append(std::make_unique<EmbeddedDataElement>());

    ASSERT_EQ(WriteMdfDescription(d, m_dir / "new.mdf"), MDF_WRITE_OK);
    const std::vector<std::uint8_t> bytes = ReadAll(m_dir / "new.mdf");
    ASSERT_EQ(bytes.size(), 72u + 236 + 54 + 472 + 464 + 44 + 103);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 12), "MDF_BINARY\r\n");
    EXPECT_EQ(U32At(bytes, 16), 0x00020001u);
    EXPECT_EQ(U32At(bytes, 24), 1u);
    EXPECT_EQ(U32At(bytes, 28), 72u);
    EXPECT_EQ(U32At(bytes, 36), 1u);
    EXPECT_EQ(U32At(bytes, 56), 2025u);

    std::size_t pos = 72;
    EXPECT_EQ(U32At(bytes, pos), 3u);
    EXPECT_EQ(U32At(bytes, pos + 4), 236u);
    const std::size_t p = pos + 12;
    EXPECT_EQ(U32At(bytes, p + 12), 7u);
    EXPECT_EQ(U32At(bytes, p + 20), 1u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + p + 32, bytes.begin() + p + 39),
              std::vector<std::uint8_t>(7, 7));
    EXPECT_EQ(bytes[p + 88 + 63], 0);  // name cut to 63 characters
    EXPECT_EQ(bytes[p + 88 + 62], 'N');
    EXPECT_EQ(bytes[p + 152 + 30], 'u');
    EXPECT_EQ(bytes[p + 152 + 31], 0);
    EXPECT_EQ(U32At(bytes, p + 184), 0xA1A2A3A4u);
    EXPECT_EQ(U32At(bytes, p + 188), 0xB1B2B3B4u);

    pos += 236;
    EXPECT_EQ(U32At(bytes, pos), 90u);
    EXPECT_EQ(U32At(bytes, pos + 4), 54u);  // 49 + 5
    EXPECT_EQ(U32At(bytes, pos + 12 + 32), 5u);
    EXPECT_EQ(std::string(bytes.begin() + pos + 48, bytes.begin() + pos + 54),
              std::string("Hallo\0", 6));
    pos += 54;
    EXPECT_EQ(U32At(bytes, pos), 110u);
    EXPECT_EQ(U32At(bytes, pos + 4), 472u + 464);
    EXPECT_EQ(U32At(bytes, pos + 12 + 196 + 232), 2u);  // the record count
    pos += 472 + 464;
    EXPECT_EQ(U32At(bytes, pos + 4), 44u);
    EXPECT_EQ(U32At(bytes, pos + 12 + 4), 1u);
    EXPECT_EQ(U32At(bytes, pos + 12 + 12), 3u);
    pos += 44;
    EXPECT_EQ(U32At(bytes, pos), 81u);
    EXPECT_EQ(U32At(bytes, pos + 4), 103u);
    EXPECT_EQ(U32At(bytes, pos + 12 + 84), 3u);

    MeasurementDescription back;
    EXPECT_EQ(ReadMdfDescription(m_dir / "new.mdf", back), MeasurementStatus::NoDataset);
    ASSERT_EQ(back.TimeSegments().size(), 1u);
    EXPECT_EQ(back.CarrierUnit(), std::string(31, 'u'));
    EXPECT_EQ(back.TimeSegments().front()->startDateTime, 0xA1A2A3A4u);
    EXPECT_EQ(back.Datasets().front()->listRecords, MdfBuilder::Pattern(464, 0));
}

TEST_F(MdfWriterTest, TextsAreCutToTheirFieldsAndConvertedTo1252) {
    MeasurementDescription d;
    auto header = std::make_unique<HeaderElement>();
    header->frameSize = 4;
    d.Append(std::move(header));
    auto file = std::make_unique<DataFileElement>();
    file->fileName = std::string(200, 'f');
    d.Append(std::move(file));
    auto name = std::make_unique<RangeNameElement>();
    name->name = std::string(40, 'a') + "x";
    name->comment = "Größe " + std::string(200, 'c');
    d.Append(std::move(name));
    auto dataset = std::make_unique<Dataset>();
    dataset->name = "Drehmoment Ω " + std::string(70, 'd');  // Ω is not in 1252
    dataset->unit = "N·m";
    dataset->dataType = 9;
    dataset->factor = 2.0;
    d.Append(std::move(dataset));
    ASSERT_EQ(WriteMdfDescription(d, m_dir / "t.mdf"), MDF_WRITE_OK);

    MeasurementDescription back;
    ReadMdfDescription(m_dir / "t.mdf", back);
    EXPECT_EQ(back.DataFileName(1), std::string(127, 'f'));
    const RangeNameElement* range = back.RangeName(0);
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->name, std::string(31, 'a'));
    EXPECT_EQ(range->comment, TruncateCharacters("Größe " + std::string(200, 'c'), 127));
    ASSERT_EQ(back.Datasets().size(), 1u);
    EXPECT_EQ(back.Datasets().front()->name,
              ("Drehmoment ? " + std::string(70, 'd')).substr(0, 63));
    EXPECT_EQ(back.Datasets().front()->unit, "N·m");
}

TEST_F(MdfWriterTest, RefusesValuesBeyondTheirFieldsAndReportsFileErrors) {
    auto withSegment = [](std::uint64_t frames, std::uint64_t first) {
        auto d = std::make_unique<MeasurementDescription>();
        d->Append(std::make_unique<HeaderElement>());
        auto segment = std::make_unique<TimeSegmentElement>();
        segment->frameCount = frames;
        segment->firstFrameInFile = first;
        d->Append(std::move(segment));
        return d;
    };
    EXPECT_EQ(WriteMdfDescription(*withSegment(1ull << 32, 0), m_dir / "a.mdf"),
              MDF_WRITE_DOES_NOT_FIT);
    EXPECT_EQ(WriteMdfDescription(*withSegment(1, 1ull << 32), m_dir / "a.mdf"),
              MDF_WRITE_DOES_NOT_FIT);
    EXPECT_EQ(WriteMdfDescription(*withSegment(0xFFFFFFFF, 0), m_dir / "a.mdf"), MDF_WRITE_OK);

    MeasurementDescription offset;
    offset.Append(std::make_unique<HeaderElement>());
    auto file = std::make_unique<DataFileElement>();
    file->fileName = "x.dta";
    file->dataOffset = 1ull << 32;
    offset.Append(std::move(file));
    EXPECT_EQ(WriteMdfDescription(offset, m_dir / "a.mdf"), MDF_WRITE_DOES_NOT_FIT);

    MeasurementDescription list;
    list.Append(std::make_unique<HeaderElement>());
    auto dataset = std::make_unique<Dataset>(ELEMENT_DATASET_LIST);
    dataset->listRecords.resize(100);  // not whole records
    list.Append(std::move(dataset));
    EXPECT_EQ(WriteMdfDescription(list, m_dir / "a.mdf"), MDF_WRITE_DOES_NOT_FIT);

    MeasurementDescription empty;
    EXPECT_EQ(WriteMdfDescription(empty, m_dir / "a.mdf"), MDF_WRITE_FAILED);
    EXPECT_EQ(WriteMdfDescription(*withSegment(1, 0), m_dir / "no/such/folder.mdf"),
              MDF_WRITE_CANNOT_CREATE);
    if (access("/dev/full", W_OK) == 0) {
        EXPECT_EQ(WriteMdfDescription(*withSegment(1, 0), "/dev/full"), MDF_WRITE_FAILED);
    }
}

}  // namespace
}  // namespace grafyon
