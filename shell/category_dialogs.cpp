// The dialogs of categories and persons: add, edit, delete.
#include "shell/budget_forms.h"
#include "shell/catalogue_dialogs.h"
#include "shell/catalogue_forms.h"

namespace kestrune {
namespace {

// The field's tip says what a budget is, or why the field is off.
QString BudgetTip(const Status& read) {
  if (!read.ok()) return QString::fromStdString(read.message());
  return QObject::tr(
      "The most the household means to spend on it each month; leave it empty "
      "for no budget");
}

}  // namespace

QLineEdit* AddBudgetField(QLineEdit* field) {
  field->setPlaceholderText(QObject::tr("none"));
  field->setToolTip(BudgetTip(Status::Ok()));
  return field;
}

void LoadBudgetField(QLineEdit* field, const ExpenseDatabase& db, const std::string& category,
                     const std::string& item) {
  const Result<std::string> budget =
      category.empty() ? Result<std::string>{} : BudgetFieldText(db, category, item);
  field->setEnabled(budget.ok());
  SetText(field, budget.value);
  field->setPlaceholderText(budget.ok() ? QObject::tr("none") : QObject::tr("cannot be read"));
  field->setToolTip(BudgetTip(budget.status));
}

std::optional<std::string> BudgetFieldOf(const QLineEdit* field) {
  if (!field->isEnabled()) return std::nullopt;
  return TextOf(field);
}

void SelectName(QComboBox* chooser, const std::string& name) {
  const int position = chooser->findText(QString::fromStdString(name), Qt::MatchExactly);
  if (position >= 0) chooser->setCurrentIndex(position);
}

AddCategoryDialog::AddCategoryDialog(FormContext& form, QWidget* parent)
    : FormDialog(tr("Add expense category"), parent) {
  addHeading(tr("Type category information"));
  QLineEdit* name = addLineEdit(tr("Category name:"), "name");
  InformationEdit* information = addInformation(tr("Category information:"), "information");
  QLineEdit* budget = AddBudgetField(addLineEdit(tr("Monthly budget:"), "budget"));
  addMainButton(tr("Add"), [&form, name, information, budget] {
    return SubmitNewCategory(form, TextOf(name), TextOf(information), BudgetFieldOf(budget));
  });
}

AddPersonDialog::AddPersonDialog(FormContext& form, QWidget* parent)
    : FormDialog(tr("Add person"), parent) {
  addHeading(tr("Type person information"));
  QLineEdit* name = addLineEdit(tr("Person name:"), "name");
  InformationEdit* information = addInformation(tr("Person information:"), "information");
  addMainButton(tr("Add"), [&form, name, information] {
    return SubmitNewPerson(form, TextOf(name), TextOf(information));
  });
}

EditCategoryDialog::EditCategoryDialog(FormContext& form, bool choose, QWidget* parent)
    : FormDialog(tr("Edit category information"), parent), form_(form) {
  QComboBox* chooser = choose ? addCombo(tr("Choose category:"), "chooseCategory") : nullptr;
  addGroup(tr("New category information"));
  name_ = addLineEdit(tr("Category name:"), "name");
  information_ = addInformation(tr("Category information:"), "information");
  budget_ = AddBudgetField(addLineEdit(tr("Monthly budget:"), "budget"));
  addMainButton(tr("Update information"), [this] {
    return SubmitCategoryEdit(form_, loaded_name_, TextOf(name_), TextOf(information_),
                              BudgetFieldOf(budget_));
  });
  if (!chooser) {
    load(form_.state.selectedCategory);
    return;
  }
  FillChooser(chooser, form_.db.GetCategoryNames());
  load(form_.db.GetCategoryNameAt(chooser->currentIndex()));
  connect(chooser, &QComboBox::currentIndexChanged, this,
          [this](int position) { load(form_.db.GetCategoryNameAt(position)); });
}

void EditCategoryDialog::load(const std::string& category) {
  loaded_name_ = form_.db.CategoryExists(category) ? category : std::string();
  SetText(name_, loaded_name_);
  SetText(information_, form_.db.GetCategoryInfo(loaded_name_));
  LoadBudgetField(budget_, form_.db, loaded_name_, "");
}

EditPersonDialog::EditPersonDialog(FormContext& form, bool choose, QWidget* parent)
    : FormDialog(choose ? tr("Edit person information") : tr("Edit person"), parent), form_(form) {
  QComboBox* chooser = choose ? addCombo(tr("Choose person:"), "choosePerson") : nullptr;
  addGroup(tr("New person information"));
  name_ = addLineEdit(tr("Person name:"), "name");
  information_ = addInformation(tr("Person information:"), "information");
  addMainButton(tr("Update information"), [this] {
    return SubmitPersonEdit(form_, loaded_name_, TextOf(name_), TextOf(information_));
  });
  if (!chooser) {
    load(form_.state.selectedPerson);
    return;
  }
  FillChooser(chooser, form_.db.GetPersonNames());
  load(form_.db.GetPersonNames().empty() ? "" : form_.db.GetPersonNameAt(0));
  connect(chooser, &QComboBox::currentIndexChanged, this,
          [this](int position) { load(form_.db.GetPersonNameAt(position)); });
}

void EditPersonDialog::load(const std::string& person) {
  loaded_name_ = form_.db.PersonExists(person) ? person : std::string();
  SetText(name_, loaded_name_);
  SetText(information_, form_.db.GetPersonInfo(loaded_name_));
}

DeleteCategoryDialog::DeleteCategoryDialog(FormContext& form, QWidget* parent)
    : FormDialog(tr("Delete expense category"), parent) {
  QComboBox* chooser = addCombo(tr("Choose category:"), "chooseCategory");
  FillChooser(chooser, form.db.GetCategoryNames());
  SelectName(chooser, form.state.selectedCategory);
  addMainButton(tr("Delete category"),
                [&form, chooser] { return SubmitCategoryDeletion(form, chooser->currentIndex()); });
}

DeletePersonDialog::DeletePersonDialog(FormContext& form, QWidget* parent)
    : FormDialog(tr("Delete person"), parent) {
  QComboBox* chooser = addCombo(tr("Choose person:"), "choosePerson");
  FillChooser(chooser, form.db.GetPersonNames());
  SelectName(chooser, form.state.selectedPerson);
  addMainButton(tr("Delete person"),
                [&form, chooser] { return SubmitPersonDeletion(form, chooser->currentIndex()); });
}

}  // namespace kestrune
