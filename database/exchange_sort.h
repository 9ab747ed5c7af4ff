#pragma once

#include <algorithm>
#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

namespace kestrune {

// The exchange sort that orders the months index and the purchases of an item page: for each
// position i, for each later position j, exchange the elements at i and j when the key at j
// is greater. Elements with equal keys end in an order of its own making, and files and
// pages show that order, so it is reproduced exactly rather than replaced by another sort.
//
// A key is a pair compared field by field; "greater" is exactly what the exchanges test:
// b.first > a.first, or equal firsts and b.second > a.second (a NaN is greater and smaller
// than nothing).
template <typename Key>
bool ExchangeKeyLess(const Key& a, const Key& b) {
  return a.first < b.first || (a.first == b.first && a.second < b.second);
}

// The exchanges as they are written, in quadratic time.
template <typename T, typename Key>
void ExchangeSortByHand(std::vector<T>& items, std::vector<Key> keys) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    for (std::size_t j = i + 1; j < items.size(); ++j) {
      if (!ExchangeKeyLess(keys[i], keys[j])) continue;
      std::swap(items[i], items[j]);
      std::swap(keys[i], keys[j]);
    }
  }
}

namespace exchange_sort_detail {

// Counts, per key rank, the elements taken so far; answers how many had a greater key.
class GreaterCounts {
 public:
  explicit GreaterCounts(std::size_t ranks) : tree_(ranks + 1, 0) {}
  void Add(std::size_t rank) {
    ++total_;
    for (std::size_t i = rank + 1; i < tree_.size(); i += i & (~i + 1)) ++tree_[i];
  }
  std::size_t GreaterThan(std::size_t rank) const {
    std::size_t at_most = 0;
    for (std::size_t i = rank + 1; i > 0; i -= i & (~i + 1)) at_most += tree_[i];
    return total_ - at_most;
  }

 private:
  std::vector<std::size_t> tree_;
  std::size_t total_ = 0;
};

// The elements of one key, in their current order, and how many greater elements had been
// taken when the order was last brought up to date.
struct Group {
  std::deque<std::size_t> members;
  std::size_t greater_seen = 0;

  // Each greater element taken since moves the group's first member to its end.
  void CatchUp(std::size_t greater_now) {
    const std::size_t size = members.size();
    const std::size_t turns = size == 0 ? 0 : (greater_now - greater_seen) % size;
    greater_seen = greater_now;
    if (turns <= size / 2) {
      for (std::size_t t = 0; t < turns; ++t) {
        members.push_back(members.front());
        members.pop_front();
      }
    } else {
      for (std::size_t t = turns; t < size; ++t) {
        members.push_front(members.back());
        members.pop_back();
      }
    }
  }
};

}  // namespace exchange_sort_detail

// The order ExchangeSortByHand gives, in O(n log n) and a few moves per element. Seen from
// the sorted end, the exchanges take the elements in order: each lands at the end of its
// own key's group, and every group of a smaller key moves its first member to its end.
// Keys holding a NaN order nothing consistently, so they are sorted by hand.
template <typename T, typename Key>
void ExchangeSort(std::vector<T>& items, const std::vector<Key>& keys) {
  using exchange_sort_detail::Group;
  if (!std::all_of(keys.begin(), keys.end(), [](const Key& k) { return k == k; })) {
    ExchangeSortByHand(items, keys);
    return;
  }
  std::vector<Key> distinct = keys;
  std::sort(distinct.begin(), distinct.end(), ExchangeKeyLess<Key>);
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  std::vector<Group> groups(distinct.size());
  exchange_sort_detail::GreaterCounts counts(distinct.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::size_t rank = static_cast<std::size_t>(
        std::lower_bound(distinct.begin(), distinct.end(), keys[i], ExchangeKeyLess<Key>) -
        distinct.begin());
    groups[rank].CatchUp(counts.GreaterThan(rank));
    groups[rank].members.push_back(i);
    counts.Add(rank);
  }
  std::vector<T> sorted;
  sorted.reserve(items.size());
  for (std::size_t rank = groups.size(); rank-- > 0;) {
    groups[rank].CatchUp(counts.GreaterThan(rank));
    for (std::size_t i : groups[rank].members) sorted.push_back(std::move(items[i]));
  }
  items = std::move(sorted);
}

}  // namespace kestrune
