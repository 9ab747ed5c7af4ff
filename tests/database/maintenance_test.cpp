// Adding, renaming, moving and deleting categories, items and persons: exact file bytes.
#include <gtest/gtest.h>

#include <random>

#include "database/amounts.h"
#include "database/month_keys.h"
#include "database/sections.h"
#include "tests/support/database_fixture.h"

namespace kestrune::testing {
namespace {

using Strings = std::vector<std::string>;

class MaintenanceTest : public DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    Load();
  }
  // Food with Milk and Bread, persons Anna and Bob, and three purchases.
  void Household() {
    ASSERT_TRUE(db.AddCategory("Food", "").ok());
    ASSERT_TRUE(db.AddItemToCategory("Food", "Milk", "").ok());
    ASSERT_TRUE(db.AddItemToCategory("Food", "Bread", "").ok());
    ASSERT_TRUE(db.AddPerson("Anna", "").ok());
    ASSERT_TRUE(db.AddPerson("Bob", "").ok());
    Record("Food", "Milk", "2004|January|05|Anna|a|12.50");
    Record("Food", "Milk", "2004|January|06|for all|b| 3.00");
    Record("Food", "Bread", "2004|January|07|Bob|c| 2.00");
  }
};

TEST_F(MaintenanceTest, AnIndexWithABlankFirstLineStillGetsTheNameOnALineOfItsOwn) {
  Write("KSDBPersons.txt", "\nBob");
  Write("persons/Bob.txt", "Bob\n ");
  Load();
  ASSERT_TRUE(db.AddPerson("Anna", "").ok());
  EXPECT_EQ(Read("KSDBPersons.txt"), "\nBob\nAnna");
}

TEST_F(MaintenanceTest, NewItemInformationMovesItsLineAndRenamingTheCategoryMovesItsFiles) {
  Household();
  ASSERT_TRUE(db.EditItem("Food", "Milk", "Food", "Milk", "2 l").ok());
  EXPECT_TRUE(Read("categories/Food.txt")
                  .starts_with("Food\n \nbegin item list\nMilk|2 l\nBread|\nend item list\n"));
  EXPECT_EQ(db.ItemMonthTotal("all months", "Food", "Milk").value, 1550);
  const std::string milk = Read("items/Food Milk.txt");
  ASSERT_TRUE(db.EditCategory("Food", "Meals", "daily").ok());
  EXPECT_EQ(Read("items/Meals Milk.txt"), milk);
  EXPECT_FALSE(Exists("items/Food Milk.txt"));
  EXPECT_FALSE(Exists("categories/Food.txt"));
  EXPECT_TRUE(Read("categories/Meals.txt").starts_with("Meals\ndaily\nbegin item list\n"));
  EXPECT_EQ(Read("KSDBCategories.txt"), "Meals");
  EXPECT_EQ(db.GetCategoryNames(), Strings{"Meals"});
  EXPECT_EQ(db.CategoryMonthTotal("all months", "Meals").value, 1750);
  EXPECT_EQ(CheckTotals(db), Strings{});
}

TEST_F(MaintenanceTest, MovingAnItemCarriesItsTotalsToTheOtherCategory) {
  Household();
  ASSERT_TRUE(db.AddCategory("Dairy", "").ok());
  ASSERT_TRUE(db.EditItem("Food", "Milk", "Dairy", "Milk", "").ok());
  EXPECT_FALSE(Exists("items/Food Milk.txt"));
  // The moved item's persons join the other category's blocks; the ones left behind stay
  // with zero.
  EXPECT_TRUE(Read("categories/Dairy.txt")
                  .starts_with("Dairy\n \nbegin item list\nMilk|\nend item list\n"
                               "begin all category expenses\nall months\n15.50\n"));
  EXPECT_NE(Read("categories/Food.txt")
                .find("month: all months\nperson: Anna\n 0.00\nperson: for all\n 0.00\n"
                      "person: Bob\n 2.00\n"),
            std::string::npos);
  EXPECT_EQ(db.GetItemNames("Dairy"), Strings{"Milk"});
  EXPECT_EQ(CheckTotals(db), Strings{});
}

