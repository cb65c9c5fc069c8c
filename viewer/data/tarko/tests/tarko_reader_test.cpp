// The TARKO reader: elements made from the header, sizes, units, codes, frames and malformed files.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>

#include "common/binary_file.h"
#include "common/packed_date_time.h"
#include "test_support.h"
#include "viewer/data/data_type.h"
#include "viewer/data/tarko/tarko_reader.h"
#include "viewer/data/tarko/tarko_writer.h"

namespace grafyon {
namespace {

using namespace grafyon::tarko;

ChannelRecord Channel(const std::string& name, std::int32_t code, std::uint32_t position,
                      float interval = 1.0f, const std::string& timeUnit = "msec") {
    ChannelRecord c;
    c.name = name;
    c.label = name + " label";
    c.unit = "V";
    c.typeCode = code;
    c.position = position;
    c.mask = 0x0FFF;
    c.factor = 0.5f;
    c.offset = 10.0f;
    c.interval = interval;
    c.timeUnit = timeUnit;
    return c;
}

class TarkoReaderTest : public ::testing::Test {
protected:
    TarkoReaderTest() {
        m_header.dataFileName = "rec.dta";
        m_header.storageForm = STORAGE_CHANNEL_TYPES;
        m_header.frameSize = 6;
        m_header.frameCount = 10;
        m_header.day = 17, m_header.month = 5, m_header.year = 2024;
        m_header.hour = 10, m_header.minute = 30, m_header.second = 5;
        // A float at bytes 0..3 and a SHORT at 4..5.
        m_channels = {Channel("Temp", CODE_FLOAT, 0), Channel("Speed", CODE_SHORT, 2)};
    }

    std::vector<std::uint8_t> Bytes() const {
        ByteWriter out;
        EXPECT_TRUE(EncodeTarkoHeaderFile(m_header, m_channels, out));
        return out.Take();
    }

    // Writes the header file and a data file of frames whose byte k is k % 251.
    MeasurementStatus Read(std::uint64_t dataBytes = 60) { return ReadBytes(Bytes(), dataBytes); }
    MeasurementStatus ReadBytes(const std::vector<std::uint8_t>& bytes,
                                std::uint64_t dataBytes = 60) {
        test::WriteFile(m_dir / "rec.tks", bytes);
        std::vector<std::uint8_t> data(dataBytes);
        for (std::size_t k = 0; k < data.size(); ++k)
            data[k] = static_cast<std::uint8_t>(k % 251);
        test::WriteFile(m_dir / "rec.dta", data);
        return ReadTarkoDescription(m_dir / "rec.tks", m_d);
    }

    const TimeSegmentElement& Segment() const { return *m_d.TimeSegments().at(0); }

