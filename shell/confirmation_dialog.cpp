#include "shell/confirmation_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kestrune {

CConfirmationDialog::CConfirmationDialog(const Confirmation& confirmation, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(confirmation.title);
  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
  auto* text = new QLabel(confirmation.text, this);
  text->setTextFormat(Qt::PlainText);
  auto* yes = new QPushButton("Yes", this);
  yes->setObjectName("yes");
  yes->setDefault(true);
  auto* no = new QPushButton("No", this);
  no->setObjectName("no");
  no->setAutoDefault(false);
  connect(yes, &QPushButton::clicked, this, &QDialog::accept);
  connect(no, &QPushButton::clicked, this, &QDialog::reject);

  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addWidget(text, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(yes);
  buttons->addWidget(no);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
}

}  // namespace kestrune
