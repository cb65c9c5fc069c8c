// Toolbar and menu images of the commands: the desktop's icon theme where one fits, our own
// scalable images otherwise.
#pragma once

#include <QIcon>

namespace grafyon {

// The image of a command; a null icon for a command without one.
QIcon CommandIcon(int commandId);

}  // namespace grafyon