TEST_F(MaintenanceTest, RenamingAPersonReachesEveryEntryAndPurchase) {
  Household();
  // To their own name: only the information changes.
  const std::string before = Read("items/Food Milk.txt");
  ASSERT_TRUE(db.EditPerson("Anna", "Anna", "mother").ok());
  EXPECT_EQ(Read("items/Food Milk.txt"), before);
  EXPECT_EQ(Read("persons/Anna.txt"), "Anna\nmother\n");
  EXPECT_EQ(Read("KSDBPersons.txt"), "Anna\nBob");
  ASSERT_TRUE(db.EditPerson("Anna", "Annie", "mum").ok());
  const std::string milk = Read("items/Food Milk.txt");
  EXPECT_EQ(milk.find("Anna"), std::string::npos);
  EXPECT_NE(milk.find("person: Annie\n12.50\n"), std::string::npos);
  EXPECT_NE(milk.find("2004|January|05|Annie|a|12.50\n"), std::string::npos);
  EXPECT_EQ(Read("categories/Food.txt").find("Anna"), std::string::npos);
  EXPECT_EQ(Read("KSDBPersons.txt"), "Annie\nBob");
  EXPECT_EQ(Read("persons/Annie.txt"), "Annie\nmum\n");
  EXPECT_FALSE(Exists("persons/Anna.txt"));
  EXPECT_EQ(db.GetPersonNames(), (Strings{"Annie", "Bob"}));
}

TEST_F(MaintenanceTest, DeletingAPersonTakesTheirPurchasesOutAndKeepsForAll) {
  Household();
  ASSERT_TRUE(db.AddItemToCategory("Food", "Tea", "").ok());
  ASSERT_TRUE(db.DeletePerson("Anna").ok());
  EXPECT_EQ(Read("items/Food Milk.txt"),
            Lines({"begin all item expenses", "all months", " 3.00", "2004 January", " 3.00",
                   "end all item expenses", "begin persons expenses", "month: all months",
                   "person: for all", " 3.00", "month: 2004 January", "person: for all", " 3.00",
                   "end persons expenses", "begin purchase list", "2004|January|06|for all|b| 3.00",
                   "end purchase list"}));
  // An item without purchases keeps its sections.
  EXPECT_EQ(Read("items/Food Tea.txt"),
            Lines({"begin all item expenses", "end all item expenses", "begin persons expenses",
                   "end persons expenses", "begin purchase list", "end purchase list"}));
  EXPECT_EQ(db.CategoryMonthTotal("all months", "Food").value, 500);
  EXPECT_EQ(Read("KSDBPersons.txt"), "Bob");
  EXPECT_FALSE(Exists("persons/Anna.txt"));
  EXPECT_EQ(CheckTotals(db), Strings{});
}

TEST_F(MaintenanceTest, AHandDamagedFileNeverLosesASectionLine) {
  Household();
  // The totals' end line was lost by hand: the person section's begin line now follows a
  // month key where an amount should be.
  std::string food = Read("categories/Food.txt");
  food.erase(food.find("end all category expenses\n"), 26);
  ASSERT_NE(food.find("2004 January\n17.50\n"), std::string::npos);
  food.replace(food.find("2004 January\n17.50\n"), 19, "2004 January\n");
  Write("categories/Food.txt", food);
  ASSERT_TRUE(db.DeleteItem("Food", "Bread").ok());
  EXPECT_NE(Read("categories/Food.txt").find("2004 January\nbegin persons expenses\n"),
            std::string::npos);
}

TEST_F(MaintenanceTest, DeletingTheLastItemLeavesAnEmptyListAndLowersTheTotals) {
  ASSERT_TRUE(db.AddCategory("Car", "").ok());
  ASSERT_TRUE(db.AddItemToCategory("Car", "Fuel", "").ok());
  ASSERT_TRUE(db.AddPerson("Anna", "").ok());
  Record("Car", "Fuel", "2004|May|01|Anna|x|40.00");
  ASSERT_TRUE(db.DeleteItem("Car", "Fuel").ok());
  EXPECT_EQ(Read("categories/Car.txt"),
            Lines({"Car", " ", "begin item list", "end item list", "begin all category expenses",
                   "all months", " 0.00", "2004 May", " 0.00", "end all category expenses",
                   "begin persons expenses", "month: all months", "person: Anna", " 0.00",
                   "month: 2004 May", "person: Anna", " 0.00", "end persons expenses"}));
  EXPECT_FALSE(Exists("items/Car Fuel.txt"));
  EXPECT_EQ(db.GetItemNames("Car"), Strings{});
}

