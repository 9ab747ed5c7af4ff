#pragma once

#include <string>
#include <vector>

#include "database/expense_database.h"
#include "database/file_system.h"
#include "database/status.h"
#include "server/household_files.h"

namespace kestrune {

// What the household access dialog does, without its window: the members who may sign in
// to the household server, and the setting and taking away of their passphrases in the
// book's access file. A passphrase is checked here before anything is written.
class HouseholdMembers {
 public:
  // `fs` and `db` must outlive it; the access file is the one of the book `db` holds.
  HouseholdMembers(FileSystem& fs, const ExpenseDatabase& db) : fs_(fs), db_(db) {}

  // Reads the member list afresh (an absent access file is an empty list).
  [[nodiscard]] Status Load();
  // The members read last, in the order of the access file.
  const std::vector<server::Member>& members() const { return members_; }
  // "Anna (owner)", "Bob": the member at `row` as the list shows them.
  std::string Describe(size_t row) const;

  // Gives `person` (a person of the catalogue) the passphrase typed twice, and marks them as
  // the book's owner or not; the access file is written whole, then read again. Refused with
  // nothing written when the person is unknown, the two differ, or the passphrase is shorter
  // than eight characters.
  [[nodiscard]] Status Set(const std::string& person, const std::string& passphrase,
                           const std::string& repeated, bool owner);
  // Takes the person's passphrase away; refused when they have none.
  [[nodiscard]] Status Remove(const std::string& person);

 private:
  FileSystem& fs_;
  const ExpenseDatabase& db_;
  std::vector<server::Member> members_;
};

}  // namespace kestrune
