#include "shell/form_dialog.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>

namespace kestrune {

InformationEdit::InformationEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setFixedHeight(fontMetrics().lineSpacing() * 3 + 12);
}

void InformationEdit::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !(event->modifiers() & Qt::ControlModifier)) {
    emit submitRequested();
    return;
  }
  if (enter) {
    insertPlainText("\n");
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

FormDialog::FormDialog(const QString& title, QWidget* parent)
    : QDialog(parent), layout_(new QVBoxLayout(this)), form_(new QFormLayout) {
  setWindowTitle(title);
  layout_->addLayout(form_);
}

void FormDialog::addHeading(const QString& text) {
  auto* heading = new QLabel(text, this);
  heading->setTextFormat(Qt::PlainText);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout_->insertWidget(layout_->count() - 1, heading);
}

void FormDialog::addGroup(const QString& title) {
  auto* group = new QGroupBox(title, this);
  form_ = new QFormLayout(group);
  layout_->addWidget(group);
}

void FormDialog::addRow(const QString& label, QWidget* field) {
  form_->addRow(label, field);
}

void FormDialog::addWideRow(QWidget* field) {
  form_->addRow(field);
}

QLineEdit* FormDialog::addLineEdit(const QString& label, const char* name) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  edit->setMinimumWidth(220);
  addRow(label, edit);
  return edit;
}

InformationEdit* FormDialog::addInformation(const QString& label, const char* name) {
  auto* edit = new InformationEdit(this);
  edit->setObjectName(name);
  connect(edit, &InformationEdit::submitRequested, this, [this] {
    if (main_button_) main_button_->click();
  });
  addRow(label, edit);
  return edit;
}

QComboBox* FormDialog::addCombo(const QString& label, const char* name) {
  auto* combo = new QComboBox(this);
  combo->setObjectName(name);
  combo->setEditable(false);
  combo->setMinimumWidth(220);
  addRow(label, combo);
  return combo;
}

QPushButton* FormDialog::addMainButton(const QString& text, std::function<FormOutcome()> submit) {
  main_button_ = new QPushButton(text, this);
  main_button_->setObjectName("submit");
  main_button_->setDefault(true);
  connect(main_button_, &QPushButton::clicked, this,
          [this, submit = std::move(submit)] { finish(submit(), true); });
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(main_button_);
  layout_->addLayout(row);
  return main_button_;
}

void FormDialog::finish(const FormOutcome& outcome, bool accepted) {
  if (!outcome.close) return;
  afterwards_ = outcome.afterwards;
  done(accepted ? QDialog::Accepted : QDialog::Rejected);
}

void FillChooser(QComboBox* chooser, const std::vector<std::string>& names) {
  const QSignalBlocker quiet(chooser);
  chooser->clear();
  for (const std::string& name : names) chooser->addItem(QString::fromStdString(name));
  chooser->setCurrentIndex(names.empty() ? -1 : 0);
}

std::string TextOf(const QLineEdit* edit) {
  return edit->text().toStdString();
}
std::string TextOf(const QPlainTextEdit* edit) {
  return edit->toPlainText().toStdString();
}
void SetText(QLineEdit* edit, const std::string& text) {
  edit->setText(QString::fromStdString(text));
}
void SetText(QPlainTextEdit* edit, const std::string& text) {
  edit->setPlainText(QString::fromStdString(text));
}

}  // namespace kestrune
