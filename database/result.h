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

}  // namespace kestrune
