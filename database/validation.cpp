#include "database/validation.h"

#include "database/amounts.h"
#include "database/records.h"

namespace kestrune {
namespace {

// The longest file name most Linux file systems take, in bytes.
constexpr std::size_t kMaxFileName = 255;
constexpr std::size_t kTxt = 4;  // ".txt"

bool SafeForFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  // A name of white space alone shows as nothing in a list or a page.
  if (name.find_first_not_of(" \t\v\f\r\n") == std::string::npos) return false;
  if (name.find('\0') != std::string::npos) return false;
  return name.find_first_of("\r\n/\\") == std::string::npos;
}

bool SafeItemOrPerson(const std::string& name) {
  return SafeForFileName(name) && name.find('|') == std::string::npos;
}

bool FitsFileName(const std::string& stem) {
  return stem.size() + kTxt <= kMaxFileName;
}

std::string ItemStem(const std::string& category, const std::string& item) {
  return category + " " + item;
}

// True when another item than (skip_category, skip_item) already uses the file name `stem`.
bool ItemFileTaken(const ExpenseDatabase& db, const std::string& stem,
                   const std::string& skip_category, const std::string& skip_item) {
  for (const std::string& category : db.GetCategoryNames()) {
    for (const std::string& item : db.GetItemNames(category)) {
      if (category == skip_category && item == skip_item) continue;
      if (ItemStem(category, item) == stem) return true;
    }
  }
  return false;
}

bool CategoryNameUsable(const std::string& name) {
  return SafeForFileName(name) && FitsFileName(name);
}

// The items of `category` would all keep file names of their own under `new_name`.
bool ItemsMovable(const ExpenseDatabase& db, const std::string& category,
                  const std::string& new_name) {
  for (const std::string& item : db.GetItemNames(category)) {
    const std::string stem = ItemStem(new_name, item);
    if (!FitsFileName(stem) || ItemFileTaken(db, stem, category, item)) return false;
  }
  return true;
}

}  // namespace

Status CheckNewCategory(const ExpenseDatabase& db, const std::string& name) {
  if (!CategoryNameUsable(name) || db.CategoryExists(name)) {
    return Status::Error(kInvalidCategoryName);
  }
  return Status::Ok();
}

Status CheckCategoryEdit(const ExpenseDatabase& db, const std::string& old_name,
                         const std::string& new_name) {
  if (old_name.empty() || !db.CategoryExists(old_name)) return Status::Error(kNothingChosen);
  if (new_name == old_name) return Status::Ok();
  if (!CategoryNameUsable(new_name) || db.CategoryExists(new_name) ||
      !ItemsMovable(db, old_name, new_name)) {
    return Status::Error(kInvalidCategoryName);
  }
  return Status::Ok();
}

Status CheckNewItem(const ExpenseDatabase& db, const std::string& category,
                    const std::string& name) {
  const std::string stem = ItemStem(category, name);
  if (!db.CategoryExists(category) || !SafeItemOrPerson(name) || !FitsFileName(stem) ||
      db.ItemExists(category, name) || ItemFileTaken(db, stem, "", "")) {
    return Status::Error(kInvalidItemName);
  }
  return Status::Ok();
}

Status CheckItemEdit(const ExpenseDatabase& db, const std::string& old_category,
                     const std::string& old_name, const std::string& new_category,
                     const std::string& new_name) {
  if (!db.ItemExists(old_category, old_name)) return Status::Error(kInvalidItemEdit);
  if (new_category == old_category && new_name == old_name) return Status::Ok();
  const std::string stem = ItemStem(new_category, new_name);
  if (!db.CategoryExists(new_category) || !SafeItemOrPerson(new_name) || !FitsFileName(stem) ||
      db.ItemExists(new_category, new_name) || ItemFileTaken(db, stem, old_category, old_name)) {
    return Status::Error(kInvalidItemEdit);
  }
  return Status::Ok();
}

Status CheckNewPerson(const ExpenseDatabase& db, const std::string& name) {
  if (!SafeItemOrPerson(name) || !FitsFileName(name) || name == kForAll || db.PersonExists(name)) {
    return Status::Error(kInvalidPersonName);
  }
  return Status::Ok();
}

Status CheckPersonEdit(const ExpenseDatabase& db, const std::string& old_name,
                       const std::string& new_name) {
  if (old_name.empty() || !db.PersonExists(old_name)) return Status::Error(kNothingChosen);
  if (new_name == old_name) return Status::Ok();
  if (!SafeItemOrPerson(new_name) || !FitsFileName(new_name) || new_name == kForAll ||
      db.PersonExists(new_name)) {
    return Status::Error(kInvalidPersonName);
  }
  return Status::Ok();
}

SumCheck CheckSum(double sum) {
  if (!(sum > 0.0) || FormatFileAmount(sum) == " 0.00") return SumCheck::kNotPositive;
  return sum <= kLargestSum ? SumCheck::kOk : SumCheck::kOutOfRange;
}

SumEntry CheckTypedSum(std::string_view text, std::string_view group_separator,
                       const char* not_positive) {
  const TypedSum typed = ReadTypedSum(text, group_separator);
  if (!typed.value) {
    const std::string detail = typed.not_understood.empty()
                                   ? std::string()
                                   : "\"" + typed.not_understood + "\" is not part of a sum.";
    return {0.0, Status::Error(not_positive, detail)};
  }
  switch (CheckSum(*typed.value)) {
    case SumCheck::kOk:
      return {*typed.value, Status::Ok()};
    case SumCheck::kOutOfRange:
      return {0.0, Status::Error(kSumOutOfRange)};
    case SumCheck::kNotPositive:
      break;
  }
  return {0.0, Status::Error(not_positive)};
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

}  // namespace kestrune
