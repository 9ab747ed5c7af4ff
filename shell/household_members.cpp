#include "shell/household_members.h"

#include <QCoreApplication>
#include <algorithm>

#include "server/household_access.h"

namespace kestrune {
namespace {

std::string Tr(const char* text) {
  return QCoreApplication::translate("HouseholdMembers", text).toStdString();
}

// Characters, not bytes: "ééééé" is five characters to the person typing it.
size_t CharacterCount(const std::string& text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
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
  if (CharacterCount(passphrase) < server::kShortestPassphrase) {
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
