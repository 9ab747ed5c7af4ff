#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "database/amount_tables.h"
#include "database/budget_file.h"
#include "database/change_set.h"
#include "database/clock.h"
#include "database/database_prompt.h"
#include "database/expense_file.h"
#include "database/file_system.h"
#include "database/records.h"
#include "database/result.h"
#include "database/sections.h"
#include "database/totals_file.h"
#include "database/undo_entry.h"

namespace kestrune {

// What became of loading: the catalogue is in memory, or the user chose "Exit" at a
// "Data base error" prompt and the program must end (with status 255) without saving.
enum class [[nodiscard]] LoadOutcome{kLoaded, kExit};

// What loading did, and the messages of the files it could not read ("Can't read PATH:
// REASON") or, for a missing index, create. Compares equal to its outcome.
struct [[nodiscard]] LoadResult {
  LoadOutcome outcome = LoadOutcome::kLoaded;
  std::vector<std::string> failures;

  bool operator==(LoadOutcome other) const { return outcome == other; }
};

// Many purchases recorded as one change, with the catalogue entries they need: the names are
// assumed checked (validation.h) and not yet in use.
struct PurchaseBatch {
  std::vector<std::string> new_categories;
  std::vector<std::pair<std::string, std::string>> new_items;  // category (may be new), item
  std::vector<std::string> new_persons;
  std::vector<BookPurchase> purchases;
  // The change in the user's words, as its undo entry names it ("Import 120 purchases from
  // bank.csv"); "Import N purchases" when empty.
  std::string description;
};

// Told how many of `total` purchases have been gathered so far.
using BatchProgress = std::function<void(std::size_t done, std::size_t total)>;

// What RepairBook wrote: each file created or given its missing sections, by path.
struct RepairReport {
  std::vector<std::string> repaired;
};

// The household's expense book: the catalogue of categories, items and persons held in
// memory and kept in step with the files of the database folder, and the queries that read
// totals and purchases straight from those files (nothing else is cached).
//
// Names are compared exactly and case-sensitively; categories and persons are listed in
// byte-wise order of their names (Zoo before apple), items in their category's list order.
// Not thread-safe: one thread owns it.
class ExpenseDatabase {
 public:
  // Works through `fs`, which must outlive the database; every read and write goes there.
  explicit ExpenseDatabase(FileSystem& fs);
  ExpenseDatabase(const ExpenseDatabase&) = delete;
  ExpenseDatabase& operator=(const ExpenseDatabase&) = delete;

  // A copy of the catalogue in memory, working on `fs` (the same disk when not given), for
  // one other thread to use while this one goes on changing the book: each sees only its own
  // catalogue. The disk must be safe to use from two threads and outlive the copy.
  std::unique_ptr<ExpenseDatabase> Snapshot() const { return Snapshot(fs_); }
  std::unique_ptr<ExpenseDatabase> Snapshot(FileSystem& fs) const;

  // --- Paths: the database folder joined with fixed names, nothing escaped. ---
  std::string CategoryIndexPath() const;
  std::string PersonIndexPath() const;
  std::string MonthsIndexPath() const;
  std::string CategoryFilePath(const std::string& category) const;
  std::string ItemFilePath(const std::string& category, const std::string& item) const;
  std::string PersonFilePath(const std::string& person) const;

  // --- Loading ---
  // Stores the folder and fills the catalogue from the index, category and person files.
  // A missing index asks `prompt`: "Create new file" writes it empty and goes on, "Exit"
  // stops at once. No file is written for an index line without one (the integrity check
  // reports it): such a category does not appear, such a person does, with empty
  // information; a line with "/" names nothing. Months are sorted newest first. An index that
  // exists but cannot be read ends loading with kExit too. Files that cannot be read are
  // named in the result.
  LoadResult LoadDatabase(const std::string& database_folder, DatabasePrompt& prompt);

  // --- Repair: what the queries read as empty, made real on disk. ---

