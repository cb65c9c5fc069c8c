// Channel-definition list edits and the rules that bind datasets to channel definitions.
#include <gtest/gtest.h>

#include "exportfilter/engine/allocation.h"
#include "exportfilter/engine/channel_def_list.h"
#include "exportfilter/engine/export_strings.h"
#include "fakes.h"

namespace grafyon::exportfilter::test {
namespace {

ChannelDefList Definitions(std::initializer_list<const char*> identifiers) {
    ChannelDefList list;
    for (const char* identifier : identifiers) {
        auto definition = std::make_unique<CQuenarChannelDef1File>();
        definition->identifier = identifier;
        definition->defaultDataset = std::string("ds ") + identifier;
        definition->fileName = identifier;
        list.push_back(std::move(definition));
    }
    return list;
}

std::vector<std::string> Identifiers(const ChannelDefList& list) {
    std::vector<std::string> ids;
    for (const auto& definition : list)
        ids.push_back(definition->identifier);
    return ids;
}

QuenarSelectList Records(std::initializer_list<const char*> names) {
    QuenarSelectList records;
    for (const char* name : names) {
        records.push_back(std::make_unique<CQuenarSelectItem>());
        records.back()->name = name;
    }
    return records;
}

std::vector<int> Selected(const QuenarSelectList& records) {
    std::vector<int> selected;
    for (const auto& record : records)
        selected.push_back(record->selected);
    return selected;
}

TEST(ChannelDefList, DuplicateMoveInsertAndDelete) {
    ChannelDefList list = Definitions({"A", "B"});
    EXPECT_EQ(DuplicateChannelDef(list, 0), 1u);
    EXPECT_EQ(DuplicateChannelDef(list, 1), 2u);
    EXPECT_EQ(Identifiers(list),
              (std::vector<std::string>{"A", "Copy of A", "Copy of Copy of A", "B"}));
    // The copy is of the derived class, with every field.
    auto* copy = dynamic_cast<CQuenarChannelDef1File*>(list[2].get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->fileName, "A");
    EXPECT_EQ(copy->defaultDataset, "ds A");

    EXPECT_EQ(MoveChannelDefUp(list, 0), 0u);
    EXPECT_EQ(MoveChannelDefDown(list, 3), 3u);
    EXPECT_EQ(MoveChannelDefDown(list, 0), 1u);
    EXPECT_EQ(MoveChannelDefUp(list, 3), 2u);
    EXPECT_EQ(Identifiers(list),
              (std::vector<std::string>{"Copy of A", "A", "B", "Copy of Copy of A"}));

    ChannelDefList short_ = Definitions({"T", "U"});
    EXPECT_EQ(InsertChannelDefCopies(short_, 0, 0), 1);
    EXPECT_EQ(InsertChannelDefCopies(short_, 2, 1), 1);
    EXPECT_EQ(InsertChannelDefCopies(short_, 0, 2), 0);
    EXPECT_EQ(Identifiers(short_), (std::vector<std::string>{"T", "T", "T", "U"}));

    FakeSink sink;
    QuenarMessenger messenger(&sink);
    sink.answers = {MessageAnswer::No};
    EXPECT_FALSE(DeleteChannelDef(short_, 3, messenger));
    EXPECT_TRUE(DeleteChannelDef(short_, 3, messenger));
    ASSERT_EQ(sink.shown.size(), 2u);
    EXPECT_EQ(sink.shown[0].text, "Do you really wish to delete the channel definition «U»?");
    EXPECT_EQ(short_.size(), 3u);

    CQuenarChannelDef empty;
    EXPECT_EQ(DefaultDatasetText(empty), "-----");
}

TEST(ChannelDef, AdjustedRangeKeepsItsOrder) {
    CQuenarChannelDef definition;
    double minimum = -1.0, maximum = 3.0;
    AdjustRange(definition, minimum, maximum);
    EXPECT_EQ(minimum, -1.0);
    definition.adjustment = 1;
    definition.factor = -2.0;
    definition.offset = 1.0;
    AdjustRange(definition, minimum, maximum);
    EXPECT_EQ(minimum, -5.0);
    EXPECT_EQ(maximum, 3.0);
}

TEST(Allocation, RowsBindTheFirstRecordOfTheirDataset) {
    ChannelDefList definitions = Definitions({"A", "B", "C"});
    std::vector<QuenarAllocationEntry> entries;
    AppendAllocationEntries(definitions, entries);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].source, "ds B");
    entries[0].source = "x";
    entries[1].source = "missing";
    entries[2].source = "y";
    QuenarSelectList records = Records({"y", "x", "x"});
    FakeSink sink;
    QuenarMessenger messenger(&sink);
    EXPECT_EQ(ConfirmAllocation(entries, records, messenger), AllocationOutcome::Accepted);
    EXPECT_EQ(Selected(records), (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(records.front()->channelDef, definitions[2].get());
    EXPECT_TRUE(sink.shown.empty());

    AllocateDefaults(entries);
    EXPECT_EQ(entries[0].source, "ds A");
}

TEST(Allocation, RefusalsLeaveNothingSelected) {
    FakeSink sink;
    QuenarMessenger messenger(&sink);
    QuenarSelectList records = Records({"x", "y"});
    EXPECT_EQ(ConfirmAllocation({}, records, messenger), AllocationOutcome::NoRow);

    ChannelDefList definitions = Definitions({"A", "B"});
    std::vector<QuenarAllocationEntry> entries;
    AppendAllocationEntries(definitions, entries);  // defaults match no record
    EXPECT_EQ(ConfirmAllocation(entries, records, messenger), AllocationOutcome::NoDataset);

    entries[0].source = "y";
    entries[1].source = "y";
    EXPECT_EQ(ConfirmAllocation(entries, records, messenger), AllocationOutcome::DatasetTwice);
    EXPECT_EQ(Selected(records), (std::vector<int>{0, 0}));
    EXPECT_EQ(records.back()->channelDef, nullptr);
    EXPECT_EQ(sink.Ids(),
              (std::vector<int>{QUENAR_MSG_SELECT_VALID_DATASET, QUENAR_MSG_SELECT_VALID_DATASET,
                                QUENAR_MSG_DATASET_ON_SEVERAL_CHANNELS}));
}

TEST(Allocation, DatasetChoice) {
    FakeSink sink;
    QuenarMessenger messenger(&sink);
    QuenarSelectList records = Records({"Speed", "torque", "SPEED"});
    EXPECT_FALSE(ConfirmDatasetChoice(records, {false, false, false}, messenger));
    EXPECT_EQ(sink.Ids(), std::vector<int>{QUENAR_MSG_SELECT_VALID_DATASET});

    EXPECT_TRUE(ConfirmDatasetChoice(records, {true, true, false}, messenger));
    EXPECT_EQ(Selected(records), (std::vector<int>{1, 1, 0}));

    sink.shown.clear();
    sink.answers = {MessageAnswer::No};
    EXPECT_FALSE(ConfirmDatasetChoice(records, {true, false, true}, messenger));
    EXPECT_EQ(Selected(records), (std::vector<int>{0, 0, 0}));
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text,
              "A multiple existance of the dataset «Speed» was detected.\nDo you want to "
              "continue the export?");
    EXPECT_TRUE(ConfirmDatasetChoice(records, {true, false, true}, messenger));
    EXPECT_EQ(Selected(records), (std::vector<int>{1, 0, 1}));
}

}  // namespace
}  // namespace grafyon::exportfilter::test
