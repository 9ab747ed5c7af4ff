#pragma once

#include <string>

#include "shell/form_outcome.h"

namespace kestrune {

// The deletions the links of a report page run, each on the entity the page shows and
// after its confirmation (No changes nothing). They return what the frame must show anew.

// The selected category; afterwards the first category is selected ("" when none is left).
Afterwards LinkDeleteCategory(FormContext& form);
// The selected item; the tree is refilled whatever the answer.
Afterwards LinkDeleteItem(FormContext& form);
// The selected person; afterwards the first person is selected ("for all" when none is
// left).
Afterwards LinkDeletePerson(FormContext& form);
// One purchase of the selected item, `line` as the page's link carries it; the view is
// refreshed whatever the answer.
Afterwards LinkDeletePurchase(FormContext& form, const std::string& line);

}  // namespace kestrune
