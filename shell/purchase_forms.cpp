#include "shell/purchase_forms.h"

#include <QLocale>
#include <cstdio>

#include "database/amounts.h"
#include "database/month_keys.h"
#include "database/sections.h"
#include "database/validation.h"
#include "shell/budget_forms.h"
#include "shell/translation.h"

namespace kestrune {
namespace {

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

bool Written(FormContext& form, const Status& change) {
  if (!change.ok()) form.prompts.ShowRefusal(change);
  return change.ok();
}

// Has the month chooser show the purchase's month, refilled when the month is new.
void ShowMonth(FormContext& form, const std::string& month_key, bool added,
               Afterwards& afterwards) {
  afterwards.refill_months = added;
  afterwards.select_month = month_key;
  form.state.selectedMonth = month_key;
}

// Shows the refusal of a sum the shared rule refuses; `not_positive` is the dialog's own text.
bool SumAccepted(FormContext& form, const PurchaseInput& input, const char* not_positive) {
  const std::string message = Translated(not_positive);
  const SumEntry entry = CheckTypedSum(input.sum_text, TypedGroupSeparator(), message.c_str());
  if (!entry.status.ok()) form.prompts.ShowRefusal(entry.status);
  return entry.status.ok();
}

}  // namespace

std::string TypedGroupSeparator() {
  return QLocale().groupSeparator().toStdString();
}

PurchaseRecord BuildPurchase(const PurchaseInput& input) {
  PurchaseRecord record;
  record.year = std::to_string(input.year);
  record.month = std::string(MonthName(input.month));
  record.day = TwoDigits(input.day);
  record.person = input.person;
  record.information = PurchaseInformation(input.information);
  record.sum = FormatFileCents(SumOf(input));
  return record;
}

Cents SumOf(const PurchaseInput& input) {
  return ReadTypedSum(input.sum_text, TypedGroupSeparator()).cents.value_or(0);
}

FormOutcome SubmitNewPurchase(FormContext& form, const PurchaseInput& input) {
  if (!SumAccepted(form, input, QT_TRANSLATE_NOOP("Kestrune", "Please type purchase summ."))) {
    return StayOpen();
  }
  const ViewState& state = form.state;
  if (!form.db.HasPersons() || !form.db.ItemExists(state.selectedCategory, state.selectedItem)) {
    const char* why = form.db.HasPersons() ? QT_TRANSLATE_NOOP("Kestrune", "Choose an item first.")
                                           : QT_TRANSLATE_NOOP("Kestrune", "Add a person first.");
    form.prompts.ShowMessage(
        Translated(QT_TRANSLATE_NOOP("Kestrune", "Impossible to add purchase.")), Translated(why));
    return StayOpen();
  }
  const PurchaseRecord record = BuildPurchase(input);
  bool month_added = false;
  if (!Written(form, form.db.RecordPurchase(state.selectedCategory, state.selectedItem, record,
                                            &month_added))) {
    return StayOpen();
  }
  FormOutcome outcome{true, {}};
  ShowMonth(form, MonthKeyOf(record), month_added, outcome.afterwards);
  outcome.afterwards.refresh_views = true;
  outcome.afterwards.note =
      OverBudgetNote(form.db, state.selectedCategory, state.selectedItem, record);
  return outcome;
}

FormOutcome SubmitPurchaseEdit(FormContext& form, const std::string& old_line,
                               const PurchaseInput& input) {
  if (!SumAccepted(form, input, QT_TRANSLATE_NOOP("Kestrune", "Invalid purchase summ."))) {
    return StayOpen();
  }
  const std::string category = form.state.selectedCategory;
  const std::string item = form.state.selectedItem;
  const PurchaseRecord record = BuildPurchase(input);
  bool month_added = false;
  if (!Written(form, form.db.ReplacePurchase(category, item, old_line, record, &month_added))) {
    return CloseOnly();
  }
  FormOutcome outcome{true, {}};
  ShowMonth(form, MonthKeyOf(record), month_added, outcome.afterwards);
  outcome.afterwards.refresh_views = true;
  return outcome;
}

}  // namespace kestrune
