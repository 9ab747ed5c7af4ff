#include "shell/folder_bar.h"

#include <QEvent>
#include <QMenu>
#include <QVBoxLayout>

#include "shell/caption_bar.h"
#include "shell/shell_icons.h"

namespace kestrune {
namespace {

constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;

}  // namespace

FolderBar::FolderBar(std::vector<QString> folder_names, QWidget* parent) : QWidget(parent) {
  setObjectName("folderBar");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  for (size_t i = 0; i < folder_names.size(); ++i) {
    Folder folder;
    folder.header = createHeader(folder_names[i], static_cast<int>(i));
    folder.list = createList();
    layout->addWidget(folder.header);
    layout->addWidget(folder.list, 1);
    applyIconMode(folder);
    folders_.push_back(folder);
  }
  selectFolder(0);
}

QToolButton* FolderBar::createHeader(const QString& name, int folder) {
  auto* header = new QToolButton(this);
  header->setText(name);
  header->setObjectName("folder_" + name);
  header->setCheckable(true);
  header->setAutoRaise(false);
  header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  header->setMinimumHeight(24);
  QFont bold = header->font();
  bold.setBold(true);
  header->setFont(bold);
  header->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(header, &QToolButton::clicked, this, [this, folder] { selectFolder(folder); });
  connect(header, &QToolButton::customContextMenuRequested, this,
          [this, folder, header](const QPoint& at) {
            showFolderMenu(folder, header->mapToGlobal(at));
          });
  return header;
}

QListWidget* FolderBar::createList() {
  auto* list = new QListWidget(this);
  list->setFrameShape(QFrame::NoFrame);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  list->setMovement(QListView::Static);
  // A long name is cut with "..." (whole in its tooltip) rather than widening the bar.
  list->setTextElideMode(Qt::ElideRight);
  list->setSizeAdjustPolicy(QAbstractScrollArea::AdjustIgnored);
  list->installEventFilter(this);
  connect(list, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit entryClicked(item->text()); });
  connect(list, &QListWidget::customContextMenuRequested, this, [this, list](const QPoint& at) {
    showEntryMenu(current_, list->viewport()->mapToGlobal(at));
  });
  return list;
}

void FolderBar::setEntries(int folder, const std::vector<FolderEntry>& entries) {
  QListWidget* list = folders_.at(static_cast<size_t>(folder)).list;
  list->clear();
  for (const FolderEntry& entry : entries) {
    auto* item = new QListWidgetItem(TreeIcon(entry.image), QString::fromStdString(entry.text));
    item->setToolTip(PlainToolTip(item->text()));
    list->addItem(item);
  }
}

void FolderBar::removeEntry(int folder, int position) {
  delete folders_.at(static_cast<size_t>(folder)).list->takeItem(position);
}

int FolderBar::entryCount(int folder) const {
  return folders_.at(static_cast<size_t>(folder)).list->count();
}

QString FolderBar::entryText(int folder, int position) const {
  QListWidgetItem* item = folders_.at(static_cast<size_t>(folder)).list->item(position);
  return item ? item->text() : QString();
}

void FolderBar::selectFolder(int folder) {
  if (folder < 0 || folder >= static_cast<int>(folders_.size())) return;
  current_ = folder;
  for (size_t i = 0; i < folders_.size(); ++i) {
    const bool is_current = static_cast<int>(i) == folder;
    folders_[i].header->setChecked(is_current);
    folders_[i].list->setVisible(is_current);
  }
  emit folderSelected(folder);
}

void FolderBar::setSmallIcons(int folder, bool small) {
  Folder& entry = folders_.at(static_cast<size_t>(folder));
  entry.small = small;
  applyIconMode(entry);
}

bool FolderBar::smallIcons(int folder) const {
  return folders_.at(static_cast<size_t>(folder)).small;
}

bool FolderBar::isFolderHidden(int folder) const {
  return folders_.at(static_cast<size_t>(folder)).header->isHidden();
}

void FolderBar::applyIconMode(Folder& folder) {
  QListWidget* list = folder.list;
  if (folder.small) {
    list->setViewMode(QListView::ListMode);
    list->setIconSize(QSize(kSmallIcon, kSmallIcon));
    list->setSpacing(1);
  } else {
    list->setViewMode(QListView::IconMode);
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(false);
    list->setWordWrap(true);
    list->setIconSize(QSize(kLargeIcon, kLargeIcon));
    list->setSpacing(2);
  }
  fitGrid(folder);
  list->setMovement(QListView::Static);
  list->setResizeMode(QListView::Adjust);
}

// Large icons stand centred over their names, one entry per row across the whole width.
void FolderBar::fitGrid(Folder& folder) {
  QListWidget* list = folder.list;
  list->setHorizontalScrollBarPolicy(folder.small ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  list->setGridSize(folder.small ? QSize()
                                 : QSize(std::max(list->contentsRect().width() - 4, 40), 66));
}

bool FolderBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    for (Folder& folder : folders_) {
      if (folder.list == watched) fitGrid(folder);
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FolderBar::showFolderMenu(int folder, const QPoint& at) {
  QMenu menu(this);
  QAction* small = menu.addAction(tr("Small icons"));
  small->setCheckable(true);
  small->setChecked(smallIcons(folder));
  connect(small, &QAction::toggled, this, [this, folder](bool on) { setSmallIcons(folder, on); });
  menu.addSeparator();
  QAction* remove = menu.addAction(tr("Remove folder"));
  // The last folder shown stays, so the bar never loses the menu that brings folders back.
  remove->setEnabled(shownFolderCount() > 1);
  connect(remove, &QAction::triggered, this, [this, folder] { hideFolderIfApproved(folder); });
  connect(menu.addAction(tr("Show all folders")), &QAction::triggered, this,
          &FolderBar::showAllFolders);
  menu.exec(at);
}

void FolderBar::showEntryMenu(int folder, const QPoint& at) {
  QListWidget* list = folders_.at(static_cast<size_t>(folder)).list;
  QListWidgetItem* item = list->itemAt(list->viewport()->mapFromGlobal(at));
  QMenu menu(this);
  QAction* remove = menu.addAction(tr("Remove shortcut"));
  remove->setEnabled(item != nullptr);
  connect(remove, &QAction::triggered, this,
          [this, folder, list, item] { removeEntryIfApproved(folder, list->row(item)); });
  menu.exec(at);
}

void FolderBar::removeEntryIfApproved(int folder, int position) {
  if (approved(Removal::kEntry)) removeEntry(folder, position);
}

void FolderBar::hideFolderIfApproved(int folder) {
  if (approved(Removal::kFolder)) hideFolder(folder);
}

// A hidden folder keeps its place, so the folder numbers the program uses stay right.
void FolderBar::hideFolder(int folder) {
  Folder& entry = folders_.at(static_cast<size_t>(folder));
  entry.header->hide();
  entry.list->hide();
  if (folder != current_) return;
  for (size_t i = 0; i < folders_.size(); ++i) {
    if (!folders_[i].header->isHidden()) {
      selectFolder(static_cast<int>(i));
      return;
    }
  }
}

int FolderBar::shownFolderCount() const {
  int count = 0;
  for (const Folder& folder : folders_) count += folder.header->isHidden() ? 0 : 1;
  return count;
}

void FolderBar::showAllFolders() {
  for (Folder& folder : folders_) folder.header->show();
  folders_.at(static_cast<size_t>(current_)).list->show();
}

}  // namespace kestrune
