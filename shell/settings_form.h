#pragma once

#include <QtGlobal>
#include <optional>
#include <string>

#include "shell/form_outcome.h"

namespace kestrune {

inline constexpr const char* kMonthsOutOfRange =
    QT_TRANSLATE_NOOP("Kestrune", "Please enter an integer between 1 and 100.");

// The months count typed in the settings dialog: a whole number from 1 to 100, or nothing.
std::optional<int> ParseMonthsCount(const std::string& text);

// "Accept settings": refuses a months count outside 1 to 100 with the range message (the
// dialog stays open, nothing applied); otherwise stores the month limit and the currency
// (in the view state and the database) and refreshes the view.
FormOutcome AcceptSettings(FormContext& form, bool show_all_months, const std::string& months_text,
                           const std::string& currency);

// "Delete this month": the month at `position` of the dialog's list, after its
// confirmation. With no month listed nothing is deleted. The dialog closes whatever happens,
// without applying its other fields.
FormOutcome DeleteMonthAt(FormContext& form, int position);

}  // namespace kestrune
