#pragma once

#include <QIcon>

namespace kestrune {

// The program's own icons, drawn from the SVG artwork built into it.

// The icon of a tree image (see TreeImage), at 16 and 32 pixels.
QIcon TreeIcon(int image);

// A small mark drawn over a command's artwork: what the command does to the thing shown.
enum class Badge { kNone, kAdd, kEdit, kDelete };

// The icon of a command's menu entry and toolbar button: the built-in artwork of that name
// ("category", "coins", "item", "list", "months", "person", "pie", "statistics") with the
// badge drawn over it, at 16, 24 and 32 pixels.
QIcon CommandIcon(const char* artwork, Badge badge = Badge::kNone);

// The program's icon: the window, the tray and the About box.
QIcon ApplicationIcon();

}  // namespace kestrune
