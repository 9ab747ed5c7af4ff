#pragma once

#include "shell/form_dialog.h"

namespace kestrune {

// The dialogs that add, edit and delete categories, items and persons. Those opened from a
// page link work on the selection; those opened from the Edit menu let the user choose.
// Each calls one form of catalogue_forms.h from its main button.

// "Add expense category".
class CAddCategoryDialog final : public CFormDialog {
  Q_OBJECT
 public:
  CAddCategoryDialog(FormContext& form, QWidget* parent);
};

// "Add expense item": with a category chooser from the Edit menu, for the selected
// category from the category page's "Add item".
class CAddItemDialog final : public CFormDialog {
  Q_OBJECT
 public:
  CAddItemDialog(FormContext& form, bool choose_category, QWidget* parent);
};

// "Add person".
class CAddPersonDialog final : public CFormDialog {
  Q_OBJECT
 public:
  CAddPersonDialog(FormContext& form, QWidget* parent);
};

// "Edit category information": of a chosen category, or of the selected one.
class CEditCategoryDialog final : public CFormDialog {
  Q_OBJECT
 public:
  CEditCategoryDialog(FormContext& form, bool choose, QWidget* parent);

 private:
  void load(const std::string& category);

  FormContext& form_;
  QLineEdit* name_;
  CInformationEdit* information_;
  std::string loaded_name_;  // the category as chosen, before the user's edits
};

// "Edit item information": of a chosen item, or of the selected one. The item may move to
// another category.
class CEditItemDialog final : public CFormDialog {
  Q_OBJECT
 public:
  CEditItemDialog(FormContext& form, bool choose, QWidget* parent);

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
  CInformationEdit* information_ = nullptr;
};

// "Edit person information" (with a chooser) or "Edit person" (the selected person).
class CEditPersonDialog final : public CFormDialog {
  Q_OBJECT
 public:
  CEditPersonDialog(FormContext& form, bool choose, QWidget* parent);

 private:
  void load(const std::string& person);

  FormContext& form_;
  QLineEdit* name_;
  CInformationEdit* information_;
  std::string loaded_name_;
};

// Selects the chooser's entry that reads exactly `name`; leaves the choice when none does.
void SelectName(QComboBox* chooser, const std::string& name);

// "Delete expense category", "Delete expense item" and "Delete person" of the Edit menu. Each
// opens on the selected category, item or person.
class CDeleteCategoryDialog final : public CFormDialog {
  Q_OBJECT
 public:
  CDeleteCategoryDialog(FormContext& form, QWidget* parent);
};

class CDeleteItemDialog final : public CFormDialog {
  Q_OBJECT
 public:
  CDeleteItemDialog(FormContext& form, QWidget* parent);
};

class CDeletePersonDialog final : public CFormDialog {
  Q_OBJECT
 public:
  CDeletePersonDialog(FormContext& form, QWidget* parent);
};

}  // namespace kestrune
