#pragma once

#include <string>

#include "database/database_prompt.h"

namespace kestrune::bench {

// Answers no prompt: a prepared set has every index.
class NoPrompt final : public DatabasePrompt {
 public:
  PromptAnswer AskAboutMissingIndex(const std::string&) override { return PromptAnswer::kExit; }
};

}  // namespace kestrune::bench
