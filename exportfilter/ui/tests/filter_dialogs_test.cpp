// The filter management and selection dialogs over temporary filter folders.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <filesystem>

#include "dialog_driver.h"
#include "exportfilter/engine/filter_file.h"
#include "exportfilter/ui/filter_management_dialog.h"
#include "exportfilter/ui/filter_name_dialogs.h"
#include "exportfilter/ui/qt_dialogs.h"
#include "exportfilter/ui/selection_dialogs.h"
#include "ui_fixture.h"

namespace grafyon::exportfilter::test {
namespace {

using Ids = std::vector<int>;

bool Exists(const std::string& path) {
    return std::filesystem::exists(path);
}

QString Cell(const CFilterList& list, int row, int column) {
    const QTreeWidgetItem* item = list.topLevelItem(row);
    return item != nullptr ? item->text(column) : QString();
}

// Creates a filter through "Create new filter definition" with the given name and mode.
void ScheduleCreate(const QString& name, int mode) {
    WhenModal<CCreateFilterDialog>([name, mode](CCreateFilterDialog& create) {
        create.Name()->setText(name);
        create.DefinitionMode()->button(mode)->setChecked(true);
        create.accept();
    });
}

TEST(FilterManagementDialog, CreatesEditsCopiesAndDeletesLocalFilters) {
    UiFixture f;
    CFilterManagementDialog dialog(f.state, f.pages, false);
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.sink.shown.empty()) << "a usable local folder gives no message";
    EXPECT_TRUE(dialog.CancelButton()->isHidden());
    EXPECT_EQ(dialog.FirstButton()->text(), "Close");
    EXPECT_EQ(dialog.Folders().localAccess->text(), "Read/Write");
    EXPECT_EQ(dialog.Folders().globalAccess->text(), "no access");

    // An empty name is refused (4006) and the dialog opens again.
    WhenModal<CCreateFilterDialog>([](CCreateFilterDialog& create) {
        EXPECT_EQ(create.Type()->count(), 1) << "only types with a stream class";
        EXPECT_EQ(create.Type()->currentText(), "ASCII-Text (Streaming-Data)");
        create.Name()->clear();
        ScheduleCreate("Alpha", DEFINITION_AUTOMATIC_SILENT);
        create.accept();
    });
    dialog.InsertButton()->click();
    const std::string alpha = f.local / "Alpha.yef";
    ASSERT_TRUE(Exists(alpha));
    ASSERT_EQ(dialog.List()->topLevelItemCount(), 1);
    EXPECT_EQ(Cell(*dialog.List(), 0, 0), "Alpha");
    EXPECT_EQ(Cell(*dialog.List(), 0, 1), "local");
    EXPECT_EQ(Cell(*dialog.List(), 0, 2), "ASCII-Text (Streaming-Data)");
    EXPECT_EQ(Cell(*dialog.List(), 0, 3), "Alpha");
    EXPECT_EQ(dialog.List()->SelectedRow(), 0u);
    const auto created = ReadFilterFile(alpha, f.state.registry);
    ASSERT_TRUE(created);
    EXPECT_EQ(created->allocationMode, 0) << "the silent default definitions";
    EXPECT_EQ(created->GetChannelDefList()->size(), 1u);

    // A name taken without regard to case (4010) reopens the dialog; Cancel creates nothing.
    WhenModal<CCreateFilterDialog>([](CCreateFilterDialog& create) {
        create.Name()->setText("ALPHA");
        WhenModal<CCreateFilterDialog>([](CCreateFilterDialog& again) { again.reject(); });
        create.accept();
    });
    dialog.InsertButton()->click();
    EXPECT_EQ(f.sink.Ids(), (Ids{4006, 4010}));
    EXPECT_EQ(dialog.List()->topLevelItemCount(), 1);

