// kestrune-first-page WORKDIR SETTINGS: starts the desktop program's main frame, as the
// program does, on WORKDIR with the preferences in the INI file SETTINGS; prints "shown"
// once the browser has shown the first page, then ends.
#include <QApplication>
#include <iostream>

#include "shell/main_view.h"
#include "shell/main_window.h"
#include "shell/qt_settings_store.h"
#include "shell/qt_user_prompts.h"
#include "shell/web_engine_setup.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: kestrune-first-page WORKDIR SETTINGS\n";
    return 2;
  }
  kestrune::PrepareWebEngine();
  QApplication application(argc, argv);
  kestrune::QtSettingsStore store(QString::fromLocal8Bit(argv[2]));
  kestrune::QtUserPrompts prompts;
  kestrune::PosixFileSystem disk;
  const kestrune::SystemClock clock;
  kestrune::MainWindow frame(store, prompts, argv[1], disk, clock);
  if (!frame.started()) return frame.exitStatus();
  QObject::connect(&frame.view()->browser(), &kestrune::WebBrowser::loadFinished,
                   [&application](bool ok) {
                     std::cout << (ok ? "shown" : "not shown") << std::endl;
                     application.exit(ok ? 0 : 1);
                   });
  frame.show();
  return QApplication::exec();
}
