// File > Export and File > Import.
#include <QFileInfo>
#include <QStatusBar>

#include "shell/exchange_dialogs.h"
#include "shell/main_window.h"

namespace kestrune {
namespace {

constexpr int kNoteShown = 10000;  // milliseconds

}  // namespace

void MainWindow::exportBook() {
  ExportDialog dialog(db().GetMonths(), monthChooser_->currentText().toStdString(), this);
  if (prompts_.RunDialog(dialog) != QDialog::Accepted) return;
  const ExportChoice choice = dialog.choice();
  const bool journal = choice.format == ExportFormat::kJournal;
  const QString path = fileChooser_->ChooseSaveFile(
      this, tr("Export"), journal ? "kestrune.journal" : "kestrune.csv",
      journal ? tr("Journals (*.journal *.ledger *.txt)") : tr("CSV files (*.csv)"));
  if (path.isEmpty()) return;
  const Result<std::size_t> written = ExportBook(db(), choice, path);
  if (!written.ok()) {
    prompts_.ShowRefusal(written.status);
    return;
  }
  statusBar()->showMessage(ExportedNote(written.value, path), kNoteShown);
}

void MainWindow::importCsv() {
  const QString path = fileChooser_->ChooseOpenFile(this, tr("Import"),
                                                    tr("CSV files (*.csv *.txt);;All files (*)"));
  if (path.isEmpty()) return;
  const Result<std::string> text = ReadImportFile(path);
  if (!text.ok()) {
    prompts_.ShowRefusal(text.status);
    return;
  }
  constexpr std::size_t kPreviewRows = 12;
  const Result<ImportPreview> preview = PreviewImport(text.value, {}, kPreviewRows);
  if (!preview.ok()) {
    prompts_.ShowRefusal(preview.status);
    return;
  }
  const std::string name = QFileInfo(path).fileName().toStdString();
  ImportDialog dialog(db(), preview.value, text.value, name, this);
  if (prompts_.RunDialog(dialog) != QDialog::Accepted) return;
  Afterwards afterwards;
  afterwards.refresh_views = true;
  afterwards.refill_months = true;
  afterwards.select_month = monthChooser_->currentText().toStdString();
  afterwards.rebuild_folders = {Folder::kCategories, Folder::kPersons};
  afterwards.reselect_folder = true;
  apply(afterwards);
  statusBar()->showMessage(
      tr("Imported %1 purchases from %2").arg(dialog.imported()).arg(QString::fromStdString(name)),
      kNoteShown);
}

}  // namespace kestrune
