#pragma once

namespace kestrune {

// The program's two looks: the Office-XP look (flat bars and menus in soft blue, the
// look a new window starts with) and the plain look of the desktop's style.
void ApplyOfficeXpLook(bool on);

}  // namespace kestrune