  // The paths RepairBook would write; nothing is written.
  std::vector<std::string> RepairsNeeded() const;
  // Run after loading, by the one writer: creates each catalogued category's missing file
  // (its skeleton) and each catalogued item's missing file (NewItemTotalsFile), and appends
  // the empty totals or person totals section a category or item file lacks. All of it is
  // one change; `report` (optional) names the files written. A file that exists but cannot
  // be read is left as it is (the queries report it). Nothing is written when nothing is
  // missing. The repair is no change of its own to undo: it joins the newest undo entry, so
  // undoing the change that left a file to the repair (adding an item) takes that file too.
  [[nodiscard]] Status RepairBook(RepairReport* report = nullptr);

  // --- Lookups (read-only) ---
  std::vector<std::string> GetCategoryNames() const;
  std::vector<std::string> GetPersonNames() const;
  std::vector<std::string> GetMonths() const { return months_; }
  // The category's item names in list order; empty for an unknown category.
  std::vector<std::string> GetItemNames(const std::string& category) const;
  bool CategoryExists(const std::string& name) const;
  bool PersonExists(const std::string& name) const;
  bool ItemExists(const std::string& category, const std::string& item) const;
  // The information text, or empty when there is no such entity.
  std::string GetCategoryInfo(const std::string& name) const;
  std::string GetPersonInfo(const std::string& name) const;
  std::string GetItemInfo(const std::string& category, const std::string& item) const;
  // Names by list position (from 0); the empty text for a position out of range.
  std::string GetCategoryNameAt(int position) const;
  std::string GetItemNameAt(int category_position, int item_position) const;
  // "for all" for the position just past the last person.
  std::string GetPersonNameAt(int position) const;
  // The category's position in name order, or -1.
  int GetCategoryIndex(const std::string& name) const;
  // False when a category named "" or " " exists; otherwise whether any category exists.
  bool HasCategories() const;
  bool HasPersons() const { return !persons_.empty(); }
  // Whether HasCategories and any category holds an item.
  bool HasItems() const;

  const std::string& currency() const { return currency_; }
  void set_currency(std::string currency) { currency_ = std::move(currency); }
  const std::string& database_folder() const { return folder_; }
  // The clock that stamps undo entries and backups (the computer's by default); it must
  // outlive the database.
  void set_clock(const Clock& clock) { clock_ = &clock; }

  // --- Queries: each reads its file afresh and writes nothing. A category or item file
  // that is absent, or lacks the wanted section, reads as empty (0, no persons, no
  // purchases). A file that exists but cannot be read fails the query with its message
  // ("Can't read PATH: REASON"); the value is then empty. ---

  // The month key at a months-index position; "all months" for any negative position, the
  // empty text (no month) past the last one.
  std::string MonthKeyAt(int position) const;
  // The total of the month key ("all months" for the grand total); 0 when absent.
  Result<Cents> CategoryMonthTotal(const std::string& month_key, const std::string& category) const;
  Result<Cents> ItemMonthTotal(const std::string& month_key, const std::string& category,
                               const std::string& item) const;
  // Fills the amounts of the persons already in `totals` from the month's block.
  [[nodiscard]] Status CategoryPersonTotals(const std::string& month_key,
                                            const std::string& category,
                                            PersonTotals& totals) const;
  [[nodiscard]] Status ItemPersonTotals(const std::string& month_key, const std::string& category,
                                        const std::string& item, PersonTotals& totals) const;
  // Appends the item's purchases of the month (all of them for "all months"), in file order.
  [[nodiscard]] Status ItemPurchases(const std::string& month_key, const std::string& category,
                                     const std::string& item,
                                     std::vector<PurchaseRecord>& purchases) const;
  // 1 for "January" ... 12 for "December"; 0 otherwise.
  static int MonthNumber(const std::string& month_name);

  // --- Budgets: a monthly amount per category or item, kept in the budget file
  // (budget_file.h). The file is read afresh by each call. An absent file holds no budgets;
  // one that cannot be read, is no regular file (a link, a FIFO, a folder) or is damaged
  // fails the call with its path and, for damage, the line ("Damaged budget file PATH: line
  // 3: ..."). ---

