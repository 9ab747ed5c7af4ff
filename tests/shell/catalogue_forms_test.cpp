// The catalogue's dialogs and the page's delete links, behind their widgets. The name rules
// themselves are the core's; here the forms show a refusal, stay open, and select what they
// made or what is left.
#include "shell/catalogue_forms.h"

#include <gtest/gtest.h>

#include "database/backups.h"
#include "shell/book_history.h"
#include "shell/link_commands.h"
#include "tests/shell/shell_test_support.h"

namespace kestrune {
namespace {

using Strings = std::vector<std::string>;

using CatalogueFormsTest = testing::FormsTest;

TEST_F(CatalogueFormsTest, AddsAndEditsSelectWhatTheyMadeAndARefusalKeepsTheDialogOpen) {
  const FormOutcome outcome = SubmitNewCategory(form, "Food", "Every\nday");
  EXPECT_TRUE(outcome.close);
  EXPECT_EQ(outcome.afterwards.rebuild_folders, std::vector<Folder>{Folder::kCategories});
  EXPECT_TRUE(outcome.afterwards.reselect_folder);
  EXPECT_EQ(Read("KSDBCategories.txt"), "Food");
  EXPECT_EQ(db.GetCategoryInfo("Food"), "Every day");  // kept to one line
  EXPECT_TRUE(SubmitNewItem(form, "Food", "Bread", "").close);
  EXPECT_EQ(state.selectedCategory + "/" + state.selectedItem, "Food/Bread");
  // A new category leaves no item of another selected.
  EXPECT_TRUE(SubmitNewCategory(form, "Home", "").close);
  EXPECT_EQ(state.selectedCategory + "/" + state.selectedItem, "Home/");

  EXPECT_FALSE(SubmitNewCategory(form, "Food", "").close);
  EXPECT_FALSE(SubmitNewItem(form, "Food", "Bread", "").close);
  EXPECT_FALSE(SubmitNewPerson(form, "for all", "").close);
  // With no category chosen (an empty chooser) the item is refused, not filed under "".
  EXPECT_FALSE(SubmitNewItem(form, "", "Milk", "").close);
  EXPECT_EQ(prompts.messages, (Strings{"Invalid category name", "Invalid item name",
                                       "Invalid person name", "Invalid item name"}));
  EXPECT_EQ(prompts.details.back(), "Choose a category first.");
  EXPECT_FALSE(db.ItemExists("", "Milk"));
  EXPECT_TRUE(db.GetPersonNames().empty());

  // Edits select the new name, and an unchanged item still moves to the top of its list.
  Check(db.AddItemToCategory("Food", "Milk", ""));
  Check(db.AddPerson("Anna", ""));
  const std::string before = Read("categories/Food.txt");
  ASSERT_LT(before.find("Milk|"), before.find("Bread|"));  // the newest item is on top
  EXPECT_TRUE(SubmitItemEdit(form, "Food", "Bread", "Food", "Bread", "").close);
  const std::string after = Read("categories/Food.txt");
  EXPECT_LT(after.find("Bread|"), after.find("Milk|"));
  EXPECT_EQ(state.selectedCategory + "/" + state.selectedItem, "Food/Bread");

  EXPECT_FALSE(SubmitPersonEdit(form, "Anna", "for all", "").close);
  EXPECT_EQ(prompts.messages.back(), "Invalid person name");
  const FormOutcome renamed = SubmitPersonEdit(form, "Anna", "Ann", "Mother");
  EXPECT_TRUE(renamed.close);
  EXPECT_TRUE(renamed.afterwards.refresh_views);
  EXPECT_EQ(renamed.afterwards.rebuild_folders, std::vector<Folder>{Folder::kPersons});
  EXPECT_EQ(state.selectedPerson, "Ann");
  EXPECT_EQ(db.GetPersonInfo("Ann"), "Mother");
}

// A link deletes after a Yes only and selects the first entry left; the Delete dialogs take
// the last ones, which leave no category and "for all"; then the forms say there is nothing.
TEST_F(CatalogueFormsTest, DeletionsAskFirstSelectWhatIsLeftAndThenTheFormsSaySo) {
  AddBread();
  BuyBread("05", "a", " 2.00");
  Check(db.AddCategory("Home", ""));
  Check(db.AddPerson("Bob", ""));
  state.selectedCategory = "Food";
  state.selectedItem = "Bread";
  state.selectedPerson = "Anna";
  state.selectedPersonMenuChild = "2024 March";
  prompts.answers = {false, false, false};
  EXPECT_TRUE(LinkDeletePurchase(form, "2024|March|05|Anna|a| 2.00").refresh_views);
  EXPECT_TRUE(LinkDeleteItem(form).reselect_folder);  // the tree is refilled whatever the answer
  EXPECT_FALSE(LinkDeleteCategory(form).reselect_folder);
  EXPECT_EQ(state.selectedCategory + "/" + state.selectedItem, "Food/Bread");
  EXPECT_EQ(db.ItemMonthTotal("2024 March", "Food", "Bread").value, 200);
  LinkDeletePurchase(form, "2024|March|05|Anna|a| 2.00");
  EXPECT_EQ(db.ItemMonthTotal("2024 March", "Food", "Bread").value, 0);
  EXPECT_TRUE(LinkDeleteItem(form).reselect_folder);
  EXPECT_EQ(state.selectedItem, "");
  EXPECT_FALSE(db.ItemExists("Food", "Bread"));
  EXPECT_EQ(LinkDeleteCategory(form).rebuild_folders, std::vector<Folder>{Folder::kCategories});
  EXPECT_EQ(state.selectedCategory, "Home");
  const Afterwards person = LinkDeletePerson(form);
  EXPECT_TRUE(person.reselect_folder && person.refresh_views);
  EXPECT_EQ(state.selectedPerson, "Bob");
  EXPECT_EQ(state.selectedPersonMenuChild, "");

  EXPECT_TRUE(SubmitCategoryDeletion(form, 0).afterwards.reselect_folder);
  EXPECT_EQ(state.selectedCategory, "");
  const FormOutcome last = SubmitPersonDeletion(form, 0);
  EXPECT_EQ(last.afterwards.rebuild_folders, std::vector<Folder>{Folder::kPersons});
  EXPECT_EQ(state.selectedPerson, "for all");
  // With nothing left to choose the forms say so, ask nothing and close.
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

// Restore backup lists the backups newest first with their purchases; the one chosen and
// confirmed replaces the book, and the view falls back to what the book now holds.
TEST_F(CatalogueFormsTest, ARestoredBackupReplacesTheBookAfterAConfirmationNamingIt) {
  const std::string backups = work.path() + "/data/backups";
  AddBread();
  BuyBread("01", "", "2.00");
  Check(BackUpDatabase(disk, base(), backups, "2024-03-01_100000", 5));
  BuyBread("02", "", "3.00");
  Check(BackUpDatabase(disk, base(), backups, "2024-03-02_100000", 5));
  Check(db.DeleteCategory("Food"));
  Check(db.AddCategory("Home", ""));
  state.selectedCategory = "Home";
  BackupRestore restore(disk, backups);
  Check(restore.Load());
  ASSERT_EQ(restore.backups().size(), 2u);
  EXPECT_EQ(restore.backups()[0].time + ", " + restore.PurchasesText(0) + "; " +
                restore.backups()[1].time + ", " + restore.PurchasesText(1),
            "2024-03-02 10:00:00, 2 purchases; 2024-03-01 10:00:00, 1 purchase");
  prompts.answers = {false};
  EXPECT_FALSE(restore.Restore(form, 1).close);
  EXPECT_TRUE(db.CategoryExists("Home"));
  const FormOutcome restored = restore.Restore(form, 1);
  EXPECT_TRUE(restored.close && restored.afterwards.reselect_folder);
  EXPECT_NE(prompts.details.back().find("2024-03-01_100000"), std::string::npos);
  EXPECT_EQ(Read("KSDBCategories.txt"), "Food");
  std::vector<PurchaseRecord> purchases;
  Check(db.ItemPurchases(db.MonthKeyAt(-1), "Food", "Bread", purchases));
  EXPECT_EQ(purchases.size(), 1u);
  EXPECT_EQ(state.selectedCategory, "Food");
}

}  // namespace
}  // namespace kestrune
