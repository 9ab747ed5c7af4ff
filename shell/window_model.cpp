#include "shell/window_model.h"

#include <QtConcurrent/QtConcurrentRun>

#include "database/backups.h"
#include "database/database_folder.h"
#include "database/recovery.h"
#include "pages/page_assets.h"
#include "shell/settings_mapping.h"

namespace kestrune {
namespace {

// The exit status of a start the user ended at a "Data base error" prompt.
constexpr int kExitAtDatabaseError = 255;
// How many start-up backups are kept in data/backups.
constexpr int kBackupsKept = 5;
// The exit status of a start that could not reach or lock its database.
constexpr int kExitNoDatabase = 1;

WindowModel::StartResult Refused(UserPrompts& prompts, const Status& status) {
  prompts.ShowMessage(status.message());
  return {false, kExitNoDatabase};
}

}  // namespace

WindowModel::StartResult WindowModel::Start(SettingsStore& store, UserPrompts& prompts) {
  if (!DatabaseFolderExists(fs_, paths_.DatabaseDir)) {
    if (Status created = CreateEmptyDatabase(fs_, paths_.DatabaseDir); !created.ok()) {
      return Refused(prompts, created);
    }
  }
  Status ready = lock_.Acquire(paths_.DatabaseDir);
  // A change cut short by a crash is finished or discarded before anything is read.
  if (ready.ok()) ready = RecoverDatabase(fs_, paths_.DatabaseDir);
  if (!ready.ok()) return Refused(prompts, ready);
  LoadSettings(store, state_);
  const LoadResult loaded = db_.LoadDatabase(paths_.DatabaseDir, prompts);
  TellFailures(prompts, loaded.failures);
  if (loaded == LoadOutcome::kExit) return {false, kExitAtDatabaseError};
  db_.set_currency(state_.currency);
  ApplyEmptinessRules();
  state_.nodeKind = NodeKind::Category;
  if (Status installed = InstallPageAssets(fs_, paths_.DataDir); !installed.ok()) {
    prompts.ShowMessage(installed.message());
  }
  // Under the lock no page is being written: a temporary left in data/ is from a killed one.
  if (Status cleaned = RemovePageTemporaries(paths_.DataDir); !cleaned.ok()) {
    prompts.ShowMessage(cleaned.message());
  }
  StartBackUpAndRepair(prompts);
  return {true, 0};
}

WindowModel::~WindowModel() {
  startWork_.waitForFinished();
}

// Every start keeps a copy of the book as it was, the newest five of them; then, under the
// writer's lock, what the queries read as empty is made real, once. Copying a large book
// takes seconds: the window is up meanwhile, and its first change waits at the gate.
void WindowModel::StartBackUpAndRepair(UserPrompts& prompts) {
  struct Outcome {
    Status copied = Status::Ok();
    Status repaired = Status::Ok();
  };
  auto outcome = std::make_shared<Outcome>();
  std::shared_ptr<ExpenseDatabase> book = db_.Snapshot(fs_);
  const std::string stamp = BackupStamp(clock_.Now());
  const QFuture<void> work = QtConcurrent::run([this, outcome, book, stamp] {
    outcome->copied =
        BackUpDatabase(fs_, paths_.DatabaseDir, paths_.DataDir + "/backups", stamp, kBackupsKept);
    outcome->repaired = book->RepairBook();
  });
  QObject::connect(&startWork_, &QFutureWatcherBase::finished, &startWork_, [outcome, &prompts] {
    if (!outcome->copied.ok()) prompts.ShowMessage(outcome->copied.message());
    if (!outcome->repaired.ok()) prompts.ShowRefusal(outcome->repaired);
  });
  gate_.hold(work);
  startWork_.setFuture(work);
}

void WindowModel::Save(SettingsStore& store) const {
  SaveSettings(store, state_);
}

void WindowModel::ApplyEmptinessRules() {
  if (!db_.HasCategories()) {
    state_.selectedCategory.clear();
    state_.selectedItem.clear();
  }
  if (!db_.HasPersons()) {
    state_.selectedPerson.clear();
    state_.selectedPersonMenu.clear();
    state_.selectedPersonMenuChild.clear();
  }
}

bool TellFailures(UserPrompts& prompts, const std::vector<std::string>& failures) {
  for (const std::string& failure : failures) prompts.ShowMessage(failure);
  return failures.empty();
}

}  // namespace kestrune
