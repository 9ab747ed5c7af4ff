#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFutureWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QWidget>
#include <memory>

#include "database/expense_database.h"
#include "database/purchase_finder.h"
#include "shell/book_exchange.h"
#include "shell/find_request.h"
#include "shell/find_results.h"
#include "shell/user_prompts.h"

namespace kestrune {

// The panel of Edit > Find: the words, the person, a range of days and a range of sums (each
// bound optional), and the purchases found in a sortable table with their count and sum under
// it. Enter in a field (or Find) searches; Enter or a double-click on a row asks to go to the
// purchase's item (purchaseChosen); Export... writes the rows as CSV in the order shown.
//
// A search runs on another thread on a snapshot of the book, so the window never waits for
// it; a search asked for while one runs supersedes it (only the newest is shown). Its failure,
// or a refused field, is shown in the line under the table. The finder keeps the purchases it
// read between searches, so only the first one reads every item file.
class FindPanel final : public QWidget {
  Q_OBJECT

 public:
  // Searches `book` through `fs` (its disk, usable from another thread); both must outlive
  // the panel, and so must `prompts` and `chooser` (the file dialog of Export...).
  FindPanel(const ExpenseDatabase& book, FileSystem& fs, UserPrompts& prompts, FileChooser& chooser,
            QWidget* parent = nullptr);
  ~FindPanel() override;
  void setFileChooser(FileChooser& chooser) { chooser_ = &chooser; }

  // Lists the book's persons anew, keeping the one chosen while it exists, and puts the
  // keyboard in the words field.
  void prepare();
  // What the fields hold now.
  FindFields fields() const;
  // A search is running.
  bool searching() const { return watcher_.isRunning(); }
  QTableView* table() const { return table_; }

 signals:
  void purchaseChosen(const FoundPurchase& purchase);
  // A note for the window's status bar ("Exported 3 purchases to FILE").
  void noted(const QString& note);

 public slots:
  void find();
  void exportResults();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createFields();
  QLayout* createRanges();
  void startSearch();
  void searchFinished();
  void choose(const QModelIndex& index);
  void showProblem(const Status& status);

  const ExpenseDatabase& book_;
  UserPrompts& prompts_;
  FileChooser* chooser_;
  std::unique_ptr<PurchaseFinder> finder_;
  QLineEdit* words_;
  QComboBox* person_;
  QCheckBox* fromOn_;
  QDateEdit* from_;
  QCheckBox* toOn_;
  QDateEdit* to_;
  QLineEdit* minSum_;
  QLineEdit* maxSum_;
  QPushButton* findButton_;
  FindResultsModel* results_;
  QSortFilterProxyModel* sorted_;
  QTableView* table_;
  QLabel* summary_;
  QPushButton* exportButton_;
  // The newest search asked for; a search finished before it is thrown away and it starts.
  QFutureWatcher<Result<FindResult>> watcher_;
  FindRequest pending_;
  unsigned requested_ = 0;
  unsigned running_ = 0;
};

}  // namespace kestrune
