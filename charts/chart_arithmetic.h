#pragma once

#include <string>

namespace kestrune::charts {

// The double to int conversion of every chart rule: towards zero, and kept within the int
// range (out-of-range or NaN values would otherwise be undefined behaviour).
int Truncate(double value);

// The value a chart draws for an amount: NaN as 0, and at most a billion either way (what a
// purchase may hold), so that the scale, 1.1 times the largest value, and every tick label
// stay well inside the int range. Larger values stand at the top of the scale.
double ChartValue(double amount);

// A font height for `length` characters: from `start`, lowered by 2 while half the height
// times the length exceeds `limit`. Never below 2, so a very long text or a tiny window
// cannot drive the height to 0 (the platform's "default size") or below.
int FittedFontSize(int start, int length, int limit);

// "%d" of a value, the text of scale labels and of the left margin's digit count.
std::string DecimalText(int value);

// Pixels per unit of value when `pixels` show the scale from `minimum` to `maximum`
// (maximum above minimum).
double PixelsPerUnit(int pixels, int minimum, int maximum);

// Pixel height of `value` above `minimum` at `pixels_per_unit`, truncated; a value at
// least one unit above the minimum that would come out below one pixel is drawn
// truncate(pixels_per_unit) tall instead, so it stays visible whenever the scale allows.
int ValueHeight(int value, int minimum, double pixels_per_unit);

// Height of a line graph's point: the value height, except that a point taller than the
// plot bottom (it would leave the canvas at the top) stands five pixels above the scale's
// top instead.
int LinePointHeight(int value, int minimum, int maximum, double pixels_per_unit, int plot_bottom);

}  // namespace kestrune::charts
