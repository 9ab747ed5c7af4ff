#include "shell/household_members.h"

#include <QCoreApplication>
#include <algorithm>

#include "server/household_access.h"

namespace kestrune {
namespace {

std::string Tr(const char* text) {
  return QCoreApplication::translate("HouseholdMembers", text).toStdString();
}

}  // namespace

Status HouseholdMembers::Load() {
  std::vector<server::Member> members;
  if (Status read = server::ReadMembers(fs_, db_.database_folder(), members); !read.ok()) {
    return read;
  }
  members_ = std::move(members);
  return Status::Ok();
}

std::string HouseholdMembers::Describe(size_t row) const {
  const server::Member& member = members_.at(row);
  return member.owner ? member.person + " " + Tr("(owner)") : member.person;
}

Status HouseholdMembers::Set(const std::string& person, const std::string& passphrase,
                             const std::string& repeated, bool owner) {
  const std::vector<std::string> persons = db_.GetPersonNames();
  if (std::find(persons.begin(), persons.end(), person) == persons.end()) {
    return Status::Error(Tr("Choose a person of the book first."));
  }
  if (server::PassphraseCharacters(passphrase) < server::kShortestPassphrase) {
    return Status::Error(Tr("A passphrase needs at least 8 characters."));
  }
  if (passphrase != repeated) {
    return Status::Error(Tr("The two passphrases differ. Please type the same one twice."));
  }
  if (Status set = server::SetPassphrase(fs_, db_.database_folder(), person, passphrase, owner);
      !set.ok()) {
    return set;
  }
  return Load();
}

Status HouseholdMembers::Remove(const std::string& person) {
  if (Status removed = server::RemovePassphrase(fs_, db_.database_folder(), person);
      !removed.ok()) {
    return removed;
  }
  return Load();
}

}  // namespace kestrune
