#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "database/book_import.h"
#include "database/expense_database.h"
#include "database/result.h"

class QWidget;

namespace kestrune {

// Asks the user for a file. The program shows the desktop's file dialogs; tests answer with
// a path of their own.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The file to write, or empty when the user cancelled.
  virtual QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& suggested,
                                 const QString& filter) = 0;
  // The file to read, or empty when the user cancelled.
  virtual QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& filter) = 0;
};

// The desktop's file dialogs.
class QtFileChooser final : public FileChooser {
 public:
  QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& suggested,
                         const QString& filter) override;
  QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& filter) override;
};

enum class ExportFormat { kCsv, kJournal };

// What File > Export writes: the format and a month key or "all months".
struct ExportChoice {
  ExportFormat format = ExportFormat::kCsv;
  std::string month;
};

// Writes the chosen purchases to `path`, replaced whole or left as it was (a failed write
// never leaves half a file). Returns the number of purchases written; fails when the book
// cannot be read or the file cannot be written.
Result<std::size_t> ExportBook(const ExpenseDatabase& db, const ExportChoice& choice,
                               const QString& path);

// Writes `text` to `path`, replaced whole or left as it was.
Status WriteExportFile(const QString& path, const std::string& text);

// The status bar's note after an export: "Exported 301 purchases to FILE".
QString ExportedNote(std::size_t count, const QString& path);

// The whole text of a file the user chose to import; refused when it is no regular file or
// larger than an expense book's import could be.
Result<std::string> ReadImportFile(const QString& path);

// What the import dialog's controls say.
struct ImportChoices {
  std::vector<ImportField> columns;  // the field of each column, from the first
  std::string date_format;
  bool decimal_comma = false;
  bool negative_expenses = false;
  bool create = false;
  std::string category, item;  // where rows without category and item go
};

// What the choices lack before an import can be planned ("Choose the column that holds the
// date."), or empty.
QString MissingColumn(const ImportChoices& choices);

// The choices as import options: every column mapped by its number, so that the dialog's
// combo boxes win over the header names.
ImportOptions OptionsOf(const ImportChoices& choices);

// The report of a plan: "Imported: N" (or "Would import: N" when not yet recorded), the
// duplicates, the rows left out, and each refused row as "Line N: reason".
std::string ImportReport(const ImportPlan& plan, const ImportOptions& options, bool recorded);

// Plans the import of `text` and, when no row is refused and there is something to record,
// records the purchases as one change named "Import N purchases from FILE_NAME". A refused
// row leaves the book as it was. `progress` hears of the rows read, then of the rows written.
Result<ImportPlan> ImportPurchases(ExpenseDatabase& db, std::string_view text,
                                   const ImportOptions& options, const std::string& file_name,
                                   const BatchProgress& progress = {});

// Every category and item of the catalogue, categories and items in the book's order.
std::vector<std::pair<std::string, std::string>> CatalogueItems(const ExpenseDatabase& db);

}  // namespace kestrune
