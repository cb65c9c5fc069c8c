// "Save As": the "Storage" dialog, the choice of the target, its checks, the save with its
// progress window, and the messages of a failure.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "storage_dialog.h"

class QWidget;

namespace grafyon {

class CGrafyonDoc;
struct ViewerSettings;

// A file chosen in the save dialog and the filter it was chosen with (1 or 2).
struct SaveTarget {
    QString path;
    int filterIndex = 2;
};

// What the command asks the user. Empty functions show the real dialogs and message boxes.
struct SaveAsDialogs {
    // The "Storage" dialog; false after Cancel.
    std::function<bool(StorageOptions& options)> storage;
    // The save dialog, starting in folder with the filter of that index; nothing after
    // Cancel.
    std::function<std::optional<SaveTarget>(const QString& folder, int filterIndex)> target;
    // An error message.
    std::function<void(const QString& text)> error;
    // A warning question; true for Yes.
    std::function<bool(const QString& text)> question;
};

// Runs the command on the document's measurement; nothing happens without data. The
// options of the "Storage" dialog and the filter index are kept in the settings. Returns
// the stored file when it is to be opened. nameFilters are the save dialog's two filters.
std::optional<QString> RunSaveAs(QWidget* parent, CGrafyonDoc& document, ViewerSettings& settings,
                                 const QStringList& nameFilters, SaveAsDialogs dialogs = {});

// The text for a failed save of the target (empty for SAVE_OK and SAVE_CANCELLED).
QString SaveFailureText(int status, const QString& target);

}  // namespace grafyon
