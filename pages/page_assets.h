#pragma once

#include <span>
#include <string>
#include <string_view>

#include "database/file_system.h"
#include "database/status.h"

namespace kestrune {

// The style sheet and the images the pages name (2.css, cnt.gif, edit.gif, delete.gif,
// plus.gif, cabinet.gif, user.gif, usedit.gif, usdel.gif, item.bmp). Their bytes are built
// into the program from resources/pages, so a page can be shown from any working folder.
struct PageAsset {
  std::string_view name;   // the file name a page refers to
  std::string_view bytes;  // the file's content
};

// Every asset, in a fixed order. Pure.
std::span<const PageAsset> PageAssets();

// Writes each asset that `folder` (the folder of the page file) lacks; files already there
// are left alone, so a user's own style sheet stays. Each write is atomic. Stops at the first
// write that fails and returns its status.
Status InstallPageAssets(FileSystem& fs, const std::string& folder);

}  // namespace kestrune
