// The "Link data files" command over the GUI-free link.
#include "link_command.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>

#include "link_strings.h"
#include "viewer/app/message_box.h"
#include "viewer/app/viewer_strings.h"
#include "viewer/data/info/ui/file_info_dialog.h"
#include "viewer/settings/viewer_settings.h"
#include "viewer/view/view_strings.h"

namespace grafyon {

namespace {

// The context of the translated texts of this command.
constexpr char CONTEXT[] = "grafyon::LinkFiles";

QString Text(const char* english) {
    return QCoreApplication::translate(CONTEXT, english);
}

QString CannotOpen(const QString& path) {
    return ViewerString(GRAFY_STR_CANNOT_OPEN_FILE).arg(path);
}

std::optional<QString> ShowSaveDialog(QWidget* parent, const QStringList& filters,
                                      const QString& folder, const QString& proposal) {
    QFileDialog dialog(parent, Text("Link data files"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("mdf"));
    if (!proposal.isEmpty())
        dialog.selectFile(proposal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void ShowInfoOf(QWidget* parent, const QString& path, const InfoNumberFormat& number,
                const std::function<void(const QString&)>& error) {
    const LinkSource source = ReadLinkSource(path.toStdString());
    if (!source.opened) {
        error(CannotOpen(path));
        return;
    }
    if (source.description->Empty() ||
        !RunFileInfoDialog(parent, *source.description, path, number)) {
        const int message = FileCheckMessage(source.status);
        error(path + QStringLiteral("\n\n") + ViewString(message != 0 ? message : 4098));
    }
}

// The link behind a progress window with Cancel and the wait cursor.
LinkOutcome LinkWithProgress(QWidget* parent, const LinkRequest& request) {
    QProgressDialog progress(Text("Storing the data ..."), Text("Cancel"), 0, 1000, parent);
    progress.setWindowTitle(QApplication::applicationDisplayName());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    progress.setValue(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const LinkOutcome outcome =
        LinkFiles(request, [&progress](std::uint64_t done, std::uint64_t total) {
            const auto permille = total == 0 ? 0 : done * 1000 / total;
            progress.setValue(static_cast<int>(std::min<std::uint64_t>(permille, 999)));
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
    QApplication::restoreOverrideCursor();
    progress.close();
    return outcome;
}

void FillDefaults(LinkDialogs& dialogs, QWidget* parent, const QStringList& openFilters,
                  const QStringList& saveFilters, const InfoNumberFormat& number) {
    if (!dialogs.error) {
        dialogs.error = [parent](const QString& text) {
            ShowMessageBox(text, MessageIcon::Error, MessageButtons::Ok, MessageAnswer::Ok, parent);
        };
    }
    if (!dialogs.question) {
        dialogs.question = [parent](const QString& text) {
            return ShowMessageBox(text, MessageIcon::Warning, MessageButtons::YesNo,
                                  MessageAnswer::No, parent) == MessageAnswer::Yes;
        };
    }
    if (!dialogs.mergeFiles) {
        const auto error = dialogs.error;
        dialogs.mergeFiles = [parent, openFilters, number, error](MergeFilesState& state) {
            MergeFilesHooks hooks;
            CMergeFilesDialog* shown = nullptr;
            hooks.chooseFiles = [&shown, openFilters]() {
                QString folder;
                const MergeFilesState now = shown->State();
                if (!now.files.isEmpty())
                    folder = QFileInfo(now.files.constLast()).absolutePath();
                return QFileDialog::getOpenFileNames(shown, QString(), folder,
                                                     openFilters.join(QStringLiteral(";;")));
            };
            hooks.checkFile = [error](const QString& path) { return CheckListedFile(path, error); };
            hooks.showInfo = [&shown, number, error](const QString& path) {
                ShowInfoOf(shown, path, number, error);
            };
            CMergeFilesDialog dialog(parent, state, hooks);
            shown = &dialog;
            if (dialog.exec() != QDialog::Accepted)
                return false;
            state = dialog.State();
            return true;
        };
    }
    if (!dialogs.target) {
        dialogs.target = [parent, saveFilters](const QString& folder, const QString& proposal) {
            return ShowSaveDialog(parent, saveFilters, folder, proposal);
        };
    }
    if (!dialogs.link) {
        dialogs.link = [parent](const LinkRequest& request) {
            return LinkWithProgress(parent, request);
        };
    }
}

std::vector<std::string> Paths(const QStringList& files) {
    std::vector<std::string> paths;
    for (const QString& file : files)
        paths.push_back(file.toStdString());
    return paths;
}

QString WithSubject(const char* english, const std::string& subject) {
    QString text = Text(english);
    if (text.contains(QLatin1String("%1")))
        text = text.arg(QString::fromStdString(subject));
    return text;
}

}  // namespace

bool CheckListedFile(const QString& path, const std::function<void(const QString&)>& error) {
    const LinkSource source = ReadLinkSource(path.toStdString());
    if (!source.opened) {
        error(CannotOpen(path));
        return false;
    }
    const int message = FileCheckMessage(source.status);
    if (message != 0) {
        error(path + QStringLiteral("\n\n") + ViewString(message));
        return false;
    }
    return true;
}

QString LinkReasonMessage(const LinkReason& reason) {
    switch (reason.mismatch) {
        case LinkMismatch::None:
            return {};
        case LinkMismatch::Folders:
            return LinkString(LINK_STR_FOLDERS);
        case LinkMismatch::DatasetCount:
            return LinkString(LINK_STR_DATASET_COUNT);
        case LinkMismatch::Resolution:
            return LinkString(LINK_STR_RESOLUTION);
        case LinkMismatch::FrameSize:
            return LinkString(LINK_STR_FRAME_SIZE);
        case LinkMismatch::Dataset:
            return LinkString(LINK_STR_DATASET) +
                   QStringLiteral(" %1 / %2")
                       .arg(reason.datasetNumber)
                       .arg(QString::fromStdString(reason.datasetName));
    }
    return {};
}

QString LinkFailureText(const LinkOutcome& outcome) {
    const QString subject = QString::fromStdString(outcome.subject);
    switch (outcome.status) {
        case LINK_OK:
        case LINK_CANCELLED:
            return {};
        case LINK_SOURCE_UNREADABLE: {
            const int message = FileCheckMessage(outcome.sourceStatus);
            if (outcome.sourceStatus == MeasurementStatus::NoInput || message == 0)
                return CannotOpen(subject);
            return subject + QStringLiteral("\n\n") + ViewString(message);
        }
        case LINK_NOT_LINKABLE:
            return Text(LinkStatusText(LINK_NOT_LINKABLE))
                .arg(subject, LinkReasonMessage(outcome.reason));
        case LINK_CANNOT_CREATE:
        case LINK_DATA_FILE_UNREADABLE:
            return CannotOpen(subject);
        default:
            return WithSubject(LinkStatusText(outcome.status), outcome.subject);
    }
}

std::optional<QString> RunLinkFiles(QWidget* parent, ViewerSettings& settings,
                                    const QStringList& openFilters, const QStringList& saveFilters,
                                    const InfoNumberFormat& number, LinkDialogs dialogs) {
    FillDefaults(dialogs, parent, openFilters, saveFilters, number);

    MergeFilesState state;
    state.mode = settings.mergeCreationMode == 1 ? 1 : 0;
    state.openCreated = settings.openMergedFile;
    std::vector<LinkSource> sources;
    while (true) {
        if (!dialogs.mergeFiles(state))
            return std::nullopt;
        if (state.files.size() < 2)
            return std::nullopt;
        settings.mergeCreationMode = state.mode;
        settings.openMergedFile = state.openCreated;
        sources.clear();
        for (const QString& file : state.files)
            sources.push_back(ReadLinkSource(file.toStdString()));
        LinkReason reason;
        const int k = CheckLinkable(sources, reason, state.mode == 1);
        if (k < 0)
            break;
        if (k >= 1) {
            dialogs.error(Text(LinkStatusText(LINK_NOT_LINKABLE))
                              .arg(state.files[k], LinkReasonMessage(reason)));
            state.selection = {k};
        }
    }

    const LinkMode mode = state.mode == 1 ? LinkMode::Merge : LinkMode::Link;
    const QString folder = QFileInfo(state.files.constFirst()).absolutePath();
    const QString proposal =
        QString::fromStdString(ProposeLinkName(state.files.constFirst().toStdString()));
    LinkRequest request;
    request.sources = Paths(state.files);
    request.mode = mode;
    while (true) {
        const std::optional<QString> chosen = dialogs.target(folder, proposal);
        if (!chosen || chosen->isEmpty())
            return std::nullopt;
        const std::string target = LinkTargetPath(chosen->toStdString());
        switch (CheckLinkTarget(sources, target, mode)) {
            case LinkTargetProblem::None:
                break;
            case LinkTargetProblem::WrongFolder:
                dialogs.error(Text(LinkStatusText(LINK_WRONG_FOLDER)));
                continue;
            case LinkTargetProblem::NamedAsSource:
                dialogs.error(Text(LinkStatusText(LINK_TARGET_IS_SOURCE)));
                continue;
            case LinkTargetProblem::BadName:
                dialogs.error(WithSubject(LinkStatusText(LINK_BAD_NAME),
                                          FileNameOf(LinkDataFilePath(target))));
                continue;
        }
        // The save dialog asked about the name it returned, not about ".mdf" added to it.
        if (target != chosen->toStdString() && QFileInfo::exists(QString::fromStdString(target)) &&
            !dialogs.question(Text("%1 already exists.\nDo you want to replace it?")
                                  .arg(QString::fromStdString(target)))) {
            continue;
        }
        if (mode == LinkMode::Merge) {
            const QString dataFile = QString::fromStdString(LinkDataFilePath(target));
            if (QFileInfo::exists(dataFile) &&
                !dialogs.question(
                    Text(
                        "The data file «%1» allready exists !\nDo you want to overwrite the file ?")
                        .arg(dataFile))) {
                continue;
            }
        }
        request.target = target;
        break;
    }
    sources.clear();

    const LinkOutcome outcome = dialogs.link(request);
    if (outcome.status == LINK_CANCELLED)
        return std::nullopt;
    if (outcome.status != LINK_OK) {
        dialogs.error(LinkFailureText(outcome));
        return std::nullopt;
    }
    if (!state.openCreated)
        return std::nullopt;
    return QString::fromStdString(request.target);
}

}  // namespace grafyon
