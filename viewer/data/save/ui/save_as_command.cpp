// The "Save As" command over the GUI-free save.
#include "save_as_command.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>

#include "viewer/app/message_box.h"
#include "viewer/data/save/measurement_save.h"
#include "viewer/settings/viewer_settings.h"
#include "viewer/view/grafyon_doc.h"

namespace grafyon {

namespace {

// The context of the translated texts of this command.
constexpr char CONTEXT[] = "grafyon::SaveAs";

QString Text(const char* english) {
    return QCoreApplication::translate(CONTEXT, english);
}

std::optional<SaveTarget> ShowSaveDialog(QWidget* parent, const QStringList& filters,
                                         const QString& folder, int filterIndex) {
    QFileDialog dialog(parent, Text("Save As"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    const auto suffixOf = [&](const QString& filter) {
        return filters.indexOf(filter) == 0 ? QStringLiteral("mcf") : QStringLiteral("mdf");
    };
    const int index = std::clamp(filterIndex, 1, static_cast<int>(filters.size()));
    if (!filters.isEmpty()) {
        dialog.selectNameFilter(filters[index - 1]);
        dialog.setDefaultSuffix(suffixOf(filters[index - 1]));
    }
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveTarget{dialog.selectedFiles().constFirst(),
                      static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

void FillDefaults(SaveAsDialogs& dialogs, QWidget* parent, const QStringList& filters) {
    if (!dialogs.storage) {
        dialogs.storage = [parent](StorageOptions& options) {
            CStorageDialog dialog(parent, options);
            if (dialog.exec() != QDialog::Accepted)
                return false;
            options = dialog.Options();
            return true;
        };
    }
    if (!dialogs.target) {
        dialogs.target = [parent, filters](const QString& folder, int filterIndex) {
            return ShowSaveDialog(parent, filters, folder, filterIndex);
        };
    }
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
}

std::vector<SaveRange> DocumentRanges(CGrafyonDoc& document) {
    std::vector<SaveRange> ranges;
    const CRangeList& list = document.Ranges();
    for (int i = 0; i < list.Count(); ++i) {
        const CRange& r = list.At(i);
        if (r.Start() < 0 || r.End() < 0)
            continue;
        SaveRange range;
        range.name = r.Name();
        range.comment = r.Commentary();
        range.start = static_cast<std::uint64_t>(r.Start());
        range.stop = static_cast<std::uint64_t>(r.End());
        range.active = r.Active();
        range.source = RangeSourceOf(document.Description(), range.start, range.stop);
        ranges.push_back(range);
    }
    return ranges;
}

// The save behind a progress window with Cancel and the wait cursor.
int SaveWithProgress(QWidget* parent, CGrafyonDoc& document, const SaveRequest& request) {
    QProgressDialog progress(Text("Storing the data ..."), Text("Cancel"), 0, 1000, parent);
    progress.setWindowTitle(QApplication::applicationDisplayName());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    progress.setValue(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int status = SaveMeasurement(
        document.Description(), document.Access(), request,
        [&progress](std::uint64_t done, std::uint64_t total) {
            const auto permille = total == 0 ? 0 : done * 1000 / total;
            progress.setValue(static_cast<int>(std::min<std::uint64_t>(permille, 999)));
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
    QApplication::restoreOverrideCursor();
    progress.close();
    return status;
}

}  // namespace

QString SaveFailureText(int status, const QString& target) {
    const char* text = SaveStatusText(status);
    if (*text == '\0')
        return {};
    QString message = Text(text);
    if (message.contains(QLatin1String("%1")))
        message = message.arg(target);
    return message;
}

std::optional<QString> RunSaveAs(QWidget* parent, CGrafyonDoc& document, ViewerSettings& settings,
                                 const QStringList& nameFilters, SaveAsDialogs dialogs) {
    if (!document.HasUsableData())
        return std::nullopt;
    FillDefaults(dialogs, parent, nameFilters);

    StorageOptions options;
    options.withRanges = settings.saveRangeInfos;
    options.withComments = settings.saveComments;
    options.openStored = settings.openStoredFile;
    if (!dialogs.storage(options))
        return std::nullopt;
    settings.saveRangeInfos = options.withRanges;
    settings.saveComments = options.withComments;
    settings.openStoredFile = options.openStored;

    const MeasurementDescription& description = document.Description();
    QString folder = QFileInfo(document.PathName()).absolutePath();
    SaveRequest request;
    while (true) {
        const std::optional<SaveTarget> target =
            dialogs.target(folder, settings.saveFileFilterIndex);
        if (!target || target->path.isEmpty())
            return std::nullopt;
        settings.saveFileFilterIndex = target->filterIndex == 1 ? 1 : 2;
        folder = QFileInfo(target->path).absolutePath();
        request.target = target->path.toStdString();
        request.form = settings.saveFileFilterIndex == 1 ? SaveFileForm::Mcf : SaveFileForm::Mdf;
        if (TargetHitsSource(description, request.target, request.form)) {
            dialogs.error(Text("Please store the data in another file as the source file!"));
            continue;
        }
        if (request.form == SaveFileForm::Mdf) {
            const QString dataFile = QString::fromStdString(DataFilePathFor(request.target));
            if (QFileInfo::exists(dataFile) &&
                !dialogs.question(
                    Text(
                        "The data file «%1» allready exists !\nDo you want to overwrite the file ?")
                        .arg(dataFile))) {
                continue;
            }
        }
        break;
    }

    request.mode = options.mode;
    request.withRanges = options.withRanges;
    request.withComments = options.withComments;
    request.userComment = options.userComment;
    request.ranges = DocumentRanges(document);
    const int status = SaveWithProgress(parent, document, request);
    if (status == SAVE_CANCELLED)
        return std::nullopt;
    if (status != SAVE_OK) {
        const std::string subject = status == SAVE_DATA_FILE_CANNOT_CREATE
                                        ? DataFilePathFor(request.target)
                                        : request.target;
        dialogs.error(SaveFailureText(status, QString::fromStdString(subject)));
        return std::nullopt;
    }
    if (!options.openStored)
        return std::nullopt;
    return QString::fromStdString(request.target);
}

}  // namespace grafyon
