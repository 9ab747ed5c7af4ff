#include "shell/kestrune_app.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include "shell/main_window.h"
#include "shell/qt_settings_store.h"
#include "shell/qt_user_prompts.h"
#include "shell/working_folder.h"

namespace kestrune {

std::string KestruneApp::ParseWorkingFolder() {
  QCommandLineParser parser;
  parser.setApplicationDescription("Kestrune, a household expense book.");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(
      {"workdir", "Keep the expense book in DIR (its database is DIR/data/BASE).", "DIR"});
  parser.process(application_);

  WorkingFolderInputs inputs;
  if (parser.isSet("workdir")) {
    inputs.option = QFileInfo(parser.value("workdir")).absoluteFilePath().toStdString();
  }
  inputs.current_folder = QDir::currentPath().toStdString();
  inputs.current_holds_database = QFileInfo(QDir::current().filePath("data/BASE")).isDir();
  inputs.xdg_data_home = qEnvironmentVariable("XDG_DATA_HOME").toStdString();
  inputs.home = QDir::homePath().toStdString();
  return ChooseWorkingFolder(inputs);
}

int KestruneApp::Run() {
  QApplication::setApplicationName("Kestrune");
  QApplication::setApplicationVersion("1.0");
  // Lets the desktop match the window to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName("io.kestrune.Kestrune");
  const std::string working_folder = ParseWorkingFolder();
  QtSettingsStore store;
  QtUserPrompts prompts;
  MainWindow frame(store, prompts, working_folder, fs_, clock_);
  if (!frame.started()) return frame.exitStatus();
  prompts.set_parent(&frame);
  frame.show();
  return QApplication::exec();
}

}  // namespace kestrune
