// Opening the user manual in the user's web browser.
#pragma once

#include <QString>

class QWidget;

namespace grafyon {

// Opens the manual of the current language (falling back to the English one) found beside
// the executable or in the installed share folder. A missing manual or a browser that
// cannot be started gets a message box; false then.
bool OpenUserManual(QWidget* parent);
// The same for an executable in applicationDir.
bool OpenUserManual(QWidget* parent, const QString& applicationDir);

}  // namespace grafyon
