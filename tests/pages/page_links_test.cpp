// The page-link vocabulary, and every link of every page read back through it the way a
// browser hands it over: attribute references resolved, percent-encoding decoded.
#include "pages/page_links.h"

#include <gtest/gtest.h>

#include <regex>

#include "pages/page_writers.h"
#include "pages/welcome_page.h"
#include "tests/support/database_fixture.h"

namespace kestrune::testing {
namespace {

const std::string kData = "/home/jo/kestrune/data";

// A readable account of a recognised link, for comparing whole lists at once.
std::string Describe(const PageLink& link) {
  static const char* const kWords[] = {
      "none",        "delete category", "delete item",     "edit category", "edit item",
      "add item",    "add purchase",    "delete purchase", "edit purchase", "delete person",
      "edit person", "add category",    "add person",      "select"};
  std::string text = kWords[static_cast<int>(link.command)];
  if (!link.record.empty()) text += " [" + link.record + "]";
  if (link.command != PageCommand::kSelectName) return text;
  return text + " [" + link.name + "]" +
         (link.names_item ? " item of [" + link.category + "]" : "") +
         (link.names_category ? " category" : "");
}

// What the browser does with an href: resolve the character references, then decode the
// percent-encoding of the path.
std::string Resolve(const std::string& href) {
  std::string text = href;
  for (const auto& [reference, character] :
       {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
    text = std::regex_replace(text, std::regex(reference), character);
  }
  std::string decoded;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '%' && at + 2 < text.size()) {
      decoded += static_cast<char>(std::stoi(text.substr(at + 1, 2), nullptr, 16));
      at += 2;
    } else {
      decoded += text[at];
    }
  }
  return decoded;
}

// The links of a page in page order, as the view would read them. No href may hold a ":",
// or it could name a scheme of its own ("javascript:", "file:") instead of the data folder.
std::vector<std::string> LinksOf(const ExpenseDatabase& db, const std::string& page) {
  std::vector<std::string> links;
  const std::regex href(R"(href ?= ?"([^"]*)\")");
  for (auto it = std::sregex_iterator(page.begin(), page.end(), href); it != std::sregex_iterator();
       ++it) {
    EXPECT_EQ((*it)[1].str().find(':'), std::string::npos) << (*it)[1];
    links.push_back(Describe(ReadPageLink(db, kData + "/" + Resolve((*it)[1]), kData)));
  }
  return links;
}

class PageLinksTest : public DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    Write("KSDBCategories.txt",
          "Food\nR&D <\"#1\" 50%>\nAdd item\nDelete purchase stock\nTea\njavascript:void(0)");
    Write("KSDBPersons.txt", "Anna");
    Write("persons/Anna.txt", "Anna\n ");
    Write("categories/Food.txt", CategoryFile("Food", {"Milk|", " Tea |", "Tea|"}));
    Write("categories/R&D <\"#1\" 50%>.txt",
          CategoryFile("R&D <\"#1\" 50%>", {"A&B <\"#2?\" 5%>|"}));
    Write("categories/Add item.txt", CategoryFile("Add item", {}));
    Write("categories/Delete purchase stock.txt", CategoryFile("Delete purchase stock", {}));
    Write("categories/Tea.txt", CategoryFile("Tea", {"Milk|"}));
    Write("categories/javascript:void(0).txt", CategoryFile("javascript:void(0)", {"file:x|"}));
    Write("items/Food Milk.txt",
          Lines({"begin purchase list", "2004|May|02|Anna|data:a/b\\c #1 ?x 5% & <i>| 3.50",
                 "2004|May|01|for all||12.00", "end purchase list"}));
    Load();
  }
  PageLink Read(const std::string& text) const {
    return ReadPageLink(db, kData + "/" + text, kData);
  }
};

// The first steps of a new book run the commands that add what the book lacks, and mark
// the steps the catalogue already satisfies.
TEST_F(PageLinksTest, TheWelcomePageLinksItsStepsToTheirCommands) {
  const std::string page = WelcomePageText(db);
  EXPECT_EQ(LinksOf(db, page),
            (std::vector<std::string>{"add person", "add category", "add item", "add purchase"}));
  EXPECT_EQ(page.find("Add a person</a> &#10003;") != std::string::npos, db.HasPersons());
  EXPECT_TRUE(ShowsWelcome(db));
}

TEST_F(PageLinksTest, PurchaseCommandsCarryTheirRecordSplitForTheEditDialog) {
  const PageLink deleted = Read("Delete purchase2004|May|01|for all||12.00");
  EXPECT_EQ(deleted.command, PageCommand::kDeletePurchase);
  EXPECT_EQ(deleted.record, "2004|May|01|for all||12.00");

  // The record's fields as the edit dialog takes them; fields that are not numbers read as
  // 0, and a fraction of a day is dropped.
  const auto fields = [&](const std::string& record) {
    const PageLink link = Read("Edit purchase" + record);
    EXPECT_EQ(link.command, PageCommand::kEditPurchase);
    EXPECT_EQ(link.record, record);
    const PurchaseToEdit& p = link.purchase;
    return std::to_string(p.year) + " " + std::to_string(p.month) + " " + std::to_string(p.day) +
           " " + p.person + " [" + p.information + "] " + std::to_string(p.sum);
  };
  EXPECT_EQ(fields("2004|January|05|Anna|bread| 3.50"), "2004 1 5 Anna [bread] 350");
  EXPECT_EQ(fields("year|Smarch|7.9|for all||lots"), "0 0 7 for all [] 0");
}

// Categories whose names read as commands are taken as those commands; an item is named
// with its category, as two categories may hold items of one name. The page file, its
// images, other folders and near misses run nothing.
TEST_F(PageLinksTest, CommandsAreTestedBeforeNamesAndAnythingElseRunsNothing) {
  EXPECT_EQ(Describe(Read("Add item")), "add item");
  EXPECT_EQ(Describe(Read("Delete purchase stock")), "delete purchase [ stock]");
  EXPECT_EQ(Describe(Read("Tea")), "select [Tea] category");
  EXPECT_EQ(Describe(Read("Food")), "select [Food] category");
  EXPECT_EQ(Describe(Read("Tea/Milk")), "select [Milk] item of [Tea]");
  EXPECT_EQ(Describe(Read("Food/ Tea ")), "select [ Tea ] item of [Food]");
  const std::string in = kData + "/";
  for (const std::string& target :
       {in + "Milk", in + " Tea ", in + "Tea/Tea", in + "Food/", in + "temp.tmp", in + "2.css",
        in + "cnt.gif", kData, in, kData + "Add item", "/elsewhere/Add item" + std::string(),
        "/home/jo/kestrune/Add item" + std::string(), in + "add item", in + "milk",
        in + "Food/Milk/x", in + "Add item ", in + "xEdit person", in + "Delete expense item "}) {
    EXPECT_EQ(ReadPageLink(db, target, kData).command, PageCommand::kNone) << target;
  }
}

TEST_F(PageLinksTest, EveryLinkOfEveryPageReadsBackAsItsCommand) {
  EXPECT_EQ(
      LinksOf(db, ItemPageText(db, "Food", "Milk", -1).value),
      (std::vector<std::string>{
          "delete item", "delete item", "edit item", "edit item", "add purchase", "add purchase",
          "delete purchase [2004|May|02|Anna|data:a/b\\c #1 ?x 5% & <i>| 3.50]",
          "edit purchase [2004|May|02|Anna|data:a/b\\c #1 ?x 5% & <i>| 3.50]",
          "delete purchase [2004|May|01|for all||12.00]",
          "edit purchase [2004|May|01|for all||12.00]"}));
  EXPECT_EQ(LinksOf(db, CategoryPageText(db, "Food", -1).value),
            (std::vector<std::string>{
                "delete category", "delete category", "edit category", "edit category", "add item",
                "add item", "select [Milk] item of [Food]", "select [ Tea ] item of [Food]",
                "select [Tea] item of [Food]"}));
  EXPECT_EQ(
      LinksOf(db, PersonPageText(db, "Anna", -1).value),
      (std::vector<std::string>{"delete person", "delete person", "edit person", "edit person",
                                "add item", "delete purchase [ stock]", "select [Food] category",
                                "select [R&D <\"#1\" 50%>] category", "select [Tea] category",
                                "select [javascript:void(0)] category"}));
  EXPECT_EQ(
      LinksOf(db, PersonItemsPageText(db, "Anna", -1).value),
      (std::vector<std::string>{"delete person", "delete person", "edit person", "edit person",
                                "select [Food] category", "select [Food] category",
                                "select [Food] category", "select [R&D <\"#1\" 50%>] category",
                                "select [Tea] category", "select [javascript:void(0)] category"}));
  EXPECT_EQ(
      LinksOf(db, ItemStatisticsPageText(db, -1).value),
      (std::vector<std::string>{
          "select [Milk] item of [Food]", "select [ Tea ] item of [Food]",
          "select [Tea] item of [Food]", "select [A&B <\"#2?\" 5%>] item of [R&D <\"#1\" 50%>]",
          "select [Milk] item of [Tea]", "select [file:x] item of [javascript:void(0)]"}));
}

}  // namespace
}  // namespace kestrune::testing
