#include "shell/book_exchange.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "database/book_export.h"

namespace kestrune {
namespace {

// Far beyond any household's statement; keeps a mistaken choice (a disk image) out of memory.
constexpr qint64 kLargestImport = 256 * 1024 * 1024;

// The planner's reasons point to the command line's options; the dialog has a field instead.
std::string InDialogTerms(std::string reason) {
  constexpr std::string_view kOption = " (see --item)";
  if (const std::size_t at = reason.find(kOption); at != std::string::npos) {
    reason.replace(at, kOption.size(), " (choose where such rows go)");
  }
  return reason;
}

}  // namespace

QString QtFileChooser::ChooseSaveFile(QWidget* parent, const QString& title,
                                      const QString& suggested, const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

QString QtFileChooser::ChooseOpenFile(QWidget* parent, const QString& title,
                                      const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

Status WriteExportFile(const QString& path, const std::string& text) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return Status::IOError("Cannot write " + path.toStdString(), file.errorString().toStdString());
  }
  const qint64 size = static_cast<qint64>(text.size());
  if (file.write(text.data(), size) != size || !file.commit()) {
    return Status::IOError("Cannot write " + path.toStdString(), file.errorString().toStdString());
  }
  return Status::Ok();
}

Result<std::size_t> ExportBook(const ExpenseDatabase& db, const ExportChoice& choice,
                               const QString& path) {
  Result<std::vector<BookPurchase>> rows = PurchasesToExport(db, choice.month);
  if (!rows.ok()) return Failed<std::size_t>(rows.status);
  const std::string text = choice.format == ExportFormat::kJournal ? PurchasesJournal(rows.value)
                                                                   : PurchasesCsv(rows.value);
  if (Status written = WriteExportFile(path, text); !written.ok()) {
    return Failed<std::size_t>(written);
  }
  return {rows.value.size()};
}

QString ExportedNote(std::size_t count, const QString& path) {
  return QObject::tr("Exported %1 purchases to %2").arg(count).arg(path);
}

Result<std::string> ReadImportFile(const QString& path) {
  const QFileInfo info(path);
  // A FIFO or a device would block or never end.
  if (!info.isFile()) {
    return Failed<std::string>(Status::Error("Not a file: " + path.toStdString()));
  }
  if (info.size() > kLargestImport) {
    return Failed<std::string>(Status::Error("Too large to import: " + path.toStdString()));
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return Failed<std::string>(
        Status::IOError("Cannot read " + path.toStdString(), file.errorString().toStdString()));
  }
  return {file.read(kLargestImport + 1).toStdString()};
}

QString MissingColumn(const ImportChoices& choices) {
  const auto lacks = [&](ImportField field) {
    return std::find(choices.columns.begin(), choices.columns.end(), field) ==
           choices.columns.end();
  };
  if (lacks(ImportField::kDate)) return QObject::tr("Choose the column that holds the date.");
  if (lacks(ImportField::kSum)) return QObject::tr("Choose the column that holds the sum.");
  return {};
}

ImportOptions OptionsOf(const ImportChoices& choices) {
  ImportOptions options;
  for (std::size_t column = 0; column < choices.columns.size(); ++column) {
    options.mapping.emplace_back(std::to_string(column + 1), choices.columns[column]);
  }
  options.date_format = choices.date_format;
  options.decimal_comma = choices.decimal_comma;
  options.negative_expenses = choices.negative_expenses;
  options.create = choices.create;
  options.category = choices.category;
  options.item = choices.item;
  return options;
}

std::string ImportReport(const ImportPlan& plan, const ImportOptions& options, bool recorded) {
  const std::size_t count = plan.refused.empty() ? plan.batch.purchases.size() : 0;
  std::string out =
      std::string(recorded ? "Imported: " : "Would import: ") + std::to_string(count) + "\n";
  out += "Skipped as duplicates: " + std::to_string(plan.duplicates) + "\n";
  if (options.negative_expenses) {
    out += "Left out as not expenses: " + std::to_string(plan.not_expenses) + "\n";
  }
  out += "Refused: " + std::to_string(plan.refused.size()) + "\n";
  // A file of the wrong kind refuses every row: the first ones say enough.
  constexpr std::size_t kShown = 50;
  for (std::size_t i = 0; i < plan.refused.size() && i < kShown; ++i) {
    out += "Line " + std::to_string(plan.refused[i].line) + ": " +
           InDialogTerms(plan.refused[i].reason) + "\n";
  }
  if (plan.refused.size() > kShown) {
    out += "... and " + std::to_string(plan.refused.size() - kShown) + " more\n";
  }
  return out;
}

Result<ImportPlan> ImportPurchases(ExpenseDatabase& db, std::string_view text,
                                   const ImportOptions& options, const std::string& file_name,
                                   const BatchProgress& progress) {
  Result<ImportPlan> plan = PlanImport(db, text, options, progress);
  if (!plan.ok() || !plan.value.refused.empty() || plan.value.batch.purchases.empty()) {
    return plan;
  }
  plan.value.batch.description = "Import " + std::to_string(plan.value.batch.purchases.size()) +
                                 " purchases from " + file_name;
  if (Status recorded = db.RecordPurchases(plan.value.batch, progress); !recorded.ok()) {
    return Failed<ImportPlan>(recorded);
  }
  return plan;
}

std::vector<std::pair<std::string, std::string>> CatalogueItems(const ExpenseDatabase& db) {
  std::vector<std::pair<std::string, std::string>> items;
  for (const std::string& category : db.GetCategoryNames()) {
    for (const std::string& item : db.GetItemNames(category)) items.emplace_back(category, item);
  }
  return items;
}

}  // namespace kestrune
