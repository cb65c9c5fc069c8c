// The window a dialog of the library opens over.
#include "dialog_parent.h"

#include <QApplication>
#include <QWidget>

namespace grafyon::exportfilter {

QWidget* DialogParent(QWidget* owner) {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (owner != nullptr)
        return owner;
    return QApplication::activeWindow();
}

}  // namespace grafyon::exportfilter
