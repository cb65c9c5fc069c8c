// Message boxes on screen, or on standard error when no one can see them.
#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

#include <unistd.h>

#include <cerrno>

#include "viewer/app/viewer_strings.h"

namespace grafyon {

namespace {

QMessageBox::StandardButton ToButton(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Cancel:
            return QMessageBox::Cancel;
        case MessageAnswer::Yes:
            return QMessageBox::Yes;
        case MessageAnswer::No:
            return QMessageBox::No;
        case MessageAnswer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

MessageAnswer FromButton(int button, MessageAnswer fallback) {
    switch (button) {
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            return fallback;
    }
}

QMessageBox::StandardButtons ToButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon ToIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Information:
            break;
    }
    return QMessageBox::Information;
}

}  // namespace

bool IsBatchMode() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return true;
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

QByteArray BatchMessageLine(const QString& text) {
    return (ViewerString(GRAFY_STR_APP_NAME) + QLatin1String(": ") + text + QLatin1Char('\n'))
        .toUtf8();
}

void PrintMessageLine(const QString& text) {
    const QByteArray line = BatchMessageLine(text);
    qsizetype done = 0;
    while (done < line.size()) {
        const ssize_t n = ::write(STDERR_FILENO, line.constData() + done,
                                  static_cast<std::size_t>(line.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
}

MessageAnswer ShowMessageBox(const QString& text, MessageIcon icon, MessageButtons buttons,
                             MessageAnswer defaultAnswer, QWidget* parent) {
    if (IsBatchMode()) {
        PrintMessageLine(text);
        return defaultAnswer;
    }
    QMessageBox box(ToIcon(icon), ViewerString(GRAFY_STR_APP_NAME), text, ToButtons(buttons),
                    parent);
    box.setDefaultButton(ToButton(defaultAnswer));
    return FromButton(box.exec(), defaultAnswer);
}

}  // namespace grafyon
