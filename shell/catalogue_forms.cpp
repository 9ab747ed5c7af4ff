#include "shell/catalogue_forms.h"

#include "database/validation.h"
#include "shell/budget_forms.h"
#include "shell/confirmations.h"
#include "shell/translation.h"

namespace kestrune {
namespace {

// Shows a refusal; true when the input passed.
bool Passed(FormContext& form, const Status& check) {
  if (!check.ok()) form.prompts.ShowRefusal(check);
  return check.ok();
}

// Shows a failed write; true when the change was made.
bool Written(FormContext& form, const Status& change) {
  if (!change.ok()) form.prompts.ShowRefusal(change);
  return change.ok();
}

FormOutcome Done(std::vector<Folder> rebuild, bool refresh = false) {
  FormOutcome outcome{true, {}};
  outcome.afterwards.refresh_views = refresh;
  outcome.afterwards.rebuild_folders = std::move(rebuild);
  outcome.afterwards.reselect_folder = true;
  return outcome;
}

// "Error": nothing was chosen, and the dialog closes.
FormOutcome NothingChosen(FormContext& form) {
  form.prompts.ShowMessage(kNothingChosen);
  return CloseOnly();
}

}  // namespace

FormOutcome SubmitNewCategory(FormContext& form, const std::string& name,
                              const std::string& information,
                              const std::optional<std::string>& budget) {
  const BudgetEntry entry = budget ? ReadBudgetField(*budget) : BudgetEntry{};
  if (!Passed(form, CheckNewCategory(form.db, name)) || !Passed(form, entry.status)) {
    return StayOpen();
  }
  if (!Written(form, form.db.AddCategory(name, OneLineInformation(information)))) {
    return StayOpen();
  }
  form.state.selectedCategory = name;
  form.state.selectedItem.clear();
  // The category stays though its budget could not be set: the dialog closes on it.
  if (budget) ApplyBudget(form, name, "", entry);
  return Done({Folder::kCategories});
}

FormOutcome SubmitNewItem(FormContext& form, const std::string& category, const std::string& name,
                          const std::string& information) {
  if (!Passed(form, CheckNewItem(form.db, category, name))) return StayOpen();
  if (!Written(form, form.db.AddItemToCategory(category, name, OneLineInformation(information)))) {
    return StayOpen();
  }
  form.state.selectedCategory = category;
  form.state.selectedItem = name;
  return Done({});
}

FormOutcome SubmitNewPerson(FormContext& form, const std::string& name,
                            const std::string& information) {
  if (!Passed(form, CheckNewPerson(form.db, name))) return StayOpen();
  if (!Written(form, form.db.AddPerson(name, OneLineInformation(information)))) {
    return StayOpen();
  }
  form.state.selectedPerson = name;
  return Done({Folder::kPersons});
}

FormOutcome SubmitCategoryEdit(FormContext& form, const std::string& old_name,
                               const std::string& new_name, const std::string& information,
                               const std::optional<std::string>& budget) {
  if (old_name.empty() || !form.db.CategoryExists(old_name)) return NothingChosen(form);
  const BudgetEntry entry = budget ? ReadBudgetField(*budget) : BudgetEntry{};
  if (!Passed(form, CheckCategoryEdit(form.db, old_name, new_name)) ||
      !Passed(form, entry.status)) {
    return StayOpen();
  }
  const std::string line = OneLineInformation(information);
  const bool same = new_name == old_name && line == form.db.GetCategoryInfo(old_name);
  const bool budget_only = same && budget && BudgetDiffers(form.db, old_name, "", entry);
  if (!budget_only && !Written(form, form.db.EditCategory(old_name, new_name, line))) {
    return StayOpen();
  }
  form.state.selectedCategory = new_name;
  if (budget) ApplyBudget(form, new_name, "", entry);
  return Done({Folder::kCategories}, true);
}

FormOutcome SubmitItemEdit(FormContext& form, const std::string& old_category,
                           const std::string& old_item, const std::string& new_category,
                           const std::string& new_name, const std::string& information,
                           const std::optional<std::string>& budget) {
  if (!form.db.ItemExists(old_category, old_item)) return NothingChosen(form);
  const BudgetEntry entry = budget ? ReadBudgetField(*budget) : BudgetEntry{};
  if (!Passed(form, CheckItemEdit(form.db, old_category, old_item, new_category, new_name)) ||
      !Passed(form, entry.status)) {
    return StayOpen();
  }
  const std::string line = OneLineInformation(information);
  const bool same = new_category == old_category && new_name == old_item &&
                    line == form.db.GetItemInfo(old_category, old_item);
  const bool budget_only = same && budget && BudgetDiffers(form.db, old_category, old_item, entry);
  if (!budget_only &&
      !Written(form, form.db.EditItem(old_category, old_item, new_category, new_name, line))) {
    return StayOpen();
  }
  form.state.selectedCategory = new_category;
  form.state.selectedItem = new_name;
  if (budget) ApplyBudget(form, new_category, new_name, entry);
  return Done({});
}

FormOutcome SubmitPersonEdit(FormContext& form, const std::string& old_name,
                             const std::string& new_name, const std::string& information) {
  if (old_name.empty() || !form.db.PersonExists(old_name)) return NothingChosen(form);
  if (!Passed(form, CheckPersonEdit(form.db, old_name, new_name))) return StayOpen();
  if (!Written(form, form.db.EditPerson(old_name, new_name, OneLineInformation(information)))) {
    return StayOpen();
  }
  form.state.selectedPerson = new_name;
  return Done({Folder::kPersons}, true);
}

FormOutcome SubmitCategoryDeletion(FormContext& form, int category_position) {
  const std::string category = form.db.GetCategoryNameAt(category_position);
  if (!form.db.HasCategories() || !form.db.CategoryExists(category)) {
    form.prompts.ShowMessage(Translated(QT_TRANSLATE_NOOP("Kestrune", "No category to delete.")));
    return CloseOnly();
  }
  if (!form.prompts.Confirm(ConfirmCategoryDeletion(form.db, category))) return CloseOnly();
  if (!Written(form, form.db.DeleteCategory(category))) return CloseOnly();
  form.state.selectedCategory = form.db.GetCategoryNameAt(0);
  form.state.selectedItem.clear();
  return Done({Folder::kCategories});
}

FormOutcome SubmitItemDeletion(FormContext& form, int category_position, int item_position) {
  const std::string category = form.db.GetCategoryNameAt(category_position);
  const std::string item = form.db.GetItemNameAt(category_position, item_position);
  if (!form.db.HasCategories() || !form.db.ItemExists(category, item)) {
    form.prompts.ShowMessage(Translated(QT_TRANSLATE_NOOP("Kestrune", "No item to delete.")));
    return CloseOnly();
  }
  if (!form.prompts.Confirm(ConfirmItemDeletion(category, item))) return CloseOnly();
  if (!Written(form, form.db.DeleteItem(category, item))) return CloseOnly();
  form.state.selectedCategory = category;
  form.state.selectedItem.clear();
  return Done({});
}

FormOutcome SubmitPersonDeletion(FormContext& form, int person_position) {
  const std::string person = form.db.GetPersonNameAt(person_position);
  if (!form.db.HasPersons() || !form.db.PersonExists(person)) {
    form.prompts.ShowMessage(Translated(QT_TRANSLATE_NOOP("Kestrune", "No person to delete.")));
    return CloseOnly();
  }
  if (!form.prompts.Confirm(ConfirmPersonDeletion(form.db, person))) return CloseOnly();
  if (!Written(form, form.db.DeletePerson(person))) return CloseOnly();
  form.state.selectedPerson = form.db.GetPersonNameAt(0);
  form.state.selectedPersonMenu.clear();
  form.state.selectedPersonMenuChild.clear();
  return Done({Folder::kPersons});
}

}  // namespace kestrune
