#pragma once

#include <QString>
#include <QUrl>
#include <string>

namespace kestrune {

// The browser shows the page file through a URL scheme of the program's own: the page
// file's name does not end in ".html", and only a scheme handler can say it is HTML. The
// URL's path is the file's absolute path, so a relative link on the page resolves to the
// data folder, "/" and the link text.
inline constexpr const char* kPageScheme = "kestrune";

// Must run before the QApplication is constructed: registers the scheme and sets what the
// web engine needs to run here (no sandbox as root, no GPU).
void PrepareWebEngine();

// The URL that shows the file at `path`.
QUrl PageUrl(const std::string& path);

// The file path a navigation target names, its percent-encoding decoded, so the link text
// comes back unchanged (blanks and "|" included); empty for a URL of another scheme.
std::string TargetPath(const QUrl& url);

}  // namespace kestrune
