#include "bench/opened_set.h"

#include <filesystem>
#include <stdexcept>

#include "bench/no_prompt.h"
#include "database/database_folder.h"

namespace kestrune::bench {

OpenedSet::OpenedSet(const DataSet& set, const std::string& cache)
    : set_(set), copy_(PreparedWorkdir(cache, set)), folder_(DatabaseFolderOf(copy_.path())) {
  NoPrompt prompt;
  if (db_.LoadDatabase(folder_, prompt) != LoadOutcome::kLoaded ||
      fast_db_.LoadDatabase(folder_, prompt) != LoadOutcome::kLoaded) {
    throw std::runtime_error("cannot load " + folder_);
  }
  FindLargestItem();
  const std::vector<std::string> persons = db_.GetPersonNames();
  person_ = persons.empty() ? std::string(kForAll) : persons.front();
}

void OpenedSet::FindLargestItem() {
  std::uintmax_t largest = 0;
  for (const std::string& category : db_.GetCategoryNames()) {
    for (const std::string& item : db_.GetItemNames(category)) {
      std::error_code absent;
      const std::uintmax_t size =
          std::filesystem::file_size(db_.ItemFilePath(category, item), absent);
      if (!absent && size > largest) {
        largest = size;
        category_ = category;
        item_ = item;
      }
    }
  }
}

}  // namespace kestrune::bench
