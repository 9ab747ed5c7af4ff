#pragma once

#include <string>

#include "database/database_prompt.h"

namespace kestrune {

// Everything the program asks or tells the user in a box of its own. The program shows
// message boxes and dialogs; tests answer and read them.
class UserPrompts : public DatabasePrompt {
 public:
  // A message with an OK button only.
  virtual void ShowMessage(const std::string& text) = 0;
  // A question with Yes and No buttons; true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
};

}  // namespace kestrune