    test::TempDir m_dir;
    HeaderRecord m_header;
    std::vector<ChannelRecord> m_channels;
    MeasurementDescription m_d;
};

TEST_F(TarkoReaderTest, TheHeaderBecomesTheElementsOfAnMdfFile) {
    ASSERT_EQ(Read(), MeasurementStatus::Ok);
    std::vector<std::uint32_t> kinds;
    for (const auto& e : m_d.Elements())
        kinds.push_back(e->Kind());
    EXPECT_EQ(kinds, (std::vector<std::uint32_t>{0, 1, 3, 100, 100}));

    const HeaderElement& h = *m_d.Header();
    EXPECT_EQ(h.fileName, "rec.tks");
    EXPECT_EQ(h.filePath, m_dir / "rec.tks");
    EXPECT_EQ(h.formatVersion, 0x00020001u);
    EXPECT_EQ(h.headerSize, 72u);
    EXPECT_EQ(h.frameSize, 6u);
    EXPECT_EQ(h.effectiveFrameSize, 6u);
    EXPECT_EQ(h.datasetCount, 2u);
    EXPECT_EQ(h.counters.datasets100, 2u);
    EXPECT_EQ(h.counters.dataFiles, 1u);
    EXPECT_EQ(h.counters.timeSegments, 1u);
    EXPECT_EQ(h.counters.comments, 0u);
    EXPECT_EQ(std::vector<std::uint32_t>({h.day, h.month, h.year, h.hour, h.minute, h.second}),
              (std::vector<std::uint32_t>{17, 5, 2024, 10, 30, 5}));
    const std::vector<std::uint8_t>& raw = h.RawPayload();
    ASSERT_EQ(raw.size(), 72u);
    EXPECT_EQ(std::string(raw.begin(), raw.begin() + 13), std::string("MDF_BINARY\r\n") + '\0');
    EXPECT_EQ(std::vector<std::uint32_t>({LoadU32LE(&raw[20]), LoadU32LE(&raw[24]),
                                          LoadU32LE(&raw[32]), LoadU32LE(&raw[36])}),
              (std::vector<std::uint32_t>{0, 0, 0, 1}));

    const DataFileElement& file = *m_d.DataFiles().at(0);
    EXPECT_EQ(file.fileNumber, 1u);
    EXPECT_EQ(file.fileName, "rec.dta");
    EXPECT_EQ(file.dataOffset, 0u);
    EXPECT_EQ(file.fullPath, m_dir / "rec.dta");

    const TimeSegmentElement& s = Segment();
    EXPECT_EQ(s.dataFileNumber, 1u);
    EXPECT_EQ(s.segmentNumber, 1u);
    EXPECT_EQ(s.frameCount, 10u);
    EXPECT_EQ(s.firstFrameInFile, 0u);
    EXPECT_EQ(s.sampleStep, 0.001);
    EXPECT_EQ(s.carrierName, "Time");
    EXPECT_EQ(s.carrierUnit, "sec");
    EXPECT_EQ(s.carrierFactor, 1.0);
    EXPECT_EQ(s.carrierOffset, 0.0);
    EXPECT_EQ(s.startDateTime, PackDateTime({2024, 5, 17, 10, 30, 5}));
    EXPECT_EQ(s.endDateTime, s.startDateTime);
    EXPECT_EQ(std::string(s.RawPayload().begin() + 32, s.RawPayload().begin() + 39),
              std::string(7, '\7'));

    const std::vector<Dataset*> sets = m_d.Datasets();
    EXPECT_EQ(sets[0]->number, 1u);
    EXPECT_EQ(sets[0]->name, "Temp");
    EXPECT_EQ(sets[0]->label, "Temp label");
    EXPECT_EQ(sets[0]->unit, "V");
    EXPECT_EQ(sets[0]->dataType, DATA_TYPE_FLOAT);
    EXPECT_EQ(sets[0]->dataMask, 0x0FFFu);
    EXPECT_EQ(sets[0]->factor, 0.5);
    EXPECT_EQ(sets[0]->offset, 10.0);
    EXPECT_EQ(sets[0]->frameOffset, 0u);
    EXPECT_EQ(sets[0]->valuesPerFrame, 1u);
    EXPECT_EQ(sets[0]->Version(), 0x00020001u);
    EXPECT_EQ(sets[0]->owner, &m_d);
    EXPECT_EQ(sets[1]->number, 2u);
    EXPECT_EQ(sets[1]->dataType, DATA_TYPE_SHORT);
    EXPECT_EQ(sets[1]->dataMask, 0xFFFFFFFFu);  // forced for code 16
    EXPECT_EQ(sets[1]->frameOffset, 4u);

    // Frame 3 of the SHORT lies at bytes 22 and 23 of the data file.
    BinaryFileReader data;
    ASSERT_TRUE(data.Open(file.fullPath));
    std::uint8_t raw2[2] = {};
    ASSERT_TRUE(
        data.ReadAt(file.dataOffset + 3 * m_d.FrameSize() + sets[1]->effectiveFrameOffset, raw2));
    EXPECT_EQ(sets[1]->Decode(raw2), (22 + 23 * 256) * 0.5 + 10.0);
}

TEST_F(TarkoReaderTest, HeaderSizesAndSignature) {
    EXPECT_EQ(ReadTarkoDescription(m_dir / "none.tks", m_d), MeasurementStatus::NoInput);
    EXPECT_EQ(Read(), MeasurementStatus::Ok);  // 256 bytes, size word 256

    m_header.headerSize = 200;
    EXPECT_EQ(Read(), MeasurementStatus::Corrupt);
    EXPECT_TRUE(m_d.Empty());

    // A larger header is skipped up to the channel records.
    m_header.headerSize = 300;
    std::vector<std::uint8_t> bytes = Bytes();
    bytes.insert(bytes.begin() + 256, 44, 0xEE);
    EXPECT_EQ(ReadBytes(bytes), MeasurementStatus::Ok);
    EXPECT_EQ(m_d.Datasets().at(1)->name, "Speed");

    // The first 228 bytes are needed.
    m_header.headerSize = 228;
    m_channels.clear();
    bytes = Bytes();
    bytes.resize(227);
    EXPECT_EQ(ReadBytes(bytes), MeasurementStatus::Corrupt);
    bytes.resize(228);
    EXPECT_EQ(ReadBytes(bytes), MeasurementStatus::NotSupported);  // no channel, no step

    // Only the first 15 bytes are the signature.
    bytes[15] = 'X';
    test::WriteFile(m_dir / "probe.tks", bytes);
    EXPECT_TRUE(IsTarkoFile(m_dir / "probe.tks"));
    bytes[14] = '1';
    EXPECT_EQ(ReadBytes(bytes), MeasurementStatus::NotTarko);
    test::WriteFile(m_dir / "probe.tks", bytes);
    EXPECT_FALSE(IsTarkoFile(m_dir / "probe.tks"));
    test::WriteTextFile(m_dir / "short.tks", "TARKO");
    EXPECT_FALSE(IsTarkoFile(m_dir / "short.tks"));
    EXPECT_EQ(ReadTarkoDescription(m_dir / "short.tks", m_d), MeasurementStatus::NotTarko);
}

TEST_F(TarkoReaderTest, ChannelRecordSizesAndCounts) {
    m_header.channelSize = 160;
    EXPECT_EQ(Read(), MeasurementStatus::Corrupt);

    // Larger records: the rest of each is skipped.
    m_header.channelSize = 200;
    std::vector<std::uint8_t> bytes = Bytes();
    bytes.insert(bytes.begin() + 256 + 168, 32, 0xEE);
    bytes.insert(bytes.end(), 32, 0xEE);
    EXPECT_EQ(ReadBytes(bytes), MeasurementStatus::Ok);
    EXPECT_EQ(m_d.Datasets().at(1)->name, "Speed");

    // The last record cut short, or far more records declared than the file holds.
    m_header.channelSize = 168;
    bytes = Bytes();
    bytes.pop_back();
    EXPECT_EQ(ReadBytes(bytes), MeasurementStatus::Corrupt);
    EXPECT_TRUE(m_d.Empty());
    bytes = Bytes();
    StoreU32LE(bytes.data() + 24, 0xFFFFFFFF);
    EXPECT_EQ(ReadBytes(bytes), MeasurementStatus::Corrupt);
    EXPECT_TRUE(m_d.Empty());
}

TEST_F(TarkoReaderTest, SampleIntervalsAndTheFormatWord) {
    // 1 "msec" and 0.001 seconds are one step.
    m_channels[0].interval = 1.0f;
    m_channels[0].timeUnit = "msec";
    m_channels[1].interval = 0.001f;
    m_channels[1].timeUnit = "";
    ASSERT_EQ(Read(), MeasurementStatus::Ok);
    EXPECT_EQ(Segment().sampleStep, 0.001);

    m_channels[0] = Channel("Slow", CODE_FLOAT, 0, 2.0f, "min");
    m_channels[1] = Channel("Slow too", CODE_SHORT, 2, 120.0f, "sec");
    ASSERT_EQ(Read(), MeasurementStatus::Ok);
    EXPECT_EQ(Segment().sampleStep, 120.0);
    m_channels[0] = Channel("Hours", CODE_FLOAT, 0, 0.5f, "Stunden");
    m_channels[1] = Channel("Minutes", CODE_SHORT, 2, 30.0f, "MIN");
    ASSERT_EQ(Read(), MeasurementStatus::Ok);
    EXPECT_EQ(Segment().sampleStep, 1800.0);

    m_channels[1].interval = 31.0f;  // a second time base
    EXPECT_EQ(Read(), MeasurementStatus::NotSupported);
    EXPECT_TRUE(m_d.Empty());
    m_channels = {Channel("Zero", CODE_FLOAT, 0, 0.0f)};
    EXPECT_EQ(Read(), MeasurementStatus::NotSupported);

    m_channels = {Channel("Temp", CODE_FLOAT, 0)};
    m_header.formatWord = 2;
    EXPECT_EQ(Read(), MeasurementStatus::NotSupported);
}

TEST_F(TarkoReaderTest, ChannelCodesPositionsAndFrameSize) {
    // Float storage: code 16 becomes FLOAT at 4-byte steps.
    m_header.storageForm = STORAGE_FLOAT;
    m_header.frameSize = 12;
    m_channels = {Channel("a", CODE_SHORT, 0), Channel("b", CODE_SHORT, 1),
                  Channel("c", CODE_SHORT, 2)};
    ASSERT_EQ(Read(), MeasurementStatus::Ok);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(m_d.Datasets()[k]->dataType, DATA_TYPE_FLOAT);
        EXPECT_EQ(m_d.Datasets()[k]->frameOffset, 4 * k);
    }

