// The text format's stored objects, the installed filter "Standard", default columns and the
// stream's list operations.
#include <gtest/gtest.h>

#include "exportfilter/engine/archive.h"
#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/filter_file.h"
#include "exportfilter/engine/tests/fake_host.h"
#include "exportfilter/engine/tests/fakes.h"
#include "exportfilter/engine/tests/hand_bytes.h"
#include "exportfilter/formats/text/standard_filter.h"
#include "exportfilter/formats/text/text_stream.h"
#include "test_support.h"

namespace grafyon::exportfilter::test {
namespace {

ClassRegistry TextRegistry() {
    ClassRegistry registry;
    RegisterEngineClasses(registry);
    RegisterTextClasses(registry);
    return registry;
}

// The column part after the channel definition's, by hand.
HandBytes& TextColumnPart(HandBytes& b, int type, int notation, int precision, int numberWidth,
                          int alignment) {
    b.U32(2).I32(type).I32(0).I32(16).I32(2).Str(";").I32(notation);
    b.I32(0).I32(2).I32(2).I32(0).I32(precision).I32(numberWidth).I32(alignment).U32(0);
    b.U16(0);                                      // no ranges
    b.I32(1).I32(0).I32(0).Str("");                // name title shown
    b.I32(1).I32(0).I32(0).Str("");                // label title shown
    return b.I32(1).I32(0).I32(1).I32(0).Str("");  // unit title shown with brackets
}

TEST(TextFilterFile, StandardFilterHasTheDocumentedBytes) {
    grafyon::test::ScopedEnv english("LC_ALL", "C");
    HandBytes file;
    file.Header(16, "Standard").NewClass("CQuenarStreamText");
    // CQuenarClass part: version 6 with only-selected on and allocation mode 0.
    file.U32(6).I32(16).Str("Standard").Str("Time and datasets as text columns");
    file.I32(1).I32(0).I32(0).I32(0).I32(1).F64(1.0).I32(0).F64(1.0).I32(0).Str("");
    file.U32(1);  // CQuenarStream
    // Title mode 1, 64 rows on a page, two columns.
    file.U32(1).Str("").I32(0).I32(0).I32(64).I32(1).I32(0).U16(2);
    file.NewClass("CQuenarChannelDefText").ChannelDefPart("Time", "");
    TextColumnPart(file, 3, 1, 6, 15, 0);
    file.U16(0x8003).ChannelDefPart("Dataset", "");  // the class is index 3
    TextColumnPart(file, 1, 1, 6, 15, 0);
    // No file dialog, overwrite without asking, extension TXT, no description file.
    file.U32(2).I32(0).Str("").I32(0).I32(2);
    file.U32(3).I32(2).Str("").Str("TXT").I32(0).Str("").Str("");
    EXPECT_EQ(EncodeFilter(*MakeStandardFilter()), file.bytes);
}

TEST(TextFilterFile, EveryFieldRoundTrips) {
    CQuenarStreamText stream;
    stream.SetTypeCode(QUENAR_TYPE_TEXT);
    stream.designation = "Prüfung";
    stream.header = "Kopf °C\r\nZeile 2";
    stream.linesAfterHeader = 3;
    stream.headerOnOwnPage = 1;
    stream.rowsOnPage = 50;
    stream.titleMode = 2;
    stream.linesAfterTitle = 1;
    stream.outputFile.dataNameMode = 1;
    stream.outputFile.userDataName = "out.asc";
    auto column = std::make_unique<CQuenarChannelDefText>();
    column->identifier = "Drehzahl";
    column->adjustment = 1;
    column->factor = 60.0;
    column->unit = "1/min";
    column->columnType = 1;
    column->widthMode = 1;
    column->width = 99;
    column->separator = 1;
    column->separatorText = " | ";
    column->representation = 2;
    column->numberFormat = 1;
    column->timeFormat = 8;
    column->reserved = 7;
    column->precision = 24;
    column->numberWidth = 25;
    column->notation = 0;
    column->alignment = 1;
    for (double lower : {0.0, 100.0}) {
        column->ranges.push_back(std::make_unique<CQuenarTextRange>());
        column->ranges.back()->text = "Bereich";
        column->ranges.back()->lower = lower;
        column->ranges.back()->upper = lower + 50.0;
    }
    column->nameTitle = {1, 1, 0, 2, "Name"};
    column->labelTitle = {0, 1, 0, 1, "Label"};
    column->unitTitle = {1, 0, 1, 2, "Unit"};
    stream.columns.push_back(std::move(column));
    stream.columns.push_back(std::make_unique<CQuenarChannelDefText>());

    const ClassRegistry registry = TextRegistry();
    DecodedFilter decoded = DecodeFilter(EncodeFilter(stream), registry);
    ASSERT_EQ(decoded.error, ArchiveError::None);
    auto* read = dynamic_cast<CQuenarStreamText*>(decoded.filter.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->designation, "Prüfung");
    EXPECT_EQ(read->header, stream.header);
    EXPECT_EQ(read->linesAfterHeader, 3);
    EXPECT_EQ(read->headerOnOwnPage, 1);
    EXPECT_EQ(read->rowsOnPage, 50);
    EXPECT_EQ(read->titleMode, 2);
    EXPECT_EQ(read->linesAfterTitle, 1);
    EXPECT_EQ(read->outputFile.userDataName, "out.asc");
    ASSERT_EQ(read->columns.size(), 2u);
    const auto& a = static_cast<const CQuenarChannelDefText&>(*stream.columns[0]);
    const auto& b = dynamic_cast<const CQuenarChannelDefText&>(*read->columns[0]);
    EXPECT_EQ(b.identifier, "Drehzahl");
    EXPECT_EQ(b.factor, 60.0);
    EXPECT_EQ(b.unit, "1/min");
    EXPECT_EQ(std::tie(b.columnType, b.widthMode, b.width, b.separator, b.separatorText,
                       b.representation, b.numberFormat, b.timeFormat, b.reserved, b.precision,
                       b.numberWidth, b.notation, b.alignment),
              std::tie(a.columnType, a.widthMode, a.width, a.separator, a.separatorText,
                       a.representation, a.numberFormat, a.timeFormat, a.reserved, a.precision,
                       a.numberWidth, a.notation, a.alignment));
    ASSERT_EQ(b.ranges.size(), 2u);
    EXPECT_EQ(b.ranges[1]->text, "Bereich");
    EXPECT_EQ(b.ranges[1]->lower, 100.0);
    EXPECT_EQ(b.ranges[1]->upper, 150.0);
    EXPECT_EQ(b.nameTitle, a.nameTitle);
    EXPECT_EQ(b.labelTitle, a.labelTitle);
    EXPECT_EQ(b.unitTitle, a.unitTitle);
}

TEST(TextFilterFile, FirstColumnVersionHoldsTheAdjustmentInsteadOfTheNotation) {
    HandBytes bytes;
    bytes.U32(2).Str("Old").Str("Speed").I32(1).F64(1.0).F64(0.0).Str("rpm");
    const std::size_t textVersion = bytes.bytes.size();
    bytes.U32(1).I32(1).I32(0).I32(12).I32(3).Str(";").F64(2.5).F64(-4.0);
    bytes.I32(0).I32(0).I32(2).I32(0).I32(3).I32(12).I32(2).U32(0).U16(0);
    bytes.I32(1).I32(0).I32(0).Str("").I32(0).I32(0).I32(0).Str("");
    bytes.I32(0).I32(0).I32(0).I32(0).Str("");
    const ClassRegistry registry = TextRegistry();
    ArchiveReader reader(bytes.bytes, registry);
    CQuenarChannelDefText column;
    column.Load(reader);
    ASSERT_TRUE(reader.Ok());
    EXPECT_EQ(reader.Remaining(), 0u);
    EXPECT_EQ(column.factor, 2.5);
    EXPECT_EQ(column.offset, -4.0);
    EXPECT_EQ(column.adjustment, 1);
    EXPECT_EQ(column.notation, 1) << "the first version knew no notation";
    EXPECT_EQ(column.width, 12);
    EXPECT_EQ(column.separator, 3);

    // A version above the newest is refused.
    bytes.bytes[textVersion] = 3;
    ArchiveReader newer(bytes.bytes, registry);
    CQuenarChannelDefText ignored;
    ignored.Load(newer);
    EXPECT_EQ(newer.Error(), ArchiveError::NewerVersion);
}

TEST(TextStream, DefaultColumnsOfBothDefinitionModes) {
    grafyon::test::ScopedEnv english("LC_ALL", "C");
    for (int mode : {0, 1}) {
        CQuenarStreamText stream;
        ASSERT_EQ(stream.CreateDefaultChannelDefinitions(mode), 0);
        EXPECT_EQ(stream.onlySelected, 1);
        EXPECT_EQ(stream.titleMode, 1);
        EXPECT_EQ(stream.allocationMode, mode == 0 ? 1 : 0);
        EXPECT_EQ(stream.outputFile.fileDialog, mode == 0 ? 1 : 0);
        EXPECT_EQ(stream.outputFile.overwrite, mode == 0 ? 1 : 2);
        ASSERT_EQ(stream.columns.size(), 2u);
        const auto& time = static_cast<const CQuenarChannelDefText&>(*stream.columns[0]);
        const auto& data = static_cast<const CQuenarChannelDefText&>(*stream.columns[1]);
        EXPECT_EQ(time.identifier, "Time");
        EXPECT_EQ(data.identifier, "Dataset");
        EXPECT_EQ(time.UsedColumnType(), TextColumnType::Resolution);
        EXPECT_EQ(data.UsedColumnType(), TextColumnType::Dataset);
        for (const auto* c : {&time, &data}) {
            EXPECT_EQ(std::tie(c->widthMode, c->width, c->separator, c->numberFormat,
                               c->numberWidth, c->precision, c->notation, c->alignment),
                      std::make_tuple(0, 16, 2, 2, 15, 6, 0, 0));
            EXPECT_EQ(c->nameTitle.shown + c->labelTitle.shown + c->unitTitle.shown, 3);
            EXPECT_EQ(c->unitTitle.brackets, 1);
        }
    }
    CQuenarStreamText other;
    EXPECT_EQ(other.CreateDefaultChannelDefinitions(2), -10);
    EXPECT_TRUE(other.columns.empty());
}

TEST(TextStream, OnlyDatasetColumnsTakeADatasetAndCopiesAreDeep) {
    CQuenarStreamText stream;
    for (int type : {0, 1, 2, 3, 1, 7}) {
        auto column = std::make_unique<CQuenarChannelDefText>();
        column->columnType = type;
        column->identifier = "c" + std::to_string(stream.columns.size());
        stream.columns.push_back(std::move(column));
    }
    std::vector<QuenarAllocationEntry> entries;
    stream.BuildAllocationList(entries);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].identifier, "c1");
    EXPECT_EQ(entries[1].identifier, "c4");

