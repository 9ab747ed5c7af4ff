// What each report page lists, and how its totals and shares are computed.
#include "pages/page_writers.h"

#include <utility>
#include <vector>

#include "database/amounts.h"
#include "database/exchange_sort.h"
#include "database/month_keys.h"
#include "database/sections.h"
#include "pages/budget_line.h"
#include "pages/page_links.h"
#include "pages/page_pieces.h"

namespace kestrune {
namespace {

constexpr ActionBar kItemBar{kActionBarTable, kDeleteItemLink, "delete.gif",
                             kEditItemLink,   "edit.gif",      "item.bmp"};
constexpr ActionBar kCategoryBar{kCategoryActionBarTable, kDeleteCategoryLink, "delete.gif",
                                 kEditCategoryLink,       "edit.gif",          "cabinet.gif"};
constexpr ActionBar kPersonBar{kActionBarTable, kDeletePersonLink, "usdel.gif",
                               kEditPersonLink, "usedit.gif",      "user.gif"};

constexpr InformationBox kItemBox{
    "<legend><font COLOR=#0033cc size = -1>Item informaion</font></legend>",
    "</d></tr></table></fieldset><br><b>All item expenses:&nbsp&nbsp",
    "</b><br><br><fieldset><legend><font COLOR=#0033cc size = -1>Purchase list</font></legend>"};
constexpr InformationBox kCategoryBox{
    "<legend><font COLOR=#0033cc size = -1>Category informaion</font></legend>",
    "</d></tr></table></fieldset><br><b>All category expenses:&nbsp&nbsp",
    "</b><br><br><fieldset><legend><font COLOR=#0033cc size = -1>Item list</font></legend>"};
constexpr InformationBox kPersonBox{
    "<legend><font COLOR=#0033cc size = -1>Person informaion</font></legend>",
    "</d></tr></table></fieldset><br><b>All person expenses:&nbsp&nbsp",
    "</b><br><br><fieldset><legend><font COLOR=#0033cc size = -1>Expenses</font></legend>"};
constexpr InformationBox kPersonItemsBox{
    kPersonBox.legend, kPersonBox.total_opener,
    "</b><br><br><fieldset><legend><font COLOR=#0033cc size = -1>Item's "
    "statistics</font></legend>"};

constexpr HeaderCell kPurchaseHeader[] = {
    {"width=\"27%\" bgColor=#A2B5D3>", "<font COLOR=#FFFFFF size = -1>Purchase date</font></TD>"},
    {"width=\"39%\" bgColor=#A2B5D3>", "<font COLOR=#FFFFFF size = -1>Purchase information</font>"},
    {"width=\"22%\" bgColor=#A2B5D3>", "<font COLOR=#FFFFFF size = -1>Purchase summ</font>"},
    {"width=\"12%\" bgColor=#A2B5D3>", "<font COLOR=#FFFFFF size = -1>Person&nbsp;<font>"},
    {"width=\"12%\" bgColor=#A2B5D3>", "<font COLOR=#FFFFFF size = -1>&nbsp;<font>"}};
constexpr HeaderCell kItemListHeader[] = {
    {"width=\"29%\" bgColor=#A2B5D3>", "<font COLOR=#FFFFFF size = -1>Item name</font></TD>"},
    {"width=\"56%\" bgColor=#A2B5D3>", "<font COLOR=#FFFFFF size = -1> Item information</font>"},
    {"width=\"15%\" bgColor=#A2B5D3>", "<font COLOR=#FFFFFF size = -1> Expenses</font>"}};
constexpr HeaderCell kCategoryListHeader[] = {
    {"width=\"29%\" bgColor=#A2B5D3>", "<font COLOR=#FFFFFF size = -1>Category name</font></TD>"},
    {"width=\"56%\" bgColor=#A2B5D3>",
     "<font COLOR=#FFFFFF size = -1> Category information</font>"},
    {"width=\"15%\" bgColor=#A2B5D3>", "<font COLOR=#FFFFFF size = -1> Expenses</font>"}};
constexpr HeaderCell kItemTotalsHeader[] = {
    {"width=\"29%\" bgColor=#A2B5D3>", "<font COLOR=#FFFFFF size = -1>Item name</font></TD>"},
    {"width=\"56%\" bgColor=#A2B5D3>", "<font COLOR=#FFFFFF size = -1> Item category</font>"},
    {"width=\"15%\" bgColor=#A2B5D3>", "<font COLOR=#FFFFFF size = -1> Expenses</font>"}};

constexpr std::string_view kBarSpacer =
    "<TABLE cellSpacing=0 height=3 cellPadding=0 width=\"100%\" border=0><TD></TD></TABLE>";
constexpr std::string_view kAddPurchaseBar =
    "<TABLE cellSpacing=0 height=3 cellPadding=0 align=center width=\"99%\" border=0><TD "
    "width=1%><a href=\"Add purchase\" class=\"nodecor\"><img src=edit.gif border=0 ></a></TD><TD>"
    "&nbsp;&nbsp;<a href=\"Add purchase\" class=\"nodecor\"><FONT size=-1>Add "
    "purchase</font></a></TD></TABLE>";
constexpr std::string_view kAddItemBar =
    "<TABLE cellSpacing=0 height=3 cellPadding=0 align=center width=\"99%\" border=0><TD "
    "width=1%><a href=\"Add item\" class=\"nodecor\"><img src=plus.gif border=0 ></a></TD><TD>"
    "&nbsp;&nbsp;<a href=\"Add item\" class=\"nodecor\"><FONT size=-1>Add "
    "item</font></a></TD></TABLE>";
constexpr std::string_view kStatisticsFrame =
    "<br><TABLE cellSpacing=0 height=5 cellPadding=0 align = center width=\"98%\" "
    "border=0><TD><fieldset><legend><font COLOR=#0033cc size = -1>Item's "
    "statistics</font></legend>";
// Stands in a middle cell whose text is empty (without its semicolon, as it always was).
constexpr std::string_view kEmptyCell = "&nbsp";

// The person's own amount and an equal share of the household's, rounded to the cent. With
// no persons there is nobody to share among, and nobody whose page could show it.
Cents Share(const PersonTotals& totals, const std::string& person, std::size_t persons) {
  const Cents own = totals.at(person);
  if (persons == 0) return own;
  return own + DivideRounded(totals.at(kForAll), static_cast<Cents>(persons));
}

PersonTotals OwnAndForAll(const std::string& person) {
  return {{person, 0}, {kForAll, 0}};
}

Cents CategoryShare(const ExpenseDatabase& db, const std::string& key, const std::string& category,
                    const std::string& person, FirstFailure& reads) {
  PersonTotals totals = OwnAndForAll(person);
  reads.Keep(db.CategoryPersonTotals(key, category, totals));
  return Share(totals, person, db.GetPersonNames().size());
}

Cents ItemShare(const ExpenseDatabase& db, const std::string& key, const std::string& category,
                const std::string& item, const std::string& person, FirstFailure& reads) {
  PersonTotals totals = OwnAndForAll(person);
  reads.Keep(db.ItemPersonTotals(key, category, item, totals));
  return Share(totals, person, db.GetPersonNames().size());
}

// The household's amounts are added up before the share is taken, so the total rounds once.
Cents PersonTotal(const ExpenseDatabase& db, const std::string& key, const std::string& person,
                  FirstFailure& reads) {
  PersonTotals sums = OwnAndForAll(person);
  for (const std::string& category : db.GetCategoryNames()) {
    PersonTotals totals = OwnAndForAll(person);
    reads.Keep(db.CategoryPersonTotals(key, category, totals));
    for (auto& [name, amount] : sums) amount += totals.at(name);
  }
  return Share(sums, person, db.GetPersonNames().size());
}

// The exchange sort the item page has always used: by month number, then day, largest
// first, the year not compared. Equal dates keep the order the exchanges leave them in.
void SortByMonthAndDay(std::vector<PurchaseRecord>& purchases) {
  std::vector<std::pair<int, Cents>> keys;
  keys.reserve(purchases.size());
  for (const PurchaseRecord& purchase : purchases) {
    keys.emplace_back(MonthNumber(purchase.month), ParseCents(purchase.day));
  }
  ExchangeSort(purchases, keys);
}

void AddPurchaseLinks(PageText& page, const std::string& line) {
  page.Piece("<a href = \"");
  page.Href(std::string(kDeletePurchaseLink) + line);
  page.Piece("\"><img border=0 src=delete.gif alt=\"Delete purchase\"></a>&nbsp;<a href = \"");
  page.Href(std::string(kEditPurchaseLink) + line);
  page.Piece("\"><img border=0 src=edit.gif alt=\"Edit purchase\"></a>&nbsp;");
}

void AddPurchaseRow(PageText& page, const PurchaseRecord& purchase) {
  AddRowStart(page, "27%");
  page.Text(purchase.day + "  " + purchase.month + "  " + purchase.year);
  page.Piece("</TD>");
  AddCellStart(page, "39%");
  page.Piece("<img src = cnt.gif border=0>");
  page.Text(purchase.information);
  page.Piece("</TD>");
  AddCellStart(page, "22%");
  page.AmountText(purchase.sum);
  page.Piece("</TD>");
  AddCellStart(page, "12%");
  page.Text(purchase.person);
  page.Piece("</TD>");
  AddCellStart(page, "12%");
  AddPurchaseLinks(page, FormatPurchaseLine(purchase));
  page.Piece("</TD>");  // item-page rows have never been closed with "</TR>"
}

// The page head, the action bar, the second style block and the information box.
void AddEntityFrame(PageText& page, const ActionBar& bar, const std::string& name,
                    const InformationBox& box, const std::string& information, Cents total,
                    std::string_view under_total = {}) {
  AddPageHead(page);
  AddActionBar(page, bar, name);
  AddSecondStyleBlock(page);
  AddInformationBox(page, box, information, total, under_total);
}

void AddTextOrEmptyCell(PageText& page, const std::string& text) {
  if (text.empty()) {
    page.Piece(kEmptyCell);
  } else {
    page.Text(text);
  }
}

}  // namespace

Result<std::string> ItemPageText(const ExpenseDatabase& db, const std::string& category,
                                 const std::string& item, int month_position) {
  const ExpenseDatabase::ReadSession session(db);
  const std::string key = db.MonthKeyAt(month_position);
  FirstFailure reads;
  PageText page(db.currency());
  AddEntityFrame(page, kItemBar, item, kItemBox, db.GetItemInfo(category, item),
                 reads.Take(db.ItemMonthTotal(key, category, item)));
  page.Piece(kBarSpacer);
  page.Piece(kAddPurchaseBar);
  AddTableStart(page);
  AddHeaderRow(page, kPurchaseHeader);
  std::vector<PurchaseRecord> purchases;
  reads.Keep(db.ItemPurchases(key, category, item, purchases));
  SortByMonthAndDay(purchases);
  for (const PurchaseRecord& purchase : purchases) AddPurchaseRow(page, purchase);
  AddPageTail(page);
  return reads.Finish(page.str());
}

Result<std::string> CategoryPageText(const ExpenseDatabase& db, const std::string& category,
                                     int month_position) {
  const ExpenseDatabase::ReadSession session(db);
  const std::string key = db.MonthKeyAt(month_position);
  FirstFailure reads;
  PageText page(db.currency());
  // Budgets are monthly: the line shows only when one month is chosen.
  const std::string budget =
      IsMonthKey(key) ? BudgetLine(db.currency(), category, key, db.BudgetUseInMonth(key, category))
                      : std::string();
  AddEntityFrame(page, kCategoryBar, category, kCategoryBox, db.GetCategoryInfo(category),
                 reads.Take(db.CategoryMonthTotal(key, category)), budget);
  page.Piece(kBarSpacer);
  page.Piece(kAddItemBar);
  AddTableStart(page);
  AddHeaderRow(page, kItemListHeader);
  for (const std::string& item : db.GetItemNames(category)) {
    AddListRowStart(page, ItemLinkTarget(category, item), item);
    page.Piece("<img src=cnt.gif border=0>");
    page.Text(db.GetItemInfo(category, item));
    AddListRowEnd(page, reads.Take(db.ItemMonthTotal(key, category, item)));
  }
  AddPageTail(page);
  return reads.Finish(page.str());
}

Result<std::string> PersonPageText(const ExpenseDatabase& db, const std::string& person,
                                   int month_position) {
  const ExpenseDatabase::ReadSession session(db);
  const std::string key = db.MonthKeyAt(month_position);
  FirstFailure reads;
  PageText page(db.currency());
  AddEntityFrame(page, kPersonBar, person, kPersonBox, db.GetPersonInfo(person),
                 PersonTotal(db, key, person, reads));
  AddTableStart(page);
  AddTableStart(page);
  AddHeaderRow(page, kCategoryListHeader);
  for (const std::string& category : db.GetCategoryNames()) {
    AddListRowStart(page, category, category);
    page.Piece("<img src=cnt.gif border=0>");
    page.Text(db.GetCategoryInfo(category));
    AddListRowEnd(page, CategoryShare(db, key, category, person, reads));
  }
  AddPageTail(page);
  return reads.Finish(page.str());
}

Result<std::string> PersonItemsPageText(const ExpenseDatabase& db, const std::string& person,
                                        int month_position) {
  const ExpenseDatabase::ReadSession session(db);
  const std::string key = db.MonthKeyAt(month_position);
  FirstFailure reads;
  PageText page(db.currency());
  AddEntityFrame(page, kPersonBar, person, kPersonItemsBox, db.GetPersonInfo(person),
                 PersonTotal(db, key, person, reads));
  AddTableStart(page);
  AddTableStart(page);
  AddHeaderRow(page, kItemTotalsHeader);
  for (const std::string& category : db.GetCategoryNames()) {
    for (const std::string& item : db.GetItemNames(category)) {
      // The row names the item but links to its category, whose chart the tree shows.
      AddListRowStart(page, category, item);
      AddTextOrEmptyCell(page, category);
      AddListRowEnd(page, ItemShare(db, key, category, item, person, reads));
    }
  }
  AddPageTail(page);
  return reads.Finish(page.str());
}

Result<std::string> ItemStatisticsPageText(const ExpenseDatabase& db, int month_position) {
  const ExpenseDatabase::ReadSession session(db);
  const std::string key = db.MonthKeyAt(month_position);
  FirstFailure reads;
  PageText page(db.currency());
  AddPageHead(page);
  page.Piece(kStatisticsFrame);
  AddTableStart(page);
  AddTableStart(page);
  AddHeaderRow(page, kItemTotalsHeader);
  for (const std::string& category : db.GetCategoryNames()) {
    for (const std::string& item : db.GetItemNames(category)) {
      AddListRowStart(page, ItemLinkTarget(category, item), item);
      AddTextOrEmptyCell(page, db.GetItemInfo(category, item));
      AddListRowEnd(page, reads.Take(db.ItemMonthTotal(key, category, item)));
    }
  }
  AddPageTail(page);
  return reads.Finish(page.str());
}

}  // namespace kestrune
