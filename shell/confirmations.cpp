#include "shell/confirmations.h"

#include "database/sections.h"
#include "shell/translation.h"

namespace kestrune {
namespace {

Confirmation With(const Confirmation& question, std::string detail) {
  Confirmation detailed = question;
  detailed.detail = std::move(detail);
  return detailed;
}

std::string Counted(size_t count, const char* one) {
  return std::to_string(count) + " " + one + (count == 1 ? "" : "s");
}

// A file that cannot be read counts nothing here; the deletion itself refuses it by name.
size_t PurchasesOf(const ExpenseDatabase& db, const std::string& person) {
  size_t count = 0;
  if (!db.HasCategories()) return count;
  for (const std::string& category : db.GetCategoryNames()) {
    for (const std::string& item : db.GetItemNames(category)) {
      std::vector<PurchaseRecord> purchases;
      if (!db.ItemPurchases(db.MonthKeyAt(-1), category, item, purchases).ok()) continue;
      for (const PurchaseRecord& purchase : purchases) count += purchase.person == person;
    }
  }
  return count;
}

}  // namespace

Confirmation ConfirmCategoryDeletion(const ExpenseDatabase& db, const std::string& category) {
  return With(kConfirmDeleteCategory,
              Translated(QT_TRANSLATE_NOOP("Kestrune", "\"%1\" with its %2 and their purchases."),
                         {category, Counted(db.GetItemNames(category).size(), "item")}));
}

Confirmation ConfirmItemDeletion(const std::string& category, const std::string& item) {
  return With(kConfirmDeleteItem,
              Translated(QT_TRANSLATE_NOOP("Kestrune", "\"%1\" of \"%2\" with all its purchases."),
                         {item, category}));
}

Confirmation ConfirmPersonDeletion(const ExpenseDatabase& db, const std::string& person) {
  return With(
      kConfirmDeletePerson,
      Translated(QT_TRANSLATE_NOOP("Kestrune",
                                   "\"%1\" and the %2 recorded for them; purchases for all stay."),
                 {person, Counted(PurchasesOf(db, person), "purchase")}));
}

Confirmation ConfirmPurchaseDeletion(const std::string& category, const std::string& item,
                                     const std::string& line) {
  const PurchaseRecord p = ParsePurchaseLine(line);
  const size_t digits = p.sum.find_first_not_of(' ');
  const std::string sum = digits == std::string::npos ? p.sum : p.sum.substr(digits);
  std::string detail = p.day + " " + p.month + " " + p.year + ", " + p.person + ", " + sum;
  if (!p.information.empty()) detail += " (" + p.information + ")";
  return With(kConfirmDeletePurchase,
              Translated(QT_TRANSLATE_NOOP("Kestrune", "%1 from \"%2\" of \"%3\"."),
                         {detail, item, category}));
}

Confirmation ConfirmMonthDeletion(const std::string& month_key) {
  return With(
      kConfirmDeleteMonth,
      Translated(QT_TRANSLATE_NOOP("Kestrune",
                                   "\"%1\": its purchases are taken out of every total and list."),
                 {month_key}));
}

}  // namespace kestrune
