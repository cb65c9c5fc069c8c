// The "Merge Files" dialog's list operations and drops, the file check's messages, and the
// command's course through its dialogs and complaints.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

#include <QTranslator>

#include <cstdlib>
#include <deque>

#include "test_support.h"
#include "viewer/app/language_module.h"
#include "viewer/data/link/ui/link_command.h"
#include "viewer/data/link/ui/link_strings.h"
#include "viewer/data/link/ui/merge_files_dialog.h"
#include "viewer/data/tools/recording_generator.h"
#include "viewer/settings/viewer_settings.h"

namespace grafyon {
namespace {

QStringList Items(const CMergeFilesDialog& dialog) {
    return dialog.State().files;
}

TEST(MergeFilesDialog, ButtonsReorderDuplicateAndRemoveTheSelection) {
    MergeFilesState initial;
    initial.files = {"/m/a.mdf", "/m/b.mdf", "/m/c.mdf", "/m/d.mdf"};
    initial.selection = {0, 2};
    initial.mode = 1;
    initial.openCreated = false;
    CMergeFilesDialog dialog(nullptr, initial, {});
    EXPECT_EQ(dialog.State().selection, (std::vector<int>{0, 2}));
    EXPECT_EQ(dialog.State().mode, 1);
    EXPECT_FALSE(dialog.State().openCreated);

    // The first selected entry is at the top: nothing moves up.
    dialog.MoveUp();
    EXPECT_EQ(Items(dialog), initial.files);
    dialog.MoveDown();
    EXPECT_EQ(Items(dialog), (QStringList{"/m/b.mdf", "/m/a.mdf", "/m/d.mdf", "/m/c.mdf"}));
    EXPECT_EQ(dialog.State().selection, (std::vector<int>{1, 3}));
    // The last selected entry is at the bottom: nothing moves down.
    dialog.MoveDown();
    EXPECT_EQ(dialog.State().selection, (std::vector<int>{1, 3}));
    dialog.MoveUp();
    EXPECT_EQ(Items(dialog), initial.files);
    EXPECT_EQ(dialog.State().selection, (std::vector<int>{0, 2}));

    dialog.Duplicate();
    EXPECT_EQ(Items(dialog), (QStringList{"/m/a.mdf", "/m/b.mdf", "/m/c.mdf", "/m/d.mdf",
                                          "/m/a.mdf", "/m/c.mdf"}));
    EXPECT_EQ(dialog.State().selection, (std::vector<int>{4, 5}));
    dialog.Remove();
    EXPECT_EQ(Items(dialog), initial.files);
    EXPECT_TRUE(dialog.State().selection.empty());
}

TEST(MergeFilesDialog, InsertedAndDroppedFilesAreCheckedAndSelected) {
    QStringList checked;
    MergeFilesHooks hooks;
    hooks.chooseFiles = [] { return QStringList{"/m/a.mdf", "/m/bad.mdf", "/m/c.mcf"}; };
    hooks.checkFile = [&checked](const QString& path) {
        checked.append(path);
        return !path.contains("bad");
    };
    QString info;
    hooks.showInfo = [&info](const QString& path) { info = path; };
    CMergeFilesDialog dialog(nullptr, {}, hooks);
    dialog.Insert();
    EXPECT_EQ(Items(dialog), (QStringList{"/m/a.mdf", "/m/c.mcf"}));
    EXPECT_EQ(dialog.State().selection, (std::vector<int>{0, 1}));
    dialog.ShowInfo();
    EXPECT_EQ(info, "/m/a.mdf");

    // A drop takes .mdf, .mcf and .tks files in any case, nothing else.
    checked.clear();
    dialog.show();
    QMimeData text;
    text.setUrls({QUrl::fromLocalFile("/m/e.txt")});
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.List()->viewport(), &refused);
    EXPECT_FALSE(refused.isAccepted());
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile("/m/d.TKS"), QUrl::fromLocalFile("/m/e.txt"),
                  QUrl::fromLocalFile("/m/f.mdf")});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.List()->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.List()->viewport(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(checked, (QStringList{"/m/d.TKS", "/m/f.mdf"}));
    EXPECT_EQ(Items(dialog), (QStringList{"/m/a.mdf", "/m/c.mcf", "/m/d.TKS", "/m/f.mdf"}));
    EXPECT_EQ(dialog.State().selection, (std::vector<int>{2, 3}));
}

class LinkCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a.mdf", "b.mdf"})
            Generate(m_dir / name, 0.001);
        Generate(m_dir / "slow.mdf", 0.002);
    }

    static void Generate(const std::string& path, double step) {
        RecordingOptions o;
        o.path = path;
        o.frames = 300;
        o.sampleStep = step;
        std::string error;
        ASSERT_EQ(GenerateRecording(o, &error), GENERATE_OK) << error;
    }

    // Dialogs that answer from scripts and note what was said.
    LinkDialogs Scripted() {
        LinkDialogs d;
        d.mergeFiles = [this](MergeFilesState& state) {
            m_shownStates.push_back(state);
            if (m_lists.empty())
                return false;
            state.files = m_lists.front();
            state.mode = m_mode;
            m_lists.pop_front();
            return true;
        };
        d.target = [this](const QString& folder,
                          const QString& proposal) -> std::optional<QString> {
            m_folders.append(folder);
            m_proposals.append(proposal);
            if (m_targets.empty())
                return std::nullopt;
            const QString next = m_targets.front();
            m_targets.pop_front();
            return next;
        };
        d.error = [this](const QString& text) { m_errors.append(text); };
        d.question = [this](const QString& text) {
            m_questions.append(text);
            return m_answer;
        };
        return d;
    }

    std::optional<QString> Run() {
        return RunLinkFiles(nullptr, m_settings, {}, {}, {}, Scripted());
    }

    QString Path(const char* name) const { return QString::fromStdString(m_dir / name); }

    test::TempDir m_dir;
    ViewerSettings m_settings;
    std::deque<QStringList> m_lists;
    std::deque<QString> m_targets;
    int m_mode = 0;
    bool m_answer = false;
    std::vector<MergeFilesState> m_shownStates;
    QStringList m_folders, m_proposals, m_errors, m_questions;
};

TEST_F(LinkCommandTest, ComplaintsRepeatTheDialogsUntilTheLinkIsWritten) {
    m_settings.openMergedFile = true;
    m_lists = {{Path("a.mdf"), Path("slow.mdf")}, {Path("a.mdf"), Path("b.mdf")}};
    std::filesystem::create_directory(m_dir.Path() / "sub");
    m_targets = {Path("sub/x.mdf"), Path("B.MDF"), Path("linked")};
    const std::optional<QString> created = Run();
    ASSERT_TRUE(created.has_value());
    EXPECT_EQ(*created, Path("linked.mdf"));
    EXPECT_TRUE(std::filesystem::exists(m_dir / "linked.mdf"));

    ASSERT_EQ(m_errors.size(), 3);
    EXPECT_EQ(m_errors[0], "The file «" + Path("slow.mdf") +
                               "»\ncannot be linked to the preceding files.\nReason: Different "
                               "resolution");
    EXPECT_EQ(m_errors[1], "The mdf file have to be created in the data files folder !");
    EXPECT_EQ(m_errors[2], "The file have to be named different as the source files !");
    // The dialog came back with the file that does not fit selected.
    ASSERT_EQ(m_shownStates.size(), 2u);
    EXPECT_EQ(m_shownStates[1].selection, (std::vector<int>{1}));
    EXPECT_EQ(m_proposals.constFirst(), Path("a_x.mdf"));
    EXPECT_EQ(m_folders.constFirst(), QString::fromStdString(m_dir.Path().string()));
    EXPECT_EQ(m_settings.mergeCreationMode, 0);
}

TEST_F(LinkCommandTest, AnExistingDataFileIsReplacedOnlyWhenTheUserAgrees) {
    m_settings.openMergedFile = false;
    m_mode = 1;
    test::WriteTextFile(m_dir / "m.dta", "old");
    m_lists = {{Path("a.mdf"), Path("b.mdf")}};
    m_targets = {Path("m.mdf")};
    EXPECT_FALSE(Run().has_value());
    ASSERT_EQ(m_questions.size(), 1);
    EXPECT_EQ(m_questions[0], "The data file «" + Path("m.dta") +
                                  "» allready exists !\nDo you want to overwrite the file ?");
    EXPECT_EQ(m_targets.size(), 0u);
    EXPECT_EQ(m_proposals.size(), 2);  // asked again after No, then cancelled
    EXPECT_EQ(m_settings.mergeCreationMode, 1);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "m.mdf"));

    m_answer = true;
    m_lists = {{Path("a.mdf"), Path("b.mdf")}};
    m_targets = {Path("m.mdf")};
    EXPECT_FALSE(Run().has_value());  // written, not opened
    EXPECT_TRUE(m_errors.isEmpty()) << m_errors.join("|").toStdString();
    EXPECT_EQ(std::filesystem::file_size(m_dir / "m.dta"),
              2 * std::filesystem::file_size(m_dir / "a.dta"));
}