    // Channel types: positions count 16-bit words, floats 4-byte steps.
    m_header.storageForm = STORAGE_CHANNEL_TYPES;
    m_header.frameSize = 16;
    m_channels = {Channel("bool", CODE_BOOL16, 0), Channel("ushort", CODE_USHORT, 1),
                  Channel("ushort2", CODE_USHORT_NEGATIVE, 2), Channel("long", CODE_LONG, 3),
                  Channel("float", CODE_FLOAT, 3)};
    ASSERT_EQ(Read(160), MeasurementStatus::Ok);
    const std::vector<Dataset*> sets = m_d.Datasets();
    EXPECT_EQ(sets[0]->dataType, DATA_TYPE_BOOL16);
    EXPECT_EQ(sets[1]->dataType, DATA_TYPE_USHORT);
    EXPECT_EQ(sets[1]->frameOffset, 2u);
    EXPECT_EQ(sets[2]->dataType, DATA_TYPE_USHORT);
    EXPECT_EQ(sets[3]->dataType, DATA_TYPE_LONG);
    EXPECT_EQ(sets[3]->frameOffset, 6u);
    EXPECT_EQ(sets[3]->dataMask, 0x0FFFu);
    EXPECT_EQ(sets[4]->frameOffset, 12u);

    // The header's frame size grows to hold every value.
    m_header.frameSize = 2;
    m_channels = {Channel("a", CODE_SHORT, 0), Channel("b", CODE_LONG, 1)};
    ASSERT_EQ(Read(), MeasurementStatus::Ok);
    EXPECT_EQ(m_d.FrameSize(), 6u);
    EXPECT_EQ(Segment().frameCount, 10u);

