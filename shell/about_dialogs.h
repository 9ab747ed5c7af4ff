#pragma once

#include <QDialog>
#include <QUrl>

#include "shell/user_prompts.h"

namespace kestrune {

// The Kestrune web site the About and Help boxes invite the user to.
inline constexpr const char* kMakerSite = "https://kestrune.example.org/";

// "About Kestrune": the program's name, version and notice, a link to its web site, OK.
class AboutDialog final : public QDialog {
  Q_OBJECT

 public:
  AboutDialog(UserPrompts& prompts, QWidget* parent);
};

// "Help": a link to the help page shipped with the program, a link to the web site, OK.
class HelpDialog final : public QDialog {
  Q_OBJECT

 public:
  HelpDialog(UserPrompts& prompts, const QUrl& help_page, QWidget* parent);
};

}  // namespace kestrune
