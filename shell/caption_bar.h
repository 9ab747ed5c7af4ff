#pragma once

#include <QLabel>
#include <QToolButton>
#include <QWidget>

namespace kestrune {

// The strip above the tree and the view: the text and icon of the selected node. While the
// tree pane is hidden it offers a button that brings the pane back.
class CCaptionBar final : public QWidget {
  Q_OBJECT

 public:
  explicit CCaptionBar(QWidget* parent);

  void SetCaption(const QString& text, const QIcon& icon);
  QString text() const { return text_->text(); }
  // Shows or hides the button that restores the tree pane.
  void SetTreeHidden(bool hidden);

 signals:
  void restoreTreeRequested();

 private:
  QToolButton* restore_;
  QLabel* icon_;
  QLabel* text_;
};

}  // namespace kestrune
