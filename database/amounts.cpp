#include "database/amounts.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace kestrune {
namespace {

bool IsCBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A typed sum cut into digit runs and the marks between them ('.', ',' or ' ' for any blank
// or group separator); `runs` always holds one run more than `marks`.
struct SumPieces {
  std::vector<std::string> runs{1};
  std::vector<std::size_t> at;  // where each mark starts in the text
  std::vector<char> marks;
  std::size_t end = 0;  // where the first character that belongs to no sum starts
};

std::size_t SpaceLength(std::string_view rest, std::string_view group) {
  for (std::string_view space : {std::string_view(" "), std::string_view("\xC2\xA0"),
                                 std::string_view("\xE2\x80\xAF"), group}) {
    if (!space.empty() && rest.starts_with(space)) return space.size();
  }
  return 0;
}

SumPieces SplitSum(std::string_view body, std::string_view group) {
  SumPieces pieces;
  std::size_t at = 0;
  while (at < body.size()) {
    const char c = body[at];
    if (c >= '0' && c <= '9') {
      pieces.runs.back() += c;
      ++at;
      continue;
    }
    const bool mark = c == '.' || c == ',';
    const std::size_t length = mark ? 1 : SpaceLength(body.substr(at), group);
    if (length == 0) break;
    pieces.at.push_back(at);
    pieces.marks.push_back(mark ? c : ' ');
    pieces.runs.emplace_back();
    at += length;
  }
  pieces.end = at;
  return pieces;
}

// The index of the decimal mark: the last "," or "." when it is the only one of its kind and not
// the user's group separator before three digits; marks.size() when there is none.
std::size_t DecimalMark(const SumPieces& pieces, std::string_view group) {
  const std::vector<char>& marks = pieces.marks;
  std::size_t last = marks.size();
  for (std::size_t i = marks.size(); i-- > 0 && last == marks.size();) {
    if (marks[i] != ' ') last = i;
  }
  if (last == marks.size()) return last;
  const char kind = marks[last];
  if (std::count(marks.begin(), marks.end(), kind) > 1) return marks.size();
  const bool other = std::count(marks.begin(), marks.end(), kind == '.' ? ',' : '.') > 0;
  if (!other && group == std::string_view(&kind, 1) && pieces.runs[last + 1].size() == 3) {
    return marks.size();
  }
  return last;
}

// The first mark where no group separator can be, or marks.size(): groups hold three digits
// (the first one to three), use one kind of mark, and stop at the decimal mark.
std::size_t MisplacedMark(const SumPieces& pieces, std::size_t decimal) {
  char group_mark = 0;
  for (std::size_t i = 0; i < pieces.marks.size(); ++i) {
    if (i == decimal) continue;
    const char mark = pieces.marks[i];
    const std::size_t first = pieces.runs[0].size();
    if (i > decimal || pieces.runs[i + 1].size() != 3 || first == 0 || first > 3) return i;
    if (mark != ' ' && group_mark != 0 && mark != group_mark) return i;
    if (mark != ' ') group_mark = mark;
  }
  return pieces.marks.size();
}

// The digits before and after the decimal mark, with "." between them.
std::string DecimalText(const SumPieces& pieces, std::size_t decimal) {
  std::string number;
  for (std::size_t i = 0; i < pieces.runs.size(); ++i) {
    if (i == decimal + 1) number += '.';
    number += pieces.runs[i];
  }
  return number;
}

}  // namespace

TypedSum ReadTypedSum(std::string_view text, std::string_view group_separator) {
  while (!text.empty() && IsCBlank(text.back())) text.remove_suffix(1);
  while (!text.empty() && IsCBlank(text.front())) text.remove_prefix(1);
  const bool negative = text.starts_with('-');
  std::string_view body = text;
  if (negative || text.starts_with('+')) body.remove_prefix(1);
  const SumPieces pieces = SplitSum(body, group_separator);
  if (pieces.end < body.size()) {
    return {std::nullopt, std::string(body.substr(pieces.end))};
  }
  const std::size_t decimal = DecimalMark(pieces, group_separator);
  const std::size_t misplaced = MisplacedMark(pieces, decimal);
  if (misplaced < pieces.marks.size()) {
    return {std::nullopt, std::string(body.substr(pieces.at[misplaced]))};
  }
  // The digits before and after the decimal mark as one number.
  const std::string number = DecimalText(pieces, decimal);
  if (number.empty() || number == ".") return {std::nullopt, std::string(text)};
  const Cents cents = ParseCents(number);
  return {negative ? -cents : cents, {}};
}

namespace {

// A decimal number's digits and where its point stands: "12.345" is {"12345", 2}.
struct DecimalDigits {
  std::string digits;
  long long point = 0;
};

// The decimal number at the start of `text` (no sign, no blanks): how many characters it
// takes, 0 when none. Takes an exponent only when digits follow the "e".
std::size_t ScanDecimal(std::string_view text, DecimalDigits& out) {
  std::size_t at = 0;
  bool any = false;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, any = true) {
    out.digits += text[at];
  }
  out.point = static_cast<long long>(out.digits.size());
  if (at < text.size() && text[at] == '.') {
    std::size_t frac = at + 1;
    for (; frac < text.size() && text[frac] >= '0' && text[frac] <= '9'; ++frac, any = true) {
      out.digits += text[frac];
    }
    if (any) at = frac;
  }
  if (!any) return 0;
  std::size_t exp = at + 1;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    const bool minus = exp < text.size() && text[exp] == '-';
    if (exp < text.size() && (text[exp] == '-' || text[exp] == '+')) ++exp;
    long long shift = 0;
    std::size_t digits_at = exp;
    for (; exp < text.size() && text[exp] >= '0' && text[exp] <= '9'; ++exp) {
      shift = std::min(shift * 10 + (text[exp] - '0'), 100000LL);
    }
    if (exp > digits_at) {
      out.point += minus ? -shift : shift;
      at = exp;
    }
  }
  return at;
}

