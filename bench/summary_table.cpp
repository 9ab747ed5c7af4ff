#include "bench/summary_table.h"

#include <cstdio>

namespace kestrune::bench {
namespace {

constexpr double kPageTarget = 20.0;
constexpr double kChartTarget = 20.0;

std::string Cell(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Padded(const std::string& text, std::size_t width, bool left) {
  if (text.size() >= width) return text;
  const std::string blanks(width - text.size(), ' ');
  return left ? text + blanks : blanks + text;
}

std::optional<double> MedianOf(const Medians& medians, const Row& row, const DataSet& set) {
  const auto found = medians.find(row.id + "/" + set.name);
  if (found == medians.end()) return std::nullopt;
  return found->second;
}

// A median with as many decimals as a reader needs.
std::string Milliseconds(std::optional<double> ms) {
  if (!ms) return "-";
  return Cell(*ms < 10.0 ? "%.3f" : *ms < 1000.0 ? "%.1f" : "%.0f", *ms);
}

}  // namespace

std::vector<Row> TableRows() {
  std::vector<Row> rows = {
      {"first_page", "start to first page, a month", 1500.0},
      {"first_page_all", "start to first page, all months", 1500.0},
      {"blocked_open", "longest block: opening", 100.0},
      {"blocked_switch", "longest block: 3 page switches", 100.0},
      {"blocked_purchase", "longest block: a purchase", 100.0},
      {"steps_switch", "3 page switches, all months", std::nullopt},
      {"steps_purchase", "a purchase through its dialog", std::nullopt},
      {"load", "start-up load", 50.0},
      {"record", "record a purchase, no fsync", 5.0},
      {"record_no_undo", "record, no fsync, no undo entry", std::nullopt},
      {"delete", "delete a purchase, no fsync", 5.0},
      {"record_fsync", "record a purchase, fsync", std::nullopt},
      {"record_fsync_no_undo", "record, fsync, no undo entry", std::nullopt},
      {"delete_fsync", "delete a purchase, fsync", std::nullopt},
      {"import", "import 100,000 purchases, no fsync", 5000.0},
      {"import_fsync", "import 100,000 purchases, fsync", 5000.0},
      {"page_item", "page: largest item", kPageTarget},
      {"page_item_fsync", "page: largest item, fsync", std::nullopt},
      {"page_category", "page: its category", kPageTarget},
      {"page_person", "page: person", kPageTarget},
      {"page_person_items", "page: person's items", kPageTarget},
      {"page_item_statistics", "page: item statistics", kPageTarget},
      {"stat_persons", "chart: persons", kChartTarget},
      {"stat_persons_by_months", "chart: persons by months", kChartTarget},
      {"stat_categories", "chart: categories", kChartTarget},
      {"stat_categories_by_months", "chart: categories by months", kChartTarget},
      {"stat_items", "chart: items of a category", kChartTarget},
      {"stat_items_by_months", "chart: items by months", kChartTarget},
      {"stat_months", "chart: months", kChartTarget},
      {"stat_item_persons", "chart: largest item's persons", kChartTarget},
      {"stat_item_persons_by_months", "chart: its persons by months", kChartTarget},
      {"stat_item_by_months", "chart: largest item by months", kChartTarget},
  };
  for (const char* type :
       {"bar", "pie", "3d_bar", "3d_pie", "line", "stacked_bar", "3d_line", "3d_stacked_bar"}) {
    std::string label = std::string("draw 800x600: ") + type;
    for (char& c : label) c = c == '_' ? ' ' : c;
    rows.push_back({std::string("draw_") + type, label, kChartTarget});
  }
  rows.push_back({"find_first", "find: first search, every file read", std::nullopt});
  rows.push_back({"find_word", "find: a word, again", 100.0});
  rows.push_back({"find_all", "find: every purchase, again", 100.0});
  rows.push_back({"find_after_record", "find: a word after a purchase", 100.0});
  rows.push_back({"check", "check", std::nullopt});
  return rows;
}

void MedianCollector::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    // A single repetition has no aggregates: its one run is the median.
    const bool median =
        run.run_type == Run::RT_Aggregate ? run.aggregate_name == "median" : run.repetitions <= 1;
    if (median && !run.error_occurred) {
      medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
  }
  ConsoleReporter::ReportRuns(runs);
}

int PrintTable(std::ostream& out, const std::vector<DataSet>& sets, const Medians& medians) {
  constexpr std::size_t kLabel = 32, kColumn = 16;
  out << "\nMedians in milliseconds; targets apply to the large household.\n\n"
      << Padded("measurement", kLabel, true);
  for (const DataSet& set : sets) out << Padded(set.label, kColumn, false);
  out << Padded("x10 growth", 12, false) << Padded("target", 10, false) << "\n";
  int missed = 0;
  for (const Row& row : TableRows()) {
    out << Padded(row.label, kLabel, true);
    std::optional<double> large, larger;
    for (const DataSet& set : sets) {
      const std::optional<double> ms = MedianOf(medians, row, set);
      if (set.name == "large") large = ms;
      if (set.name == "larger") larger = ms;
      out << Padded(Milliseconds(ms), kColumn, false);
    }
    out << Padded(large && larger && *large > 0 ? Cell("%.1fx", *larger / *large) : "-", 12, false);
    std::string verdict = "-";
    if (row.target_ms) {
      const bool met = large && *large < *row.target_ms;
      missed += large && !met ? 1 : 0;
      verdict = Cell("< %.0f", *row.target_ms) + (large ? (met ? " met" : " MISSED") : "");
    }
    out << "  " << verdict << "\n";
  }
  return missed;
}

}  // namespace kestrune::bench
