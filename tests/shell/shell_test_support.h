#pragma once

#include <QDialog>
#include <QUrl>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "shell/form_outcome.h"
#include "shell/settings_store.h"
#include "shell/user_prompts.h"
#include "tests/support/database_fixture.h"

namespace kestrune::testing {

// Preferences in memory.
class MapSettingsStore final : public SettingsStore {
 public:
  std::optional<std::string> Read(const std::string& section, const std::string& key) override {
    const auto found = values.find({section, key});
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  void Write(const std::string& section, const std::string& key,
             const std::string& value) override {
    values[{section, key}] = value;
  }

  std::map<std::pair<std::string, std::string>, std::string> values;
};

// Answers the program's questions from a script and keeps what it was told.
class ScriptedPrompts : public UserPrompts {
 public:
  PromptAnswer AskAboutMissingIndex(const std::string& text) override {
    asked.push_back(text);
    return index_answer;
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowMessage(const std::string& text, const std::string& detail) override {
    messages.push_back(text);
    details.push_back(detail);
  }
  bool AskYesNo(const std::string& text) override {
    asked.push_back(text);
    return NextAnswer();
  }
  bool Confirm(const Confirmation& confirmation) override {
    asked.push_back(confirmation.text);
    details.push_back(confirmation.detail);
    return NextAnswer();
  }
  // Each dialog goes to the next handler, which fills it in and presses its buttons; a
  // dialog without a handler is closed as Escape closes it.
  int RunDialog(QDialog& dialog) override {
    dialogs.push_back(dialog.windowTitle().toStdString());
    if (dialog_handlers.empty()) return QDialog::Rejected;
    const std::function<void(QDialog&)> handler = std::move(dialog_handlers.front());
    dialog_handlers.pop_front();
    handler(dialog);
    return dialog.result();
  }
  void OpenUrl(const QUrl& url) override { opened.push_back(url.toString().toStdString()); }

  PromptAnswer index_answer = PromptAnswer::kCreateNewFile;
  std::deque<bool> answers;  // Yes/No answers in order; Yes when none is left
  std::vector<std::string> asked;
  std::vector<std::string> messages;
  std::vector<std::string> details;  // the detail of each confirmation or message with one
  std::deque<std::function<void(QDialog&)>> dialog_handlers;
  std::vector<std::string> dialogs;  // titles of the dialogs run
  std::vector<std::string> opened;   // URLs opened

 protected:
  bool NextAnswer() {
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// A loaded database, a view state and scripted prompts for the dialogs' logic.
class FormsTest : public DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    ASSERT_TRUE(Load());
  }
  // Records a failed step; the test goes on to fail on what the step should have made.
  void Check(const Status& status) { EXPECT_TRUE(status.ok()) << status.message(); }
  // Category Food with its item Bread, and person Anna.
  void AddBread() {
    Check(db.AddCategory("Food", ""));
    Check(db.AddItemToCategory("Food", "Bread", ""));
    Check(db.AddPerson("Anna", ""));
  }
  // Anna's purchase of bread on `day` of 2024 March.
  void BuyBread(const std::string& day, const std::string& information, const std::string& amount) {
    Check(db.AddMonth("2024 March"));
    Check(db.RecordPurchase("Food", "Bread", {"2024", "March", day, "Anna", information, amount}));
  }

  ViewState state;
  ScriptedPrompts prompts;
  FormContext form{db, state, prompts};
};

}  // namespace kestrune::testing
