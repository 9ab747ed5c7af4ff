#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <string>
#include <vector>

#include "shell/book_exchange.h"

namespace kestrune {

// File > Export: the format and the month (or all months) of the purchases to write.
class ExportDialog final : public QDialog {
  Q_OBJECT

 public:
  // `months` as the month chooser lists them; `month` selected (all months when empty).
  ExportDialog(const std::vector<std::string>& months, const std::string& month,
               QWidget* parent = nullptr);
  ExportChoice choice() const;

 private:
  QComboBox* format_;
  QComboBox* month_;
};

// File > Import: a preview of the file's first rows with a field chooser above each column,
// how to read dates and sums, the item for rows without one, Check (a report, nothing
// written) and Import (recorded as one change, with a progress bar). Works on `db`, which
// must outlive it; the dialog is accepted once something was imported.
class ImportDialog final : public QDialog {
  Q_OBJECT

 public:
  ImportDialog(ExpenseDatabase& db, const ImportPreview& preview, std::string text,
               std::string file_name, QWidget* parent = nullptr);
  ImportChoices choices() const;
  // The purchases recorded when the dialog was accepted.
  std::size_t imported() const { return imported_; }

 private:
  void fillPreview(const ImportPreview& preview);
  QComboBox* fieldChooser(ImportField field);
  void fillTargets();
  void check();
  void runImport();
  // The progress bar follows the rows read and written. Painted at once rather than through
  // the event loop, which would let the household server or a refresh reach the book while
  // it is being written.
  void showProgress(std::size_t done, std::size_t total);
  // The plan's report; `importing`: after Import rather than Check.
  void showOutcome(const Result<ImportPlan>& plan, bool importing);

  ExpenseDatabase& db_;
  std::string text_;
  std::string fileName_;
  std::vector<QComboBox*> fields_;
  QStandardItemModel* rows_;
  QTableView* table_;
  QLineEdit* dateFormat_;
  QCheckBox* decimalComma_;
  QCheckBox* negativeExpenses_;
  QCheckBox* create_;
  QComboBox* target_;
  QPlainTextEdit* report_;
  QProgressBar* progress_;
  QPushButton* checkButton_;
  QPushButton* importButton_;
  int shownPercent_ = -1;
  std::size_t imported_ = 0;
};

}  // namespace kestrune
