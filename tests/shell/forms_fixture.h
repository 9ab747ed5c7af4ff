#pragma once

#include "shell/form_outcome.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/database_fixture.h"

namespace kestrune::testing {

// A loaded database, a view state and scripted prompts for the dialogs' logic.
class FormsTest : public DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    Load();
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
