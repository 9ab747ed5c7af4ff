#include "pages/welcome_page.h"

#include "pages/page_links.h"
#include "pages/page_pieces.h"

namespace kestrune {
namespace {

void AddStep(PageText& page, std::string_view target, std::string_view label, bool done) {
  page.Piece("<li class=sh><a href=\"");
  page.Href(target);
  page.Piece("\">");
  page.Text(label);
  page.Piece("</a>");
  if (done) page.Piece(" &#10003;");
  page.Piece("</li>");
}

}  // namespace

bool ShowsWelcome(const ExpenseDatabase& db) {
  return db.GetMonths().empty();
}

std::string WelcomePageText(const ExpenseDatabase& db) {
  PageText page("");
  page.Piece("<html><head><LINK href=2.css type=text/css rel=stylesheet></head>");
  page.Piece("<body><div style=\"margin: 18px\"><h2>Welcome to Kestrune</h2>");
  page.Piece("<p>This book holds no purchase yet. Four steps start it:</p><ol>");
  AddStep(page, kAddPersonLink, "Add a person", db.HasPersons());
  AddStep(page, kAddCategoryLink, "Add an expense category", db.HasCategories());
  AddStep(page, kAddItemLink, "Add an expense item", db.HasItems());
  AddStep(page, kAddPurchaseLink, "Record a purchase", false);
  page.Piece("</ol><p>The folders on the left then show what the household spent.</p>");
  page.Piece("</div></body></html>");
  return page.str();
}

}  // namespace kestrune
