#include <QApplication>

#include "shell/kestrune_app.h"
#include "shell/web_engine_setup.h"

int main(int argc, char** argv) {
  kestrune::PrepareWebEngine();
  QApplication application(argc, argv);
  return kestrune::CKestruneApp(application).Run();
}