    // A user-defined filter opens its sheet at once; text fields are stored with CR LF.
    WhenModal<CCreateFilterDialog>([](CCreateFilterDialog& create) {
        create.Name()->setText("Gamma");
        create.DefinitionMode()->button(DEFINITION_USER_DEFINED)->setChecked(true);
        WhenModal<CEditSheet>([](CEditSheet& sheet) {
            auto* general = sheet.FindPage<CFilterGeneralPage>();
            general->Designation()->setText("Prüfstand 4");
            general->Description()->setPlainText("one\ntwo");
            sheet.accept();
        });
        create.accept();
    });
    dialog.InsertButton()->click();
    const auto gamma = ReadFilterFile(f.local / "Gamma.yef", f.state.registry);
    ASSERT_TRUE(gamma);
    EXPECT_EQ(gamma->designation, "Prüfstand 4");
    EXPECT_EQ(gamma->description, "one\r\ntwo");
    EXPECT_EQ(Cell(*dialog.List(), 1, 3), "Prüfstand 4");

    // ... and a cancelled sheet takes the new file away again.
    WhenModal<CCreateFilterDialog>([](CCreateFilterDialog& create) {
        create.Name()->setText("Delta");
        create.DefinitionMode()->button(DEFINITION_USER_DEFINED)->setChecked(true);
        WhenModal<CEditSheet>([](CEditSheet& sheet) { sheet.reject(); });
        create.accept();
    });
    dialog.InsertButton()->click();
    EXPECT_FALSE(Exists(f.local / "Delta.yef"));
    EXPECT_EQ(dialog.List()->topLevelItemCount(), 2);

    // Edit updates the row's designation.
    dialog.List()->setCurrentItem(dialog.List()->topLevelItem(0));
    WhenModal<CEditSheet>([](CEditSheet& sheet) {
        sheet.FindPage<CFilterGeneralPage>()->Designation()->setText("Renamed");
        sheet.accept();
    });
    dialog.EditButton()->click();
    EXPECT_EQ(Cell(*dialog.List(), 0, 3), "Renamed");

    // Copy offers the source's name and writes the file unchanged under the new one.
    WhenModal<CCopyFilterDialog>([](CCopyFilterDialog& copy) {
        EXPECT_EQ(copy.Name()->text(), "Alpha");
        copy.Name()->setText("Beta");
        copy.accept();
    });
    dialog.CopyButton()->click();
    ASSERT_TRUE(Exists(f.local / "Beta.yef"));
    EXPECT_EQ(grafyon::test::ReadTextFile(f.local / "Beta.yef"),
              grafyon::test::ReadTextFile(alpha));
    EXPECT_EQ(Cell(*dialog.List(), *dialog.List()->SelectedRow(), 0), "Beta");