  std::string BudgetFilePath() const;
  // Every budget, in the order the book lists its entries: categories by name, each
  // category's own budget before its items' in the item list's order. Budgets of names no
  // longer in the catalogue come last, in file order (BudgetsOfUnknownNames tells them).
  Result<std::vector<Budget>> Budgets() const;
  // The budget of the category (`item` empty) or of its item; nothing when it has none.
  Result<std::optional<Cents>> BudgetOf(const std::string& category,
                                        const std::string& item = {}) const;
  // The budgets naming a category or item the catalogue does not hold (for the check).
  Result<std::vector<Budget>> BudgetsOfUnknownNames() const;
  // The budget of the category (or item) against its spending in the month key; nothing
  // when it has no budget or `month_key` is "all months".
  Result<std::optional<BudgetUse>> BudgetUseInMonth(const std::string& month_key,
                                                    const std::string& category,
                                                    const std::string& item = {}) const;
  // Sets (or replaces) the monthly budget of the category, or of its item when `item` is not
  // empty, as one undoable change ("Set the budget of Food to 400.00"). Refused with nothing
  // written for a name the catalogue does not hold ("Unknown category: NAME", "Unknown item:
  // NAME in CATEGORY"), an amount outside 0.01 .. 1,000,000,000.00, or a budget file that cannot be
  // read or is damaged (never written over: the message says why).
  Status SetBudget(const std::string& category, const std::string& item, Cents amount);
  // Takes the budget away as one undoable change ("Clear the budget of Food"), also one
  // naming a category or item no longer in the catalogue. Refused (NotFound, "Food has no
  // budget") when there is no such budget, and for a budget file SetBudget refuses.
  Status ClearBudget(const std::string& category, const std::string& item);
  // For the purchase just recorded in the category's item: the notices of the budgets it
  // took over their month's amount, the item's first, then the category's (OverBudgetText).
  // Only the purchase that crosses the line gets a notice: none when the month was over
  // before it, or is not over now. Reads the totals files and the budget file; writes
  // nothing. Call it after RecordPurchase succeeded; it never stands in its way.
  Result<std::vector<std::string>> OverBudgetNotices(const std::string& category,
                                                     const std::string& item,
                                                     const PurchaseRecord& purchase) const;

  // While a ReadSession is open, the totals queries read each category or item file once and
  // answer later queries on it from memory. Open one around one page or one chart build,
  // while no file changes beneath it. Sessions nest; memory is freed when the outermost one
  // closes.
  class ReadSession {
   public:
    explicit ReadSession(const ExpenseDatabase& db) : db_(db) { ++db_.read_sessions_; }
    ~ReadSession();
    ReadSession(const ReadSession&) = delete;
    ReadSession& operator=(const ReadSession&) = delete;

   private:
    const ExpenseDatabase& db_;
  };

  // --- Purchases and months. Each operation gathers all its file changes and commits them
  // in one step; a failure is returned and the catalogue in memory is left as it was. ---

  // Inserts the purchase at the top of the item file's purchase list and adds its sum to the
  // month's and "all months" totals and to the person's entries in the item file and the
  // category file, creating missing lines. Missing files get their skeletons and missing
  // sections are added empty first. A month not yet known enters the months index in the
  // same change, so a month is never listed without its purchase or the reverse.
  // `month_added` (optional) tells whether the month was new.
  Status RecordPurchase(const std::string& category, const std::string& item,
                        const PurchaseRecord& purchase, bool* month_added = nullptr);
  // Records every purchase of the batch as RecordPurchase would, one after the other, after
  // adding its new categories (empty information, at the end of the index), items (at the top
  // of their category's item list) and persons, all in one change: all of it is written or
  // none. Each item and category file is read and written once, so a large batch takes about
  // the time of rewriting the files it touches. `progress` (optional) is told as purchases
  // are gathered; the commit follows the last report.
  Status RecordPurchases(const PurchaseBatch& batch, const BatchProgress& progress = {});
  // Removes one purchase line equal to `purchase_line` from the item file and subtracts its
  // sum from the same totals (entries that reach 0 stay). Refused, with nothing changed, when
  // the item file holds no such purchase.
  Status DeletePurchase(const std::string& category, const std::string& item,
                        const std::string& purchase_line);
  // DeletePurchase of `old_line` and RecordPurchase of `purchase` as one change: an edited
  // purchase is never lost half way, and nothing changes when either part is refused.
  Status ReplacePurchase(const std::string& category, const std::string& item,
                         const std::string& old_line, const PurchaseRecord& purchase,
                         bool* month_added = nullptr);
  // Enters a month key not yet known into the months array and rewrites the months index,
  // newest first. `added` (optional) tells whether the key was new.
  Status AddMonth(const std::string& month_key, bool* added = nullptr);
  // Sorts the months array newest first.
  void SortMonths();
  // Takes the month out of every category and item file (its totals, person blocks and
  // purchases, and its amounts from the "all months" entries) and out of the months index.
  // "all months" changes nothing.
  Status DeleteMonth(const std::string& month_key);
  // Empties every expense section of every category and item file and the months index;
  // the catalogue stays.
  Status DeleteAllPurchases();
  // Deletes every category and item file and the budgets, and empties the three index files. Person
  // files stay on disk but are no longer listed.
  Status ClearDatabase();

