// The host functions 4 and 259-263 on an export read context.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>

#include <unistd.h>

#include "test_support.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/access/export_read_context.h"
#include "viewer/data/test_support/recording_builder.h"

namespace grafyon {
namespace {

using namespace test;

struct Export {
    test::TempDir dir;
    std::unique_ptr<MeasurementDescription> d = NewDescription(16);
    Dataset* a;
    Dataset* b;
    Dataset* extended;
    DataAccess access;
    ExportReadContext context;
    explicit Export(std::uint64_t frames = 2000) {
        a = AddDataset(*d, "a", DATA_TYPE_SHORT, 0, 0.5, 0.0);
        b = AddDataset(*d, "b", DATA_TYPE_FLOAT, 4);
        extended =
            AddDataset(*d, "x", DATA_TYPE_FLOAT, 8, 1.0, 0.0, 0xFFFFFFFF, ELEMENT_DATASET_EXTENDED);
        AddDataFile(*d, 1, dir / "a.dta");
        AddSegment(*d, 1, frames / 2);
        AddSegment(*d, 1, frames - frames / 2, frames / 2);
        AddComment(*d, "Hello World");
        AddComment(*d, "Grüße");  // ü and ß take two bytes each in UTF-8
        HeaderElement* h = d->Header();
        h->day = 5;
        h->month = 3;
        h->year = 2021;
        h->hour = 7;
        h->minute = 8;
        h->second = 9;
        FrameBytes bytes(16, frames);
        for (std::uint64_t f = 0; f < frames; ++f) {
            bytes.U16(f, 0, static_cast<std::uint16_t>(f));
            bytes.F32(f, 4, -float(f));
            bytes.F32(f, 8, 99.0f);
        }
        EXPECT_TRUE(WriteDataFile(dir / "a.dta", bytes.Bytes()));
        EXPECT_EQ(access.Attach(*d), ATTACH_OK);
    }
};

TEST(ExportReadContext, RowsInExportOrderOverTheRange) {
    Export e;
    // 1500 frames from 300, across both segments and many 10 240-byte chunks.
    ASSERT_EQ(e.context.Open(e.access, *e.d, {e.b, e.extended, e.a}, 300, 1500), READER_OK);
    EXPECT_EQ(e.context.FirstFrame(), 300u);
    EXPECT_EQ(e.context.FrameCount(), 1500u);
    double row[3];
    for (int f = 300; f < 1800; ++f) {
        ASSERT_EQ(ExportReadRow(e.context, row), 1);
        ASSERT_EQ(row[0], -double(f));
        ASSERT_EQ(row[1], 0.0);  // kind 101 is never read
        ASSERT_EQ(row[2], f * 0.5);
    }
    EXPECT_EQ(ExportReadRow(e.context, row), 0);
    EXPECT_EQ(ExportReadRow(e.context, row), 0);
    EXPECT_EQ(e.context.Status(), 0);
}

TEST(ExportReadContext, OpenStatusesAndWideFrames) {
    Export e;
    EXPECT_EQ(e.context.Open(e.access, *e.d, {e.a}, 2000, 10), READER_BAD_FIRST_FRAME);
    EXPECT_FALSE(e.context.IsOpen());
    double row[1];
    EXPECT_EQ(ExportReadRow(e.context, row), 0);

    // 3000 FLOAT channels: a frame of 12 000 bytes is larger than the 10 240-byte buffer.
    test::TempDir dir;
    auto wide = NewDescription(12000);
    std::vector<const Dataset*> all;
    for (int c = 0; c < 3000; ++c)
        all.push_back(AddDataset(*wide, "c", DATA_TYPE_FLOAT, c * 4));
    AddDataFile(*wide, 1, dir / "w.dta");
    AddSegment(*wide, 1, 3);
    FrameBytes bytes(12000, 3);
    for (int f = 0; f < 3; ++f) {
        for (int c = 0; c < 3000; ++c)
            bytes.F32(f, c * 4, float(f * 10000 + c));
    }
    ASSERT_TRUE(WriteDataFile(dir / "w.dta", bytes.Bytes()));
    DataAccess access;
    ASSERT_EQ(access.Attach(*wide), ATTACH_OK);
    ExportReadContext context;
    ASSERT_EQ(context.Open(access, *wide, all, 0, -1), READER_OK);
    std::vector<double> values(3000);
    for (int f = 0; f < 3; ++f) {
        ASSERT_EQ(ExportReadRow(context, values.data()), 1);
        EXPECT_EQ(values[2999], f * 10000 + 2999);
    }
    EXPECT_EQ(ExportReadRow(context, values.data()), 0);
}

TEST(ExportReadContext, AReadFailureIsNotTheEnd) {
    Export e;
    ASSERT_EQ(e.context.Open(e.access, *e.d, {e.a}, 0, -1), READER_OK);
    ASSERT_EQ(::truncate((e.dir / "a.dta").c_str(), 16 * 1200), 0);
    double row[1];
    int rows = 0, result;
    while ((result = ExportReadRow(e.context, row)) == 1)
        ++rows;
    EXPECT_EQ(result, -1);
    EXPECT_EQ(e.context.Status(), READ_TRUNCATED);
    EXPECT_LE(rows, 1200);
}

TEST(ExportReadContext, ValueRangeOverTheExportRange) {
    Export e;
    ASSERT_EQ(e.context.Open(e.access, *e.d, {e.a, e.b}, 100, 50), READER_OK);
    double lo = 1, hi = 1;
    ExportValueRange(e.context, e.b, &lo, &hi);
    EXPECT_EQ(lo, -149.0);
    EXPECT_EQ(hi, -100.0);
    ExportValueRange(e.context, e.a, &lo, &hi);
    EXPECT_EQ(lo, 50.0);
    EXPECT_EQ(hi, 74.5);
    ExportValueRange(e.context, e.extended, &lo, &hi);
    EXPECT_EQ(lo, 0.0);
    EXPECT_EQ(hi, 0.0);
    ExportValueRange(e.context, e.a, nullptr, nullptr);  // ignored
}

TEST(ExportReadContext, CommentsInWindows1252WithTheLengthAsTheSize) {
    Export e;
    AddComment(*e.d, "\u03a9 \u20ac");  // the omega is not in Windows-1252, the euro sign is
    ASSERT_EQ(e.context.Open(e.access, *e.d, {e.a}, 0, -1), READER_OK);
    EXPECT_EQ(ExportCommentCount(e.context, e.a), 3);
    EXPECT_EQ(ExportCommentCount(e.context, e.b), 0);  // not exported
    EXPECT_EQ(ExportCommentLength(e.context, e.a, 0), 11);
    EXPECT_EQ(ExportCommentLength(e.context, e.a, 1), 5);  // one byte per character
    EXPECT_EQ(ExportCommentLength(e.context, e.a, 2), 3);
    EXPECT_EQ(ExportCommentLength(e.context, e.a, 3), 0);
    EXPECT_EQ(ExportCommentLength(e.context, e.a, -1), 0);
    EXPECT_EQ(ExportCommentLength(e.context, e.b, 0), 0);

    // The buffer holds size + 1 bytes; the byte after them must stay untouched.
    char buffer[32];
    const auto copy = [&](int line, int size) {
        std::memset(buffer, 'x', sizeof buffer);
        return ExportCommentText(e.context, e.a, line, buffer, size);
    };
    EXPECT_EQ(copy(0, 11), 11);  // the length as the size: the whole line
    EXPECT_STREQ(buffer, "Hello World");
    EXPECT_EQ(buffer[12], 'x');
    EXPECT_EQ(copy(0, 10), 10);  // one less: the last character is cut
    EXPECT_STREQ(buffer, "Hello Worl");
    EXPECT_EQ(buffer[11], 'x');
    EXPECT_EQ(copy(0, 12), 11);  // more room than the line
    EXPECT_STREQ(buffer, "Hello World");
    EXPECT_EQ(copy(0, 0), 0);  // an empty buffer is terminated
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], 'x');
    EXPECT_EQ(copy(0, -1), 0);  // no buffer at all: untouched
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(ExportCommentText(e.context, e.a, 0, nullptr, 10), 0);
    EXPECT_EQ(copy(1, 5), 5);
    EXPECT_STREQ(buffer,
                 "Gr\xFC\xDF"
                 "e");
    EXPECT_EQ(copy(1, 3), 3);
    EXPECT_STREQ(buffer, "Gr\xFC");
    EXPECT_EQ(copy(2, 3), 3);
    EXPECT_STREQ(buffer, "? \x80");
    EXPECT_EQ(copy(5, 10), 0);  // no such comment: empty
    EXPECT_STREQ(buffer, "");
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(ExportCommentText(e.context, e.b, 0, buffer, 10), 0);  // not exported: empty
    EXPECT_STREQ(buffer, "");
}