TEST_F(MaintenanceTest, DeletingACategoryRemovesItsFilesOnly) {
  Household();
  ASSERT_TRUE(db.AddCategory("Car", "").ok());
  ASSERT_TRUE(db.DeleteCategory("Food").ok());
  EXPECT_EQ(work.List("data/BASE/items"), Strings{});
  EXPECT_EQ(work.List("data/BASE/categories"), Strings{"Car.txt"});
  EXPECT_EQ(Read("KSDBCategories.txt"), "Car");
  EXPECT_EQ(Read("KSDBMonths.txt"), "2004 January\n");
  EXPECT_EQ(db.GetPersonNames(), (Strings{"Anna", "Bob"}));
}

// Random purchases mixed with every kind of maintenance and with deleted purchases and
// months; the totals must stay right.
class RandomMaintenance : public MaintenanceTest {
 protected:
  std::string Pick(const Strings& names) { return names[random() % names.size()]; }
  std::string Sum() { return FormatFileCents(1 + random() % 50000); }
  void RecordRandom() {
    const std::string category = Pick(db.GetCategoryNames());
    if (db.GetItemNames(category).empty()) return;
    Strings persons = db.GetPersonNames();
    persons.push_back("for all");
    Record(category, Pick(db.GetItemNames(category)),
           std::to_string(2000 + random() % 3) + "|" + Pick({"March", "July", "November"}) + "|1" +
               std::to_string(random() % 10) + "|" + Pick(persons) + "|r|" + Sum());
  }
  void Maintain(int step) {
    const std::string category = Pick(db.GetCategoryNames());
    const Strings items = db.GetItemNames(category);
    const std::string fresh = "N" + std::to_string(step);
    switch (random() % 8) {
      case 0:
        ASSERT_TRUE(db.AddItemToCategory(category, fresh, "").ok());
        break;
      case 1:
        ASSERT_TRUE(items.empty() || db.DeleteItem(category, Pick(items)).ok());
        break;
      case 2:
        ASSERT_TRUE(
            items.empty() ||
            db.EditItem(category, Pick(items), Pick(db.GetCategoryNames()), fresh, "").ok());
        break;
      case 3:
        ASSERT_TRUE(db.GetPersonNames().size() < 2 ||
                    db.DeletePerson(Pick(db.GetPersonNames())).ok());
        break;
      case 4:
        ASSERT_TRUE(db.EditPerson(Pick(db.GetPersonNames()), fresh, "").ok());
        break;
      case 5:
        ASSERT_TRUE(db.AddPerson(fresh, "").ok());
        break;
      case 6:
        DeleteRandomPurchase(category, items);
        break;
      default:
        ASSERT_TRUE(db.DeleteMonth(db.MonthKeyAt(0)).ok());
    }
  }
  void DeleteRandomPurchase(const std::string& category, const Strings& items) {
    if (items.empty()) return;
    const std::string item = Pick(items);
    std::vector<PurchaseRecord> existing;
    ASSERT_TRUE(db.ItemPurchases("all months", category, item, existing).ok());
    if (existing.empty()) return;
    const std::string line = FormatPurchaseLine(existing[random() % existing.size()]);
    ASSERT_TRUE(db.DeletePurchase(category, item, line).ok());
  }
  std::mt19937 random{1604};
};

TEST_F(RandomMaintenance, TotalsStayRightThroughRecordsMovesRenamesAndDeletes) {
  Household();
  ASSERT_TRUE(db.AddCategory("Car", "").ok());
  ASSERT_TRUE(db.AddItemToCategory("Car", "Fuel", "").ok());
  for (int step = 0; step < 300; ++step) {
    step % 2 == 1 ? Maintain(step) : RecordRandom();
    ASSERT_TRUE(step % 50 != 49 || db.EditCategory("Car", "Car", "renamed twice").ok());
    ASSERT_EQ(CheckTotals(db), Strings{}) << "after step " << step;
  }
  const Strings categories = db.GetCategoryNames();
  Load();
  EXPECT_EQ(db.GetCategoryNames(), categories);
}

}  // namespace
}  // namespace kestrune::testing
