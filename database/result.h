#pragma once

#include <utility>

#include "database/status.h"

namespace kestrune {

// A value read from the book, and whether it could be read. On a failure the value is its
// type's empty value and `status` says which file could not be read and why.
template <typename T>
struct [[nodiscard]] Result {
  T value{};
  Status status = Status::Ok();

  bool ok() const { return status.ok(); }
};

// The failure of `status` as a result of any type.
template <typename T>
Result<T> Failed(Status status) {
  return Result<T>{T{}, std::move(status)};
}

// The first failure among the many reads of one answer (a page, a chart): each read's value
// is taken as it is, and the answer as a whole fails with the first read that failed.
class FirstFailure {
 public:
  template <typename T>
  T Take(Result<T> result) {
    Keep(result.status);
    return std::move(result.value);
  }
  void Keep(const Status& status) {
    if (first_.ok() && !status.ok()) first_ = status;
  }
  const Status& status() const { return first_; }
  // `value` when every read succeeded, otherwise the first failure.
  template <typename T>
  Result<T> Finish(T value) const {
    if (!first_.ok()) return Failed<T>(first_);
    return Result<T>{std::move(value)};
  }

 private:
  Status first_ = Status::Ok();
};

}  // namespace kestrune
