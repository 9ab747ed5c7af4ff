#include "shell/purchase_forms.h"

#include <cstdio>

#include "database/amounts.h"
#include "database/month_keys.h"
#include "database/sections.h"
#include "database/validation.h"

namespace kestrune {
namespace {

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

bool Written(FormContext& form, const Status& change) {
  if (!change.ok()) form.prompts.ShowMessage(change.message());
  return change.ok();
}

// Enters the purchase's month and has the month chooser show it.
bool EnterMonth(FormContext& form, const std::string& month_key, Afterwards& afterwards) {
  bool added = false;
  if (!Written(form, form.db.AddMonth(month_key, &added))) return false;
  afterwards.refill_months = added;
  afterwards.select_month = month_key;
  form.state.SelectedMonth = month_key;
  return true;
}

// Shows the refusal of a sum the shared rule refuses; `not_positive` is the dialog's own text.
bool SumAccepted(FormContext& form, double sum, const char* not_positive) {
  const SumCheck check = CheckSum(sum);
  if (check != SumCheck::kOk) {
    form.prompts.ShowMessage(check == SumCheck::kOutOfRange ? kSumOutOfRange : not_positive);
  }
  return check == SumCheck::kOk;
}

}  // namespace

PurchaseRecord BuildPurchase(const PurchaseInput& input) {
  PurchaseRecord record;
  record.year = std::to_string(input.year);
  record.month = std::string(MonthName(input.month));
  record.day = TwoDigits(input.day);
  record.person = input.person;
  record.information = OneLineInformation(input.information);
  for (char& c : record.information) {
    if (c == '|') c = '/';
  }
  record.sum = FormatFileAmount(SumOf(input));
  return record;
}

double SumOf(const PurchaseInput& input) {
  return ParseAmount(input.sum_text);
}

FormOutcome SubmitNewPurchase(FormContext& form, const PurchaseInput& input) {
  if (!SumAccepted(form, SumOf(input), "Please type purchase summ.")) return StayOpen();
  const ViewState& state = form.state;
  if (!form.db.HasPersons() || !form.db.ItemExists(state.SelectedCat, state.SelectedItem)) {
    form.prompts.ShowMessage("Impossible to add purchase.");
    return StayOpen();
  }
  const PurchaseRecord record = BuildPurchase(input);
  FormOutcome outcome{true, {}};
  if (!EnterMonth(form, MonthKeyOf(record), outcome.afterwards)) return StayOpen();
  if (!Written(form, form.db.RecordPurchase(state.SelectedCat, state.SelectedItem, record))) {
    return StayOpen();
  }
  outcome.afterwards.refresh_views = true;
  return outcome;
}

FormOutcome SubmitPurchaseEdit(FormContext& form, const std::string& old_line,
                               const PurchaseInput& input) {
  if (!SumAccepted(form, SumOf(input), "Invalid purchase summ.")) return StayOpen();
  const std::string category = form.state.SelectedCat;
  const std::string item = form.state.SelectedItem;
  const PurchaseRecord record = BuildPurchase(input);
  if (!Written(form, form.db.DeletePurchase(category, item, old_line))) return CloseOnly();
  FormOutcome outcome{true, {}};
  outcome.afterwards.refresh_views = true;
  if (EnterMonth(form, MonthKeyOf(record), outcome.afterwards) &&
      Written(form, form.db.RecordPurchase(category, item, record))) {
    return outcome;
  }
  // The old purchase must not be lost with the new one.
  Written(form, form.db.RecordPurchase(category, item, ParsePurchaseLine(old_line)));
  return outcome;
}

}  // namespace kestrune