    // A value outside the frame, far outside, or an unknown code is not supported.
    for (const ChannelRecord& bad :
         {Channel("out", CODE_LONG, 2), Channel("far", CODE_FLOAT, 0xFFFFFFFF),
          Channel("code", 8, 0)}) {
        m_channels = {Channel("a", CODE_SHORT, 0), bad};
        EXPECT_EQ(Read(), MeasurementStatus::NotSupported) << bad.name;
        EXPECT_TRUE(m_d.Empty());
    }

    // Texts are normalised like those of MDF datasets.
    m_channels = {Channel("", CODE_FLOAT, 0)};
    m_channels[0].label = "";
    m_channels[0].factor = 1.0f;
    m_channels[0].offset = 0.0f;
    ASSERT_EQ(Read(), MeasurementStatus::Ok);
    EXPECT_EQ(m_d.Datasets()[0]->name, "Untitled");
    EXPECT_EQ(m_d.Datasets()[0]->label, "");
    EXPECT_FALSE(m_d.Datasets()[0]->IsCalibrated());
}

TEST_F(TarkoReaderTest, TextLinesBecomeOneComment) {
    m_header.textLines = {"Test  ", "   ", "Car 7", ""};
    ASSERT_EQ(Read(), MeasurementStatus::Ok);
    std::size_t pos = 0;
    const auto* comment = static_cast<const CommentElement*>(m_d.FindFirst(ELEMENT_COMMENT, pos));
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(pos, m_d.ElementCount() - 1);  // after the datasets
    EXPECT_EQ(comment->text, "Test\nCar 7");
    EXPECT_EQ(comment->Version(), 0x00010001u);
    const std::vector<std::uint8_t>& fixed = comment->RawPayload();
    ASSERT_EQ(fixed.size(), 36u);
    std::vector<std::uint32_t> words;
    for (std::size_t at = 0; at < 36; at += 4)
        words.push_back(LoadU32LE(&fixed[at]));
    EXPECT_EQ(words,
              (std::vector<std::uint32_t>{1, 1, 0, Segment().startDateTime, 0, 0, 0, 0, 10}));

    m_header.textLines = {"", " ", "", ""};
    ASSERT_EQ(Read(), MeasurementStatus::Ok);
    EXPECT_EQ(m_d.Header()->counters.comments, 0u);
}

TEST_F(TarkoReaderTest, WithoutADateTheDataFileTellsTheRecordingTime) {
    m_header.day = m_header.month = m_header.year = 0;
    m_header.hour = m_header.minute = m_header.second = 0;
    test::WriteFile(m_dir / "rec.tks", Bytes());
    test::WriteFile(m_dir / "rec.dta", std::vector<std::uint8_t>(60, 1));
    std::tm local{};
    local.tm_year = 2019 - 1900;
    local.tm_mon = 7 - 1;
    local.tm_mday = 14;
    local.tm_hour = 15;
    local.tm_min = 9;
    local.tm_sec = 26;
    local.tm_isdst = -1;
    const auto stamp = std::chrono::system_clock::from_time_t(std::mktime(&local));
    std::filesystem::last_write_time(m_dir / "rec.dta", std::chrono::file_clock::from_sys(stamp));

    ASSERT_EQ(ReadTarkoDescription(m_dir / "rec.tks", m_d), MeasurementStatus::Ok);
    const HeaderElement& h = *m_d.Header();
    EXPECT_EQ(std::vector<std::uint32_t>({h.day, h.month, h.year, h.hour, h.minute, h.second}),
              (std::vector<std::uint32_t>{14, 7, 2019, 15, 9, 26}));
    EXPECT_EQ(Segment().startDateTime, PackDateTime({2019, 7, 14, 15, 9, 26}));

    // One word set: the header's time stands.
    m_header.year = 2001;
    ASSERT_EQ(Read(), MeasurementStatus::Ok);
    EXPECT_EQ(m_d.Header()->year, 2001u);
    EXPECT_EQ(m_d.Header()->day, 0u);
}

TEST_F(TarkoReaderTest, FrameCountsFromTheDataFile) {
    // Declared 10, and 10 whole frames, a part frame and more whole frames are there.
    EXPECT_EQ(Read(60), MeasurementStatus::Ok);
    EXPECT_EQ(Segment().frameCount, 10u);
    EXPECT_EQ(Read(65), MeasurementStatus::Ok);
    EXPECT_EQ(Segment().frameCount, 10u);
    EXPECT_EQ(Read(6 * 1000 + 3), MeasurementStatus::Ok);
    EXPECT_EQ(Segment().frameCount, 10u);  // the surplus is ignored
    EXPECT_EQ(m_d.TimeSegments().size(), 1u);

    // Declared more than there are, or none: the whole frames of the file.
    m_header.frameCount = 20;
    EXPECT_EQ(Read(65), MeasurementStatus::Ok);
    EXPECT_EQ(Segment().frameCount, 10u);
    m_header.frameCount = 0;
    EXPECT_EQ(Read(6 * 3 + 5), MeasurementStatus::Ok);
    EXPECT_EQ(Segment().frameCount, 3u);

    // The word at offset 60 puts frame 0 further into the data file.
    m_header.dataOffset = 7;
    EXPECT_EQ(Read(7 + 6 * 4), MeasurementStatus::Ok);
    EXPECT_EQ(Segment().frameCount, 4u);
    EXPECT_EQ(m_d.DataFiles()[0]->dataOffset, 7u);

    // No whole frame: no time base, the description stays.
    EXPECT_EQ(Read(7 + 5), MeasurementStatus::NoTimeBase);
    EXPECT_FALSE(m_d.Empty());
    EXPECT_EQ(Read(3), MeasurementStatus::NoTimeBase);
    EXPECT_EQ(Read(0), MeasurementStatus::NoTimeBase);
}

TEST_F(TarkoReaderTest, DataFileProblems) {
    test::WriteFile(m_dir / "rec.tks", Bytes());
    std::filesystem::remove(m_dir / "rec.dta");
    EXPECT_EQ(ReadTarkoDescription(m_dir / "rec.tks", m_d), MeasurementStatus::DataFileMissing);
    ASSERT_FALSE(m_d.Empty());
    EXPECT_EQ(m_d.Datasets().size(), 2u);
    EXPECT_EQ(Segment().frameCount, 10u);  // as declared

    // A name that leaves the folder, or none, is never opened.
    for (const char* name : {"../rec.dta", "sub/rec.dta", "  "}) {
        m_header.dataFileName = name;
        EXPECT_EQ(Read(), MeasurementStatus::DataFileBroken) << name;
        EXPECT_TRUE(m_d.Empty());
    }
}

TEST_F(TarkoReaderTest, EveryTruncationAndCorruptedByteGivesAStatus) {
    const std::vector<std::uint8_t> good = Bytes();
    const auto check = [&](const std::vector<std::uint8_t>& bytes, const std::string& what) {
        const MeasurementStatus status = ReadBytes(bytes);
        switch (status) {
            case MeasurementStatus::Ok:
            case MeasurementStatus::NoTimeBase: {
                const std::uint64_t frameSize = m_d.FrameSize();
                for (const Dataset* s : m_d.Datasets())
                    EXPECT_TRUE(s->FitsFrame(frameSize)) << what;
                // Whatever the words say, the frames lie inside the data file.
                const std::uint64_t frames = Segment().frameCount;
                EXPECT_EQ(frames == 0, status == MeasurementStatus::NoTimeBase) << what;
                if (frames > 0) {
                    EXPECT_LE(m_d.DataFiles().at(0)->dataOffset + frames * frameSize, 60u) << what;
                }
                break;
            }
            case MeasurementStatus::DataFileMissing:
                EXPECT_FALSE(m_d.Empty()) << what;
                break;
            case MeasurementStatus::Corrupt:
            case MeasurementStatus::NotSupported:
            case MeasurementStatus::NotTarko:
            case MeasurementStatus::DataFileBroken:
                EXPECT_TRUE(m_d.Empty()) << what;
                break;
            default:
                ADD_FAILURE() << what << ": status " << StatusCode(status);
        }
    };
    for (std::size_t size = 0; size < good.size(); ++size) {
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + size);
        check(cut, "cut to " + std::to_string(size));
    }
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (const std::uint8_t value : {0x00, 0x7F, 0xFF}) {
            std::vector<std::uint8_t> bytes = good;
            bytes[at] = value;
            check(bytes, "byte " + std::to_string(at) + " = " + std::to_string(value));
        }
    }
}

}  // namespace
}  // namespace grafyon
