#include "shell/kestrune_view.h"

#include <QVBoxLayout>

#include "shell/main_frame.h"

namespace kestrune {

CKestruneView::CKestruneView(CMainFrame& frame, QWidget* parent)
    : QWidget(parent), frame_(frame), label_(new QLabel(this)) {
  setObjectName("mainView");
  label_->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  connect(&frame_.document(), &CKestruneDoc::refreshRequested, this, &CKestruneView::Regenerate);
}

void CKestruneView::Regenerate() {
  label_->setText(frame_.caption_bar()->text());
}

}  // namespace kestrune
