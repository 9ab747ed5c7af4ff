#include <QApplication>

#include "shell/kestrune_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return kestrune::CKestruneApp(application).Run();
}
