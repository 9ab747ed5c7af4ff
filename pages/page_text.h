#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "database/amounts.h"

namespace kestrune {

// A page being put together in memory, piece after piece with nothing in between. Fixed
// pieces go in exactly as given; text taken from the user is escaped on the way in, so a
// writer cannot forget it. Changes nothing on disk.
class PageText {
 public:
  // `currency` is the text shown after every amount, possibly empty.
  explicit PageText(std::string currency) : currency_(std::move(currency)) {}

  // Appends a fixed piece of the page byte for byte.
  void Piece(std::string_view piece) { text_ += piece; }
  // Appends user text HTML-escaped (page text and attribute values alike).
  void Text(std::string_view text);
  // Appends a link target for between the quotes of an href (see EncodeHref).
  void Href(std::string_view target);
  // Appends an amount as pages show it: "%3.2f", one blank and the currency text.
  void Amount(Cents amount);
  // Appends a stored amount text as it is, one blank and the currency text.
  void AmountText(std::string_view stored);

  const std::string& str() const { return text_; }

 private:
  std::string currency_;
  std::string text_;
};

}  // namespace kestrune
