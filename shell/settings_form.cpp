#include "shell/settings_form.h"

#include <charconv>

#include "shell/confirmations.h"
#include "shell/translation.h"

namespace kestrune {

std::optional<int> ParseMonthsCount(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  const size_t last = text.find_last_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  int value = 0;
  const char* end = text.data() + last + 1;
  const auto [stop, error] = std::from_chars(text.data() + first, end, value);
  if (error != std::errc() || stop != end || value < 1 || value > 100) return std::nullopt;
  return value;
}

FormOutcome AcceptSettings(FormContext& form, bool show_all_months, const std::string& months_text,
                           const std::string& currency) {
  const std::optional<int> months = ParseMonthsCount(months_text);
  if (!months) {
    form.prompts.ShowMessage(Translated(kMonthsOutOfRange));
    return StayOpen();
  }
  form.state.showAllMonths = show_all_months;
  form.state.monthsShown = *months;
  form.state.currency = currency;
  form.db.set_currency(currency);
  FormOutcome outcome{true, {}};
  outcome.afterwards.refresh_views = true;
  return outcome;
}

FormOutcome DeleteMonthAt(FormContext& form, int position) {
  const std::vector<std::string> months = form.db.GetMonths();
  // Without a month chosen the key would be "all months": that must not be taken out.
  if (position < 0 || position >= static_cast<int>(months.size())) return CloseOnly();
  if (!form.prompts.Confirm(ConfirmMonthDeletion(months[static_cast<size_t>(position)])))
    return CloseOnly();
  if (Status deleted = form.db.DeleteMonth(form.db.MonthKeyAt(position)); !deleted.ok()) {
    form.prompts.ShowMessage(deleted.message());
    return CloseOnly();
  }
  form.db.SortMonths();
  FormOutcome outcome{true, {}};
  outcome.afterwards.refill_months = true;
  outcome.afterwards.reselect_folder = true;
  return outcome;
}

}  // namespace kestrune
