// Helpers of the sheets' widget tests: a message record and a driver for modal dialogs.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "viewer/sheets/data_exchange.h"

namespace grafyon {

// Keeps every message instead of showing it.
struct MessageLog {
    struct Entry {
        QString text;
        SheetMessageIcon icon;
    };
    std::vector<Entry> entries;

    SheetMessageSink Sink() {
        return [this](QWidget*, const QString& text, SheetMessageIcon icon) {
            entries.push_back({text, icon});
        };
    }
    QString Last() const { return entries.empty() ? QString() : entries.back().text; }
};

// Runs action on the next modal window once it is shown, then closes it if the action left
// it open, so that no test ever waits for input. Gives up quietly when none appears.
inline void WithNextModal(std::function<void(QWidget*)> action) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr && ++*tries < 2000)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal == nullptr)
            return;
        action(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible())
            dialog->reject();
    });
    timer->start();
}

// Replaces a field's text the way a user does: select everything, then type.
inline void TypeInto(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// Clicks a check box or radio button on its box: a click in the middle of a wide button
// may miss the part that reacts.
inline void ClickBox(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

// Shows a top-level widget and makes it the active window, so focus checks mean something.
inline bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

}  // namespace grafyon
