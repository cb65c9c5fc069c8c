// The edit pages: the method page's refusals, the single-file check, the channel list
// page acting on copies, text fields with CR LF, and the "Save as" file types.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "dialog_driver.h"
#include "exportfilter/ui/channel_def_pages.h"
#include "exportfilter/ui/message_box_sink.h"
#include "exportfilter/ui/save_as_dialog.h"
#include "ui_fixture.h"

namespace grafyon::exportfilter::test {
namespace {

using Ids = std::vector<int>;

TEST(MethodPage, RefusesAResolutionOrFrequencyThatIsNotAboveZero) {
    UiFixture f;
    CQuenarStreamTest filter;
    CMethodPage page(filter, f.state.messenger);
    page.Method()->button(1)->setChecked(true);
    page.ResolutionBy()->button(0)->setChecked(true);
    EXPECT_FALSE(page.Frequency()->isEnabled());

    const std::pair<const char*, int> refused[] = {{"0", 7203},   {"-0", 7203},  {"-2.5", 7203},
                                                   {"inf", 7202}, {"nan", 7202}, {"1e999", 7202},
                                                   {"abc", 7202}, {"", 7202}};
    for (const auto& [text, message] : refused) {
        f.sink.shown.clear();
        page.Resolution()->setText(text);
        EXPECT_FALSE(page.Validate()) << text;
        EXPECT_EQ(f.sink.Ids(), Ids{message}) << text;
    }
    // The smallest positive number is accepted, a decimal comma too.
    page.Resolution()->setText("4.9e-324");
    EXPECT_TRUE(page.Validate());
    page.Resolution()->setText("0,25");
    EXPECT_TRUE(page.Validate());

    // By frequency only the frequency counts; another method checks neither.
    page.ResolutionBy()->button(1)->setChecked(true);
    page.Resolution()->setText("0");
    page.Frequency()->setText("0");
    EXPECT_FALSE(page.Validate());
    page.Frequency()->setText("512");
    EXPECT_TRUE(page.Validate());
    page.Apply();
    EXPECT_EQ(filter.method, 1);
    EXPECT_EQ(filter.resolutionBy, 1);
    EXPECT_EQ(filter.frequency, 512.0);
    EXPECT_EQ(filter.resolution, 1.0) << "an unusable value not in use keeps the stored one";

    page.Method()->button(0)->setChecked(true);
    page.Frequency()->setText("-1");
    EXPECT_TRUE(page.Validate());
}

TEST(MethodPage, KeepsTheSheetOpenOnARefusedValue) {
    UiFixture f;
    CQuenarStreamTest filter;
    const PageContext context{f.state.messenger, f.pages};
    WhenModal<CEditSheet>([&f](CEditSheet& sheet) {
        auto* method = sheet.FindPage<CMethodPage>();
        method->Method()->button(1)->setChecked(true);
        method->Resolution()->setText("0");
        sheet.accept();
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(sheet.Page(sheet.CurrentPage()), method);
        EXPECT_EQ(f.sink.Ids(), Ids{7203});
        method->Resolution()->setText("0.5");
        sheet.accept();
    });
    EXPECT_TRUE(EditFilterInSheet(filter, context, nullptr));
    EXPECT_EQ(filter.method, 1);
    EXPECT_EQ(filter.resolution, 0.5);
}

TEST(SingleFilePage, RefusesKeepingNameAndFolderOfTheSource) {
    UiFixture f;
    CQuenarFileSingle file;
    file.dataNameMode = 0;
    file.pathMode = 0;
    file.descriptionUsed = 0;
    file.offeredExtensions = "TXT\nASC";
    file.dataExtension = "ASC";
    CSingleFilePage page(file, f.state.messenger);
    EXPECT_TRUE(page.DescriptionGroup()->isHidden());
    EXPECT_EQ(page.Controls().fileDialog->count(), 2) << "no description file to ask for";
    EXPECT_EQ(page.DataExtension()->currentText(), "ASC");
    EXPECT_FALSE(page.Validate());
    EXPECT_EQ(f.sink.Ids(), Ids{4012});

    // Either choice alone is fine.
    page.Controls().pathMode->button(1)->setChecked(true);
    page.Controls().userPath->setText("/data/out/");
    EXPECT_TRUE(page.Validate());
    page.Controls().pathMode->button(0)->setChecked(true);
    page.DataNameMode()->button(2)->setChecked(true);
    page.DataExtension()->setCurrentText("TXT");
    EXPECT_TRUE(page.Validate());
    page.Apply();
    EXPECT_EQ(file.dataNameMode, 2);
    EXPECT_EQ(file.dataExtension, "TXT");
    EXPECT_EQ(file.pathMode, 0);
    EXPECT_EQ(file.userPath, "/data/out/");
    EXPECT_EQ(f.sink.Ids(), Ids{4012});
}

TEST(ChannelDefListPage, EditsCopiesThatReachTheFilterOnlyOnApply) {
    UiFixture f;
    CQuenarStreamTest filter;
    for (const char* name : {"A", "B"}) {
        filter.channelDefs.push_back(std::make_unique<CQuenarChannelDef>());
        filter.channelDefs.back()->identifier = name;
    }
    filter.channelDefs[0]->defaultDataset = "Speed";
    const PageContext context{f.state.messenger, f.pages};
    CChannelDefListPage page(filter, {}, context);
    EXPECT_EQ(page.List()->topLevelItem(0)->text(1), "Speed");
    EXPECT_EQ(page.List()->topLevelItem(1)->text(1), "-----");

    const auto identifiers = [&page] {
        std::vector<std::string> names;
        for (const auto& definition : page.Definitions())
            names.push_back(definition->identifier);
        return names;
    };
    page.SelectRow(0);
    EXPECT_FALSE(page.UpButton()->isEnabled());
    page.MoveUp();
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"A", "B"}));
    page.MoveDown();
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(page.CurrentRow(), 1);
    page.Duplicate();
    page.Duplicate();
    EXPECT_EQ(identifiers(),
              (std::vector<std::string>{"B", "A", "Copy of A", "Copy of Copy of A"}));
    EXPECT_EQ(page.CurrentRow(), 3);

    // Delete asks 4004: No keeps the row, Yes removes it and the last row is selected.
    f.sink.answers = {MessageAnswer::No};
    page.Delete();
    page.Delete();
    EXPECT_EQ(f.sink.Ids(), (Ids{4004, 4004}));
    EXPECT_EQ(identifiers().size(), 3u);
    EXPECT_EQ(page.CurrentRow(), 2);

    // Insert opens the new definition's sheet; a confirmed one is appended and selected.
    WhenModal<CEditSheet>([](CEditSheet& sheet) {
        auto* general = sheet.FindPage<CChannelGeneralPage>();
        general->Identifier()->setText("New");
        general->Adjustment()->setChecked(true);
        general->Factor()->setText("2.5");
        sheet.accept();
    });
    page.Insert();
    ASSERT_EQ(page.Definitions().size(), 4u);
    EXPECT_EQ(page.Definitions()[3]->identifier, "New");
    EXPECT_EQ(page.Definitions()[3]->factor, 2.5);
    EXPECT_EQ(page.CurrentRow(), 3);
    WhenModal<CEditSheet>([](CEditSheet& sheet) { sheet.reject(); });
    page.Insert();
    EXPECT_EQ(page.Definitions().size(), 4u);

    // Edit changes the copy only when its sheet is confirmed.
    page.SelectRow(0);
    WhenModal<CEditSheet>([](CEditSheet& sheet) {
        sheet.FindPage<CChannelGeneralPage>()->Identifier()->setText("Changed");
        sheet.reject();
    });
    page.Edit();
    EXPECT_EQ(page.Definitions()[0]->identifier, "B");

    ASSERT_EQ(filter.channelDefs.size(), 2u);
    EXPECT_EQ(filter.channelDefs[0]->identifier, "A");
    page.Apply();
    EXPECT_EQ(filter.channelDefs.size(), 4u);
    EXPECT_EQ(filter.channelDefs[3]->identifier, "New");
}

