#pragma once

#include <QListWidget>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <vector>

#include "shell/tree_content.h"

namespace kestrune {

// The bar left of the tree: one header button per folder and, under the current folder's
// header, its list of entries. Every selection of a folder, the current one included,
// reports folderSelected (the frame refills the tree from it); a click on an entry reports
// entryClicked. Each folder shows small or large icons. The user may remove an entry or
// hide a folder from the context menu, once the frame has approved it.
class FolderBar final : public QWidget {
  Q_OBJECT

 public:
  enum class Removal { kEntry, kFolder };
  // Asked before a removal the user requested; false keeps the entry or folder.
  using RemovalApproval = std::function<bool(Removal)>;

  FolderBar(std::vector<QString> folder_names, QWidget* parent);

  void setRemovalApproval(RemovalApproval approval) { approve_ = std::move(approval); }

  void setEntries(int folder, const std::vector<FolderEntry>& entries);
  void removeEntry(int folder, int position);
  int entryCount(int folder) const;
  QString entryText(int folder, int position) const;
  int currentFolder() const { return current_; }
  // Makes the folder current and reports it, even when it already was.
  void selectFolder(int folder);
  void setSmallIcons(int folder, bool small);
  bool smallIcons(int folder) const;
  bool isFolderHidden(int folder) const;
  // What the context menu runs: a removal the frame is asked to approve first.
  void removeEntryIfApproved(int folder, int position);
  void hideFolderIfApproved(int folder);

 signals:
  void folderSelected(int folder);
  void entryClicked(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Folder {
    QToolButton* header = nullptr;
    QListWidget* list = nullptr;
    bool small = false;
  };

  QToolButton* createHeader(const QString& name, int folder);
  QListWidget* createList();
  void showFolderMenu(int folder, const QPoint& at);
  void showEntryMenu(int folder, const QPoint& at);
  void hideFolder(int folder);
  void showAllFolders();
  int shownFolderCount() const;
  void applyIconMode(Folder& folder);
  void fitGrid(Folder& folder);
  bool approved(Removal removal) const { return !approve_ || approve_(removal); }

  std::vector<Folder> folders_;
  int current_ = 0;
  RemovalApproval approve_;
};

}  // namespace kestrune
