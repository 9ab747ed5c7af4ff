#include "pages/page_assets.h"

namespace kestrune {

Status InstallPageAssets(FileSystem& fs, const std::string& folder) {
  for (const PageAsset& asset : PageAssets()) {
    const std::string path = folder + "/" + std::string(asset.name);
    if (fs.Exists(path)) continue;
    Status written = fs.WriteFile(path, std::string(asset.bytes));
    if (!written.ok()) return written;
  }
  return Status::Ok();
}

}  // namespace kestrune
