#include "shell/settings_mapping.h"

#include <array>
#include <charconv>
#include <string_view>

namespace kestrune {
namespace {

constexpr const char* kConfig = "Config";
constexpr const char* kStatus = "Status";

// The stored words of an enumeration, in the order of its values.
using Words = std::array<std::string_view, 4>;
constexpr Words kShowWords = {"ALL", "MONTH"};
constexpr Words kChartWords = {"BAR", "PIE", "DBAR", "DPIE"};
constexpr Words kMonthChartWords = {"LINE", "STACKED", "DLINE", "DSTACKED"};
constexpr Words kStatisticViewWords = {"CAT", "ITEMS", "PERSON", "MONTHS"};
constexpr Words kItemViewWords = {"LIST", "PERSONS", "STATISTICS"};
// The months chart styles follow the four totals styles in charts::ChartStyle.
constexpr int kFirstMonthsStyle = static_cast<int>(charts::ChartStyle::kLine);

// The value of the stored word (the enumeration's value `first` + its place among the
// words), or `fallback` when the key is absent or the word unknown.
template <class Enum>
Enum ReadWord(SettingsStore& store, const char* section, const char* key, const Words& words,
              Enum fallback, int first = 0) {
  const std::optional<std::string> text = store.Read(section, key);
  if (!text) return fallback;
  for (size_t i = 0; i < words.size(); ++i) {
    if (!words[i].empty() && *text == words[i])
      return static_cast<Enum>(first + static_cast<int>(i));
  }
  return fallback;
}

// The word of `value`; a value outside the words cannot come from the program, and the
// default's word is written instead, so the store always holds a word it can read back.
template <class Enum>
void WriteWord(SettingsStore& store, const char* section, const char* key, const Words& words,
               Enum value, Enum fallback, int first = 0) {
  const auto place = [&](Enum e) { return static_cast<int>(e) - first; };
  const bool known = place(value) >= 0 && place(value) < static_cast<int>(words.size()) &&
                     !words[static_cast<size_t>(place(value))].empty();
  store.Write(section, key,
              std::string(words[static_cast<size_t>(place(known ? value : fallback))]));
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

// The stored text of "nothing selected at this level".
constexpr const char* kNothingSelected = "NULL";

std::string ReadSelection(SettingsStore& store, const char* key) {
  std::string text = ReadText(store, kStatus, key);
  return text == kNothingSelected ? std::string() : text;
}

void WriteSelection(SettingsStore& store, const char* key, const std::string& name) {
  store.Write(kStatus, key, name.empty() ? std::string(kNothingSelected) : name);
}

void ReadSelections(SettingsStore& store, ViewState& state) {
  state.selectedCategory = ReadSelection(store, "SelectedCat");
  state.selectedItem = ReadSelection(store, "SelectedItem");
  state.selectedPerson = ReadSelection(store, "SelectedPerson");
  state.selectedPersonMenu = ReadSelection(store, "SelectedPersonMenu");
  state.selectedPersonMenuChild = ReadSelection(store, "SelectedPersonMenuChild");
  state.selectedStatisticType = ReadSelection(store, "SelectedStatisticType");
  state.selectedStatisticMenu = ReadSelection(store, "SelectedStatisticMenu");
  state.selectedStatisticMenuChild = ReadSelection(store, "SelectedStatisticMenuChild");
}

void WriteSelections(SettingsStore& store, const ViewState& state) {
  WriteSelection(store, "SelectedCat", state.selectedCategory);
  WriteSelection(store, "SelectedItem", state.selectedItem);
  WriteSelection(store, "SelectedPerson", state.selectedPerson);
  WriteSelection(store, "SelectedPersonMenu", state.selectedPersonMenu);
  WriteSelection(store, "SelectedPersonMenuChild", state.selectedPersonMenuChild);
  WriteSelection(store, "SelectedStatisticType", state.selectedStatisticType);
  WriteSelection(store, "SelectedStatisticMenu", state.selectedStatisticMenu);
  WriteSelection(store, "SelectedStatisticMenuChild", state.selectedStatisticMenuChild);
}

// The window's layout, as Qt's saveGeometry and saveState give it, in base64.
constexpr const char* kWindowGeometry = "WindowGeometry";
constexpr const char* kFolderBarSplitter = "FolderBarSplitter";
constexpr const char* kTreeSplitter = "TreeSplitter";

const char* FlagText(bool value) {
  return value ? "true" : "false";
}

}  // namespace

void LoadSettings(SettingsStore& store, ViewState& state) {
  const ViewState defaults;
  state.monthFilter = ReadWord(store, kConfig, "Show", kShowWords, defaults.monthFilter);
  state.totalsChart = ReadWord(store, kConfig, "Chart", kChartWords, defaults.totalsChart);
  state.monthsChart = ReadWord(store, kConfig, "month_Chart", kMonthChartWords,
                               defaults.monthsChart, kFirstMonthsStyle);
  state.smallCategoryIcons = ReadFlag(store, "IsSmallCat", false);
  state.smallPersonIcons = ReadFlag(store, "IsSmallPers", false);
  state.smallStatisticsIcons = ReadFlag(store, "IsSmallStat", false);
  ReadSelections(store, state);
  state.statisticView =
      ReadWord(store, kStatus, "StatisticView", kStatisticViewWords, defaults.statisticView);
  state.itemView = ReadWord(store, kStatus, "ItemView", kItemViewWords, defaults.itemView);
  state.selectedMonth = ReadText(store, kStatus, "SelectedMonth");
  state.showAllMonths = store.Read(kConfig, "ShowAllMonths") != "FALSE";
  state.currency = ReadText(store, kConfig, "Currency");
  state.monthsShown = ReadMonthsNum(store);
}

WindowLayout LoadWindowLayout(SettingsStore& store) {
  return WindowLayout{ReadText(store, kStatus, kWindowGeometry),
                      ReadText(store, kStatus, kFolderBarSplitter),
                      ReadText(store, kStatus, kTreeSplitter)};
}

void SaveWindowLayout(SettingsStore& store, const WindowLayout& layout) {
  store.Write(kStatus, kWindowGeometry, layout.geometry);
  store.Write(kStatus, kFolderBarSplitter, layout.folderBarSplitter);
  store.Write(kStatus, kTreeSplitter, layout.treeSplitter);
}

void SaveSettings(SettingsStore& store, const ViewState& state) {
  const ViewState defaults;
  WriteWord(store, kConfig, "Show", kShowWords, state.monthFilter, defaults.monthFilter);
  WriteWord(store, kConfig, "Chart", kChartWords, state.totalsChart, defaults.totalsChart);
  WriteWord(store, kConfig, "month_Chart", kMonthChartWords, state.monthsChart,
            defaults.monthsChart, kFirstMonthsStyle);
  store.Write(kConfig, "IsSmallCat", FlagText(state.smallCategoryIcons));
  store.Write(kConfig, "IsSmallPers", FlagText(state.smallPersonIcons));
  store.Write(kConfig, "IsSmallStat", FlagText(state.smallStatisticsIcons));
  WriteSelections(store, state);
  store.Write(kConfig, "Currency", state.currency);
  WriteWord(store, kStatus, "StatisticView", kStatisticViewWords, state.statisticView,
            defaults.statisticView);
  WriteWord(store, kStatus, "ItemView", kItemViewWords, state.itemView, defaults.itemView);
  store.Write(kConfig, "ShowAllMonths", state.showAllMonths ? "TRUE" : "FALSE");
  store.Write(kStatus, "SelectedMonth", state.selectedMonth);
  store.Write(kConfig, "MonthsNum", std::to_string(state.monthsShown < 1 ? 1 : state.monthsShown));
}

}  // namespace kestrune
