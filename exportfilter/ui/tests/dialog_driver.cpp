// Driving modal dialogs in tests.
#include "dialog_driver.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

namespace grafyon::exportfilter::test {

void WhenModalWidget(std::function<bool(QWidget*)> matches, std::function<void(QWidget*)> action) {
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, clock, matches = std::move(matches), action = std::move(action)] {
                         QWidget* modal = QApplication::activeModalWidget();
                         if (modal != nullptr && modal->isVisible() && matches(modal)) {
                             timer->stop();
                             timer->deleteLater();
                             action(modal);
                             return;
                         }
                         if (clock->elapsed() > 5000) {
                             timer->stop();
                             timer->deleteLater();
                             ADD_FAILURE() << "the expected dialog did not show";
                             if (auto* dialog = qobject_cast<QDialog*>(modal))
                                 dialog->reject();
                         }
                     });
    timer->start(5);
}

}  // namespace grafyon::exportfilter::test
