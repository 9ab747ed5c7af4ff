#include "pages/budget_line.h"

#include <algorithm>

#include "pages/page_text.h"

namespace kestrune {
namespace {

constexpr const char* kUnderColour = "#33AA33";
constexpr const char* kOverColour = "#CC0000";

// The share of the budget spent as a CSS width, "0.00%" to "100.00%", from exact cents.
std::string FilledWidth(const BudgetUse& use) {
  const Cents spent = std::clamp<Cents>(use.spent, 0, use.budget);
  // Hundredths of a percent; a budget is at most 10^11 cents, so no product overflows.
  const Cents hundredths = spent * 10000 / use.budget;
  const std::string fraction = std::to_string(100 + hundredths % 100).substr(1);
  return std::to_string(hundredths / 100) + "." + fraction + "%";
}

void AddBar(PageText& page, const BudgetUse& use) {
  page.Piece(
      "<div class=\"budget-bar\" style=\"width:60%;height:10px;margin-top:3px;"
      "border:1px solid #A2B5D3;background:#FFFFFF\"><div class=\"");
  page.Piece(use.Over() ? "budget-over" : "budget-under");
  page.Piece("\" style=\"height:10px;width:");
  page.Piece(FilledWidth(use));
  page.Piece(";background:");
  page.Piece(use.Over() ? kOverColour : kUnderColour);
  page.Piece("\"></div></div>");
}

}  // namespace

std::string BudgetLine(const std::string& currency, const std::string& name,
                       const std::string& month_key, const Result<std::optional<BudgetUse>>& use) {
  PageText page(currency);
  if (!use.ok()) {
    page.Piece("<div class=\"budget\">");
    page.Text(use.status.message());
    page.Piece("</div>");
    return page.str();
  }
  if (!use.value) return {};
  page.Piece("<div class=\"budget\">Budget of ");
  page.Text(name);
  page.Piece(" for ");
  page.Text(MonthInWords(month_key));
  page.Piece(": ");
  page.Amount(use.value->budget);
  page.Piece(" / spent: ");
  page.Amount(use.value->spent);
  page.Piece(use.value->Over() ? " / <span style=\"color:#CC0000\">over: " : " / left: ");
  page.Amount(use.value->Over() ? -use.value->Left() : use.value->Left());
  if (use.value->Over()) page.Piece("</span>");
  AddBar(page, *use.value);
  page.Piece("</div>");
  return page.str();
}

}  // namespace kestrune
