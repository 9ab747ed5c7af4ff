// Takes pictures of the main window for looking at it without a display:
//   kestrune-shell-screenshot WORKDIR OUT.png [STEP...]
// Each STEP is "folder:N" (select folder N of the folder bar), "node:TEXT" (select the first
// tree node bearing TEXT), "command:NAME" (trigger the window's action of that name, such as
// actionPieChart), "press:NAME" (click the button of that name in the next dialog before its
// picture, such as submit), "choose-file:PATH" (the file dialogs of the commands after it
// answer PATH), "type:NAME=TEXT" (put TEXT in the window's text field of that name, such as
// findWords), "click:NAME" (click the window's button of that name, such as findButton),
// "size:WxH" or "wait:MS". A dialog a command opens is pictured
// beside OUT as OUT-dialog-N.png and closed unchanged but for the presses; messages go to
// standard error.
// The preferences are read from and written to WORKDIR/screenshot-settings.ini.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <utility>

#include "shell/confirmation_dialog.h"
#include "shell/main_window.h"
#include "shell/qt_settings_store.h"
#include "shell/web_engine_setup.h"

namespace {

// Pictures each dialog instead of waiting for a user.
class PicturingPrompts final : public kestrune::UserPrompts {
 public:
  explicit PicturingPrompts(QString base) : base_(std::move(base)) {}
  kestrune::PromptAnswer AskAboutMissingIndex(const std::string& text) override {
    std::cerr << text << "\n";
    return kestrune::PromptAnswer::kExit;
  }
  void ShowMessage(const std::string& text) override { std::cerr << text << "\n"; }
  void ShowMessage(const std::string& text, const std::string& detail) override {
    std::cerr << text << "\n" << detail << "\n";
  }
  bool AskYesNo(const std::string&) override { return false; }
  bool Confirm(const kestrune::Confirmation& confirmation) override {
    kestrune::ConfirmationDialog dialog(confirmation, nullptr);
    Picture(dialog);
    return false;
  }
  int RunDialog(QDialog& dialog) override {
    Picture(dialog);
    return QDialog::Rejected;
  }
  void OpenUrl(const QUrl&) override {}
  // Clicks the button `name` in the next dialog pictured.
  void PressNext(const QString& name) { presses_.append(name); }

 private:
  void Picture(QDialog& dialog) {
    dialog.show();
    QTest::qWait(200);
    for (const QString& name : std::exchange(presses_, {})) {
      if (auto* button = dialog.findChild<QAbstractButton*>(name)) button->click();
      QTest::qWait(300);
    }
    dialog.grab().save(QString("%1-dialog-%2.png").arg(base_).arg(++count_));
    dialog.hide();
  }
  QString base_;
  int count_ = 0;
  QStringList presses_;
};

// Answers File > Export's and File > Import's file dialogs with one path.
class FixedChooser final : public kestrune::FileChooser {
 public:
  QString ChooseSaveFile(QWidget*, const QString&, const QString&, const QString&) override {
    return path;
  }
  QString ChooseOpenFile(QWidget*, const QString&, const QString&) override { return path; }
  QString path;
};

void Settle(int ms) {
  QTest::qWait(ms);
  QCoreApplication::processEvents();
}

void RunStep(kestrune::MainWindow& frame, PicturingPrompts& prompts, FixedChooser& chooser,
             const QString& step) {
  const QString kind = step.section(':', 0, 0);
  const QString value = step.section(':', 1);
  if (kind == "folder") frame.folderBar()->selectFolder(value.toInt());
  if (kind == "node") frame.treePane()->selectNodeByText(value);
  if (kind == "command") {
    if (auto* action = frame.findChild<QAction*>(value)) action->trigger();
  }
  if (kind == "press") prompts.PressNext(value);
  if (kind == "choose-file") chooser.path = value;
  if (kind == "type") {
    if (auto* field = frame.findChild<QLineEdit*>(value.section('=', 0, 0))) {
      field->setText(value.section('=', 1));
    }
  }
  if (kind == "click") {
    if (auto* button = frame.findChild<QAbstractButton*>(value)) button->click();
  }
  if (kind == "size") frame.resize(value.section('x', 0, 0).toInt(), value.section('x', 1).toInt());
  Settle(kind == "wait" ? value.toInt() : 300);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  kestrune::PrepareWebEngine();
  QApplication application(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() < 3) {
    std::cerr << "usage: kestrune-shell-screenshot WORKDIR OUT.png [STEP...]\n";
    return 2;
  }
  kestrune::QtSettingsStore store(args[1] + "/screenshot-settings.ini");
  PicturingPrompts prompts(QString(args[2]).remove(".png"));
  kestrune::PosixFileSystem disk;
  const kestrune::SystemClock clock;
  kestrune::MainWindow frame(store, prompts, args[1].toStdString(), disk, clock);
  if (!frame.started()) return frame.exitStatus();
  frame.resize(1100, 700);
  frame.show();
  Settle(500);
  frame.showNormal();
  frame.resize(1100, 700);
  FixedChooser chooser;
  frame.setFileChooser(chooser);
  for (int i = 3; i < args.size(); ++i) RunStep(frame, prompts, chooser, args[i]);
  Settle(500);
  return frame.grab().save(args[2]) ? 0 : 1;
}
