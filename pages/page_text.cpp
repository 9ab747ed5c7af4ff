#include "pages/page_text.h"

#include "database/amounts.h"
#include "pages/html_text.h"

namespace kestrune {

void PageText::Text(std::string_view text) {
  text_ += EscapeHtml(text);
}

void PageText::Href(std::string_view target) {
  text_ += EncodeHref(target);
}

void PageText::Amount(Cents amount) {
  AmountText(FormatShownCents(amount));
}

void PageText::AmountText(std::string_view stored) {
  Text(stored);
  text_ += ' ';
  Text(currency_);
}

}  // namespace kestrune
