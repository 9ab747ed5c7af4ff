#include "shell/purchase_dialog.h"

#include "database/records.h"

namespace kestrune {

CPurchaseDialog::CPurchaseDialog(FormContext& form, QWidget* parent)
    : CFormDialog("Add purchase", parent), form_(form) {
  createFields("Type purchase information");
  date_->setDate(QDate::currentDate());
  addMainButton("Add purchase", [this] { return SubmitNewPurchase(form_, input()); });
}

CPurchaseDialog::CPurchaseDialog(FormContext& form, std::string old_line, const PurchaseToEdit& old,
                                 QWidget* parent)
    : CFormDialog("Edit purchase", parent), form_(form), old_line_(std::move(old_line)) {
  createFields("Type new purchase information");
  const QDate date(old.year, old.month, old.day);
  // A line whose date does not read shows today's date rather than none.
  date_->setDate(date.isValid() ? date : QDate::currentDate());
  person_->setCurrentIndex(person_->findText(QString::fromStdString(old.person)));
  SetText(information_, old.information);
  sum_->setText(QString::number(old.sum, 'g', 12));
  addMainButton("Update information",
                [this] { return SubmitPurchaseEdit(form_, old_line_, input()); });
}

void CPurchaseDialog::createFields(const QString& heading) {
  addHeading(heading);
  date_ = new QDateEdit(this);
  date_->setObjectName("date");
  date_->setCalendarPopup(true);
  date_->setDisplayFormat("dd MMMM yyyy");
  addRow("Purchase date:", date_);
  person_ = addCombo("Choose person:", "person");
  std::vector<std::string> persons = form_.db.GetPersonNames();
  persons.push_back(kForAll);
  FillChooser(person_, persons);
  information_ = addInformation("Purchase information:", "information");
  sum_ = addLineEdit("Purchase summ:", "sum");
}

PurchaseInput CPurchaseDialog::input() const {
  PurchaseInput input;
  const QDate date = date_->date();
  input.year = date.year();
  input.month = date.month();
  input.day = date.day();
  input.person = form_.db.GetPersonNameAt(person_->currentIndex());
  input.information = TextOf(information_);
  input.sum_text = TextOf(sum_);
  return input;
}

}  // namespace kestrune
