#include "shell/command_table.h"

#include <array>

#include "shell/command_ids.h"

namespace kestrune {
namespace {

constexpr CommandInfo kCommands[] = {
    {kCmdClearDatabase, "&Clear data base", "", "Delete all information from data base"},
    {kCmdDeleteAllPurchases, "&Delete all purchases", "", "Delete all purchases"},
    {kCmdSettings, "&Settings...", "", "Change settings"},
    {kCmdCheckDatabase, "Chec&k data base...", "",
     "Check every total against the purchases and repair what differs"},
    {kCmdExit, "E&xit", "", "Quit Kestrune", "", false, "Ctrl+Q"},
    {kCmdPrint, "&Print...", "", "Print what the view shows", "", false, "Ctrl+P"},
    {kCmdPrintDirect, "", "", "Print what the view shows"},
    {kCmdPrintPreview, "Print pre&view", "", "Show how the view will be printed"},
    {kCmdAddPerson, "&Add person", "Add person", "Add person"},
    {kCmdEditPerson, "&Edit person", "Edit person information", "Edit person information"},
    {kCmdDeletePerson, "&Delete person", "Delete person", "Delete person"},
    {kCmdAddCategory, "Add expense &category", "Add expense category", "Add expense category"},
    {kCmdEditCategory, "Edit expense cate&gory", "Edit expense category", "Edit expense category"},
    {kCmdDeleteCategory, "Delete expense ca&tegory", "Delete expense category",
     "Delete expense category"},
    {kCmdAddItem, "Add expense &item", "Add expense item", "Add expense item"},
    {kCmdEditItem, "Edit expense ite&m", "Edit expense item", "Edit expense item"},
    {kCmdDeleteItem, "De&lete expense item", "Delete expense item", "Delete expense item"},
    {kCmdAddPurchase, "Add purchase", "Add purchase", "Add purchase", "", false, "Ctrl+N"},
    {kCmdRefresh, "&Refresh", "", "Show the tree and the view anew", "", false, "F5"},
    {kCmdStatusBar, "&Status Bar", "", "Show or hide the status bar", "", true},
    {kCmdViewCategoryStatistics, "View &category's statistics", "View category's statistics",
     "View category's statistics", "", true},
    {kCmdViewItemStatisticsFolder, "View &item's statistics", "View item's statistics",
     "View item's statistics", "", true},
    {kCmdViewPersonStatistics, "View &person's statistics", "View person's statistics",
     "View person's statistics", "", true},
    {kCmdViewMonthStatistics, "View &statistics by months", "View statistics by months",
     "View statistics by month", "", true},
    {kCmdOfficeXpLook, "Office-&XP Look", "", "Enable or disable Office-XP Look", "Toggle XP Look",
     true},
    {kCmdAbout, "&About Kestrune...", "", "Show the program's name and version"},
    {kCmdHelp, "&Help", "", "Show how to use Kestrune", "", false, "F1"},
    {kCmdShowDropDown, "", "Show month", "Show all information or show information for one month"},
    {kCmdShowAll, "all", "", "Show information for all months", "", true},
    {kCmdShowMonth, "month", "", "Show information only for one month", "", true},
    {kCmdMonthChooser, "", "", "Choose month"},
    {kCmdChartDropDown, "", "Set chart view", "Set chart view"},
    {kCmdBarChart, "Bar chart", "", "Set bar chart view", "", true},
    {kCmdPieChart, "Pie chart", "", "Set pie chart view", "", true},
    {kCmdBar3dChart, "3D bar chart", "", "Set 3D bar chart view", "", true},
    {kCmdPie3dChart, "3D pie chart", "", "Set 3D pie chart view", "", true},
    {kCmdLineGraph, "Line graph", "", "View statistics by months as line graph", "", true},
    {kCmdStackedBarChart, "Stacked bar chart", "", "View statistics by months as stacked bar", "",
     true},
    {kCmdLine3dGraph, "3D line graph", "", "View statistics by months as 3D line graph", "", true},
    {kCmdStackedBar3dChart, "3D stacked bar chart", "",
     "View statistics by months as 3D stacked bar chart", "", true},
    {kCmdViewItemList, "View list of bought items", "View list of bought items",
     "View list of bought items", "", true},
    {kCmdViewItemPersons, "View person's statistics", "View person's statistics",
     "View person's statistics", "", true},
    {kCmdViewItemStatistics, "View statistics", "View statistics", "View item statistics", "",
     true},
};

constexpr int kMainToolbar[] = {kCmdShowDropDown,  0, kCmdMonthChooser, 0,
                                kCmdChartDropDown, 0, kCmdAddPerson,    kCmdAddCategory,
                                kCmdAddItem};
constexpr int kItemToolbar[] = {kCmdViewItemList,
                                kCmdViewItemPersons,
                                kCmdViewItemStatistics,
                                kCmdEditCategory,
                                kCmdEditItem,
                                kCmdEditPerson,
                                kCmdViewCategoryStatistics,
                                kCmdViewItemStatisticsFolder,
                                kCmdViewPersonStatistics,
                                0,
                                kCmdDeleteCategory,
                                kCmdDeleteItem,
                                kCmdAddPurchase,
                                kCmdDeletePerson,
                                kCmdViewMonthStatistics};

constexpr int kCategoryButtons[] = {kCmdEditCategory, kCmdDeleteCategory, kCmdEditItem,
                                    kCmdDeleteItem};
constexpr int kItemButtons[] = {kCmdViewItemList, kCmdViewItemPersons, kCmdViewItemStatistics,
                                kCmdAddPurchase};
constexpr int kPersonButtons[] = {kCmdEditPerson, kCmdDeletePerson};
constexpr int kStatisticsButtons[] = {kCmdViewCategoryStatistics, kCmdViewItemStatisticsFolder,
                                      kCmdViewPersonStatistics, kCmdViewMonthStatistics};

constexpr int kFileMenu[] = {
    kCmdClearDatabase, kCmdDeleteAllPurchases, 0, kCmdSettings, kCmdCheckDatabase, 0,
    kCmdPrint,         kCmdPrintPreview,       0, kCmdExit};
constexpr int kEditMenu[] = {kCmdAddPerson,   kCmdEditPerson,   kCmdDeletePerson,   0,
                             kCmdAddCategory, kCmdEditCategory, kCmdDeleteCategory, 0,
                             kCmdAddItem,     kCmdEditItem,     kCmdDeleteItem,     0,
                             kCmdAddPurchase};
constexpr int kViewMenu[] = {kCmdStatusBar,
                             kCmdRefresh,
                             0,
                             kCmdViewCategoryStatistics,
                             kCmdViewItemStatisticsFolder,
                             kCmdViewPersonStatistics,
                             kCmdViewMonthStatistics,
                             0,
                             -142,
                             -143,
                             0,
                             kCmdViewItemList,
                             kCmdViewItemPersons,
                             kCmdViewItemStatistics,
                             0,
                             kCmdOfficeXpLook};
constexpr int kHelpMenu[] = {kCmdHelp, 0, kCmdAbout};
constexpr MenuInfo kMenuBar[] = {
    {"&File", kFileMenu}, {"&Edit", kEditMenu}, {"&View", kViewMenu}, {"&Help", kHelpMenu}};

constexpr int kShowMenu[] = {kCmdShowAll, kCmdShowMonth};
constexpr int kGraphMenu[] = {
    kCmdBarChart,  kCmdPieChart,        kCmdBar3dChart,  kCmdPie3dChart,       0,
    kCmdLineGraph, kCmdStackedBarChart, kCmdLine3dGraph, kCmdStackedBar3dChart};
constexpr int kTrayMenu[] = {kCmdClearDatabase, kCmdDeleteAllPurchases, kCmdSettings, kCmdExit};

}  // namespace

std::span<const CommandInfo> Commands() {
  return kCommands;
}

const CommandInfo& CommandInfoFor(int id) {
  static const CommandInfo kUnknown;
  for (const CommandInfo& info : kCommands) {
    if (info.id == id) return info;
  }
  return kUnknown;
}

std::span<const int> MainToolbarButtons() {
  return kMainToolbar;
}
std::span<const int> ItemToolbarButtons() {
  return kItemToolbar;
}

std::span<const int> VisibleItemButtons(int node_kind) {
  switch (node_kind) {
    case 1:
      return kCategoryButtons;
    case 2:
      return kItemButtons;
    case 3:
      return kPersonButtons;
    case 4:
      return kStatisticsButtons;
    default:
      return {};
  }
}

std::span<const MenuInfo> MenuBar() {
  return kMenuBar;
}
std::span<const int> ShowMenu() {
  return kShowMenu;
}
std::span<const int> GraphMenu() {
  return kGraphMenu;
}
std::span<const int> TrayMenu() {
  return kTrayMenu;
}

}  // namespace kestrune
