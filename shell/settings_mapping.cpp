#include "shell/settings_mapping.h"

#include <array>
#include <charconv>
#include <string_view>

namespace kestrune {
namespace {

constexpr const char* kConfig = "Config";
constexpr const char* kStatus = "Status";

// The stored words of an enumeration whose values run from 1.
using Words = std::array<std::string_view, 4>;
constexpr Words kShowWords = {"ALL", "MONTH"};
constexpr Words kChartWords = {"BAR", "PIE", "DBAR", "DPIE"};
constexpr Words kMonthChartWords = {"LINE", "STACKED", "DLINE", "DSTACKED"};
constexpr Words kStatisticViewWords = {"CAT", "ITEMS", "PERSON", "MONTHS"};
constexpr Words kItemViewWords = {"LIST", "PERSONS", "STATISTICS"};

// The value of the stored word, or `fallback` when the key is absent or the word unknown.
int ReadWord(SettingsStore& store, const char* section, const char* key, const Words& words,
             int fallback) {
  const std::optional<std::string> text = store.Read(section, key);
  if (!text) return fallback;
  for (size_t i = 0; i < words.size(); ++i) {
    if (!words[i].empty() && *text == words[i]) return static_cast<int>(i) + 1;
  }
  return fallback;
}

bool HasWord(const Words& words, int value) {
  return value >= 1 && value <= static_cast<int>(words.size()) &&
         !words[static_cast<size_t>(value - 1)].empty();
}

// A value outside the table cannot come from the program; the default's word is written
// instead, so the store always holds a word it can read back.
void WriteWord(SettingsStore& store, const char* section, const char* key, const Words& words,
               int value, int fallback) {
  const int written = HasWord(words, value) ? value : fallback;
  store.Write(section, key, std::string(words[static_cast<size_t>(written - 1)]));
}

bool ReadFlag(SettingsStore& store, const char* key, bool fallback) {
  const std::optional<std::string> text = store.Read(kConfig, key);
  if (text == "true") return true;
  if (text == "false") return false;
  return fallback;
}

std::string ReadText(SettingsStore& store, const char* section, const char* key) {
  return store.Read(section, key).value_or("");
}

// At least one month: 0, a negative number or a text that is no number all give 1.
int ReadMonthsNum(SettingsStore& store) {
  const std::string text = ReadText(store, kConfig, "MonthsNum");
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value < 1 ? 1 : value;
}

void ReadSelection(SettingsStore& store, ViewState& state) {
  state.selectedCategory = ReadText(store, kStatus, "SelectedCat");
  state.selectedItem = ReadText(store, kStatus, "SelectedItem");
  state.selectedPerson = ReadText(store, kStatus, "SelectedPerson");
  state.selectedPersonMenu = ReadText(store, kStatus, "SelectedPersonMenu");
  state.selectedPersonMenuChild = ReadText(store, kStatus, "SelectedPersonMenuChild");
  state.selectedStatisticType = ReadText(store, kStatus, "SelectedStatisticType");
  state.selectedStatisticMenu = ReadText(store, kStatus, "SelectedStatisticMenu");
  state.selectedStatisticMenuChild = ReadText(store, kStatus, "SelectedStatisticMenuChild");
}

void WriteSelection(SettingsStore& store, const ViewState& state) {
  store.Write(kStatus, "SelectedCat", state.selectedCategory);
  store.Write(kStatus, "SelectedItem", state.selectedItem);
  store.Write(kStatus, "SelectedPerson", state.selectedPerson);
  store.Write(kStatus, "SelectedPersonMenu", state.selectedPersonMenu);
  store.Write(kStatus, "SelectedPersonMenuChild", state.selectedPersonMenuChild);
  store.Write(kStatus, "SelectedStatisticType", state.selectedStatisticType);
  store.Write(kStatus, "SelectedStatisticMenu", state.selectedStatisticMenu);
  store.Write(kStatus, "SelectedStatisticMenuChild", state.selectedStatisticMenuChild);
}

constexpr const char* kPaneWidths = "PaneWidths";
constexpr int kWidestPane = 10000;

// A width from 1 to the widest pane at `at`; `at` moves past it and one space.
std::optional<int> ReadWidth(std::string_view text, size_t& at) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [next, error] = std::from_chars(text.data() + at, end, value);
  if (error != std::errc() || value < 1 || value > kWidestPane) return std::nullopt;
  at = static_cast<size_t>(next - text.data());
  if (at < text.size() && text[at] == ' ') ++at;
  return value;
}

const char* FlagText(bool value) {
  return value ? "true" : "false";
}

}  // namespace

