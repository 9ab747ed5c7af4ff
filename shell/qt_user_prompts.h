#pragma once

#include <QPointer>
#include <QWidget>

#include "shell/user_prompts.h"

namespace kestrune {

// The prompts as message boxes and dialogs, centred on the main window once there is one.
class QtUserPrompts final : public UserPrompts {
 public:
  QtUserPrompts() = default;
  QtUserPrompts(const QtUserPrompts&) = delete;
  QtUserPrompts& operator=(const QtUserPrompts&) = delete;

  void set_parent(QWidget* parent) { parent_ = parent; }

  PromptAnswer AskAboutMissingIndex(const std::string& text) override;
  void ShowMessage(const std::string& text) override;
  void ShowMessage(const std::string& text, const std::string& detail) override;
  bool AskYesNo(const std::string& text) override;
  bool Confirm(const Confirmation& confirmation) override;
  int RunDialog(QDialog& dialog) override;
  void OpenUrl(const QUrl& url) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace kestrune
