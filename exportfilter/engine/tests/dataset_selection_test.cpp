// The dataset selection in every allocation mode, with and without "export only selected
// datasets", and the ownership of the records it removes.
#include <gtest/gtest.h>

#include "exportfilter/engine/dataset_selection.h"
#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/library_state.h"
#include "fakes.h"
#include "test_stream.h"

namespace grafyon::exportfilter::test {
namespace {

// Counts its deletions, so that a record deleted twice or never shows (ASan catches the
// double delete itself).
struct CountedItem : CQuenarSelectItem {
    explicit CountedItem(int& deleted) : m_deleted(deleted) {}
    ~CountedItem() override { ++m_deleted; }
    int& m_deleted;
};

struct Selection {
    Selection() {
        state.messenger.SetSink(&sink);
        auto fake = std::make_unique<FakeDialogs>();
        dialogs = fake.get();
        state.InstallDialogs(std::move(fake));
    }
    void Records(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            auto record = std::make_unique<CountedItem>(deleted);
            record->name = name;
            records.push_back(std::move(record));
        }
    }
    void Definitions(const std::vector<std::pair<std::string, std::string>>& idAndDefault) {
        for (const auto& [id, dataset] : idAndDefault) {
            auto definition = std::make_unique<CQuenarChannelDef>();
            definition->identifier = id;
            definition->defaultDataset = dataset;
            filter.channelDefs.push_back(std::move(definition));
        }
    }
    int Select() { return SelectDatasetsFor(state, records, filter); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& record : records)
            names.push_back(record->name + ">" +
                            (record->channelDef ? record->channelDef->identifier : "-"));
        return names;
    }
    std::vector<std::string> Identifiers() const {
        std::vector<std::string> ids;
        for (const auto& definition : filter.channelDefs)
            ids.push_back(definition->identifier);
        return ids;
    }

    int deleted = 0;
    QuenarLibraryState state;
    FakeSink sink;
    FakeDialogs* dialogs = nullptr;
    CQuenarStreamTest filter;
    QuenarSelectList records;
};

TEST(DatasetSelection, DefaultDatasetsWithoutDialog) {
    Selection s;
    s.filter.allocationMode = 0;
    s.Definitions({{"A", "a"}, {"B", "b"}, {"Z", "zz"}});
    s.Records({"a", "c", "b", "a"});
    EXPECT_EQ(s.Select(), 0);
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"a>A", "b>B"}));
    EXPECT_EQ(s.Identifiers(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(s.deleted, 2);
    EXPECT_EQ(s.dialogs->calls.allocate, 0);

    // Nothing matches: every record goes, 4011 and 4. Names match with case.
    Selection none;
    none.filter.allocationMode = 0;
    none.Definitions({{"A", "a"}});
    none.Records({"A", "b", "c"});
    EXPECT_EQ(none.Select(), 4);
    EXPECT_EQ(none.sink.Ids(), (std::vector<int>{QUENAR_MSG_SELECT_VALID_DATASET}));
    EXPECT_TRUE(none.records.empty());
    EXPECT_EQ(none.deleted, 3);
}

TEST(DatasetSelection, AllocationDialogByMode) {
    struct Case {
        int mode;
        std::vector<std::string> names;
        bool dialog;
    };
    // Mode 1 always asks; mode 2 when no default was found; mode 3 when any was missing.
    const Case cases[] = {{1, {"a", "b"}, true},
                          {2, {"x", "y"}, true},
                          {2, {"a", "y"}, false},
                          {3, {"a", "y"}, true},
                          {3, {"a", "b"}, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " " << c.names[0] << c.names[1]);
        Selection s;
        s.filter.allocationMode = c.mode;
        s.Definitions({{"A", "a"}, {"B", "b"}});
        s.Records(c.names);
        s.dialogs->allocation = std::vector<std::string>{c.names[1], "none"};
        EXPECT_EQ(s.Select(), 0);
        EXPECT_EQ(s.dialogs->calls.allocate, c.dialog ? 1 : 0);
        if (c.dialog) {
            EXPECT_EQ(s.Names(), (std::vector<std::string>{c.names[1] + ">A"}));
            EXPECT_EQ(s.Identifiers(), (std::vector<std::string>{"A"}));
        }
    }
    // Cancelled (as the headless dialogs always are): 1, the list untouched.
    Selection s;
    s.filter.allocationMode = 2;
    s.Definitions({{"A", "a"}});
    s.Records({"x", "y"});
    EXPECT_EQ(s.Select(), 1);
    EXPECT_EQ(s.records.size(), 2u);
    EXPECT_EQ(s.deleted, 0);
}

TEST(DatasetSelection, OnlySelectedMultipliesTheFirstDefinition) {
    for (const std::size_t count : {3u, 1u}) {
        Selection s;
        s.filter.onlySelected = 1;
        s.filter.allocationMode = 3;
        s.Definitions({{"Chan", "ignored"}, {"Other", "b"}});
        std::vector<std::string> names = {"r1", "r2", "r3"};
        names.resize(count);
        s.Records(names);
        EXPECT_EQ(s.Select(), 0);
        std::vector<std::string> expected;
        std::vector<std::string> ids;
        for (std::size_t i = 1; i <= count; ++i) {
            expected.push_back("r" + std::to_string(i) + ">Chan #" + std::to_string(i));
            ids.push_back("Chan #" + std::to_string(i));
        }
        EXPECT_EQ(s.Names(), expected);
        EXPECT_EQ(s.Identifiers(), ids);
        EXPECT_EQ(s.dialogs->calls.choose, 0);
        for (const auto& record : s.records)
            EXPECT_EQ(record->selected, 1);
    }
    {
        // Mode 1 lets the user choose the datasets.
        Selection s;
        s.filter.onlySelected = 1;
        s.filter.allocationMode = 1;
        s.Definitions({{"Chan", ""}});
        s.Records({"r1", "r2", "r3"});
        s.dialogs->chosen = std::vector<bool>{true, false, true};
        EXPECT_EQ(s.Select(), 0);
        EXPECT_EQ(s.Names(), (std::vector<std::string>{"r1>Chan #1", "r3>Chan #2"}));
        EXPECT_EQ(s.deleted, 1);
    }
    {
        // No definition to multiply: 4011 and 5.
        Selection s;
        s.filter.onlySelected = 1;
        s.filter.allocationMode = 0;
        s.Records({"r1"});
        EXPECT_EQ(s.Select(), 5);
        EXPECT_EQ(s.sink.Ids(), (std::vector<int>{QUENAR_MSG_SELECT_VALID_DATASET}));
    }
    {
        // A stream that cannot make copies: 4020 and 6.
        struct NoCopies : CQuenarStreamTest {
            int InsertChannelDefinitions(std::size_t, int) override { return 2; }
        };
        Selection s;
        NoCopies filter;
        filter.onlySelected = 1;
        filter.allocationMode = 0;
        filter.channelDefs.push_back(std::make_unique<CQuenarChannelDef>());
        s.Records({"r1", "r2"});
        EXPECT_EQ(SelectDatasetsFor(s.state, s.records, filter), 6);
        EXPECT_EQ(s.sink.Ids(), (std::vector<int>{QUENAR_MSG_INTERNAL_ERROR}));
    }
}

}  // namespace
}  // namespace grafyon::exportfilter::test