// The digits as cents, rounded half away from zero; kHugeCents when too large.
Cents ToCents(const DecimalDigits& number) {
  const long long whole = number.point + 2;  // digits that make the cents
  Cents cents = 0;
  for (long long i = 0; i < whole; ++i) {
    const char digit = i < static_cast<long long>(number.digits.size()) && i >= 0
                           ? number.digits[static_cast<std::size_t>(i)]
                           : '0';
    if (cents > kHugeCents / 10) return kHugeCents;
    cents = cents * 10 + (digit - '0');
  }
  const bool round_up = whole >= 0 && whole < static_cast<long long>(number.digits.size()) &&
                        number.digits[static_cast<std::size_t>(whole)] >= '5';
  return std::min(cents + (round_up ? 1 : 0), kHugeCents);
}

struct SignedScan {
  Cents cents = 0;
  std::size_t end = 0;  // 0 when no number was found
};

SignedScan ScanCents(std::string_view text) {
  std::size_t at = 0;
  const bool minus = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++at;
  DecimalDigits number;
  const std::size_t taken = ScanDecimal(text.substr(at), number);
  if (taken == 0) return {};
  const Cents cents = ToCents(number);
  return {minus ? -cents : cents, at + taken};
}

std::string FormatCents(Cents amount, std::size_t width) {
  const bool minus = amount < 0;
  const std::uint64_t magnitude =
      minus ? ~static_cast<std::uint64_t>(amount) + 1 : static_cast<std::uint64_t>(amount);
  std::string cents = std::to_string(magnitude % 100);
  if (cents.size() < 2) cents.insert(0, "0");
  std::string text = (minus ? "-" : "") + std::to_string(magnitude / 100) + "." + cents;
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

constexpr Cents kLargestSumCents = 100'000'000'000;  // 1,000,000,000.00

}  // namespace

Cents ParseCents(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsCBlank(text[at])) ++at;
  return ScanCents(text.substr(at)).cents;
}

std::optional<Cents> ReadWholeCents(std::string_view text) {
  while (!text.empty() && IsCBlank(text.back())) text.remove_suffix(1);
  while (!text.empty() && IsCBlank(text.front())) text.remove_prefix(1);
  const SignedScan scan = ScanCents(text);
  if (scan.end == 0 || scan.end != text.size()) return std::nullopt;
  return scan.cents;
}

std::string FormatFileCents(Cents amount) {
  return FormatCents(amount, 5);
}

std::string FormatShownCents(Cents amount) {
  return FormatCents(amount, 3);
}

bool IsSaneSumCents(Cents sum) {
  return sum <= kLargestSumCents && sum >= -kLargestSumCents;
}

bool IsSaneTotalCents(Cents total) {
  return total <= kLargestSumCents * 10'000 && total >= -kLargestSumCents * 10'000;
}

Cents DivideRounded(Cents numerator, Cents denominator) {
  const Cents quotient = numerator / denominator;
  const Cents remainder = numerator % denominator;
  const bool half_or_more = 2 * (remainder < 0 ? -remainder : remainder) >= denominator;
  return quotient + (half_or_more ? (numerator < 0 ? -1 : 1) : 0);
}

}  // namespace kestrune
