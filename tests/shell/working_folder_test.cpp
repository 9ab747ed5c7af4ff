#include "shell/working_folder.h"

#include <gtest/gtest.h>

namespace kestrune {
namespace {

TEST(WorkingFolder, OptionFirstThenADatabaseHereThenTheUsersDataFolder) {
  WorkingFolderInputs inputs;
  inputs.current_folder = "/home/ann/books";
  inputs.home = "/home/ann";
  EXPECT_EQ(ChooseWorkingFolder(inputs), "/home/ann/.local/share/kestrune");
  inputs.xdg_data_home = "/data/ann/";
  EXPECT_EQ(ChooseWorkingFolder(inputs), "/data/ann/kestrune");
  inputs.xdg_data_home = "relative/ignored";
  EXPECT_EQ(ChooseWorkingFolder(inputs), "/home/ann/.local/share/kestrune");
  inputs.current_holds_database = true;
  EXPECT_EQ(ChooseWorkingFolder(inputs), "/home/ann/books");
  inputs.option = "/srv/family/";
  EXPECT_EQ(ChooseWorkingFolder(inputs), "/srv/family");
}

}  // namespace
}  // namespace kestrune