  // --- Catalogue maintenance. Names are assumed checked (validation.h): new names are not
  // in use, changed or deleted ones exist. Memory and files agree after each call; on a
  // failure the catalogue in memory stays as it was. ---

  // Lists the category at the end of the index and writes its file: name, information (a
  // blank when empty), the two empty totals sections.
  Status AddCategory(const std::string& name, const std::string& information);
  // Lists the person and writes the person file: name, then a blank and the information.
  Status AddPerson(const std::string& name, const std::string& information);
  // Puts the item at the top of the category file's item list (at the end in memory). The
  // item file is left to the repair or the first writer.
  Status AddItemToCategory(const std::string& category, const std::string& item,
                           const std::string& information);
  // Changes the information; a new name also moves the category file and every item file.
  Status EditCategory(const std::string& old_name, const std::string& new_name,
                      const std::string& information);
  // Moves the item with its purchases and totals: the old category loses its totals, the
  // new one gains them (with an entry for every known month and person).
  Status EditItem(const std::string& old_category, const std::string& old_item,
                  const std::string& new_category, const std::string& new_item,
                  const std::string& information);
  // Renames the person in every category and item file (person totals and purchases).
  Status EditPerson(const std::string& old_name, const std::string& new_name,
                    const std::string& information);
  // Removes the category file and its item files; persons and months stay.
  Status DeleteCategory(const std::string& name);
  // Removes the item's list line and file and takes its totals out of the category file.
  Status DeleteItem(const std::string& category, const std::string& item);
  // Removes the person's purchases and entries everywhere, lowering the totals; "for all"
  // purchases and the months index stay.
  Status DeletePerson(const std::string& name);

  // --- Undo and redo. Every change above is recorded in the book's undo folder (see
  // undo_history.h) with a description in the user's words; the entries outlive the
  // process. ---

  // The change the next Undo would take back (or Redo make again); nothing when there is
  // none. A damaged entry still shows, described as damaged, so that Undo can report it.
  std::optional<HistoryEntry> NextUndo() const;
  std::optional<HistoryEntry> NextRedo() const;
  // The note a change made now records (ChangeSet::Record): the words, the clock's time, and
  // where the view goes after an undo (`before`) and after a redo (`after`).
  // Nothing when undo entries are off.
  std::optional<UndoNote> Note(std::string description, ChangeFocus before,
                               ChangeFocus after) const;
  // Whether changes leave undo entries: on, except to measure what keeping them costs.
  void set_keep_undo(bool keep) { keep_undo_ = keep; }
  // The changes that can be undone, newest first; fails naming a damaged entry.
  [[nodiscard]] Result<std::vector<HistoryEntry>> History() const;
  // The changes undone that can be made again, the next Redo first.
  [[nodiscard]] Result<std::vector<HistoryEntry>> RedoList() const;
  // Writes back the files as they were before the newest change, as one change that also
  // turns its entry into a redo entry; the catalogue and months in memory follow. Refused
  // with nothing changed when there is nothing to undo (NotFound, "Nothing to undo"), when
  // the entry is damaged, or when a file it would overwrite was changed since other than by
  // the program ("Can't undo: PATH was changed outside Kestrune"). Returns where the view
  // should go; `undone` (optional) is set to the entry undone. When an index cannot be read
  // again afterwards, the failure says that the change is made.
  [[nodiscard]] Result<ChangeFocus> Undo(HistoryEntry* undone = nullptr);
  // The mirror of Undo: makes the change undone last again ("Nothing to redo", "Can't
  // redo: ...").
  [[nodiscard]] Result<ChangeFocus> Redo(HistoryEntry* redone = nullptr);
  // Replaces the book's data files (the three indexes, the budget file and the files of its three
  // folders) with those of the backup BACKUPS/NAME as one change, undoable like any other. The
  // backup is read first, then the current book is backed up (keeping the newest
  // `keep_backups`), then the change is made. Refuses a name that is no backup folder's
  // ("No backup named NAME"), or a backup whose folders are not plain folders.
  [[nodiscard]] Status RestoreBackup(const std::string& backups_folder, const std::string& name,
                                     int keep_backups);

