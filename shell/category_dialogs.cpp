// The dialogs of categories and persons: add, edit, delete.
#include "shell/catalogue_dialogs.h"
#include "shell/catalogue_forms.h"

namespace kestrune {

void SelectName(QComboBox* chooser, const std::string& name) {
  const int position = chooser->findText(QString::fromStdString(name), Qt::MatchExactly);
  if (position >= 0) chooser->setCurrentIndex(position);
}

CAddCategoryDialog::CAddCategoryDialog(FormContext& form, QWidget* parent)
    : CFormDialog("Add expense category", parent) {
  addHeading("Type category information");
  QLineEdit* name = addLineEdit("Category name:", "name");
  CInformationEdit* information = addInformation("Category information:", "information");
  addMainButton("Add", [&form, name, information] {
    return SubmitNewCategory(form, TextOf(name), TextOf(information));
  });
}

CAddPersonDialog::CAddPersonDialog(FormContext& form, QWidget* parent)
    : CFormDialog("Add person", parent) {
  addHeading("Type person information");
  QLineEdit* name = addLineEdit("Person name:", "name");
  CInformationEdit* information = addInformation("Person information:", "information");
  addMainButton("Add", [&form, name, information] {
    return SubmitNewPerson(form, TextOf(name), TextOf(information));
  });
}

CEditCategoryDialog::CEditCategoryDialog(FormContext& form, bool choose, QWidget* parent)
    : CFormDialog("Edit category information", parent), form_(form) {
  QComboBox* chooser = choose ? addCombo("Choose category:", "chooseCategory") : nullptr;
  addGroup("New category information");
  name_ = addLineEdit("Category name:", "name");
  information_ = addInformation("Category information:", "information");
  addMainButton("Update information", [this] {
    return SubmitCategoryEdit(form_, loaded_name_, TextOf(name_), TextOf(information_));
  });
  if (!chooser) {
    load(form_.state.SelectedCat);
    return;
  }
  FillChooser(chooser, form_.db.GetCategoryNames());
  load(form_.db.GetCategoryNameAt(chooser->currentIndex()));
  connect(chooser, &QComboBox::currentIndexChanged, this,
          [this](int position) { load(form_.db.GetCategoryNameAt(position)); });
}

void CEditCategoryDialog::load(const std::string& category) {
  loaded_name_ = form_.db.CategoryExists(category) ? category : std::string();
  SetText(name_, loaded_name_);
  SetText(information_, form_.db.GetCategoryInfo(loaded_name_));
}

CEditPersonDialog::CEditPersonDialog(FormContext& form, bool choose, QWidget* parent)
    : CFormDialog(choose ? "Edit person information" : "Edit person", parent), form_(form) {
  QComboBox* chooser = choose ? addCombo("Choose person:", "choosePerson") : nullptr;
  addGroup("New person information");
  name_ = addLineEdit("Person name:", "name");
  information_ = addInformation("Person information:", "information");
  addMainButton("Update information", [this] {
    return SubmitPersonEdit(form_, loaded_name_, TextOf(name_), TextOf(information_));
  });
  if (!chooser) {
    load(form_.state.SelectedPerson);
    return;
  }
  FillChooser(chooser, form_.db.GetPersonNames());
  load(form_.db.GetPersonNames().empty() ? "" : form_.db.GetPersonNameAt(0));
  connect(chooser, &QComboBox::currentIndexChanged, this,
          [this](int position) { load(form_.db.GetPersonNameAt(position)); });
}

void CEditPersonDialog::load(const std::string& person) {
  loaded_name_ = form_.db.PersonExists(person) ? person : std::string();
  SetText(name_, loaded_name_);
  SetText(information_, form_.db.GetPersonInfo(loaded_name_));
}

CDeleteCategoryDialog::CDeleteCategoryDialog(FormContext& form, QWidget* parent)
    : CFormDialog("Delete expense category", parent) {
  QComboBox* chooser = addCombo("Choose category:", "chooseCategory");
  FillChooser(chooser, form.db.GetCategoryNames());
  SelectName(chooser, form.state.SelectedCat);
  addMainButton("Delete category",
                [&form, chooser] { return SubmitCategoryDeletion(form, chooser->currentIndex()); });
}

CDeletePersonDialog::CDeletePersonDialog(FormContext& form, QWidget* parent)
    : CFormDialog("Delete person", parent) {
  QComboBox* chooser = addCombo("Choose person:", "choosePerson");
  FillChooser(chooser, form.db.GetPersonNames());
  SelectName(chooser, form.state.SelectedPerson);
  addMainButton("Delete person",
                [&form, chooser] { return SubmitPersonDeletion(form, chooser->currentIndex()); });
}

}  // namespace kestrune
