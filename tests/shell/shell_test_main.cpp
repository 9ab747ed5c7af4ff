// The shell's widgets need a QApplication; without a display they run on the offscreen
// platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "shell/web_engine_setup.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  kestrune::PrepareWebEngine();
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
