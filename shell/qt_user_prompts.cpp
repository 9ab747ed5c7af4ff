#include "shell/qt_user_prompts.h"

#include <QMessageBox>

#include "shell/database_error_dialog.h"

namespace kestrune {

PromptAnswer QtUserPrompts::AskAboutMissingIndex(const std::string& text) {
  CDatabaseErrorDialog dialog(QString::fromStdString(text), parent_);
  return dialog.exec() == QDialog::Accepted ? PromptAnswer::kCreateNewFile : PromptAnswer::kExit;
}

void QtUserPrompts::ShowMessage(const std::string& text) {
  QMessageBox::warning(parent_, "Kestrune", QString::fromStdString(text));
}

bool QtUserPrompts::AskYesNo(const std::string& text) {
  return QMessageBox::question(parent_, "Kestrune", QString::fromStdString(text),
                               QMessageBox::Yes | QMessageBox::No) != QMessageBox::No;
}

}  // namespace kestrune
