// Undo, Redo and Restore backup: the commands that put the book back as it was, and what
// the window shows after them.
#include "shell/book_history.h"
#include "shell/main_window.h"
#include "shell/restore_backup_dialog.h"

namespace kestrune {
namespace {

// The most of a change's description a menu entry shows.
constexpr int kLongestDescription = 48;

// A description as part of a menu text: on one line, cut with "…" when long, and an "&" in
// a name shown as itself, never as a mnemonic.
QString MenuPart(const std::string& description) {
  QString text = QString::fromStdString(description).simplified();
  if (text.size() > kLongestDescription) {
    int cut = kLongestDescription - 1;
    if (text.at(cut - 1).isHighSurrogate()) --cut;
    text = text.left(cut) + QChar(0x2026);
  }
  return text.replace('&', "&&");
}

}  // namespace

// An undo checks the files before it writes them: the repair the start runs beside the window
// must be done first, not only before the write as for other changes.
void MainWindow::undo() {
  model_.WaitForStart();
  followChange(db().Undo());
}

void MainWindow::redo() {
  model_.WaitForStart();
  followChange(db().Redo());
}

void MainWindow::followChange(const Result<ChangeFocus>& applied) {
  if (!applied.ok()) {
    prompts_.ShowRefusal(applied.status);
    updateHistoryActions();
    return;
  }
  const Folder folder = FollowChange(state(), db(), applied.value, currentFolder());
  fillMonthChooser(monthChooser_->currentText().toStdString());
  for (Folder listed : {Folder::kCategories, Folder::kPersons}) {
    folderBar_->setEntries(static_cast<int>(listed), FolderEntries(listed, db()));
  }
  document_.RefreshViews();
  folderBar_->selectFolder(static_cast<int>(folder));
  updateActions();
  updateHistoryActions();
}

// File › Restore backup: the start's own backup is still being written while the window is
// new; the list waits for it, as every change does.
void MainWindow::restoreBackup() {
  model_.WaitForStart();
  BackupRestore restore(model_.fs(), model_.paths().DataDir + "/backups");
  if (Status listed = restore.Load(); !listed.ok()) {
    prompts_.ShowRefusal(listed);
    return;
  }
  if (restore.backups().empty()) {
    prompts_.ShowMessage(
        tr("There is no backup to restore yet. Kestrune makes one each time it starts.")
            .toStdString());
    return;
  }
  RestoreBackupDialog dialog(form(), restore, this);
  runForm(dialog);
}

void MainWindow::updateHistoryActions() {
  const std::optional<HistoryEntry> undo = db().NextUndo();
  const std::optional<HistoryEntry> redo = db().NextRedo();
  const auto show = [](QAction* action, const std::optional<HistoryEntry>& entry,
                       const QString& bare, const QString& named, const QString& tip) {
    action->setEnabled(entry.has_value());
    action->setText(entry ? named.arg(MenuPart(entry->description)) : bare);
    QString status;
    if (entry) {
      // A damaged entry has no time to tell.
      const QString description = QString::fromStdString(entry->description);
      status = entry->time.empty() ? description
                                   : tip.arg(description, QString::fromStdString(entry->time));
    }
    action->setStatusTip(status);
  };
  show(actions_.undo, undo, tr("&Undo"), tr("&Undo %1"), tr("Undo \"%1\" of %2"));
  show(actions_.redo, redo, tr("&Redo"), tr("&Redo %1"), tr("Redo \"%1\" of %2"));
}

}  // namespace kestrune