    auto& template_ = static_cast<CQuenarChannelDefText&>(*stream.columns[1]);
    template_.ranges.push_back(std::make_unique<CQuenarTextRange>());
    template_.unitTitle.text = "[x]";
    EXPECT_EQ(stream.InsertChannelDefinitions(1, 2), 0);
    ASSERT_EQ(stream.columns.size(), 8u);
    auto& copy = dynamic_cast<CQuenarChannelDefText&>(*stream.columns[2]);
    EXPECT_EQ(copy.identifier, "c1");
    EXPECT_EQ(copy.unitTitle.text, "[x]");
    ASSERT_EQ(copy.ranges.size(), 1u);
    EXPECT_NE(copy.ranges[0].get(), template_.ranges[0].get());
    EXPECT_EQ(stream.InsertChannelDefinitions(1, 0), 1);
    EXPECT_EQ(stream.InsertChannelDefinitions(99, 1), 1);
}

TEST(TextStream, NamesOneTextFileWithItsFileTypes) {
    grafyon::test::ScopedEnv english("LC_ALL", "C");
    grafyon::test::TempDir dir;
    const std::string source = dir / "run1.dta";
    grafyon::test::WriteTextFile(source, "data");
    CQuenarStreamText stream;
    stream.outputFile.fileDialog = 1;
    QuenarSelectList records = MakeRecords({{"a"}, {"b"}});
    FakeSink sink;
    QuenarMessenger messenger(&sink);
    FakeSaveAs dialog;
    dialog.choices = {std::nullopt};
    OutputNamingContext context{messenger, &dialog, {}};
    ASSERT_EQ(stream.AssignOutputFiles(source, records, context), 0);
    ASSERT_EQ(dialog.calls.size(), 1u);
    EXPECT_EQ(dialog.calls[0].proposed, dir / "run1.TXT");
    EXPECT_EQ(dialog.calls[0].filter,
              "Text (*.txt)|*.txt|ASCII (*.asc)|*.asc|Data (*.dat)|*.dat|All files (*.*)|*.*||");
    for (const auto& record : records)
        EXPECT_EQ(record->dataFileName, dir / "run1.TXT");
    EXPECT_TRUE(stream.SupportsValueFormat(265));
    EXPECT_TRUE(stream.SupportsValueFormat(266));
    EXPECT_FALSE(stream.SupportsValueFormat(264));
}

}  // namespace
}  // namespace grafyon::exportfilter::test
