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
  void Check(const Status& status) { ASSERT_TRUE(status.ok()) << status.message(); }

  ViewState state;
  ScriptedPrompts prompts;
  FormContext form{db, state, prompts};
};

}  // namespace kestrune::testing
