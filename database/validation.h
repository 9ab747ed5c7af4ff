#pragma once

#include <string>
#include <string_view>

#include "database/amounts.h"
#include "database/expense_database.h"
#include "database/status.h"

namespace kestrune {

// The checks every way into the catalogue makes before it changes anything: the entry
// dialogs and the command-line tool. A refusal carries the dialog's message and, as its detail,
// what is wrong: the character that cannot be in a name, the item whose file a new item's file
// would be, "Add a category first." when there is no category.
//
// Beyond "not empty and not in use", a name must be safe to use as (part of) a file name:
// not only white space (blanks, tabs, \v, \f, \r), no line break, "/", "\" or NUL, not "." or "..",
// short enough for the file system; item and person names hold no "|" (the item list and purchase
// lines split at it); and no item may get the same file name as another item (category "Food" with
// item "Milk Shake" and category "Food Milk" with item "Shake" would share one file).

inline constexpr const char* kInvalidCategoryName = "Invalid category name";
inline constexpr const char* kInvalidItemName = "Invalid item name";
inline constexpr const char* kInvalidItemEdit = "Invalid item name. Change item name or category.";
inline constexpr const char* kInvalidPersonName = "Invalid person name";
inline constexpr const char* kNothingChosen = "Error";

Status CheckNewCategory(const ExpenseDatabase& db, const std::string& name);
// `old_name` empty means nothing was chosen ("Error").
Status CheckCategoryEdit(const ExpenseDatabase& db, const std::string& old_name,
                         const std::string& new_name);
// A category that does not exist is refused too.
Status CheckNewItem(const ExpenseDatabase& db, const std::string& category,
                    const std::string& name);
Status CheckItemEdit(const ExpenseDatabase& db, const std::string& old_category,
                     const std::string& old_name, const std::string& new_category,
                     const std::string& new_name);
// The checks of CheckNewItem for an item whose category is added in the same change.
Status CheckItemOfNewCategory(const ExpenseDatabase& db, const std::string& category,
                              const std::string& name);
// "for all" is reserved for purchases made for the whole household.
Status CheckNewPerson(const ExpenseDatabase& db, const std::string& name);
Status CheckPersonEdit(const ExpenseDatabase& db, const std::string& old_name,
                       const std::string& new_name);

// The largest sum a purchase may have (1,000,000,000.00), and the message for a sum beyond it.
inline constexpr Cents kLargestSum = 100'000'000'000;
inline constexpr const char* kSumOutOfRange = "Please enter a number between 0 and 1000000000.";

enum class SumCheck { kOk, kNotPositive, kOutOfRange };

// The rule for a typed purchase sum (rounded to cents once, so 0.001 is 0), shared by the
// purchase dialogs and the command line: greater than 0 and at most kLargestSum.
SumCheck CheckSum(Cents sum);

// A typed purchase sum read with ReadTypedSum and checked with CheckSum: the sum, or a refusal
// whose message is `not_positive` (nothing typed, not a number, not greater than 0) or
// kSumOutOfRange; when part of the text is no sum, the detail quotes that part.
struct SumEntry {
  Cents sum = 0;
  Status status = Status::Ok();
};
SumEntry CheckTypedSum(std::string_view text, std::string_view group_separator,
                       const char* not_positive);

// An information text made fit for its one line: line breaks become blanks.
std::string OneLineInformation(std::string information);

// A purchase's information made fit for its purchase line: on one line, with "|" (the
// line's field separator) written as "/". Every way of recording a purchase uses it.
std::string PurchaseInformation(std::string information);

}  // namespace kestrune