 private:
  // Each adds the messages of the files it could not read to `failures`; false when
  // loading must end.
  bool LoadCategories(DatabasePrompt& prompt, std::vector<std::string>& failures);
  bool LoadPersons(DatabasePrompt& prompt, std::vector<std::string>& failures);
  bool LoadMonths(DatabasePrompt& prompt, std::vector<std::string>& failures);
  // The index's lines; on a missing index asks `prompt` ("Create new file" writes it empty).
  // Nothing when the user chose Exit, the index cannot be read or not be created.
  std::optional<std::vector<std::string>> ReadIndex(const std::string& path,
                                                    const char* missing_text,
                                                    DatabasePrompt& prompt,
                                                    std::vector<std::string>& failures);
  void LoadCategoryFile(const std::string& index_line, std::vector<std::string>& failures);
  void LoadPersonFile(const std::string& index_line, std::vector<std::string>& failures);
  // The text of a file; nothing when it is absent (ok) or cannot be read (the failure).
  Result<std::optional<std::string>> ReadIfPresent(const std::string& path) const;
  // The totals of a category or item file, kept while a read session is open; null when
  // the file is absent.
  Result<std::shared_ptr<TotalsFile>> TotalsOf(const std::string& path, SectionMarks totals) const;
  // Gathers the repair of one category or item file into `changes`; whether it needs one.
  bool GatherRepair(ChangeSet& changes, const std::string& path, const std::string& skeleton,
                    SectionMarks totals) const;
  // Gathers the repairs of every catalogued category and item file; the paths repaired.
  std::vector<std::string> GatherRepairs(ChangeSet& changes) const;
  const CategoryRecord* FindCategory(const std::string& name) const;
  // A file's lines as `changes` would leave them. `existed` is false for an absent file; the
  // status fails for a file that exists but cannot be read (it must not be rewritten).
  struct FileLines {
    Status status = Status::Ok();
    bool existed = false;
    std::string content;
    std::vector<std::string> lines;
  };
  FileLines ReadLines(ChangeSet& changes, const std::string& path);
  // A category or item file as `changes` would leave it, parsed; `skeleton` stands in for an
  // absent file. The status fails for a file that cannot be read and, when `refuse_damage`,
  // for one whose sections are damaged (named with the line), so no edit lands in the wrong
  // place.
  struct ReadModel {
    Status status = Status::Ok();
    bool existed = false;
    std::optional<ExpenseFile> file;
  };
  ReadModel ReadExpenseFile(ChangeSet& changes, const std::string& path, SectionMarks totals,
                            const std::string& skeleton, bool refuse_damage);
  // Writes the file through `edit` when it exists (a file that cannot be read fails).
  Status EditExpenseFile(ChangeSet& changes, const std::string& path, SectionMarks totals,
                         const std::function<void(ExpenseFile&)>& edit);
  // The names of the catalogue's persons and "for all".
  std::vector<std::string> EveryoneNamed() const;
  // Runs `gather` and commits what it gathered; restores the catalogue in memory when
  // either fails.
  Status ChangeCatalogue(std::optional<UndoNote> note,
                         const std::function<Status(ChangeSet&)>& gather);
  // Tables with every known month and "all months", each with every person and "for all".
  ExpenseTables PrefilledTables() const;
  // The amounts of the item file (created with its six empty sections when absent).
  Status ReadItemTotals(ChangeSet& changes, const std::string& category, const std::string& item,
                        ExpenseTables& tables);
  // The amounts of the category file (created from its skeleton when absent).
  Status ReadCategoryPersonTotals(ChangeSet& changes, const std::string& category,
                                  ExpenseTables& tables);
  Status GatherAddItem(ChangeSet& changes, const std::string& category, const std::string& item,
                       const std::string& information);
  Status GatherDeleteItem(ChangeSet& changes, const std::string& category, const std::string& item);
  Status RenameCategoryFiles(ChangeSet& changes, const std::string& old_name,
                             const std::string& new_name, const std::string& information);
  // Puts `name` on a line of its own at the end of the index.
  Status AppendToIndexFile(ChangeSet& changes, const std::string& path, const std::string& name);
  Status RewriteIndex(ChangeSet& changes, const std::string& path, const std::string& old_name,
                      const std::string& new_name);
  // The file changes of recording or removing one purchase, gathered into `changes`.
  Status StagePurchase(ChangeSet& changes, const std::string& category, const std::string& item,
                       const PurchaseRecord& purchase);
  // An item and purchases to record in it, in recording order.
  using PurchasesOfItem = std::pair<std::string, std::vector<const PurchaseRecord*>>;
  // The file changes of recording the purchases of the category's items one after the other,
  // item by item: each file is read, changed and formatted once.
  Status StagePurchases(ChangeSet& changes, const std::string& category,
                        const std::vector<PurchasesOfItem>& items);
  // The catalogue entries of a batch, gathered into `changes` and entered into memory.
  Status StageNewNames(ChangeSet& changes, const PurchaseBatch& batch);
  Status StagePurchaseRemoval(ChangeSet& changes, const std::string& category,
                              const std::string& item, const std::string& purchase_line);
  // Gathers the months index with `month_key` entered; nothing when the month is known.
  std::optional<std::vector<std::string>> StageMonth(ChangeSet& changes,
                                                     const std::string& month_key);
  // Commits `changes` and then takes `months` (when given) as the months in memory.
  Status CommitWithMonths(ChangeSet& changes, std::optional<std::vector<std::string>> months,
                          bool* month_added);
  // Takes the month out of one category or item file (`skeleton` when the file is absent).
  Status TakeMonthOut(ChangeSet& changes, const std::string& path, const std::string& skeleton,
                      SectionMarks totals, const std::string& month_key);

