#include "shell/command_rules.h"

#include "shell/command_ids.h"

namespace kestrune {

std::optional<bool> CommandChecked(int command_id, const ViewState& state,
                                   const WindowFlags& flags) {
  switch (command_id) {
    case kCmdStatusBar:
      return flags.status_bar_shown;
    case kCmdOfficeXpLook:
      return flags.office_xp_look;
    case kCmdViewCategoryStatistics:
    case kCmdViewItemStatisticsFolder:
    case kCmdViewPersonStatistics:
    case kCmdViewMonthStatistics:
      return state.statisticView == command_id - kCmdViewCategoryStatistics + 1;
    case kCmdShowAll:
      return state.monthFilter == 1;
    case kCmdShowMonth:
      return state.monthFilter == 2;
    case kCmdBarChart:
    case kCmdPieChart:
    case kCmdBar3dChart:
    case kCmdPie3dChart:
      return state.totalsChart == command_id - kCmdBarChart + 1;
    case kCmdLineGraph:
      return state.monthsChart == 1;
    case kCmdStackedBarChart:
      return state.monthsChart == 2;
    case kCmdLine3dGraph:
      return state.monthsChart == 3;
    case kCmdStackedBar3dChart:
      return state.monthsChart == 4;
    case kCmdViewItemList:
    case kCmdViewItemPersons:
    case kCmdViewItemStatistics:
      return state.itemView == command_id - kCmdViewItemList + 1;
    default:
      return std::nullopt;
  }
}

bool CommandAvailable(int command_id, const ExpenseDatabase& db) {
  switch (command_id) {
    case kCmdEditCategory:
    case kCmdDeleteCategory:
    case kCmdAddItem:
      return db.HasCategories();
    case kCmdEditItem:
    case kCmdDeleteItem:
    case kCmdAddPurchase:
      return db.HasItems();
    case kCmdEditPerson:
    case kCmdDeletePerson:
      return db.HasPersons();
    default:
      return true;
  }
}

}  // namespace kestrune
