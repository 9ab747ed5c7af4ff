#pragma once

#include <string>

class QDialog;
class QUrl;

#include "database/database_prompt.h"
#include "database/status.h"
#include "shell/confirmations.h"

namespace kestrune {

// Everything the program asks or tells the user in a box of its own. The program shows
// message boxes and dialogs; tests answer and read them.
class UserPrompts : public DatabasePrompt {
 public:
  // A message with an OK button only.
  virtual void ShowMessage(const std::string& text) = 0;
  // A message with an OK button and, smaller below it, the detail that says why.
  virtual void ShowMessage(const std::string& text, const std::string& detail) = 0;
  // A failed status's message, with its detail when it has one.
  void ShowRefusal(const Status& status) {
    if (status.detail().empty()) {
      ShowMessage(status.message());
    } else {
      ShowMessage(status.message(), status.detail());
    }
  }
  // A question with Yes and No buttons; true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // A confirmation before a deletion; true for Yes.
  virtual bool Confirm(const Confirmation& confirmation) = 0;
  // Runs a dialog modally and returns its result (QDialog::Accepted or Rejected).
  virtual int RunDialog(QDialog& dialog) = 0;
  // Opens a web page or a local file with the desktop's program for it.
  virtual void OpenUrl(const QUrl& url) = 0;
};

}  // namespace kestrune
