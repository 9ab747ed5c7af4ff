#pragma once

#include <QDateEdit>

#include "pages/page_links.h"
#include "shell/form_dialog.h"
#include "shell/purchase_forms.h"

namespace kestrune {

// "Add purchase" for the selected item, or "Edit purchase" of one purchase of its page:
// the date (with a calendar), the person (the household's persons, then "for all"), the
// information and the sum.
class CPurchaseDialog final : public CFormDialog {
  Q_OBJECT

 public:
  // Add purchase: today's date, the first person.
  CPurchaseDialog(FormContext& form, QWidget* parent);
  // Edit purchase: the purchase `old_line` with its fields read as `old`.
  CPurchaseDialog(FormContext& form, std::string old_line, const PurchaseToEdit& old,
                  QWidget* parent);

 private:
  void createFields(const QString& heading);
  PurchaseInput input() const;

  FormContext& form_;
  std::string old_line_;
  QDateEdit* date_ = nullptr;
  QComboBox* person_ = nullptr;
  CInformationEdit* information_ = nullptr;
  QLineEdit* sum_ = nullptr;
};

}  // namespace kestrune
