// "Save As" on the offscreen platform: the "Storage" dialog, the checks of the target with
// their messages and questions, the settings it keeps, and the save dialog's filters.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QTranslator>

#include <deque>
#include <fstream>

#include "test_support.h"
#include "viewer/app/language_module.h"
#include "viewer/data/save/measurement_save.h"
#include "viewer/data/save/ui/save_as_command.h"
#include "viewer/data/save/ui/save_strings.h"
#include "viewer/data/save/ui/storage_dialog.h"
#include "viewer/data/tools/recording_generator.h"
#include "viewer/settings/viewer_settings.h"
#include "viewer/view/grafyon_doc.h"

namespace grafyon {
namespace {

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A document on a generated recording with two ranges and a comment, and dialogs that
// answer from scripts and record what they were shown.
struct SaveAsFixture {
    SaveAsFixture() {
        RecordingOptions o;
        o.path = dir / "source.mdf";
        o.frames = 3000;
        o.channelCount = 3;
        o.ranges = 2;
        o.comments = 1;
        std::string error;
        EXPECT_EQ(GenerateRecording(o, &error), GENERATE_OK) << error;
        EXPECT_TRUE(document.OnOpenDocument(QString::fromStdString(o.path)));

        dialogs.storage = [this](StorageOptions& options) {
            shownOptions = options;
            if (!storageAnswer)
                return false;
            options = *storageAnswer;
            return true;
        };
        dialogs.target = [this](const QString& folder, int filterIndex) {
            folders.push_back(folder);
            filterIndices.push_back(filterIndex);
            std::optional<SaveTarget> next;
            if (!targets.empty()) {
                next = targets.front();
                targets.pop_front();
            }
            return next;
        };
        dialogs.error = [this](const QString& text) { errors.push_back(text); };
        dialogs.question = [this](const QString& text) {
            questions.push_back(text);
            return answerYes;
        };
    }

    std::optional<QString> Run() {
        return RunSaveAs(nullptr, document, settings, {"mcf", "mdf"}, dialogs);
    }
    QString Path(const std::string& name) const { return QString::fromStdString(dir / name); }

    test::TempDir dir;
    CGrafyonDoc document;
    ViewerSettings settings;
    SaveAsDialogs dialogs;
    std::optional<StorageOptions> storageAnswer;
    StorageOptions shownOptions;
    std::deque<SaveTarget> targets;
    std::vector<QString> folders;
    std::vector<int> filterIndices;
    std::vector<QString> errors;
    std::vector<QString> questions;
    bool answerYes = false;
};

TEST(SaveAs, CancelledStorageDialogChangesNothing) {
    SaveAsFixture f;
    f.settings.saveComments = false;
    EXPECT_EQ(f.Run(), std::nullopt);
    EXPECT_FALSE(f.shownOptions.withComments);
    EXPECT_TRUE(f.shownOptions.withRanges);
    EXPECT_EQ(f.shownOptions.mode, StoreMode::All);
    EXPECT_TRUE(f.folders.empty());
    EXPECT_EQ(f.settings, [] {
        ViewerSettings s;
        s.saveComments = false;
        return s;
    }());
}

TEST(SaveAs, TheSourceAndAnExistingDataFileSendTheUserBackToTheFileDialog) {
    SaveAsFixture f;
    StorageOptions options;
    options.mode = StoreMode::InsideRanges;
    options.withRanges = false;
    options.withComments = false;
    options.userComment = "cut";
    options.openStored = true;
    f.storageAnswer = options;
    std::ofstream(f.dir / "taken.dta") << "keep";
    f.targets = {{f.Path("source.mdf"), 2},  // the source itself
                 {f.Path("taken.mdf"), 2},   // its data file exists: No
                 {f.Path("cut.mcf"), 1}};
    const std::optional<QString> stored = f.Run();
    ASSERT_EQ(stored, f.Path("cut.mcf"));

    ASSERT_EQ(f.errors.size(), 1u);
    EXPECT_EQ(f.errors[0], "Please store the data in another file as the source file!");
    ASSERT_EQ(f.questions.size(), 1u);
    EXPECT_EQ(f.questions[0], "The data file «" + f.Path("taken.dta") +
                                  "» allready exists !\nDo you want to overwrite the file ?");
    EXPECT_EQ(FileText(f.dir / "taken.dta"), "keep");
    EXPECT_FALSE(std::filesystem::exists(f.dir / "taken.mdf"));
    // The dialog starts in the measurement's folder with the stored filter index.
    EXPECT_EQ(f.folders.front(), QString::fromStdString(f.dir.Path().string()));
    EXPECT_EQ(f.filterIndices, (std::vector<int>{2, 2, 2}));
    // The options and the filter index are kept.
    EXPECT_FALSE(f.settings.saveRangeInfos);
    EXPECT_FALSE(f.settings.saveComments);
    EXPECT_TRUE(f.settings.openStoredFile);
    EXPECT_EQ(f.settings.saveFileFilterIndex, 1);

    // The stored file holds the frames inside the document's two ranges and the comment.
    CGrafyonDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(*stored));
    std::uint64_t inside = 0;
    for (int i = 0; i < f.document.Ranges().Count(); ++i)
        inside += f.document.Ranges().At(i).End() - f.document.Ranges().At(i).Start() + 1;
    EXPECT_EQ(reopened.Description().FrameCount(), inside);
    EXPECT_EQ(reopened.Ranges().Count(), 0);
    std::size_t pos = 0;
    const auto* comment =
        static_cast<const CommentElement*>(reopened.Description().FindFirst(ELEMENT_COMMENT, pos));
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->text, "cut");
}

