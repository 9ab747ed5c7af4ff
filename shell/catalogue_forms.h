#pragma once

#include <optional>
#include <string>

#include "shell/form_outcome.h"

namespace kestrune {

// The main buttons of the add, edit and delete dialogs of categories, items and persons.
// Each checks the input with the name rules shared with the command-line tool and shows
// their message when it is refused (the dialog stays open), or makes its one change,
// records the selection it leads to, and says what the frame must show anew. A change that
// cannot be written is shown and leaves the catalogue as it was. Information texts are kept
// to one line.

// The category dialogs' `budget` is the monthly budget field's text (see ReadBudgetField);
// nothing leaves the budget as it is (a dialog whose field could not be filled). The field is
// checked before anything changes; the budget is set or cleared as a change of its own after
// the category's.
FormOutcome SubmitNewCategory(FormContext& form, const std::string& name,
                              const std::string& information,
                              const std::optional<std::string>& budget = std::nullopt);
// An item for `category` (the chooser's category, or the selected one).
FormOutcome SubmitNewItem(FormContext& form, const std::string& category, const std::string& name,
                          const std::string& information);
// "for all" is refused: it stands for the whole household.
FormOutcome SubmitNewPerson(FormContext& form, const std::string& name,
                            const std::string& information);

// `old_name` empty: nothing was chosen ("Error", and the dialog closes). When only the budget
// differs, the category itself is not edited: one change, the budget's.
FormOutcome SubmitCategoryEdit(FormContext& form, const std::string& old_name,
                               const std::string& new_name, const std::string& information,
                               const std::optional<std::string>& budget = std::nullopt);
// Unchanged names are valid and move the item to the top of its category's list, unless only
// the item's `budget` differs (as for a category): then that is the one change.
FormOutcome SubmitItemEdit(FormContext& form, const std::string& old_category,
                           const std::string& old_item, const std::string& new_category,
                           const std::string& new_name, const std::string& information,
                           const std::optional<std::string>& budget = std::nullopt);
// Renaming a person to "for all" is refused, as adding one is.
FormOutcome SubmitPersonEdit(FormContext& form, const std::string& old_name,
                             const std::string& new_name, const std::string& information);

// The delete dialogs: the chosen position of their choosers. Each asks its confirmation;
// the dialog closes whatever the answer. With nothing to delete they say so and close.
FormOutcome SubmitCategoryDeletion(FormContext& form, int category_position);
FormOutcome SubmitItemDeletion(FormContext& form, int category_position, int item_position);
FormOutcome SubmitPersonDeletion(FormContext& form, int person_position);

}  // namespace kestrune
