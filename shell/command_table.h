#pragma once

#include <span>
#include <string>

namespace kestrune {

// The texts of one command: its menu entry, its toolbar button, and what the status bar
// says while it is highlighted. A command without a menu entry or button has "" there.
struct CommandInfo {
  int id = 0;
  const char* menu_text = "";
  const char* button_text = "";
  const char* status_text = "";
  const char* tooltip = "";  // when it differs from the button text
  bool checkable = false;
  const char* shortcut = "";
};

// Every command of the frame and the view.
std::span<const CommandInfo> Commands();

// The command's texts; a blank entry for an unknown id.
const CommandInfo& CommandInfoFor(int id);

// The main toolbar and the item toolbar, buttons in order; 0 is a separator.
std::span<const int> MainToolbarButtons();
std::span<const int> ItemToolbarButtons();

// The command buttons of the item toolbar shown for a NodeKind: the category buttons (1),
// the item buttons (2), the person buttons (3), the statistics buttons (4); none otherwise.
std::span<const int> VisibleItemButtons(int node_kind);

// The menus of the menu bar: a title and its command ids, 0 for a separator. A negative
// id stands for a sub-menu: -142 the "&Show" menu, -143 the "Graph" menu.
struct MenuInfo {
  const char* title;
  std::span<const int> entries;
};
std::span<const MenuInfo> MenuBar();
// The drop-down menus of the main toolbar's buttons 32773 ("&Show") and 32778 ("Graph").
std::span<const int> ShowMenu();
std::span<const int> GraphMenu();
// The tray icon's menu: the four commands of the File menu.
std::span<const int> TrayMenu();

}  // namespace kestrune
