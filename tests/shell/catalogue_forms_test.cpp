#include "shell/catalogue_forms.h"

#include <gtest/gtest.h>

#include "tests/shell/shell_test_support.h"

namespace kestrune {
namespace {

using Strings = std::vector<std::string>;

class CatalogueFormsTest : public testing::FormsTest {};

TEST_F(CatalogueFormsTest, AddCategorySelectsItAndRebuildsTheCategoriesFolder) {
  const FormOutcome outcome = SubmitNewCategory(form, "Food", "Every\nday");
  EXPECT_TRUE(outcome.close);
  EXPECT_EQ(outcome.afterwards.rebuild_folders, std::vector<Folder>{Folder::kCategories});
  EXPECT_TRUE(outcome.afterwards.reselect_folder);
  EXPECT_EQ(state.selectedCategory, "Food");
  EXPECT_EQ(state.selectedItem, "");
  EXPECT_EQ(Read("KSDBCategories.txt"), "Food");
  EXPECT_EQ(db.GetCategoryInfo("Food"), "Every day");  // kept to one line
  // Names differ by case: both are categories.
  EXPECT_TRUE(SubmitNewCategory(form, "food", "").close);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CatalogueFormsTest, RefusedNamesKeepTheDialogOpenAndAnEditRenamesAPerson) {
  Check(db.AddCategory("Food", ""));
  for (const char* name : {"Food", "", "   ", "a/b", ".."}) {
    EXPECT_FALSE(SubmitNewCategory(form, name, "").close) << name;
  }
  EXPECT_EQ(prompts.messages, Strings(5, "Invalid category name"));
  EXPECT_FALSE(SubmitNewPerson(form, "for all", "").close);
  EXPECT_FALSE(SubmitNewPerson(form, "A|B", "").close);
  EXPECT_EQ(prompts.messages.back(), "Invalid person name");
  EXPECT_EQ(db.GetCategoryNames(), Strings{"Food"});
  EXPECT_TRUE(db.GetPersonNames().empty());
  Check(db.AddPerson("Anna", ""));
  prompts.messages.clear();
  EXPECT_FALSE(SubmitPersonEdit(form, "Anna", "for all", "").close);
  EXPECT_EQ(prompts.messages, Strings{"Invalid person name"});
  const FormOutcome renamed = SubmitPersonEdit(form, "Anna", "Ann", "Mother");
  EXPECT_TRUE(renamed.close);
  EXPECT_TRUE(renamed.afterwards.refresh_views);
  EXPECT_EQ(renamed.afterwards.rebuild_folders, std::vector<Folder>{Folder::kPersons});
  EXPECT_EQ(state.selectedPerson, "Ann");
  EXPECT_EQ(db.GetPersonInfo("Ann"), "Mother");
}

TEST_F(CatalogueFormsTest, AnItemNameMayRepeatOnlyInAnotherCategory) {
  Check(db.AddCategory("Food", ""));
  Check(db.AddCategory("Home", ""));
  EXPECT_TRUE(SubmitNewItem(form, "Food", "Bread", "").close);
  EXPECT_EQ(state.selectedCategory, "Food");
  EXPECT_EQ(state.selectedItem, "Bread");
  EXPECT_TRUE(SubmitNewItem(form, "Home", "Bread", "").close);
  EXPECT_FALSE(SubmitNewItem(form, "Food", "Bread", "").close);
  EXPECT_EQ(prompts.messages, Strings{"Invalid item name"});
  // With no category chosen (an empty chooser) the item is refused, not filed under "".
  EXPECT_FALSE(SubmitNewItem(form, "", "Milk", "").close);
  EXPECT_FALSE(db.ItemExists("", "Milk"));
  EXPECT_EQ(prompts.details,
            (Strings{"\"Food\" already holds an item \"Bread\".", "Choose a category first."}));
}

TEST_F(CatalogueFormsTest, AnUnchangedItemEditMovesItToTheTopOfItsList) {
  Check(db.AddCategory("Food", ""));
  Check(db.AddItemToCategory("Food", "Bread", ""));
  Check(db.AddItemToCategory("Food", "Milk", ""));
  const std::string before = Read("categories/Food.txt");
  ASSERT_LT(before.find("Milk|"), before.find("Bread|"));  // the newest item is on top
  EXPECT_TRUE(SubmitItemEdit(form, "Food", "Bread", "Food", "Bread", "").close);
  const std::string after = Read("categories/Food.txt");
  EXPECT_LT(after.find("Bread|"), after.find("Milk|"));
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_FALSE(SubmitItemEdit(form, "Food", "Bread", "Food", "Milk", "").close);
  EXPECT_EQ(prompts.messages, Strings{"Invalid item name. Change item name or category."});
}

TEST_F(CatalogueFormsTest, DeletingTheLastOnesLeavesEmptyAndForAllAndThenTheFormsSaySo) {
  Check(db.AddCategory("Food", ""));
  Check(db.AddPerson("Anna", ""));
  state.selectedCategory = "Food";
  EXPECT_TRUE(SubmitCategoryDeletion(form, 0).afterwards.reselect_folder);
  EXPECT_EQ(state.selectedCategory, "");
  EXPECT_EQ(state.selectedItem, "");
  const FormOutcome person = SubmitPersonDeletion(form, 0);
  EXPECT_EQ(person.afterwards.rebuild_folders, std::vector<Folder>{Folder::kPersons});
  EXPECT_EQ(state.selectedPerson, "for all");
  EXPECT_EQ(state.selectedPersonMenu, "");
  EXPECT_FALSE(Exists("categories/Food.txt"));
  // With nothing left to choose the forms say so and close.
  prompts.messages.clear();
  prompts.asked.clear();
  const FormOutcome category = SubmitCategoryEdit(form, "", "New", "");
  EXPECT_TRUE(category.close);
  EXPECT_FALSE(category.afterwards.reselect_folder);
  EXPECT_TRUE(SubmitPersonEdit(form, "", "New", "").close);
  Check(db.AddCategory("Empty", ""));
  EXPECT_TRUE(SubmitItemDeletion(form, 0, -1).close);
  EXPECT_TRUE(SubmitPersonDeletion(form, -1).close);
  Check(db.DeleteCategory("Empty"));
  EXPECT_TRUE(SubmitCategoryDeletion(form, -1).close);
  EXPECT_EQ(prompts.messages, (Strings{"Error", "Error", "No item to delete.",
                                       "No person to delete.", "No category to delete."}));
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_TRUE(db.GetCategoryNames().empty());
}

}  // namespace
}  // namespace kestrune
