// Drives modal dialogs from inside their own event loops: an action runs on the next modal
// dialog of a type as soon as it shows.
#pragma once

#include <QApplication>
#include <QWidget>

#include <functional>

namespace grafyon::exportfilter::test {

// Runs action on the next modal widget that matches. When none shows within a few seconds
// the test fails and the modal widget in front is closed, so that no test hangs.
void WhenModalWidget(std::function<bool(QWidget*)> matches, std::function<void(QWidget*)> action);

template <class T>
void WhenModal(std::function<void(T&)> action) {
    WhenModalWidget(
        [](QWidget* widget) { return qobject_cast<T*>(widget) != nullptr; },
        [action = std::move(action)](QWidget* widget) { action(*qobject_cast<T*>(widget)); });
}

}  // namespace grafyon::exportfilter::test
