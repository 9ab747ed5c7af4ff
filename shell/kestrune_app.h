#pragma once

#include <QApplication>
#include <string>

namespace kestrune {

// The application: finds the working folder from the command line and the environment,
// builds the main frame on it and runs the event loop.
class CKestruneApp {
 public:
  explicit CKestruneApp(QApplication& application) : application_(application) {}
  CKestruneApp(const CKestruneApp&) = delete;
  CKestruneApp& operator=(const CKestruneApp&) = delete;

  // The program's exit status.
  int Run();

 private:
  // The working folder (--help and --version end the program here).
  std::string ParseWorkingFolder();

  QApplication& application_;
};

}  // namespace kestrune
