#pragma once

#include <QLabel>
#include <QWidget>

namespace kestrune {

class CMainFrame;

// The main view, right of the tree. For now it names the selected node; the pages and
// charts are shown here once they are wired in.
class CKestruneView final : public QWidget {
  Q_OBJECT

 public:
  CKestruneView(CMainFrame& frame, QWidget* parent);

  // Shows the current state again (the document's refresh lands here).
  void Regenerate();

 private:
  CMainFrame& frame_;
  QLabel* label_;
};

}  // namespace kestrune
