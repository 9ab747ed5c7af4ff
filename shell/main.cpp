#include <QApplication>
#include <csignal>

#include "shell/kestrune_app.h"
#include "shell/web_engine_setup.h"

int main(int argc, char** argv) {
  // A write beyond the file size limit then fails with EFBIG and is reported, old files kept.
  std::signal(SIGXFSZ, SIG_IGN);
  kestrune::PrepareWebEngine();
  QApplication application(argc, argv);
  kestrune::PosixFileSystem disk;
  const kestrune::SystemClock clock;
  return kestrune::KestruneApp(application, disk, clock).Run();
}
