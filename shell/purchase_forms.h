#pragma once

#include <string>

#include "database/records.h"
#include "database/validation.h"
#include "shell/form_outcome.h"

namespace kestrune {

// What the purchase dialogs hold when their button is pressed.
struct PurchaseInput {
  int year = 0;
  int month = 0;  // 1 ... 12
  int day = 0;
  std::string person;  // a person's name or "for all"
  std::string information;
  std::string sum_text;  // as typed
};

// The purchase line's fields: "%Y", the English month name, "%d", the person, the
// information on one line with "|" (the line's field separator) written as "/", and the
// sum in "%5.2f".
PurchaseRecord BuildPurchase(const PurchaseInput& input);

// The group separator of the user's locale, as typed sums may hold it ("1.234,50").
std::string TypedGroupSeparator();

// The sum typed in cents, read by ReadTypedSum with the user's locale's group separator (text
// that is no sum is 0).
Cents SumOf(const PurchaseInput& input);

// "Add purchase": for the selected item. A sum CheckTypedSum refuses gives "Please type
// purchase summ." (with what was not understood below it), one out of range kSumOutOfRange, a
// catalogue without persons (or no item selected) "Impossible to add purchase." with "Add a
// person first." (or "Choose an item first.") below it; the dialog stays open. Otherwise the month
// is entered, the purchase recorded, and the month chooser shows its month; a budget the
// purchase took over its month's amount is told in the afterwards' note (OverBudgetNote).
FormOutcome SubmitNewPurchase(FormContext& form, const PurchaseInput& input);

// "Update information" of the purchase `old_line` of the selected item: a sum CheckTypedSum
// refuses gives "Invalid purchase summ.", one out of range kSumOutOfRange. The old purchase is
// deleted and the new one recorded; should recording fail, the old one is recorded again.
FormOutcome SubmitPurchaseEdit(FormContext& form, const std::string& old_line,
                               const PurchaseInput& input);

}  // namespace kestrune
