// The "&Help" command: find the manual and hand it to the desktop's browser.
#include "user_manual.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

#include <string>
#include <vector>

#include "viewer/help/help_strings.h"
#include "viewer/help/user_manual_path.h"

namespace grafyon {

namespace {

// Free functions have no class for tr(); the texts live in this context.
constexpr char CONTEXT[] = "grafyon::UserManual";

QString Text(const char* source) {
    return QCoreApplication::translate(CONTEXT, source);
}

void Complain(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, QGuiApplication::applicationDisplayName(), message);
}

}  // namespace

bool OpenUserManual(QWidget* parent) {
    return OpenUserManual(parent, QCoreApplication::applicationDirPath());
}

bool OpenUserManual(QWidget* parent, const QString& applicationDir) {
    const QString name = HelpString(HELP_STR_FILE);
    std::vector<std::string> names{name.toStdString()};
    if (name != QLatin1String(USER_MANUAL_ENGLISH))
        names.emplace_back(USER_MANUAL_ENGLISH);
    const auto path = ResolveUserManualPath(applicationDir.toStdString(), names);
    if (!path) {
        const QString expected = QDir::toNativeSeparators(
            QDir(applicationDir).filePath(QString(USER_MANUAL_FOLDER) + '/' + name));
        Complain(parent, Text("The user manual could not be found:\n%1").arg(expected));
        return false;
    }
    const QString file = QString::fromStdString(path->string());
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file))) {
        Complain(parent,
                 Text("No web browser could be started to show the user manual:\n%1").arg(file));
        return false;
    }
    return true;
}

}  // namespace grafyon