void LoadSettings(SettingsStore& store, ViewState& state) {
  const ViewState defaults;
  state.monthFilter = ReadWord(store, kConfig, "Show", kShowWords, defaults.monthFilter);
  state.totalsChart = ReadWord(store, kConfig, "Chart", kChartWords, defaults.totalsChart);
  state.monthsChart =
      ReadWord(store, kConfig, "month_Chart", kMonthChartWords, defaults.monthsChart);
  state.smallCategoryIcons = ReadFlag(store, "IsSmallCat", false);
  state.smallPersonIcons = ReadFlag(store, "IsSmallPers", false);
  state.smallStatisticsIcons = ReadFlag(store, "IsSmallStat", false);
  ReadSelection(store, state);
  state.statisticView =
      ReadWord(store, kStatus, "StatisticView", kStatisticViewWords, defaults.statisticView);
  state.itemView = ReadWord(store, kStatus, "ItemView", kItemViewWords, defaults.itemView);
  state.selectedMonth = ReadText(store, kStatus, "SelectedMonth");
  state.showAllMonths = store.Read(kConfig, "ShowAllMonths") != "FALSE";
  state.currency = ReadText(store, kConfig, "Currency");
  state.monthsShown = ReadMonthsNum(store);
}

std::optional<PaneWidths> LoadPaneWidths(SettingsStore& store) {
  const std::string text = ReadText(store, kStatus, kPaneWidths);
  size_t at = 0;
  const std::optional<int> folder_bar = ReadWidth(text, at);
  const std::optional<int> tree = folder_bar ? ReadWidth(text, at) : std::nullopt;
  if (!tree || at != text.size()) return std::nullopt;
  return PaneWidths{*folder_bar, *tree};
}

void SavePaneWidths(SettingsStore& store, PaneWidths widths) {
  if (widths.folder_bar < 1 || widths.tree < 1) return;
  store.Write(kStatus, kPaneWidths,
              std::to_string(widths.folder_bar) + " " + std::to_string(widths.tree));
}

void SaveSettings(SettingsStore& store, const ViewState& state) {
  const ViewState defaults;
  WriteWord(store, kConfig, "Show", kShowWords, state.monthFilter, defaults.monthFilter);
  WriteWord(store, kConfig, "Chart", kChartWords, state.totalsChart, defaults.totalsChart);
  WriteWord(store, kConfig, "month_Chart", kMonthChartWords, state.monthsChart,
            defaults.monthsChart);
  store.Write(kConfig, "IsSmallCat", FlagText(state.smallCategoryIcons));
  store.Write(kConfig, "IsSmallPers", FlagText(state.smallPersonIcons));
  store.Write(kConfig, "IsSmallStat", FlagText(state.smallStatisticsIcons));
  WriteSelection(store, state);
  store.Write(kConfig, "Currency", state.currency);
  WriteWord(store, kStatus, "StatisticView", kStatisticViewWords, state.statisticView,
            defaults.statisticView);
  WriteWord(store, kStatus, "ItemView", kItemViewWords, state.itemView, defaults.itemView);
  store.Write(kConfig, "ShowAllMonths", state.showAllMonths ? "TRUE" : "FALSE");
  store.Write(kStatus, "SelectedMonth", state.selectedMonth);
  store.Write(kConfig, "MonthsNum", std::to_string(state.monthsShown < 1 ? 1 : state.monthsShown));
}

}  // namespace kestrune
