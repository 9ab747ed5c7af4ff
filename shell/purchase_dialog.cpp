#include "shell/purchase_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

#include "database/records.h"

namespace kestrune {

void DateField::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  const bool typing = text.size() == 1 && text.at(0).isLetterOrNumber();
  if (currentSection() != MonthSection || !typing) {
    typed_.clear();
    QDateEdit::keyPressEvent(event);
    return;
  }
  // A key that does not go on with what was typed starts a new month.
  if (showMonth(monthTyped(typed_ + text))) {
    typed_ += text;
  } else if (showMonth(monthTyped(text))) {
    typed_ = text;
  }
  event->accept();
}

void DateField::focusOutEvent(QFocusEvent* event) {
  typed_.clear();
  QDateEdit::focusOutEvent(event);
}

int DateField::monthTyped(const QString& typed) const {
  bool number = false;
  const int month = typed.toInt(&number);
  if (number) return month >= 1 && month <= 12 ? month : 0;
  for (int m = 1; m <= 12; ++m) {
    if (locale().monthName(m, QLocale::LongFormat).startsWith(typed, Qt::CaseInsensitive)) {
      return m;
    }
  }
  return 0;
}

// The day stays, shortened to the month's last day where it has fewer.
bool DateField::showMonth(int month) {
  if (month == 0) return false;
  const QDate shown = date();
  const QDate first(shown.year(), month, 1);
  setDate(QDate(shown.year(), month, std::min(shown.day(), first.daysInMonth())));
  setSelectedSection(MonthSection);
  return true;
}

PurchaseDialog::PurchaseDialog(FormContext& form, QWidget* parent)
    : FormDialog(tr("Add purchase"), parent), form_(form) {
  createFields(tr("Type purchase information"));
  date_->setDate(QDate::currentDate());
  addMainButton(tr("Add purchase"), [this] { return SubmitNewPurchase(form_, input()); });
}

PurchaseDialog::PurchaseDialog(FormContext& form, std::string old_line, const PurchaseToEdit& old,
                               QWidget* parent)
    : FormDialog(tr("Edit purchase"), parent), form_(form), old_line_(std::move(old_line)) {
  createFields(tr("Type new purchase information"));
  const QDate date(old.year, old.month, old.day);
  // A line whose date does not read shows today's date rather than none.
  date_->setDate(date.isValid() ? date : QDate::currentDate());
  person_->setCurrentIndex(person_->findText(QString::fromStdString(old.person)));
  SetText(information_, old.information);
  sum_->setText(QString::number(CentsToUnits(old.sum), 'g', 12));
  addMainButton(tr("Update information"),
                [this] { return SubmitPurchaseEdit(form_, old_line_, input()); });
}

void PurchaseDialog::createFields(const QString& heading) {
  addHeading(heading);
  // The purchase goes to the item chosen in the tree; the dialog says which.
  auto* item = new QLabel(
      QString::fromStdString(form_.state.selectedItem + " (" + form_.state.selectedCategory + ")"),
      this);
  item->setObjectName("item");
  item->setTextFormat(Qt::PlainText);  // a name is shown as typed, never as markup
  addRow(tr("Expense item:"), item);
  date_ = new DateField(this);
  date_->setObjectName("date");
  date_->setCalendarPopup(true);
  date_->setDisplayFormat("dd MMMM yyyy");
  addRow(tr("Purchase date:"), date_);
  person_ = addCombo(tr("Choose person:"), "person");
  std::vector<std::string> persons = form_.db.GetPersonNames();
  persons.push_back(kForAll);
  FillChooser(person_, persons);
  information_ = addLineEdit(tr("Purchase information:"), "information");
  information_->setPlaceholderText(tr("A note on one line; Enter saves the purchase"));
  // A pasted line break would split the purchase's line in its file.
  connect(information_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (text.contains('\n') || text.contains('\r')) {
      information_->setText(
          QString(text).replace("\r\n", " ").replace('\n', ' ').replace('\r', ' '));
    }
  });
  sum_ = addLineEdit(tr("Purchase summ:"), "sum");
}

PurchaseInput PurchaseDialog::input() const {
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
