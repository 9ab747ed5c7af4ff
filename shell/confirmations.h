#pragma once

namespace kestrune {

// A Yes/No question asked before something is deleted. Yes is the default answer, Escape
// answers No.
struct Confirmation {
  const char* title;
  const char* text;
};

inline constexpr Confirmation kConfirmDeleteCategory{"Delete category",
                                                     "Are you sure to delete this category?"};
inline constexpr Confirmation kConfirmDeleteItem{"Delete item",
                                                 "Are you sure to delete this item?"};
inline constexpr Confirmation kConfirmDeletePerson{"Delete person",
                                                   "Are you sure to delete this person?"};
inline constexpr Confirmation kConfirmDeletePurchase{"Delete purchase",
                                                     "Are you sure to delete this purchase?"};
inline constexpr Confirmation kConfirmDeleteMonth{"Delete month",
                                                  "Are you sure to delete this month?"};

}  // namespace kestrune
