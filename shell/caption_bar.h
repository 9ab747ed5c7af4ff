#pragma once

#include <QLabel>
#include <QToolButton>
#include <QWidget>

namespace kestrune {

// A one-line label of user text that never widens its window: plain text (a name is never
// markup), cut with "..." to the width it is given, the whole text in its tooltip.
class ElidedLabel final : public QLabel {
 public:
  explicit ElidedLabel(QWidget* parent);

  void setFullText(const QString& text);
  const QString& fullText() const { return full_; }
  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void elide();

  QString full_;
};

// The whole of a user's text as a tooltip: tooltips read markup, names must not.
QString PlainToolTip(const QString& text);

// The strip above the tree and the view: the text and icon of the selected node. While the
// tree pane is hidden it offers a button that brings the pane back.
class CaptionBar final : public QWidget {
  Q_OBJECT

 public:
  explicit CaptionBar(QWidget* parent);

  void setCaption(const QString& text, const QIcon& icon);
  // The whole caption; the bar shows it cut to its width.
  QString text() const { return text_->fullText(); }
  // Shows or hides the button that restores the tree pane.
  void setTreeHidden(bool hidden);

 signals:
  void restoreTreeRequested();

 private:
  QToolButton* restore_;
  QLabel* icon_;
  ElidedLabel* text_;
};

}  // namespace kestrune
