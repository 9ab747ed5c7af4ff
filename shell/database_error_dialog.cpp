#include "shell/database_error_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "database/database_prompt.h"

namespace kestrune {
namespace {

QPushButton* PlainButton(const QString& text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

DatabaseErrorDialog::DatabaseErrorDialog(const QString& text, QWidget* parent) : QDialog(parent) {
  setWindowTitle(kDatabaseErrorTitle);
  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
  auto* message = new QLabel(text, this);
  message->setTextFormat(Qt::PlainText);
  message->setObjectName("message");
  QPushButton* create = PlainButton(tr("Create new file"), "create", this);
  QPushButton* exit = PlainButton(tr("Exit"), "exit", this);
  connect(create, &QPushButton::clicked, this, &QDialog::accept);
  connect(exit, &QPushButton::clicked, this, &QDialog::reject);

  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addWidget(message, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(create);
  buttons->addWidget(exit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
}

void DatabaseErrorDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    reject();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kestrune
