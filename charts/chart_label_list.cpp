#include "charts/chart_label_list.h"

#include <algorithm>

#include "charts/text_length.h"

namespace kestrune::charts {

void ChartLabelList::Add(int key, std::string text) {
  longest_length_ = std::max(longest_length_, CharacterCount(text));
  labels_.push_back(ChartLabel{key, std::move(text)});
}

std::string ChartLabelList::LabelAt(int position) const {
  if (position < 0 || position >= Count()) return {};
  return labels_[static_cast<std::size_t>(position)].text;
}

}  // namespace kestrune::charts
