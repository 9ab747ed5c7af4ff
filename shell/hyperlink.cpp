#include "shell/hyperlink.h"

#include <QMouseEvent>

namespace kestrune {
namespace {

const QColor kLinkColour(0, 0, 255);
const QColor kHoverColour(255, 0, 0);
const QColor kVisitedColour(128, 0, 128);

}  // namespace

Hyperlink::Hyperlink(const QString& text, QUrl target, UserPrompts& prompts, QWidget* parent)
    : QLabel(text, parent), target_(std::move(target)), prompts_(prompts) {
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  paintColour(false);
}

void Hyperlink::follow() {
  visited_ = true;
  paintColour(false);
  prompts_.OpenUrl(target_);
}

void Hyperlink::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  paintColour(true);
}

void Hyperlink::leaveEvent(QEvent* event) {
  QLabel::leaveEvent(event);
  paintColour(false);
}

void Hyperlink::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    follow();
  }
}

void Hyperlink::paintColour(bool hovered) {
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText,
                   hovered ? kHoverColour : (visited_ ? kVisitedColour : kLinkColour));
  setPalette(colours);
}

}  // namespace kestrune
