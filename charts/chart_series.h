#pragma once

#include <string>
#include <vector>

namespace kestrune::charts {

// One bar, marker or slice: the key is the position of its category in the chart's label
// list, the value a whole amount of money.
struct ChartPoint {
  int key = 0;
  int value = 0;
};

// One group of the chart (for example one month): a name and its points in order.
class ChartSeries {
 public:
  ChartSeries() = default;
  explicit ChartSeries(std::string name) : name_(std::move(name)) {}

  void SetName(std::string name) { name_ = std::move(name); }
  const std::string& name() const { return name_; }

  // Appends a point; keys need not be unique or ordered.
  void AddPoint(int key, int value) { points_.push_back(ChartPoint{key, value}); }
  // The value of the first point with `key`; 0 when there is none.
  int ValueFor(int key) const;

  int PointCount() const { return static_cast<int>(points_.size()); }
  // Key and value of the first point; 0 for a series without points.
  int FirstKey() const { return points_.empty() ? 0 : points_.front().key; }
  int FirstValue() const { return points_.empty() ? 0 : points_.front().value; }

  const std::vector<ChartPoint>& points() const { return points_; }

 private:
  std::string name_;
  std::vector<ChartPoint> points_;
};

}  // namespace kestrune::charts
