#pragma once

#include <string>

namespace kestrune::charts {

// What a statistics builder reads of the main frame's view state: the chart-type settings,
// the month filter with the month chooser's position, the month limit and the selection
// strings. The main frame fills it before every build; the defaults are those of a first
// start. Field names follow the frame's own.
struct StatisticsInput {
  // Style of totals statistics: 1 bar, 2 pie, 3 3D bar, 4 3D pie.
  int Chart = 1;
  // Style of statistics by months: 1 line, 2 stacked bar, 3 3D line, 4 3D stacked bar.
  int month_Chart = 2;
  // Month filter of totals statistics: 1 all months, 2 the month the chooser shows.
  int Show = 2;
  // The month chooser's selected position in the months array; -1 when none is chosen.
  int month_chooser_position = -1;
  // Month limit of statistics by months: every month, or only the MonthsNum newest.
  bool ShowAllMonths = true;
  int MonthsNum = 1;

  std::string SelectedCat;                 // category of the item node
  std::string SelectedItem;                // item of the item node
  std::string SelectedPerson;              // person of the Persons folder
  std::string SelectedPersonMenuChild;     // category or month key under that person
  std::string SelectedStatisticMenu;       // category or person of the Statistics folder
  std::string SelectedStatisticMenuChild;  // item under that category
};

}  // namespace kestrune::charts