TEST(FilterSheet, AsksForADefinitionWhenTheListIsEmpty) {
    UiFixture f;
    CQuenarStreamTest filter;
    filter.channelDefs.push_back(std::make_unique<CQuenarChannelDef>());
    const FilterPageRegistry pages =
        TestPages(RequireChannelDefinitions(QUENAR_MSG_NO_OUTPUT_CHANNEL));
    const PageContext context{f.state.messenger, pages};
    // OK to 4025 goes back to the list; Cancel discards every change of the sheet.
    f.sink.answers = {MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::Cancel};
    WhenModal<CEditSheet>([&f](CEditSheet& sheet) {
        sheet.FindPage<CFilterGeneralPage>()->Designation()->setText("changed");
        auto* list = sheet.FindPage<CChannelDefListPage>();
        list->SelectRow(0);
        list->Delete();
        sheet.ShowPage(0);
        sheet.accept();
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(sheet.Page(sheet.CurrentPage()), list);
        sheet.accept();
    });
    EXPECT_FALSE(EditFilterInSheet(filter, context, nullptr));
    EXPECT_EQ(f.sink.Ids(), (Ids{4004, 4025, 4025}));
    EXPECT_EQ(filter.channelDefs.size(), 1u);
    EXPECT_EQ(filter.designation, "");
}

