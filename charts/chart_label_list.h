#pragma once

#include <string>
#include <vector>

namespace kestrune::charts {

// One category name of the legend; the key is the category's position.
struct ChartLabel {
  int key = 0;
  std::string text;
};

// The chart's category names in the order they were added.
class ChartLabelList {
 public:
  // Appends a label; the longest length grows to the text's length in characters.
  void Add(int key, std::string text);
  // The text of the entry at `position` (not its key); empty past the end.
  std::string LabelAt(int position) const;
  // The longest text added, in characters; 0 when empty.
  int LongestLength() const { return longest_length_; }
  int Count() const { return static_cast<int>(labels_.size()); }
  const std::vector<ChartLabel>& labels() const { return labels_; }

 private:
  std::vector<ChartLabel> labels_;
  int longest_length_ = 0;
};

}  // namespace kestrune::charts
