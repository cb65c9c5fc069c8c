// The window a dialog of the library opens over.
#pragma once

class QWidget;

namespace grafyon::exportfilter {

// The modal dialog in front, else the given owner, else the active window; may be null.
QWidget* DialogParent(QWidget* owner);

}  // namespace grafyon::exportfilter