    // Delete asks 4005: No keeps the file, Yes removes it and selects the row in its place.
    f.sink.shown.clear();
    f.sink.answers = {MessageAnswer::No};
    dialog.DeleteButton()->click();
    EXPECT_TRUE(Exists(f.local / "Beta.yef"));
    dialog.DeleteButton()->click();
    EXPECT_FALSE(Exists(f.local / "Beta.yef"));
    EXPECT_EQ(f.sink.Ids(), (Ids{4005, 4005}));
    ASSERT_EQ(dialog.List()->topLevelItemCount(), 2);
    EXPECT_EQ(Cell(*dialog.List(), *dialog.List()->SelectedRow(), 0), "Gamma");
}

TEST(FilterManagementDialog, SelectModeListsBothFoldersAndAnswersTheWholeStem) {
    UiFixture f;
    grafyon::test::TempDir global;
    f.state.folders.global = global.Path().string() + "/";
    ASSERT_EQ(WriteFilterFile(f.local / "a.b.yef", *SampleFilter()), 0);
    ASSERT_EQ(WriteFilterFile(global / "g.yef", *SampleFilter()), 0);
    const std::unique_ptr<QuenarDialogs> dialogs =
        MakeQtDialogs(nullptr, f.state.messenger, f.pages);

    WhenModal<CFilterManagementDialog>([&](CFilterManagementDialog& d) {
        EXPECT_FALSE(d.CancelButton()->isHidden());
        EXPECT_EQ(d.FirstButton()->text(), "OK");
        ASSERT_EQ(d.List()->topLevelItemCount(), 2);
        EXPECT_EQ(Cell(*d.List(), 0, 0), "a");
        EXPECT_EQ(Cell(*d.List(), 1, 1), "global");
        EXPECT_EQ(d.Folders().globalAccess->text(), "Read");
        d.FirstButton()->click();  // nothing selected: 4007, the dialog stays
        EXPECT_TRUE(d.isVisible());
        d.List()->setCurrentItem(d.List()->topLevelItem(1));
        d.CopyButton()->click();  // a global filter: 4013
        d.List()->setCurrentItem(d.List()->topLevelItem(0));
        d.FirstButton()->click();
    });
    EXPECT_EQ(dialogs->ManageFilters(f.state, true), std::optional<std::string>("a.b"));
    EXPECT_EQ(f.sink.Ids(), (Ids{4007, 4013}));

    // A local folder that is not set or not absolute gives 4036 on opening; the dialog stays.
    for (const std::string folder : {"", "relative/"}) {
        f.sink.shown.clear();
        f.state.folders.local = folder;
        CFilterManagementDialog dialog(f.state, f.pages, false);
        dialog.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(f.sink.Ids(), (Ids{4036})) << folder;
        EXPECT_TRUE(dialog.isVisible());
    }
}

TEST(SelectionDialogs, NeedASourceAndAFilter) {
    UiFixture f;
    ASSERT_EQ(WriteFilterFile(f.local / "alpha.yef", *SampleFilter()), 0);
    const std::unique_ptr<QuenarDialogs> dialogs =
        MakeQtDialogs(nullptr, f.state.messenger, f.pages);

    WhenModal<CSelectionDialog>([](CSelectionDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Select data file and export filter");
        ASSERT_EQ(d.Sources()->count(), 2);
        d.Sources()->setCurrentIndex(-1);
        d.accept();  // 4009
        d.Sources()->setCurrentIndex(1);
        d.accept();  // 4007
        d.List()->setCurrentItem(d.List()->topLevelItem(0));
        d.accept();
    });
    const auto chosen = dialogs->SelectSourceAndFilter(f.state, {"/data/a.mdf", "/data/b.mdf"});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->source, 1u);
    EXPECT_EQ(chosen->filter.path, f.local / "alpha.yef");
    EXPECT_EQ(f.sink.Ids(), (Ids{4009, 4007}));

    // "Select data file" shows the filter as text (never as markup) and lists no filters.
    WhenModal<CSelectionDialog>([](CSelectionDialog& d) {
        EXPECT_EQ(d.List(), nullptr);
        bool shown = false;
        for (const QLabel* label : d.findChildren<QLabel*>())
            shown =
                shown || (label->text() == "<b>alpha</b>" && label->textFormat() == Qt::PlainText);
        EXPECT_TRUE(shown);
        d.reject();
    });
    EXPECT_FALSE(dialogs->SelectSource(f.state, {"/data/a.mdf"}, "<b>alpha</b>"));
}

TEST(FilterDialogs, FollowTheProcessLanguage) {
    UiFixture f;
    grafyon::test::ScopedEnv german("LC_ALL", "de_DE.UTF-8");
    CFilterManagementDialog dialog(f.state, f.pages, false);
    EXPECT_EQ(dialog.windowTitle(), "Erstellen und Bearbeiten von Exportfilter-Definitionen");
    const QTreeWidgetItem* header = dialog.List()->headerItem();
    EXPECT_EQ(header->text(2), "Typ");
    EXPECT_EQ(header->text(3), "Beschreibung");
    EXPECT_EQ(dialog.FirstButton()->text(), "Schließen");
    CCreateFilterDialog create(f.state.registry);
    EXPECT_EQ(create.windowTitle(), "Neue Filterdefinition erstellen");
}

}  // namespace
}  // namespace grafyon::exportfilter::test
