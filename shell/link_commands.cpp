#include "shell/link_commands.h"

#include "shell/confirmations.h"

namespace kestrune {
namespace {

bool Written(FormContext& form, const Status& change) {
  if (!change.ok()) form.prompts.ShowMessage(change.message());
  return change.ok();
}

Afterwards Reselect(std::vector<Folder> rebuild, bool refresh) {
  Afterwards afterwards;
  afterwards.rebuild_folders = std::move(rebuild);
  afterwards.reselect_folder = true;
  afterwards.refresh_views = refresh;
  return afterwards;
}

}  // namespace

Afterwards LinkDeleteCategory(FormContext& form) {
  const std::string category = form.state.selectedCategory;
  if (!form.db.CategoryExists(category)) return {};
  if (!form.prompts.Confirm(ConfirmCategoryDeletion(form.db, category))) return {};
  if (!Written(form, form.db.DeleteCategory(category))) return {};
  form.state.selectedCategory = form.db.GetCategoryNameAt(0);
  form.state.selectedItem.clear();
  return Reselect({Folder::kCategories}, true);
}

Afterwards LinkDeleteItem(FormContext& form) {
  ViewState& state = form.state;
  if (form.db.ItemExists(state.selectedCategory, state.selectedItem) &&
      form.prompts.Confirm(ConfirmItemDeletion(state.selectedCategory, state.selectedItem)) &&
      Written(form, form.db.DeleteItem(state.selectedCategory, state.selectedItem))) {
    state.selectedItem.clear();
  }
  return Reselect({}, false);
}

Afterwards LinkDeletePerson(FormContext& form) {
  const std::string person = form.state.selectedPerson;
  if (!form.db.PersonExists(person)) return {};
  if (!form.prompts.Confirm(ConfirmPersonDeletion(form.db, person))) return {};
  if (!Written(form, form.db.DeletePerson(person))) return {};
  form.state.selectedPerson = form.db.GetPersonNameAt(0);
  form.state.selectedPersonMenu.clear();
  form.state.selectedPersonMenuChild.clear();
  return Reselect({Folder::kPersons}, true);
}

Afterwards LinkDeletePurchase(FormContext& form, const std::string& line) {
  if (form.prompts.Confirm(
          ConfirmPurchaseDeletion(form.state.selectedCategory, form.state.selectedItem, line))) {
    Written(form,
            form.db.DeletePurchase(form.state.selectedCategory, form.state.selectedItem, line));
  }
  Afterwards afterwards;
  afterwards.refresh_views = true;
  return afterwards;
}

}  // namespace kestrune
