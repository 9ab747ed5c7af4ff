#include "shell/qt_user_prompts.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>

#include "shell/confirmation_dialog.h"
#include "shell/database_error_dialog.h"
#include "shell/translation.h"

namespace kestrune {
namespace {

// Messages quote names and notes as typed: a name such as "<b>x" is shown, never rendered.
int RunMessageBox(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
                  const std::string& detail, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon,
                  QString::fromStdString(Translated(QT_TRANSLATE_NOOP("Kestrune", "Kestrune"))),
                  QString::fromStdString(text), buttons, parent);
  box.setTextFormat(Qt::PlainText);
  box.setInformativeText(QString::fromStdString(detail));
  for (QLabel* label : box.findChildren<QLabel*>()) {
    if (label->objectName() == "qt_msgbox_informativelabel") label->setTextFormat(Qt::PlainText);
  }
  return box.exec();
}

}  // namespace

PromptAnswer QtUserPrompts::AskAboutMissingIndex(const std::string& text) {
  DatabaseErrorDialog dialog(QString::fromStdString(text), parent_);
  return dialog.exec() == QDialog::Accepted ? PromptAnswer::kCreateNewFile : PromptAnswer::kExit;
}

void QtUserPrompts::ShowMessage(const std::string& text) {
  ShowMessage(text, {});
}

void QtUserPrompts::ShowMessage(const std::string& text, const std::string& detail) {
  RunMessageBox(parent_, QMessageBox::Warning, text, detail, QMessageBox::Ok);
}

bool QtUserPrompts::AskYesNo(const std::string& text) {
  return RunMessageBox(parent_, QMessageBox::Question, text, {},
                       QMessageBox::Yes | QMessageBox::No) != QMessageBox::No;
}

bool QtUserPrompts::Confirm(const Confirmation& confirmation) {
  ConfirmationDialog dialog(confirmation, parent_);
  return dialog.exec() == QDialog::Accepted;
}

int QtUserPrompts::RunDialog(QDialog& dialog) {
  return dialog.exec();
}

void QtUserPrompts::OpenUrl(const QUrl& url) {
  if (!QDesktopServices::openUrl(url)) {
    ShowMessage(Translated(QT_TRANSLATE_NOOP("Kestrune", "Kestrune cannot open %1"),
                           {url.toDisplayString().toStdString()}));
  }
}

}  // namespace kestrune