TEST_F(LinkCommandTest, FewerThanTwoFilesOrCancelEndTheCommand) {
    m_settings.mergeCreationMode = 1;
    m_lists = {{Path("a.mdf")}};
    EXPECT_FALSE(Run().has_value());
    EXPECT_TRUE(m_proposals.isEmpty());
    EXPECT_EQ(m_shownStates.front().mode, 1);  // the stored mode is shown
    EXPECT_FALSE(Run().has_value());           // Cancel
    EXPECT_TRUE(m_errors.isEmpty());
}

TEST_F(LinkCommandTest, TheFileCheckExplainsWhatIsWrong) {
    QStringList errors;
    const auto error = [&errors](const QString& text) { errors.append(text); };
    EXPECT_TRUE(CheckListedFile(Path("a.mdf"), error));
    EXPECT_FALSE(CheckListedFile(Path("none.mdf"), error));
    test::WriteTextFile(m_dir / "junk.mdf", "junk");
    EXPECT_FALSE(CheckListedFile(Path("junk.mdf"), error));
    std::filesystem::remove(m_dir / "b.dta");
    EXPECT_FALSE(CheckListedFile(Path("b.mdf"), error));
    EXPECT_EQ(errors,
              (QStringList{"Following file cannot be opened !\n«" + Path("none.mdf") + "»",
                           Path("junk.mdf") + "\n\nError!\nUnknown File Format!",
                           Path("b.mdf") + "\n\nError!\nThe data file couldn't be opened !"}));
    LinkReason reason;
    reason.mismatch = LinkMismatch::Dataset;
    reason.datasetNumber = 3;
    reason.datasetName = "Kraft";
    EXPECT_EQ(LinkReasonMessage(reason), "Dataset 3 / Kraft");
}

TEST(GermanTexts, EveryTextOfLinkingIsTranslated) {
    const char* bin = std::getenv("GRAFYON_BIN_DIR");
    ASSERT_NE(bin, nullptr);
    LanguageModule module;
    ASSERT_TRUE(module.Load(std::string(bin) + "/Grafyon.DEU"));
    QTranslator translator;
    ASSERT_TRUE(translator.load(reinterpret_cast<const uchar*>(module.TranslationData().data()),
                                static_cast<int>(module.TranslationData().size())));
    for (const ViewerStringEntry& entry : LinkStringTable()) {
        const QString german =
            translator.translate(VIEWER_STRINGS_CONTEXT, QByteArray::number(entry.id).constData());
        EXPECT_FALSE(german.isEmpty()) << entry.id;
        EXPECT_EQ(german.count('|'), QString::fromUtf8(entry.english).count('|')) << entry.id;
    }
    EXPECT_EQ(translator.translate("grafyon::CMergeFilesDialog", "Merge Files"),
              "Dateien zusammenfügen");
    // Every message of a failed link, as the command looks it up, keeps its placeholders.
    for (int status = LINK_CANCELLED; status < LINK_OK; ++status) {
        const QString english = QString::fromUtf8(LinkStatusText(status));
        if (english.isEmpty() || status == LINK_SOURCE_UNREADABLE || status == LINK_CANNOT_CREATE ||
            status == LINK_DATA_FILE_UNREADABLE)
            continue;
        const QString german = translator.translate("grafyon::LinkFiles", LinkStatusText(status));
        EXPECT_FALSE(german.isEmpty()) << status;
        EXPECT_EQ(german.contains("%1"), english.contains("%1")) << status;
        EXPECT_EQ(german.contains("%2"), english.contains("%2")) << status;
    }
}

}  // namespace
}  // namespace grafyon

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
