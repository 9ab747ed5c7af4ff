#include "charts/chart_arithmetic.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

namespace kestrune::charts {

int Truncate(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}

double ChartValue(double amount) {
  constexpr double kLargest = 1e9;
  if (std::isnan(amount)) return 0.0;
  return std::clamp(amount, -kLargest, kLargest);
}

int FittedFontSize(int start, int length, int limit) {
  int size = start;
  while (size > 2 && (size / 2) * length > limit) size -= 2;
  return size;
}

std::string DecimalText(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d", value);
  return buffer;
}

double PixelsPerUnit(int pixels, int minimum, int maximum) {
  return static_cast<double>(pixels) /
         (static_cast<double>(maximum) - static_cast<double>(minimum));
}

int ValueHeight(int value, int minimum, double pixels_per_unit) {
  const double above = static_cast<double>(value) - static_cast<double>(minimum);
  const int height = Truncate(above * pixels_per_unit);
  if (above >= 1 && height < 1) return Truncate(pixels_per_unit);
  return height;
}

int LinePointHeight(int value, int minimum, int maximum, double pixels_per_unit, int plot_bottom) {
  const int height = ValueHeight(value, minimum, pixels_per_unit);
  if (height <= plot_bottom) return height;
  return Truncate((static_cast<double>(maximum) - minimum) * pixels_per_unit) + 5;
}

}  // namespace kestrune::charts
