// "Link data files": the "Merge Files" dialog, the checks of the listed files, the choice of
// the new file with its complaints, the link with its progress window, and its messages.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "merge_files_dialog.h"
#include "viewer/data/info/info_texts.h"
#include "viewer/data/link/link_files.h"

class QWidget;

namespace grafyon {

struct ViewerSettings;

// What the command asks the user. Empty functions show the real dialogs and message boxes.
struct LinkDialogs {
    // The "Merge Files" dialog on state; false after Cancel.
    std::function<bool(MergeFilesState& state)> mergeFiles;
    // The save dialog, starting in folder on the proposed file; nothing after Cancel.
    std::function<std::optional<QString>(const QString& folder, const QString& proposal)> target;
    // An error message.
    std::function<void(const QString& text)> error;
    // A warning question; true for Yes.
    std::function<bool(const QString& text)> question;
    // The link behind its progress window.
    std::function<LinkOutcome(const LinkRequest& request)> link;
};

// Runs the command. The creation mode and "&Open the created file" are kept in the
// settings. Returns the created description when it is to be opened. openFilters are the
// "&Insert" dialog's file types, saveFilters the save dialog's; number formats the values of
// the file information.
std::optional<QString> RunLinkFiles(QWidget* parent, ViewerSettings& settings,
                                    const QStringList& openFilters, const QStringList& saveFilters,
                                    const InfoNumberFormat& number, LinkDialogs dialogs = {});

// The file check of the list: true when path may be listed; otherwise the reason has been
// passed to error ("Following file cannot be opened !" or the path, an empty line and what
// is wrong).
bool CheckListedFile(const QString& path, const std::function<void(const QString&)>& error);

// The reason a file does not fit, in the current language.
QString LinkReasonMessage(const LinkReason& reason);
// The message of a failed link (empty for LINK_OK and LINK_CANCELLED).
QString LinkFailureText(const LinkOutcome& outcome);

}  // namespace grafyon
