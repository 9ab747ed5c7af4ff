// add-, edit- and delete- commands for categories, items and persons.
#include <CLI/CLI.hpp>
#include <memory>

#include "cli/cli_run.h"
#include "cli/command_support.h"
#include "database/validation.h"

namespace kestrune::cli {
namespace {

// The words of one maintenance command; `information` stays unset when not given.
struct Words {
  std::vector<std::string> names;
  std::optional<std::string> information;
};

// Refuses a failed check (its message, then on the next line why), otherwise runs the change
// and reports its outcome.
int CheckedChange(const Status& check, const std::function<Status()>& change) {
  if (!check.ok()) return Refuse(check);
  return Reported(change());
}

std::string Information(const Words& words, const std::string& current) {
  return OneLineInformation(words.information.value_or(current));
}

int AddCategory(ExpenseDatabase& db, const Words& w) {
  const std::string& name = w.names[0];
  return CheckedChange(CheckNewCategory(db, name),
                       [&] { return db.AddCategory(name, Information(w, "")); });
}

int AddItem(ExpenseDatabase& db, const Words& w) {
  const std::string &category = w.names[0], &name = w.names[1];
  return CheckedChange(CheckNewItem(db, category, name),
                       [&] { return db.AddItemToCategory(category, name, Information(w, "")); });
}

int AddPerson(ExpenseDatabase& db, const Words& w) {
  const std::string& name = w.names[0];
  return CheckedChange(CheckNewPerson(db, name),
                       [&] { return db.AddPerson(name, Information(w, "")); });
}

int EditCategory(ExpenseDatabase& db, const Words& w) {
  const std::string &old_name = w.names[0], &new_name = w.names[1];
  return CheckedChange(CheckCategoryEdit(db, old_name, new_name), [&] {
    return db.EditCategory(old_name, new_name, Information(w, db.GetCategoryInfo(old_name)));
  });
}

int EditItem(ExpenseDatabase& db, const Words& w) {
  const std::string &old_category = w.names[0], &old_name = w.names[1];
  const std::string &new_category = w.names[2], &new_name = w.names[3];
  return CheckedChange(CheckItemEdit(db, old_category, old_name, new_category, new_name), [&] {
    return db.EditItem(old_category, old_name, new_category, new_name,
                       Information(w, db.GetItemInfo(old_category, old_name)));
  });
}

int EditPerson(ExpenseDatabase& db, const Words& w) {
  const std::string &old_name = w.names[0], &new_name = w.names[1];
  return CheckedChange(CheckPersonEdit(db, old_name, new_name), [&] {
    return db.EditPerson(old_name, new_name, Information(w, db.GetPersonInfo(old_name)));
  });
}

int DeleteCategory(ExpenseDatabase& db, const Words& w) {
  const std::string& name = w.names[0];
  if (const int refused = RequireCategory(db, name)) return refused;
  return Reported(db.DeleteCategory(name));
}

int DeleteItem(ExpenseDatabase& db, const Words& w) {
  const std::string &category = w.names[0], &name = w.names[1];
  if (const int refused = RequireItem(db, category, name)) return refused;
  return Reported(db.DeleteItem(category, name));
}

int DeletePerson(ExpenseDatabase& db, const Words& w) {
  const std::string& name = w.names[0];
  if (const int refused = RequirePerson(db, name)) return refused;
  return Reported(db.DeletePerson(name));
}

struct Command {
  const char* name;
  const char* help;
  std::vector<const char*> arguments;
  bool takes_information;
  int (*body)(ExpenseDatabase&, const Words&);
};

void AddCommand(CLI::App& app, CliRun& run, const Command& command) {
  auto words = std::make_shared<Words>();
  words->names.resize(command.arguments.size());
  auto* sub = app.add_subcommand(command.name, command.help);
  for (std::size_t i = 0; i < command.arguments.size(); ++i) {
    sub->add_option(command.arguments[i], words->names[i])->required();
  }
  if (command.takes_information) {
    sub->add_option("INFO", words->information, "information on one line");
  }
  const auto body = command.body;
  sub->callback([&run, words, body] {
    run.action = [words, body](CliRun& r) {
      return WithDatabase(r.workdir, [&](ExpenseDatabase& db) { return body(db, *words); });
    };
  });
}

}  // namespace

void AddMaintenanceCommands(CLI::App& app, CliRun& run) {
  const Command commands[] = {
      {"add-category", "add a category", {"NAME"}, true, AddCategory},
      {"add-item", "add an item to a category", {"CATEGORY", "NAME"}, true, AddItem},
      {"add-person", "add a person", {"NAME"}, true, AddPerson},
      {"edit-category",
       "rename a category or change its information",
       {"OLD", "NEW"},
       true,
       EditCategory},
      {"edit-item",
       "rename or move an item, or change its information",
       {"OLDCAT", "OLD", "NEWCAT", "NEW"},
       true,
       EditItem},
      {"edit-person",
       "rename a person or change their information",
       {"OLD", "NEW"},
       true,
       EditPerson},
      {"delete-category", "delete a category with its items", {"NAME"}, false, DeleteCategory},
      {"delete-item", "delete an item with its purchases", {"CATEGORY", "NAME"}, false, DeleteItem},
      {"delete-person", "delete a person with their purchases", {"NAME"}, false, DeletePerson},
  };
  for (const Command& command : commands) AddCommand(app, run, command);
}

}  // namespace kestrune::cli
