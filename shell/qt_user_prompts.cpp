#include "shell/qt_user_prompts.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "shell/confirmation_dialog.h"
#include "shell/database_error_dialog.h"

namespace kestrune {

PromptAnswer QtUserPrompts::AskAboutMissingIndex(const std::string& text) {
  CDatabaseErrorDialog dialog(QString::fromStdString(text), parent_);
  return dialog.exec() == QDialog::Accepted ? PromptAnswer::kCreateNewFile : PromptAnswer::kExit;
}

void QtUserPrompts::ShowMessage(const std::string& text) {
  QMessageBox::warning(parent_, "Kestrune", QString::fromStdString(text));
}

void QtUserPrompts::ShowMessage(const std::string& text, const std::string& detail) {
  QMessageBox box(QMessageBox::Warning, "Kestrune", QString::fromStdString(text), QMessageBox::Ok,
                  parent_);
  box.setInformativeText(QString::fromStdString(detail));
  box.exec();
}

bool QtUserPrompts::AskYesNo(const std::string& text) {
  return QMessageBox::question(parent_, "Kestrune", QString::fromStdString(text),
                               QMessageBox::Yes | QMessageBox::No) != QMessageBox::No;
}

bool QtUserPrompts::Confirm(const Confirmation& confirmation) {
  CConfirmationDialog dialog(confirmation, parent_);
  return dialog.exec() == QDialog::Accepted;
}

int QtUserPrompts::RunDialog(QDialog& dialog) {
  return dialog.exec();
}

void QtUserPrompts::OpenUrl(const QUrl& url) {
  if (!QDesktopServices::openUrl(url)) {
    ShowMessage("Kestrune cannot open " + url.toDisplayString().toStdString());
  }
}

}  // namespace kestrune
