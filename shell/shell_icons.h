#pragma once

#include <QIcon>

namespace kestrune {

// The program's own icons, drawn from the SVG artwork built into it.

// The icon of a tree image (see TreeImage), at 16 and 32 pixels.
QIcon TreeIcon(int image);

// The icon of a command's menu entry and toolbar button; a null icon for a command
// without one.
QIcon CommandIcon(int command_id);

// The program's icon: the window, the tray and the About box.
QIcon ApplicationIcon();

}  // namespace kestrune
