#pragma once

#include <QString>
#include <QUrl>
#include <QWebEngineSettings>
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

// Turns off in `settings` what a page of the program never needs and a hostile name could
// use: scripts, plug-ins, access from the page to local files or the network, opening
// other schemes through the desktop, navigating to a dropped file.
void LockDown(QWebEngineSettings& settings);

// The URL that shows the file at `path`.
QUrl PageUrl(const std::string& path);

// The file path a navigation target names, its percent-encoding decoded, so the link text
// comes back unchanged (blanks and "|" included); empty for a URL of another scheme.
std::string TargetPath(const QUrl& url);

}  // namespace kestrune
