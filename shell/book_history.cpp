#include "shell/book_history.h"

#include <algorithm>

#include "shell/confirmations.h"
#include "shell/translation.h"

namespace kestrune {
namespace {

bool ItemOf(const ExpenseDatabase& db, const std::string& category, const std::string& item) {
  return !item.empty() && db.ItemExists(category, item);
}

// A person selected afresh shows their own page, not the statistics of another one.
void SelectPerson(ViewState& state, const std::string& person) {
  state.selectedPerson = person;
  state.selectedPersonMenu.clear();
  state.selectedPersonMenuChild.clear();
}

const Confirmation kConfirmRestore{
    QT_TRANSLATE_NOOP("Kestrune", "Restore backup"),
    QT_TRANSLATE_NOOP("Kestrune", "Are you sure to replace the book with this backup?"), ""};

}  // namespace

void KeepExistingSelections(ViewState& state, const ExpenseDatabase& db) {
  if (!db.HasCategories()) {
    state.selectedCategory.clear();
  } else if (!db.CategoryExists(state.selectedCategory)) {
    state.selectedCategory = db.GetCategoryNameAt(0);
    state.selectedItem.clear();
  }
  if (!ItemOf(db, state.selectedCategory, state.selectedItem)) state.selectedItem.clear();
  if (!db.HasPersons()) {
    SelectPerson(state, "");
  } else if (!db.PersonExists(state.selectedPerson)) {
    SelectPerson(state, db.GetPersonNameAt(0));
  }
}

Folder FollowChange(ViewState& state, const ExpenseDatabase& db, const ChangeFocus& focus,
                    Folder current) {
  KeepExistingSelections(state, db);
  const bool person = !focus.person.empty() && db.HasPersons() && db.PersonExists(focus.person);
  const bool category =
      !focus.category.empty() && db.HasCategories() && db.CategoryExists(focus.category);
  if (person && (current == Folder::kPersons || !category)) {
    SelectPerson(state, focus.person);
    return Folder::kPersons;
  }
  if (!category) return current;
  state.selectedCategory = focus.category;
  state.selectedItem = ItemOf(db, focus.category, focus.item) ? focus.item : "";
  return Folder::kCategories;
}

Status BackupRestore::Load() {
  Result<std::vector<BackupInfo>> listed = ListBackups(fs_, backups_);
  if (!listed.ok()) return listed.status;
  list_ = std::move(listed.value);
  return Status::Ok();
}

std::string BackupRestore::PurchasesText(int row) const {
  const int64_t count = list_.at(static_cast<size_t>(row)).purchases;
  return Translated(count == 1 ? QT_TRANSLATE_NOOP("Kestrune", "%1 purchase")
                               : QT_TRANSLATE_NOOP("Kestrune", "%1 purchases"),
                    {std::to_string(count)});
}

FormOutcome BackupRestore::Restore(FormContext& form, int row) {
  if (row < 0 || static_cast<size_t>(row) >= list_.size()) return StayOpen();
  const BackupInfo& chosen = list_[static_cast<size_t>(row)];
  Confirmation question = kConfirmRestore;
  question.detail = Translated(
      QT_TRANSLATE_NOOP("Kestrune",
                        "The backup \"%1\" of %2 with %3. The book as it is now is backed up "
                        "first, and Edit > Undo takes the restore back."),
      {chosen.name, chosen.time, PurchasesText(row)});
  if (!form.prompts.Confirm(question)) return StayOpen();
  if (Status restored = form.db.RestoreBackup(backups_, chosen.name, kBackupsToKeep);
      !restored.ok()) {
    form.prompts.ShowRefusal(restored);
    return StayOpen();
  }
  KeepExistingSelections(form.state, form.db);
  FormOutcome outcome{true, {}};
  outcome.afterwards.refill_months = true;
  outcome.afterwards.rebuild_folders = {Folder::kCategories, Folder::kPersons};
  outcome.afterwards.refresh_views = true;
  outcome.afterwards.reselect_folder = true;
  return outcome;
}

}  // namespace kestrune
