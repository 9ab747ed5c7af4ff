#include "database/validation.h"

#include "database/amounts.h"
#include "database/records.h"

namespace kestrune {
namespace {

// The longest file name most Linux file systems take, in bytes.
constexpr std::size_t kMaxFileName = 255;
constexpr std::size_t kTxt = 4;  // ".txt"

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// Why `name` cannot be (part of) a file name, or nothing when it can.
std::string FileNameFault(const std::string& name) {
  if (name.empty()) return "The name is empty.";
  if (name == "." || name == "..") return "\".\" and \"..\" are not names.";
  // A name of white space alone shows as nothing in a list or a page.
  if (name.find_first_not_of(" \t\v\f\r\n") == std::string::npos) return "The name is only blanks.";
  if (name.find('\0') != std::string::npos) return "The name holds a NUL character.";
  if (name.find_first_of("\r\n") != std::string::npos) return "The name holds a line break.";
  const std::size_t slash = name.find_first_of("/\\");
  if (slash != std::string::npos)
    return "The name may not hold " + Quoted(name.substr(slash, 1)) + ".";
  return {};
}

std::string ItemOrPersonFault(const std::string& name) {
  std::string fault = FileNameFault(name);
  if (fault.empty() && name.find('|') != std::string::npos) fault = "The name may not hold \"|\".";
  return fault;
}

bool FitsFileName(const std::string& stem) {
  return stem.size() + kTxt <= kMaxFileName;
}

constexpr const char* kTooLong = "The name is too long for a file name.";

std::string ItemStem(const std::string& category, const std::string& item) {
  return category + " " + item;
}

// Why another item than (skip_category, skip_item) blocks the file name `stem`, or nothing.
std::string ItemFileTaken(const ExpenseDatabase& db, const std::string& stem,
                          const std::string& skip_category, const std::string& skip_item) {
  for (const std::string& category : db.GetCategoryNames()) {
    for (const std::string& item : db.GetItemNames(category)) {
      if (category == skip_category && item == skip_item) continue;
      if (ItemStem(category, item) == stem) {
        return "Its file would be the file of the item " + Quoted(item) + " in " +
               Quoted(category) + ".";
      }
    }
  }
  return {};
}

std::string CategoryNameFault(const std::string& name) {
  const std::string fault = FileNameFault(name);
  return !fault.empty() || FitsFileName(name) ? fault : kTooLong;
}

// Why the items of `category` could not all keep file names of their own under `new_name`.
std::string ItemsUnmovable(const ExpenseDatabase& db, const std::string& category,
                           const std::string& new_name) {
  for (const std::string& item : db.GetItemNames(category)) {
    const std::string stem = ItemStem(new_name, item);
    if (!FitsFileName(stem)) return "The name of its item " + Quoted(item) + " would be too long.";
    const std::string taken = ItemFileTaken(db, stem, category, item);
    if (!taken.empty()) return "Its item " + Quoted(item) + ": " + taken;
  }
  return {};
}

// Why the item `name` cannot go into `category` (moving from skip_category/skip_item).
std::string ItemFault(const ExpenseDatabase& db, const std::string& category,
                      const std::string& name, const std::string& skip_category,
                      const std::string& skip_item) {
  if (!db.CategoryExists(category)) {
    if (!db.HasCategories()) return "Add a category first.";
    return category.empty() ? "Choose a category first."
                            : "There is no category " + Quoted(category) + ".";
  }
  const std::string stem = ItemStem(category, name);
  std::string fault = ItemOrPersonFault(name);
  if (fault.empty() && !FitsFileName(stem)) fault = kTooLong;
  if (fault.empty() && db.ItemExists(category, name)) {
    fault = Quoted(category) + " already holds an item " + Quoted(name) + ".";
  }
  return fault.empty() ? ItemFileTaken(db, stem, skip_category, skip_item) : fault;
}

std::string PersonFault(const ExpenseDatabase& db, const std::string& name) {
  const std::string fault = ItemOrPersonFault(name);
  if (!fault.empty()) return fault;
  if (!FitsFileName(name)) return kTooLong;
  if (name == kForAll) return "\"for all\" stands for the whole household.";
  return db.PersonExists(name) ? "There is a person " + Quoted(name) + " already." : "";
}

Status Verdict(const char* message, const std::string& fault) {
  return fault.empty() ? Status::Ok() : Status::Error(message, fault);
}

}  // namespace

Status CheckNewCategory(const ExpenseDatabase& db, const std::string& name) {
  std::string fault = CategoryNameFault(name);
  if (fault.empty() && db.CategoryExists(name)) {
    fault = "There is a category " + Quoted(name) + " already.";
  }
  return Verdict(kInvalidCategoryName, fault);
}

Status CheckCategoryEdit(const ExpenseDatabase& db, const std::string& old_name,
                         const std::string& new_name) {
  if (old_name.empty() || !db.CategoryExists(old_name)) return Status::Error(kNothingChosen);
  if (new_name == old_name) return Status::Ok();
  std::string fault = CategoryNameFault(new_name);
  if (fault.empty() && db.CategoryExists(new_name)) {
    fault = "There is a category " + Quoted(new_name) + " already.";
  }
  if (fault.empty()) fault = ItemsUnmovable(db, old_name, new_name);
  return Verdict(kInvalidCategoryName, fault);
}

Status CheckNewItem(const ExpenseDatabase& db, const std::string& category,
                    const std::string& name) {
  return Verdict(kInvalidItemName, ItemFault(db, category, name, "", ""));
}

Status CheckItemOfNewCategory(const ExpenseDatabase& db, const std::string& category,
                              const std::string& name) {
  const std::string stem = ItemStem(category, name);
  std::string fault = ItemOrPersonFault(name);
  if (fault.empty() && !FitsFileName(stem)) fault = kTooLong;
  return Verdict(kInvalidItemName, fault.empty() ? ItemFileTaken(db, stem, "", "") : fault);
}

Status CheckItemEdit(const ExpenseDatabase& db, const std::string& old_category,
                     const std::string& old_name, const std::string& new_category,
                     const std::string& new_name) {
  if (!db.ItemExists(old_category, old_name)) return Status::Error(kInvalidItemEdit);
  if (new_category == old_category && new_name == old_name) return Status::Ok();
  return Verdict(kInvalidItemEdit, ItemFault(db, new_category, new_name, old_category, old_name));
}

Status CheckNewPerson(const ExpenseDatabase& db, const std::string& name) {
  return Verdict(kInvalidPersonName, PersonFault(db, name));
}

Status CheckPersonEdit(const ExpenseDatabase& db, const std::string& old_name,
                       const std::string& new_name) {
  if (old_name.empty() || !db.PersonExists(old_name)) return Status::Error(kNothingChosen);
  if (new_name == old_name) return Status::Ok();
  return Verdict(kInvalidPersonName, PersonFault(db, new_name));
}

SumCheck CheckSum(Cents sum) {
  if (sum <= 0) return SumCheck::kNotPositive;
  return sum <= kLargestSum ? SumCheck::kOk : SumCheck::kOutOfRange;
}

SumEntry CheckTypedSum(std::string_view text, std::string_view group_separator,
                       const char* not_positive) {
  const TypedSum typed = ReadTypedSum(text, group_separator);
  if (!typed.cents) {
    const std::string detail = typed.not_understood.empty()
                                   ? std::string()
                                   : "\"" + typed.not_understood + "\" is not part of a sum.";
    return {0, Status::Error(not_positive, detail)};
  }
  switch (CheckSum(*typed.cents)) {
    case SumCheck::kOk:
      return {*typed.cents, Status::Ok()};
    case SumCheck::kOutOfRange:
      return {0, Status::Error(kSumOutOfRange)};
    case SumCheck::kNotPositive:
      break;
  }
  return {0, Status::Error(not_positive)};
}

std::string OneLineInformation(std::string information) {
  std::string line;
  for (std::size_t i = 0; i < information.size(); ++i) {
    const char c = information[i];
    if (c == '\r' && i + 1 < information.size() && information[i + 1] == '\n') continue;
    line += (c == '\n' || c == '\r') ? ' ' : c;
  }
  return line;
}

std::string PurchaseInformation(std::string information) {
  std::string line = OneLineInformation(std::move(information));
  for (char& c : line) {
    if (c == '|') c = '/';
  }
  return line;
}

}  // namespace kestrune