TEST(SaveAs, AnsweringYesReplacesTheDataFileAndFailuresAreReported) {
    SaveAsFixture f;
    f.storageAnswer = StorageOptions{};
    f.answerYes = true;
    std::ofstream(f.dir / "taken.dta") << "old";
    f.targets = {{f.Path("taken.mdf"), 2}};
    EXPECT_EQ(f.Run(), std::nullopt);  // not to be opened
    EXPECT_EQ(f.questions.size(), 1u);
    EXPECT_TRUE(f.errors.empty());
    EXPECT_NE(FileText(f.dir / "taken.dta"), "old");
    CGrafyonDoc stored;
    ASSERT_TRUE(stored.OnOpenDocument(f.Path("taken.mdf")));
    // Ranges were stored with their names.
    ASSERT_EQ(stored.Ranges().Count(), f.document.Ranges().Count());
    EXPECT_EQ(stored.Ranges().At(0).Name(), f.document.Ranges().At(0).Name());

    f.targets = {{f.Path("missing/x.mcf"), 1}};
    EXPECT_EQ(f.Run(), std::nullopt);
    ASSERT_EQ(f.errors.size(), 1u);
    EXPECT_EQ(f.errors[0], "Following file cannot be opened !\n«" + f.Path("missing/x.mcf") + "»");
    EXPECT_EQ(SaveFailureText(SAVE_WRITE_FAILED, "/m/x.mcf"),
              "Error while wrinting in the file «/m/x.mcf» !");
    EXPECT_EQ(SaveFailureText(SAVE_CANCELLED, "/m/x.mcf"), "");

    // Without data the command does nothing.
    f.document.DeleteContents();
    f.storageAnswer.reset();
    f.shownOptions.userComment = "untouched";
    EXPECT_EQ(f.Run(), std::nullopt);
    EXPECT_EQ(f.shownOptions.userComment, "untouched");
}

