// The allocation rules (4011, 4017) and the dataset choice (4011, 4018) in their dialogs.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include "dialog_driver.h"
#include "exportfilter/ui/allocation_dialogs.h"
#include "ui_fixture.h"

namespace grafyon::exportfilter::test {
namespace {

using Ids = std::vector<int>;

QuenarSelectList Records(std::initializer_list<const char*> names) {
    QuenarSelectList records;
    for (const char* name : names) {
        records.push_back(std::make_unique<CQuenarSelectItem>());
        records.back()->name = name;
    }
    return records;
}

CQuenarSelectItem& Record(QuenarSelectList& records, std::size_t index) {
    return **std::next(records.begin(), static_cast<std::ptrdiff_t>(index));
}

std::vector<int> SelectedFlags(const QuenarSelectList& records) {
    std::vector<int> flags;
    for (const auto& record : records)
        flags.push_back(record->selected);
    return flags;
}

void AddDefinition(CQuenarStreamTest& filter, const char* identifier, const char* dataset) {
    filter.channelDefs.push_back(std::make_unique<CQuenarChannelDef>());
    filter.channelDefs.back()->identifier = identifier;
    filter.channelDefs.back()->defaultDataset = dataset;
}

TEST(AllocationDialog, BindsEachRowsDatasetOnceAndOnlyOnce) {
    UiFixture f;
    CQuenarStreamTest filter;
    filter.designation = "<i>Bench</i>";
    AddDefinition(filter, "Channel 1", "Speed");
    AddDefinition(filter, "Channel 2", "Torque");
    AddDefinition(filter, "Channel 3", "Missing");
    QuenarSelectList records = Records({"Speed", "Torque", "Temp"});

    // No row at all: 4011.
    std::vector<QuenarAllocationEntry> none;
    CAllocationDialog empty(filter, none, records, f.state.messenger);
    empty.show();
    empty.accept();
    EXPECT_TRUE(empty.isVisible());
    EXPECT_EQ(f.sink.Ids(), (Ids{4011}));

    std::vector<QuenarAllocationEntry> entries;
    filter.BuildAllocationList(entries);
    CAllocationDialog dialog(filter, entries, records, f.state.messenger);
    dialog.show();
    ASSERT_EQ(dialog.List()->topLevelItemCount(), 3);
    EXPECT_EQ(dialog.List()->topLevelItem(1)->text(1), "Torque");

    // Row 2 edited to "Speed" as well: 4017, and nothing stays selected.
    dialog.List()->setCurrentItem(dialog.List()->topLevelItem(1));
    WhenModal<CDatasetAllocationDialog>([](CDatasetAllocationDialog& row) {
        ASSERT_EQ(row.Source()->count(), 3);
        EXPECT_EQ(row.Source()->currentText(), "Torque");
        row.Source()->setCurrentIndex(0);
        row.accept();
    });
    dialog.EditButton()->click();
    EXPECT_EQ(entries[1].source, "Speed");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(f.sink.Ids(), (Ids{4011, 4017}));
    EXPECT_EQ(SelectedFlags(records), (std::vector<int>{0, 0, 0}));

    // No row finds a record: 4011.
    for (QuenarAllocationEntry& entry : entries)
        entry.source = "Pressure";
    dialog.accept();
    EXPECT_EQ(f.sink.Ids(), (Ids{4011, 4017, 4011}));

    // "&Automatic" goes back to the default datasets; a row without a record stays unbound.
    dialog.AutomaticButton()->click();
    EXPECT_EQ(dialog.List()->topLevelItem(1)->text(1), "Torque");
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(SelectedFlags(records), (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(Record(records, 0).channelDef, filter.channelDefs[0].get());
    EXPECT_EQ(Record(records, 1).channelDef, filter.channelDefs[1].get());
}

TEST(SelectDatasetsDialog, AsksBeforeExportingANameTwice) {
    UiFixture f;
    CQuenarStreamTest filter;
    QuenarSelectList records = Records({"Speed", "Torque", "speed"});
    CSelectDatasetsDialog dialog(filter, records, f.state.messenger);
    dialog.show();

    dialog.accept();  // nothing chosen: 4011
    EXPECT_TRUE(dialog.isVisible());

    // "Speed" and "speed" are one name: 4018, No keeps the dialog with nothing selected.
    dialog.List()->item(0)->setSelected(true);
    dialog.List()->item(2)->setSelected(true);
    f.sink.answers = {MessageAnswer::No};
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(SelectedFlags(records), (std::vector<int>{0, 0, 0}));
    ASSERT_EQ(f.sink.shown.size(), 2u);
    EXPECT_EQ(f.sink.shown[1].id, 4018);
    EXPECT_NE(f.sink.shown[1].text.find("«Speed»"), std::string::npos);

    // "&Select all" and Yes: every record goes.
    dialog.SelectAllButton()->click();
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(SelectedFlags(records), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(f.sink.Ids(), (Ids{4011, 4018, 4018}));
}

}  // namespace
}  // namespace grafyon::exportfilter::test
