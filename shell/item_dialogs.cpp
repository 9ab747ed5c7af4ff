// The dialogs of items: add, edit, delete.
#include <QLabel>

#include "shell/catalogue_dialogs.h"
#include "shell/catalogue_forms.h"

namespace kestrune {

AddItemDialog::AddItemDialog(FormContext& form, bool choose_category, QWidget* parent)
    : FormDialog(tr("Add expense item"), parent) {
  addHeading(tr("Type item information"));
  // Opened from a category's page, the dialog says which category the item goes to.
  QLineEdit* name = addLineEdit(tr("Item name:"), "name");
  if (!choose_category) {
    auto* which = new QLabel(QString::fromStdString(form.state.selectedCategory), this);
    which->setObjectName("category");
    which->setTextFormat(Qt::PlainText);  // a name is shown as typed, never as markup
    addRow(tr("Item category:"), which);
  }
  QComboBox* category = choose_category ? addCombo(tr("Item category:"), "category") : nullptr;
  if (category) {
    FillChooser(category, form.db.GetCategoryNames());
    SelectName(category, form.state.selectedCategory);
  }
  InformationEdit* information = addInformation(tr("Item information:"), "information");
  addMainButton(tr("Add"), [&form, name, category, information] {
    const std::string chosen = category ? form.db.GetCategoryNameAt(category->currentIndex())
                                        : form.state.selectedCategory;
    return SubmitNewItem(form, chosen, TextOf(name), TextOf(information));
  });
}

EditItemDialog::EditItemDialog(FormContext& form, bool choose, QWidget* parent)
    : FormDialog(tr("Edit item information"), parent), form_(form), choose_(choose) {
  if (choose_) createChoosers();
  addGroup(tr("New item information"));
  name_ = addLineEdit(tr("Item name:"), "name");
  category_ = addCombo(tr("Item category:"), "category");
  information_ = addInformation(tr("Item information:"), "information");
  budget_ = AddBudgetField(addLineEdit(tr("Monthly budget:"), "budget"));
  addMainButton(tr("Update information"), [this] { return submit(); });
  FillChooser(category_, form_.db.GetCategoryNames());
  if (choose_) {
    FillChooser(choose_category_, form_.db.GetCategoryNames());
    chooseCategory(choose_category_->currentIndex());
  } else {
    category_->setCurrentIndex(form_.db.GetCategoryIndex(form_.state.selectedCategory));
    load(form_.state.selectedCategory, form_.state.selectedItem);
  }
}

void EditItemDialog::createChoosers() {
  choose_category_ = addCombo(tr("Choose item category:"), "chooseCategory");
  choose_item_ = addCombo(tr("Choose item"), "chooseItem");
  connect(choose_category_, &QComboBox::currentIndexChanged, this, &EditItemDialog::chooseCategory);
  connect(choose_item_, &QComboBox::currentIndexChanged, this, [this](int item) {
    const int category = choose_category_->currentIndex();
    load(form_.db.GetCategoryNameAt(category), form_.db.GetItemNameAt(category, item));
  });
}

// A category chosen: its items fill the item chooser, the first is loaded, and the item's
// category follows the choice.
void EditItemDialog::chooseCategory(int position) {
  const std::string category = form_.db.GetCategoryNameAt(position);
  FillChooser(choose_item_, form_.db.GetItemNames(category));
  category_->setCurrentIndex(position);
  load(category, form_.db.GetItemNameAt(position, choose_item_->currentIndex()));
}

void EditItemDialog::load(const std::string& category, const std::string& item) {
  SetText(name_, item);
  SetText(information_, form_.db.GetItemInfo(category, item));
  LoadBudgetField(budget_, form_.db, form_.db.ItemExists(category, item) ? category : "", item);
}

FormOutcome EditItemDialog::submit() {
  std::string old_category = form_.state.selectedCategory;
  std::string old_item = form_.state.selectedItem;
  if (choose_) {
    const int category = choose_category_->currentIndex();
    old_category = form_.db.GetCategoryNameAt(category);
    old_item = form_.db.GetItemNameAt(category, choose_item_->currentIndex());
  }
  const std::string new_category = form_.db.GetCategoryNameAt(category_->currentIndex());
  return SubmitItemEdit(form_, old_category, old_item, new_category, TextOf(name_),
                        TextOf(information_), BudgetFieldOf(budget_));
}

DeleteItemDialog::DeleteItemDialog(FormContext& form, QWidget* parent)
    : FormDialog(tr("Delete expense item"), parent) {
  QComboBox* category = addCombo(tr("Choose item category:"), "chooseCategory");
  QComboBox* item = addCombo(tr("Choose item"), "chooseItem");
  FillChooser(category, form.db.GetCategoryNames());
  SelectName(category, form.state.selectedCategory);
  FillChooser(item, form.db.GetItemNames(form.db.GetCategoryNameAt(category->currentIndex())));
  SelectName(item, form.state.selectedItem);
  connect(category, &QComboBox::currentIndexChanged, this, [&form, item](int position) {
    FillChooser(item, form.db.GetItemNames(form.db.GetCategoryNameAt(position)));
  });
  addMainButton(tr("Delete item"), [&form, category, item] {
    return SubmitItemDeletion(form, category->currentIndex(), item->currentIndex());
  });
}

}  // namespace kestrune
