#include "shell/exchange_dialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "database/month_keys.h"

namespace kestrune {
namespace {

constexpr ImportField kFields[] = {
    ImportField::kNone,   ImportField::kDate,        ImportField::kCategory, ImportField::kItem,
    ImportField::kPerson, ImportField::kInformation, ImportField::kSum};

QString FieldLabel(ImportField field) {
  switch (field) {
    case ImportField::kDate:
      return QObject::tr("date");
    case ImportField::kCategory:
      return QObject::tr("category");
    case ImportField::kItem:
      return QObject::tr("item");
    case ImportField::kPerson:
      return QObject::tr("person");
    case ImportField::kInformation:
      return QObject::tr("information");
    case ImportField::kSum:
      return QObject::tr("sum");
    case ImportField::kNone:
      break;
  }
  return QObject::tr("not imported");
}

QCheckBox* NamedCheckBox(const QString& text, const char* name, QWidget* parent) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  return box;
}

}  // namespace

ExportDialog::ExportDialog(const std::vector<std::string>& months, const std::string& month,
                           QWidget* parent)
    : QDialog(parent), format_(new QComboBox(this)), month_(new QComboBox(this)) {
  setWindowTitle(tr("Export"));
  format_->setObjectName("exportFormat");
  format_->addItem(tr("CSV (comma-separated values)"));
  format_->addItem(tr("Accounting journal (plain text)"));
  month_->setObjectName("exportMonth");
  month_->addItem(tr("All months"), QString::fromStdString(std::string(kAllMonths)));
  for (const std::string& key : months) {
    month_->addItem(QString::fromStdString(key), QString::fromStdString(key));
  }
  month_->setCurrentIndex(std::max(0, month_->findData(QString::fromStdString(month))));
  auto* form = new QFormLayout(this);
  form->addRow(tr("&Format:"), format_);
  form->addRow(tr("&Purchases of:"), month_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("&Export..."));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

ExportChoice ExportDialog::choice() const {
  return {format_->currentIndex() == 1 ? ExportFormat::kJournal : ExportFormat::kCsv,
          month_->currentData().toString().toStdString()};
}

ImportDialog::ImportDialog(ExpenseDatabase& db, const ImportPreview& preview, std::string text,
                           std::string file_name, QWidget* parent)
    : QDialog(parent),
      db_(db),
      text_(std::move(text)),
      fileName_(std::move(file_name)),
      rows_(new QStandardItemModel(this)),
      table_(new QTableView(this)),
      dateFormat_(new QLineEdit(this)),
      decimalComma_(NamedCheckBox(tr("Decimal &comma (1.234,56)"), "decimalComma", this)),
      negativeExpenses_(NamedCheckBox(tr("&Negative amounts are expenses (bank statement)"),
                                      "negativeExpenses", this)),
      create_(
          NamedCheckBox(tr("C&reate unknown categories, items and persons"), "createNames", this)),
      target_(new QComboBox(this)),
      report_(new QPlainTextEdit(this)),
      progress_(new QProgressBar(this)),
      checkButton_(new QPushButton(tr("C&heck"), this)),
      importButton_(new QPushButton(tr("&Import"), this)) {
  setWindowTitle(tr("Import %1").arg(QString::fromStdString(fileName_)));
  table_->setObjectName("previewTable");
  dateFormat_->setObjectName("dateFormat");
  dateFormat_->setPlaceholderText(tr("YYYY-MM-DD, or such as %d.%m.%Y"));
  target_->setObjectName("targetItem");
  report_->setObjectName("importReport");
  report_->setReadOnly(true);
  progress_->setObjectName("importProgress");
  checkButton_->setObjectName("checkButton");
  importButton_->setObjectName("importButton");
  fillPreview(preview);
  fillTargets();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_, 2);
  auto* form = new QFormLayout;
  form->addRow(tr("&Date format:"), dateFormat_);
  form->addRow(decimalComma_);
  form->addRow(negativeExpenses_);
  form->addRow(create_);
  form->addRow(tr("Rows &without category and item go to:"), target_);
  layout->addLayout(form);
  layout->addWidget(report_, 1);
  layout->addWidget(progress_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->addButton(checkButton_, QDialogButtonBox::ActionRole);
  buttons->addButton(importButton_, QDialogButtonBox::ActionRole);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(checkButton_, &QPushButton::clicked, this, &ImportDialog::check);
  connect(importButton_, &QPushButton::clicked, this, &ImportDialog::runImport);
  resize(760, 560);
}

// The first row of the table holds each column's field chooser; the file's rows follow.
void ImportDialog::fillPreview(const ImportPreview& preview) {
  const ImportColumns& columns = preview.columns;
  rows_->setColumnCount(static_cast<int>(columns.fields.size()));
  QStringList header;
  for (const std::string& name : columns.header) header << QString::fromStdString(name);
  rows_->setHorizontalHeaderLabels(header);
  rows_->appendRow(QList<QStandardItem*>());
  for (const CsvRow& row : preview.rows) {
    QList<QStandardItem*> cells;
    for (const std::string& cell : row.fields) {
      auto* item = new QStandardItem(QString::fromStdString(cell));
      item->setEditable(false);
      cells << item;
    }
    rows_->appendRow(cells);
  }
  // Rows are numbered by their line in the file, as the report's refusals are.
  QStringList numbers{tr("Field")};
  for (const CsvRow& row : preview.rows) numbers << QString::number(row.line);
  rows_->setVerticalHeaderLabels(numbers);
  table_->setModel(rows_);
  for (std::size_t column = 0; column < columns.fields.size(); ++column) {
    fields_.push_back(fieldChooser(columns.fields[column]));
    fields_.back()->setObjectName(QString("columnField%1").arg(column + 1));
    table_->setIndexWidget(rows_->index(0, static_cast<int>(column)), fields_.back());
  }
  table_->resizeColumnsToContents();
}

QComboBox* ImportDialog::fieldChooser(ImportField field) {
  auto* chooser = new QComboBox(table_);
  for (ImportField choice : kFields) chooser->addItem(FieldLabel(choice), static_cast<int>(choice));
  chooser->setCurrentIndex(chooser->findData(static_cast<int>(field)));
  return chooser;
}

void ImportDialog::fillTargets() {
  target_->addItem(tr("(none: such rows are refused)"));
  for (const auto& [category, item] : CatalogueItems(db_)) {
    target_->addItem(QString::fromStdString(category + " / " + item),
                     QStringList{QString::fromStdString(category), QString::fromStdString(item)});
  }
}

ImportChoices ImportDialog::choices() const {
  ImportChoices choices;
  for (const QComboBox* field : fields_) {
    choices.columns.push_back(static_cast<ImportField>(field->currentData().toInt()));
  }
  choices.date_format = dateFormat_->text().trimmed().toStdString();
  choices.decimal_comma = decimalComma_->isChecked();
  choices.negative_expenses = negativeExpenses_->isChecked();
  choices.create = create_->isChecked();
  const QStringList target = target_->currentData().toStringList();
  if (target.size() == 2) {
    choices.category = target[0].toStdString();
    choices.item = target[1].toStdString();
  }
  return choices;
}

void ImportDialog::check() {
  if (const QString missing = MissingColumn(choices()); !missing.isEmpty()) {
    report_->setPlainText(missing);
    return;
  }
  showOutcome(PlanImport(db_, text_, OptionsOf(choices())), false);
}

void ImportDialog::runImport() {
  if (const QString missing = MissingColumn(choices()); !missing.isEmpty()) {
    report_->setPlainText(missing);
    return;
  }
  checkButton_->setEnabled(false);
  importButton_->setEnabled(false);
  shownPercent_ = -1;
  const Result<ImportPlan> plan =
      ImportPurchases(db_, text_, OptionsOf(choices()), fileName_,
                      [this](std::size_t done, std::size_t total) { showProgress(done, total); });
  checkButton_->setEnabled(true);
  importButton_->setEnabled(true);
  const bool recorded = plan.ok() && plan.value.refused.empty();
  showOutcome(plan, true);
  if (!recorded || plan.value.batch.purchases.empty()) return;
  imported_ = plan.value.batch.purchases.size();
  accept();
}

void ImportDialog::showProgress(std::size_t done, std::size_t total) {
  const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
  if (percent == shownPercent_) return;
  shownPercent_ = percent;
  progress_->setValue(percent);
  progress_->repaint();
}

void ImportDialog::showOutcome(const Result<ImportPlan>& plan, bool importing) {
  if (!plan.ok()) {
    const std::string detail = plan.status.detail();
    report_->setPlainText(
        QString::fromStdString(plan.status.message() + (detail.empty() ? "" : "\n" + detail)));
    return;
  }
  const bool refused = !plan.value.refused.empty();
  QString text =
      QString::fromStdString(ImportReport(plan.value, OptionsOf(choices()), importing && !refused));
  if (importing && refused) text.prepend(tr("Nothing imported: rows were refused.\n"));
  report_->setPlainText(text);
}

}  // namespace kestrune
