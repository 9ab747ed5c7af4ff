// The style sheet and images shipped for the pages, and their copying into a data folder.
#include "pages/page_assets.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <set>

#include "tests/support/failing_file_system.h"
#include "tests/support/temp_folder.h"

namespace kestrune::testing {
namespace {

const std::set<std::string> kNamedByPages = {"2.css",     "cnt.gif",     "edit.gif", "delete.gif",
                                             "plus.gif",  "cabinet.gif", "user.gif", "usedit.gif",
                                             "usdel.gif", "item.bmp"};

TEST(PageAssets, ImagesAreRealGifAndBmpFilesThatDecode) {
  for (const PageAsset& asset : PageAssets()) {
    const std::string name(asset.name);
    if (name == "2.css") {
      EXPECT_NE(asset.bytes.find("body {"), std::string_view::npos);
      continue;
    }
    const bool gif = name.ends_with(".gif");
    EXPECT_TRUE(asset.bytes.starts_with(gif ? "GIF89a" : "BM")) << name;
    const QImage image =
        QImage::fromData(QByteArray(asset.bytes.data(), static_cast<qsizetype>(asset.bytes.size())),
                         gif ? "GIF" : "BMP");
    ASSERT_FALSE(image.isNull()) << name;
    EXPECT_GE(image.width(), 10) << name;
    EXPECT_LE(image.width(), 24) << name;
    EXPECT_EQ(image.width(), image.height()) << name;
    // Icons stand on the page's white: their corners are see-through (or white for the BMP).
    const QColor corner = image.pixelColor(0, 0);
    EXPECT_TRUE(corner.alpha() == 0 || corner == QColor(Qt::white)) << name;
  }
}

// Every file the pages name is shipped, and installed unless the user has one.
TEST(PageAssets, InstallingWritesOnlyWhatIsMissingOrSaysWhyNot) {
  TempFolder data;
  data.Write("2.css", "/* my own */");
  PosixFileSystem disk;
  ASSERT_TRUE(InstallPageAssets(disk, data.path()).ok());
  EXPECT_EQ(data.Read("2.css"), "/* my own */");
  for (const PageAsset& asset : PageAssets()) {
    if (asset.name == "2.css") continue;
    EXPECT_EQ(data.Read(std::string(asset.name)), asset.bytes) << asset.name;
  }
  EXPECT_EQ(data.List("."), std::vector<std::string>(kNamedByPages.begin(), kNamedByPages.end()));
  // A failed write is returned.
  TempFolder empty;
  FailingFileSystem full_disk;
  full_disk.fail_after = 0;
  const Status status = InstallPageAssets(full_disk, empty.path());
  EXPECT_NE(status.message().find(empty.path() + "/2.css"), std::string::npos) << status.ok();
  EXPECT_TRUE(empty.List(".").empty());
}

}  // namespace
}  // namespace kestrune::testing
