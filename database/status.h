#pragma once

#include <string>
#include <utility>

namespace kestrune {

// The outcome of a call that can fail. A failed status carries a message a user can read and,
// where it helps, a detail saying why (shown under the message, or after it on one line).
class [[nodiscard]] Status {
 public:
  static Status Ok() { return Status(); }
  static Status Error(std::string message, std::string detail = {}) {
    Status status(std::move(message));
    status.detail_ = std::move(detail);
    return status;
  }

  bool ok() const { return !failed_; }
  const std::string& message() const { return message_; }
  const std::string& detail() const { return detail_; }

 private:
  Status() = default;
  explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}

  bool failed_ = false;
  std::string message_;
  std::string detail_;
};

}  // namespace kestrune
