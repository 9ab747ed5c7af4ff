#include "database/amounts.h"

#include <charconv>
#include <cmath>

namespace kestrune {
namespace {

constexpr double kLargestSum = 1e9;

bool IsCBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string FormatFixed(double amount, std::size_t width) {
  if (std::fabs(amount) < 0.005) amount = 0.0;
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, amount, std::chars_format::fixed, 2);
  std::string text(buffer, result.ptr);
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

}  // namespace

double ParseAmount(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsCBlank(text[at])) ++at;
  if (at < text.size() && text[at] == '+') ++at;
  double value = 0.0;
  const auto result = std::from_chars(text.data() + at, text.data() + text.size(), value);
  return result.ec == std::errc() ? value : 0.0;
}

std::optional<double> ReadWholeAmount(std::string_view text) {
  while (!text.empty() && IsCBlank(text.back())) text.remove_suffix(1);
  while (!text.empty() && IsCBlank(text.front())) text.remove_prefix(1);
  if (text.starts_with('+')) text.remove_prefix(1);
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

bool IsSaneSum(double sum) {
  return std::isfinite(sum) && std::fabs(sum) <= kLargestSum;
}

bool IsSaneTotal(double total) {
  return std::isfinite(total) && std::fabs(total) <= kLargestSum * 1e4;
}

std::string FormatFileAmount(double amount) {
  return FormatFixed(amount, 5);
}

std::string FormatShownAmount(double amount) {
  return FormatFixed(amount, 3);
}

}  // namespace kestrune
