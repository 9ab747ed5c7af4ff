#include "shell/office_look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace kestrune {
namespace {

QPalette SoftBluePalette() {
  QPalette palette = QApplication::style()->standardPalette();
  palette.setColor(QPalette::Window, QColor(0xf1, 0xf4, 0xf9));
  palette.setColor(QPalette::Button, QColor(0xe6, 0xec, 0xf5));
  palette.setColor(QPalette::Highlight, QColor(0x31, 0x6a, 0xc5));
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::AlternateBase, QColor(0xe9, 0xef, 0xf8));
  return palette;
}

}  // namespace

void ApplyOfficeXpLook(bool on) {
  QApplication::setStyle(QStyleFactory::create(on ? "Fusion" : "Windows"));
  QApplication::setPalette(on ? SoftBluePalette() : QApplication::style()->standardPalette());
  // Everything is drawn again at once, not at the next change.
  for (QWidget* widget : QApplication::topLevelWidgets()) widget->update();
}

}  // namespace kestrune
