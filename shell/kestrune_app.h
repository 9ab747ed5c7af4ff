#pragma once

#include <QApplication>
#include <string>

#include "database/clock.h"
#include "database/file_system.h"

namespace kestrune {

// The application: finds the working folder from the command line and the environment,
// builds the main frame on it (working through `fs`, stamping with `clock`, both of which
// must outlive it) and runs the event loop.
class KestruneApp {
 public:
  KestruneApp(QApplication& application, FileSystem& fs, const Clock& clock)
      : application_(application), fs_(fs), clock_(clock) {}
  KestruneApp(const KestruneApp&) = delete;
  KestruneApp& operator=(const KestruneApp&) = delete;

  // The program's exit status.
  int Run();

 private:
  // The working folder (--help and --version end the program here).
  std::string ParseWorkingFolder();

  QApplication& application_;
  FileSystem& fs_;
  const Clock& clock_;
};

}  // namespace kestrune