TEST(ExportReadContext, RecordingDateAndTimeOfTheHeader) {
    test::ScopedEnv tz("TZ", "UTC");
    ::tzset();
    Export e;
    ASSERT_EQ(e.context.Open(e.access, *e.d, {e.a}, 0, -1), READER_OK);
    char text[16];
    EXPECT_EQ(ExportDateTime(e.context, e.a, EXPORT_DT_DATE, nullptr, 16),
              EXPORT_DT_NO_DESTINATION);
    EXPECT_EQ(ExportDateTime(e.context, e.a, EXPORT_DT_DATE, text, 0), EXPORT_DT_NO_DESTINATION);
    EXPECT_EQ(ExportDateTime(e.context, e.b, EXPORT_DT_DATE, text, 16), EXPORT_DT_NOT_SELECTED);
    EXPECT_EQ(ExportDateTime(e.context, e.a, EXPORT_DT_DATE, text, 11), EXPORT_DT_OK);
    EXPECT_STREQ(text, "05.03.2021");
    EXPECT_EQ(ExportDateTime(e.context, e.a, EXPORT_DT_DATE, text, 10), EXPORT_DT_DOES_NOT_FIT);
    EXPECT_EQ(ExportDateTime(e.context, e.a, EXPORT_DT_TIME, text, 9), EXPORT_DT_OK);
    EXPECT_STREQ(text, "07:08:09");
    EXPECT_EQ(ExportDateTime(e.context, e.a, EXPORT_DT_TIME, text, 8), EXPORT_DT_DOES_NOT_FIT);
    std::int32_t seconds = 0;
    EXPECT_EQ(ExportDateTime(e.context, e.a, EXPORT_DT_VALUE, &seconds, 4), EXPORT_DT_OK);
    EXPECT_EQ(seconds, 1614928089);  // 2021-03-05 07:08:09 UTC
    EXPECT_EQ(ExportDateTime(e.context, e.a, EXPORT_DT_VALUE, &seconds, 3), EXPORT_DT_DOES_NOT_FIT);
    EXPECT_EQ(ExportDateTime(e.context, e.a, 260, text, 16), EXPORT_DT_DOES_NOT_FIT);
    // A header without a date: the text shows its fields, the seconds are refused.
    HeaderElement* h = e.d->Header();
    h->day = h->month = h->year = 0;
    EXPECT_EQ(ExportDateTime(e.context, e.a, EXPORT_DT_DATE, text, 16), EXPORT_DT_OK);
    EXPECT_STREQ(text, "00.00.0");
    EXPECT_EQ(ExportDateTime(e.context, e.a, EXPORT_DT_VALUE, &seconds, 4), EXPORT_DT_DOES_NOT_FIT);
}

}  // namespace
}  // namespace grafyon