TEST(StorageDialog, ShowsAndReturnsTheOptions) {
    StorageOptions initial;
    initial.mode = StoreMode::OutsideRanges;
    initial.withRanges = false;
    initial.openStored = true;
    initial.userComment = "Lauf 3";
    CStorageDialog dialog(nullptr, initial);
    EXPECT_EQ(dialog.windowTitle(), "Storage");
    EXPECT_TRUE(dialog.ModeButton(StoreMode::OutsideRanges)->isChecked());
    EXPECT_EQ(dialog.ModeButton(StoreMode::All)->text(), "&Store all datas");
    EXPECT_FALSE(dialog.RangesBox()->isChecked());
    EXPECT_TRUE(dialog.CommentsBox()->isChecked());
    EXPECT_EQ(dialog.CommentEdit()->text(), "Lauf 3");
    EXPECT_TRUE(dialog.OpenBox()->isChecked());
    dialog.ModeButton(StoreMode::InsideRanges)->click();
    dialog.CommentsBox()->click();
    dialog.CommentEdit()->setText("Öl");
    const StorageOptions options = dialog.Options();
    EXPECT_EQ(options.mode, StoreMode::InsideRanges);
    EXPECT_FALSE(options.withComments);
    EXPECT_EQ(options.userComment, "Öl");
}

TEST(SaveDialog, TheChosenFilterSelectsTheForm) {
    const QStringList filters = {"Vantorelline-MCF-File (*.mcf)", "Vantorelline-MDF-File (*.mdf)"};
    SaveAsFixture f;
    f.storageAnswer = StorageOptions{};
    f.dialogs.target = nullptr;  // the real dialog
    QTimer::singleShot(0, [&f, &filters] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(), filters);
        EXPECT_EQ(dialog->selectedNameFilter(), filters[1]);  // the stored index 2
        // As the user picks it: the dialog hears of the new filter.
        dialog->selectNameFilter(filters[0]);
        emit dialog->filterSelected(filters[0]);
        dialog->selectFile(f.Path("chosen"));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(RunSaveAs(nullptr, f.document, f.settings, filters, f.dialogs), std::nullopt);
    EXPECT_EQ(f.settings.saveFileFilterIndex, 1);
    EXPECT_TRUE(std::filesystem::exists(f.dir / "chosen.mcf"));
    EXPECT_EQ(SaveString(SAVE_STR_FILE_FILTER),
              "Vantorelline-MCF-File (*.mcf)|*.mcf|Vantorelline-MDF-File (*.mdf)|*.mdf||");
}

TEST(GermanTexts, EveryTextOfSavingIsTranslated) {
    const char* bin = std::getenv("GRAFYON_BIN_DIR");
    ASSERT_NE(bin, nullptr);
    LanguageModule module;
    ASSERT_TRUE(module.Load(std::string(bin) + "/Grafyon.DEU"));
    QTranslator translator;
    ASSERT_TRUE(translator.load(reinterpret_cast<const uchar*>(module.TranslationData().data()),
                                static_cast<int>(module.TranslationData().size())));
    const QString filter = translator.translate(VIEWER_STRINGS_CONTEXT, "1061");
    EXPECT_EQ(filter.count('|'), SaveString(SAVE_STR_FILE_FILTER).count('|'));
    EXPECT_EQ(translator.translate("grafyon::CStorageDialog", "Storage"), "Speichern");
    // Every message of a failed save, as the command looks it up.
    for (const int status : std::initializer_list<int>{
             SAVE_DATA_FILE_CANNOT_CREATE, SAVE_UNKNOWN_FORM, SAVE_DESCRIPTION_CANNOT_CREATE,
             SAVE_TARGET_IS_SOURCE, SAVE_TOO_LARGE, SAVE_BAD_TARGET, SAVE_NO_DATASET,
             SAVE_NO_FRAMES, SAVE_NOT_ATTACHED, SAVE_WRITE_FAILED, SAVE_READ_FAILED, -1234}) {
        EXPECT_FALSE(translator.translate("grafyon::SaveAs", SaveStatusText(status)).isEmpty())
            << status;
    }
}

}  // namespace
}  // namespace grafyon

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
