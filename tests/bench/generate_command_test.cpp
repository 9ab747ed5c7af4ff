// kestrune-cli generate: a book that check finds in order, never over an existing one.
#include <gtest/gtest.h>

#include "bench/book_generator.h"
#include "tests/support/cli_fixture.h"

namespace kestrune::testing {
namespace {

class GenerateCommandTest : public CliTest {};

TEST_F(GenerateCommandTest, WritesTheSeededBookWhichAddsUpAndLists) {
  const std::string said = Ok({"generate", "--categories", "2", "--items", "3", "--persons", "2",
                               "--months", "3", "--purchases", "50", "--seed", "4"});
  EXPECT_NE(said.find("Generated 50 purchases"), std::string::npos) << said;
  for (const auto& [path, content] : BookFiles(GenerateBook({2, 3, 2, 3, 50, 4})))
    EXPECT_EQ(Read(path), content) << path;
  EXPECT_EQ(Ok({"check"}), "Everything adds up.\n");
  EXPECT_EQ(Ok({"categories"}), "Category 1\nCategory 2\n");
  EXPECT_EQ(Ok({"items", "Category 2"}), "Item 1\nItem 2\nItem 3\n");
  EXPECT_EQ(Ok({"months"}), "2024 December\n2024 November\n2024 October\n");
}

TEST_F(GenerateCommandTest, RefusesAShapeItCannotMakeAndAFolderThatHoldsADatabase) {
  EXPECT_EQ(Cli({"generate", "--months", "0"}).status, 2);
  EXPECT_FALSE(work.Exists("data/BASE"));
  Ok({"init"});
  Ok({"add-category", "Food"});
  const ProcessResult refused = Cli({"generate", "--purchases", "10"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("A database exists"), std::string::npos) << refused.err;
  EXPECT_EQ(Ok({"categories"}), "Food\n");
}

}  // namespace
}  // namespace kestrune::testing
