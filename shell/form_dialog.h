#pragma once

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <string>
#include <vector>

#include "shell/form_outcome.h"

namespace kestrune {

// A multi-line information box in which Enter presses the dialog's main button, as in a
// one-line field; Ctrl+Enter starts a new line (stored as a blank: information is one line).
class InformationEdit final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit InformationEdit(QWidget* parent);

 signals:
  void submitRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// The frame of the entry dialogs: a heading, labelled fields (grouped where the dialog
// has a group box) and one main button. The button's handler decides whether the dialog
// closes; what the frame must do afterwards is kept for it. Escape or the close box end the
// dialog without any change.
class FormDialog : public QDialog {
  Q_OBJECT

 public:
  FormDialog(const QString& title, QWidget* parent);

  // What the frame must show anew; empty unless the main button closed the dialog.
  const Afterwards& afterwards() const { return afterwards_; }

 protected:
  void addHeading(const QString& text);
  // A titled group box for the fields that follow, until the next group.
  void addGroup(const QString& title);
  QLineEdit* addLineEdit(const QString& label, const char* name);
  InformationEdit* addInformation(const QString& label, const char* name);
  QComboBox* addCombo(const QString& label, const char* name);
  void addRow(const QString& label, QWidget* field);
  // A field across the whole width, without a label (a list to choose from).
  void addWideRow(QWidget* field);
  // The default button; `submit` runs when it is pressed.
  QPushButton* addMainButton(const QString& text, std::function<FormOutcome()> submit);
  // Closes the dialog, accepted or not, when the outcome says so, keeping its afterwards.
  void finish(const FormOutcome& outcome, bool accepted);

 private:
  QVBoxLayout* layout_;
  QFormLayout* form_;
  QPushButton* main_button_ = nullptr;
  Afterwards afterwards_;
};

// Fills a chooser with `names` in order and selects the first (none when empty).
void FillChooser(QComboBox* chooser, const std::vector<std::string>& names);
std::string TextOf(const QLineEdit* edit);
std::string TextOf(const QPlainTextEdit* edit);
void SetText(QLineEdit* edit, const std::string& text);
void SetText(QPlainTextEdit* edit, const std::string& text);

}  // namespace kestrune
