#pragma once

#include <QDateEdit>

#include "pages/page_links.h"
#include "shell/form_dialog.h"
#include "shell/purchase_forms.h"

namespace kestrune {

// A date field whose month part takes what the user types: a month's number ("3", "12")
// or the start of its name ("mar"), settled as it is typed, so Tab keeps it.
class DateField final : public QDateEdit {
 public:
  explicit DateField(QWidget* parent) : QDateEdit(parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The month `typed` names: 1-12 for a number, else the first month whose name starts
  // with it (any case); 0 for none.
  int monthTyped(const QString& typed) const;
  bool showMonth(int month);

  QString typed_;
};

// "Add purchase" for the selected item, or "Edit purchase" of one purchase of its page:
// the date (with a calendar), the person (the household's persons, then "for all"), the
// information (one line: a purchase is one line of its file; Enter saves) and the sum.
class PurchaseDialog final : public FormDialog {
  Q_OBJECT

 public:
  // Add purchase: today's date, the first person.
  PurchaseDialog(FormContext& form, QWidget* parent);
  // Edit purchase: the purchase `old_line` with its fields read as `old`.
  PurchaseDialog(FormContext& form, std::string old_line, const PurchaseToEdit& old,
                  QWidget* parent);

 private:
  void createFields(const QString& heading);
  PurchaseInput input() const;

  FormContext& form_;
  std::string old_line_;
  DateField* date_ = nullptr;
  QComboBox* person_ = nullptr;
  QLineEdit* information_ = nullptr;
  QLineEdit* sum_ = nullptr;
};

}  // namespace kestrune
