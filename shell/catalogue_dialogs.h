#pragma once

#include <optional>
#include <string>

#include "shell/form_dialog.h"

namespace kestrune {

// The dialogs that add, edit and delete categories, items and persons. Those opened from a
// page link work on the selection; those opened from the Edit menu let the user choose.
// Each calls one form of catalogue_forms.h from its main button.

// "Add expense category", with its monthly budget (none when left empty).
class AddCategoryDialog final : public FormDialog {
  Q_OBJECT
 public:
  AddCategoryDialog(FormContext& form, QWidget* parent);
};

// "Add expense item": with a category chooser from the Edit menu, for the selected
// category from the category page's "Add item".
class AddItemDialog final : public FormDialog {
  Q_OBJECT
 public:
  AddItemDialog(FormContext& form, bool choose_category, QWidget* parent);
};

// "Add person".
class AddPersonDialog final : public FormDialog {
  Q_OBJECT
 public:
  AddPersonDialog(FormContext& form, QWidget* parent);
};

// "Edit category information": of a chosen category, or of the selected one, with its
// monthly budget.
class EditCategoryDialog final : public FormDialog {
  Q_OBJECT
 public:
  EditCategoryDialog(FormContext& form, bool choose, QWidget* parent);

 private:
  void load(const std::string& category);

  FormContext& form_;
  QLineEdit* name_;
  InformationEdit* information_;
  QLineEdit* budget_;
  std::string loaded_name_;  // the category as chosen, before the user's edits
};

// "Edit item information": of a chosen item, or of the selected one, with its monthly budget.
// The item may move to another category.
class EditItemDialog final : public FormDialog {
  Q_OBJECT
 public:
  EditItemDialog(FormContext& form, bool choose, QWidget* parent);

 private:
  void createChoosers();
  void chooseCategory(int position);
  void load(const std::string& category, const std::string& item);
  FormOutcome submit();

  FormContext& form_;
  bool choose_;
  QComboBox* choose_category_ = nullptr;
  QComboBox* choose_item_ = nullptr;
  QLineEdit* name_ = nullptr;
  QComboBox* category_ = nullptr;
  InformationEdit* information_ = nullptr;
  QLineEdit* budget_ = nullptr;
};

// "Edit person information" (with a chooser) or "Edit person" (the selected person).
class EditPersonDialog final : public FormDialog {
  Q_OBJECT
 public:
  EditPersonDialog(FormContext& form, bool choose, QWidget* parent);

 private:
  void load(const std::string& person);

  FormContext& form_;
  QLineEdit* name_;
  InformationEdit* information_;
  std::string loaded_name_;
};

// Selects the chooser's entry that reads exactly `name`; leaves the choice when none does.
void SelectName(QComboBox* chooser, const std::string& name);

// The monthly budget field of the category and item dialogs: empty for no budget.
QLineEdit* AddBudgetField(QLineEdit* field);
// Fills the field with the budget of the category (or its item); a budget file that cannot be
// read turns the field off, saying why, and the rest of the dialog still edits.
void LoadBudgetField(QLineEdit* field, const ExpenseDatabase& db, const std::string& category,
                     const std::string& item);
// The field's text, or nothing when it is off: the budget is then left as it is.
std::optional<std::string> BudgetFieldOf(const QLineEdit* field);

// "Delete expense category", "Delete expense item" and "Delete person" of the Edit menu. Each
// opens on the selected category, item or person.
class DeleteCategoryDialog final : public FormDialog {
  Q_OBJECT
 public:
  DeleteCategoryDialog(FormContext& form, QWidget* parent);
};

class DeleteItemDialog final : public FormDialog {
  Q_OBJECT
 public:
  DeleteItemDialog(FormContext& form, QWidget* parent);
};

class DeletePersonDialog final : public FormDialog {
  Q_OBJECT
 public:
  DeletePersonDialog(FormContext& form, QWidget* parent);
};

}  // namespace kestrune