TEST(ChannelDefPages, ReadNumbersAndTheirOwnFileName) {
    UiFixture f;
    CQuenarChannelDef1File definition;
    definition.factor = 0.1;
    CChannelGeneralPage general(definition, f.state.messenger);
    EXPECT_EQ(general.Factor()->text(), "0.1");
    EXPECT_FALSE(general.Factor()->isEnabled());
    general.Offset()->setText("x");
    EXPECT_FALSE(general.Validate());
    EXPECT_EQ(f.sink.Ids(), Ids{7202});

    QuenarCalibrationRange range;
    range.mode = 0;
    CCalibrationPage calibration(range, true, f.state.messenger);
    calibration.Maximum()->setText("5");
    EXPECT_TRUE(calibration.Validate());
    calibration.Apply();
    EXPECT_EQ(range.minimum, -5.0) << "a symmetric range";

    // The engine's definition with a file of its own gets the "File name" page.
    const PageContext context{f.state.messenger, f.pages};
    WhenModal<CEditSheet>([](CEditSheet& sheet) {
        ASSERT_EQ(sheet.PageCount(), 2);
        EXPECT_EQ(sheet.windowTitle(), "Output channel definition");
        auto* page = sheet.FindPage<CChannelFileNamePage>();
        ASSERT_NE(page, nullptr);
        page->FileName()->setText("out/speed.dac");
        sheet.accept();
    });
    EXPECT_TRUE(EditChannelDefInSheet(definition, context, nullptr));
    EXPECT_EQ(definition.fileName, "out/speed.dac");
}

TEST(CommentaryPage, StoresLineEndsAsTheFilesHoldThem) {
    CQuenarStreamTest filter;
    filter.commentaryMode = 2;
    filter.commentaryText = "first\r\nsecond";
    CCommentaryPage page(filter);
    EXPECT_EQ(page.Text()->toPlainText(), "first\nsecond");
    page.Text()->setPlainText("a\nb\r\nc\rd");
    page.Apply();
    EXPECT_EQ(filter.commentaryText, "a\r\nb\r\nc\r\nd");
}

TEST(SaveAsDialog, TakesTheFileTypesOfThePipeForm) {
    EXPECT_EQ(
        NameFiltersFromPipeForm("*.TXT File (*.TXT)|*.TXT|Text (*.txt)|*.txt|ASCII (*.asc)|*.asc|"
                                "All files (*.*)|*.*||"),
        (QStringList{"*.TXT File (*.TXT)", "Text (*.txt)", "ASCII (*.asc)", "All files (*)"}));
    EXPECT_EQ(NameFiltersFromPipeForm("Data|*.dat;*.dta||"), QStringList{"Data (*.dat *.dta)"});
    EXPECT_TRUE(NameFiltersFromPipeForm("").isEmpty());

    // The dialog offers the proposed name with the entry of its extension chosen.
    grafyon::test::TempDir dir;
    const std::string proposed = dir / "run1.ASC";
    CQtSaveAsDialog saveAs(nullptr);
    WhenModal<QFileDialog>([](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Data file - Save as");
        EXPECT_EQ(dialog.selectedNameFilter(), "ASCII (*.asc)");
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(saveAs.SaveAs("Data file - Save as", proposed,
                            "Text (*.txt)|*.txt|ASCII (*.asc)|*.asc|All files (*.*)|*.*||"),
              std::optional<std::string>(proposed));
    WhenModal<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(saveAs.SaveAs("t", proposed, "Text (*.txt)|*.txt||"), std::nullopt);
}

TEST(MessageBoxSink, ShowsPlainTextAndMapsTheAnswers) {
    CMessageBoxSink sink(nullptr);
    WhenModal<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_EQ(box.text(), "<b>100%</b> a.yef");
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(sink.ShowMessage(4005, "<b>100%</b> a.yef", MessageButtons::YesNo),
              MessageAnswer::No);
    WhenModal<QMessageBox>([](QMessageBox& box) { box.reject(); });
    EXPECT_EQ(sink.ShowMessage(4028, "?", MessageButtons::OkCancel), MessageAnswer::Cancel);
    WhenModal<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(sink.ShowMessage(4016, "?", MessageButtons::YesNo), MessageAnswer::Yes);
}

}  // namespace
}  // namespace grafyon::exportfilter::test
