#include "shell/confirmation_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kestrune {

ConfirmationDialog::ConfirmationDialog(const Confirmation& confirmation, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("Kestrune", confirmation.title));
  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
  auto* text = new QLabel(QCoreApplication::translate("Kestrune", confirmation.text), this);
  text->setTextFormat(Qt::PlainText);
  auto* yes = new QPushButton(tr("Yes"), this);
  yes->setObjectName("yes");
  yes->setDefault(true);
  auto* no = new QPushButton(tr("No"), this);
  no->setObjectName("no");
  no->setAutoDefault(false);
  connect(yes, &QPushButton::clicked, this, &QDialog::accept);
  connect(no, &QPushButton::clicked, this, &QDialog::reject);

  // What the answer acts on, beneath the question; names are shown as typed, never as markup.
  auto* detail = new QLabel(QString::fromStdString(confirmation.detail), this);
  detail->setObjectName("detail");
  detail->setTextFormat(Qt::PlainText);
  detail->setWordWrap(true);
  detail->setVisible(!confirmation.detail.empty());
  auto* question = new QVBoxLayout;
  question->addWidget(text);
  question->addWidget(detail);
  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addLayout(question, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(yes);
  buttons->addWidget(no);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
}

}  // namespace kestrune
