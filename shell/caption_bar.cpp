#include "shell/caption_bar.h"

#include <QHBoxLayout>
#include <QTextDocument>

#include "shell/shell_icons.h"

namespace kestrune {
namespace {

constexpr int kCaptionHeight = 26;
constexpr int kCaptionFontPixels = 18;

}  // namespace

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::setFullText(const QString& text) {
  full_ = text;
  setToolTip(PlainToolTip(text));
  elide();
}

QSize ElidedLabel::minimumSizeHint() const {
  return QSize(0, QLabel::minimumSizeHint().height());
}

QSize ElidedLabel::sizeHint() const {
  return QSize(fontMetrics().horizontalAdvance(full_), QLabel::sizeHint().height());
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  elide();
}

void ElidedLabel::elide() {
  setText(fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width()));
}

QString PlainToolTip(const QString& text) {
  return text.isEmpty() ? QString() : Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

CaptionBar::CaptionBar(QWidget* parent)
    : QWidget(parent),
      restore_(new QToolButton(this)),
      icon_(new QLabel(this)),
      text_(new ElidedLabel(this)) {
  setObjectName("captionBar");
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0x5b, 0x6e, 0x8c));
  colours.setColor(QPalette::WindowText, Qt::white);
  setPalette(colours);
  setFixedHeight(kCaptionHeight);

  QFont font = text_->font();
  font.setPixelSize(kCaptionFontPixels);
  font.setBold(true);
  text_->setFont(font);
  text_->setObjectName("captionText");
  text_->setFullText(tr("Caption Text"));
  icon_->setPixmap(ApplicationIcon().pixmap(16, 16));
  restore_->setText(tr("Folder List"));
  restore_->setToolTip(tr("Show the folder list again"));
  restore_->setAutoRaise(true);
  restore_->hide();
  connect(restore_, &QToolButton::clicked, this, &CaptionBar::restoreTreeRequested);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 0, 4, 0);
  layout->addWidget(restore_);
  layout->addWidget(icon_);
  layout->addWidget(text_, 1);
}

void CaptionBar::setCaption(const QString& text, const QIcon& icon) {
  text_->setFullText(text);
  icon_->setPixmap(icon.pixmap(16, 16));
}

void CaptionBar::setTreeHidden(bool hidden) {
  restore_->setVisible(hidden);
}

}  // namespace kestrune