  // The budgets as `changes` would leave them; fails for a file that cannot be read or is
  // damaged, so that no change writes over it.
  Result<std::vector<Budget>> ReadBudgets(ChangeSet& changes) const;
  // Gathers the budget file rewritten with the budgets of `category` (all of them when `item`
  // is empty, else the item's) renamed to `new_category` / `new_item`, or dropped when
  // `drop`. Nothing is gathered when no budget is touched; an absent file stays absent.
  Status GatherBudgetRename(ChangeSet& changes, const std::string& category,
                            const std::string& item, const std::string& new_category,
                            const std::string& new_item, bool drop);
  // Gathers `budgets` as the budget file's new contents (its removal when there are none).
  void GatherBudgets(ChangeSet& changes, const std::vector<Budget>& budgets) const;

  // The next undo (or redo) entry, applied under the change lock.
  Result<ChangeFocus> ApplyEntry(bool redo, HistoryEntry* applied_entry);
  Result<ChangeFocus> ApplyLocked(bool redo, HistoryEntry* applied_entry);
  std::optional<HistoryEntry> NextEntryShown(bool redo) const;
  Result<std::vector<HistoryEntry>> Entries(bool redo) const;
  // Reads the catalogue and months again after the files changed beneath them.
  Status Reload();

  FileSystem& fs_;
  const Clock* clock_;
  bool keep_undo_ = true;
  std::string currency_;
  std::string folder_;
  std::map<std::string, CategoryRecord> categories_;
  std::map<std::string, PersonRecord> persons_;
  std::vector<std::string> months_;
  mutable int read_sessions_ = 0;
  mutable std::map<std::string, std::shared_ptr<TotalsFile>> session_files_;
};

}  // namespace kestrune
