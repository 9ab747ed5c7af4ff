#pragma once

#include <QLabel>
#include <QUrl>

#include "shell/user_prompts.h"

namespace kestrune {

// A clickable link text: blue, red while the mouse is over it, purple once visited.
// A click opens its target through the prompts (the desktop's program for it).
class Hyperlink final : public QLabel {
  Q_OBJECT

 public:
  Hyperlink(const QString& text, QUrl target, UserPrompts& prompts, QWidget* parent);

  // Opens the target, as a click does.
  void follow();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void paintColour(bool hovered);

  QUrl target_;
  UserPrompts& prompts_;
  bool visited_ = false;
};

}  // namespace kestrune
