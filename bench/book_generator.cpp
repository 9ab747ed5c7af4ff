#include "bench/book_generator.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>

#include "database/month_keys.h"

namespace kestrune {
namespace {

// SplitMix64: tiny, and the same on every platform and library (the standard
// distributions are not).
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // 0 <= result < bound.
  std::int64_t Below(std::int64_t bound) {
    return static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(bound));
  }
  // 0 <= result < 1.
  double Fraction() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

 private:
  std::uint64_t state_;
};

constexpr std::array<const char*, 8> kNotes = {"",     "weekly shop", "market", "online",
                                               "gift", "sale",        "cash",   "card"};

// One in this many purchases is made for the whole household.
constexpr int kForAllEvery = 5;

// "Category 07": the number padded to the width of the largest.
std::string Numbered(const char* prefix, int number, int largest) {
  std::string digits = std::to_string(number);
  const std::size_t width = std::to_string(largest).size();
  return prefix + std::string(width - digits.size(), '0') + digits;
}

int DaysIn(const CalendarMonth& month) {
  const std::chrono::year_month_day_last last{
      std::chrono::year{month.year},
      std::chrono::month_day_last{std::chrono::month{static_cast<unsigned>(month.number)}}};
  return static_cast<int>(static_cast<unsigned>(last.day()));
}

// Item rank r is item r / categories of category r % categories; rank 0 is bought most, in
// proportion to 1 / sqrt(r + 1).
std::vector<double> CumulativeWeights(int ranks) {
  std::vector<double> cumulative;
  double sum = 0.0;
  for (int r = 0; r < ranks; ++r) {
    sum += 1.0 / std::sqrt(static_cast<double>(r + 1));
    cumulative.push_back(sum);
  }
  return cumulative;
}

void AddCatalogue(GeneratedBook& book) {
  const BookShape& shape = book.shape;
  for (int c = 1; c <= shape.categories; ++c) {
    CategoryRecord category{Numbered("Category ", c, shape.categories), "generated", {}};
    for (int i = 1; i <= shape.items; ++i) {
      category.items.push_back({Numbered("Item ", i, shape.items), ""});
    }
    book.categories.push_back(std::move(category));
  }
  for (int p = 1; p <= shape.persons; ++p) {
    book.persons.push_back({Numbered("Person ", p, shape.persons), ""});
  }
}

// The purchases of one month, by day.
void AddMonthPurchases(GeneratedBook& book, int month, std::int64_t count, Random& random,
                       const std::vector<double>& weights,
                       const std::vector<std::int64_t>& prices) {
  const BookShape& shape = book.shape;
  const int days = DaysIn(CalendarMonthOf(shape, month));
  const std::size_t first = book.purchases.size();
  for (std::int64_t n = 0; n < count; ++n) {
    GeneratedPurchase p;
    const double pick = random.Fraction() * weights.back();
    const auto rank = std::min<std::size_t>(
        std::upper_bound(weights.begin(), weights.end(), pick) - weights.begin(),
        weights.size() - 1);
    p.category = static_cast<std::int32_t>(rank % static_cast<std::size_t>(shape.categories));
    p.item = static_cast<std::int32_t>(rank / static_cast<std::size_t>(shape.categories));
    p.month = month;
    p.day = static_cast<std::int16_t>(1 + random.Below(days));
    const bool shared = shape.persons == 0 || random.Below(kForAllEvery) == 0;
    p.person = shared ? -1 : static_cast<std::int16_t>(random.Below(shape.persons));
    p.note = static_cast<std::int32_t>(random.Below(kNotes.size()));
    p.cents = std::max<std::int64_t>(1, prices[rank] * (50 + random.Below(101)) / 100);
    book.purchases.push_back(p);
  }
  std::stable_sort(book.purchases.begin() + static_cast<std::ptrdiff_t>(first),
                   book.purchases.end(),
                   [](const auto& a, const auto& b) { return a.day < b.day; });
}

}  // namespace

std::string CheckBookShape(const BookShape& shape) {
  if (shape.categories < 1 || shape.categories > 9999) return "categories must be 1 to 9999";
  if (shape.items < 1 || shape.items > 9999) return "items must be 1 to 9999";
  if (shape.persons < 0 || shape.persons > 9999) return "persons must be 0 to 9999";
  if (shape.months < 1 || shape.months > kMostGeneratedMonths) {
    return "months must be 1 to " + std::to_string(kMostGeneratedMonths);
  }
  if (shape.purchases < 0 || shape.purchases > 100000000) {
    return "purchases must be 0 to 100000000";
  }
  return {};
}

GeneratedBook GenerateBook(const BookShape& shape) {
  GeneratedBook book{shape, {}, {}, {}};
  AddCatalogue(book);
  Random random(shape.seed);
  const int ranks = shape.categories * shape.items;
  const std::vector<double> weights = CumulativeWeights(ranks);
  std::vector<std::int64_t> prices;
  for (int r = 0; r < ranks; ++r) prices.push_back(150 + random.Below(4850));
  book.purchases.reserve(static_cast<std::size_t>(shape.purchases));
  for (int month = 0; month < shape.months; ++month) {
    // Spread evenly: month m gets its share of the purchases left over by the division.
    const std::int64_t count =
        (month + 1) * shape.purchases / shape.months - month * shape.purchases / shape.months;
    AddMonthPurchases(book, month, count, random, weights, prices);
  }
  return book;
}

CalendarMonth CalendarMonthOf(const BookShape& shape, int month) {
  // Counted back from the last month: twelve months a year.
  const int back = shape.months - 1 - month + (12 - kGeneratedLastMonth);
  return {kGeneratedLastYear - back / 12, 12 - back % 12};
}

std::string GeneratedNote(int note) {
  return kNotes[static_cast<std::size_t>(note) % kNotes.size()];
}

std::string GeneratedMonthKey(const BookShape& shape, int month) {
  const CalendarMonth calendar = CalendarMonthOf(shape, month);
  return MakeMonthKey(std::to_string(calendar.year), MonthName(calendar.number));
}

}  // namespace kestrune
