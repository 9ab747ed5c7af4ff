#pragma once

#include <string>
#include <utility>

namespace kestrune {

// The outcome of a call that can fail. A failed status carries a code a caller can act on, a
// message a user can read and, where it helps, a detail saying why (shown under the message,
// or after it on one line).
class [[nodiscard]] Status {
 public:
  enum class Code {
    kOk,
    kNotFound,         // the file or entry is absent
    kIOError,          // the disk refused: a failed read, write, flush, lock or rename
    kCorruption,       // a file is there but its bytes are damaged
    kInvalidArgument,  // the request is refused: a bad name or sum, a path that is no file
  };

  static Status Ok() { return Status(); }
  // A refused request (kInvalidArgument); the named factories below give the other codes.
  static Status Error(std::string message, std::string detail = {}) {
    return InvalidArgument(std::move(message), std::move(detail));
  }
  static Status NotFound(std::string message, std::string detail = {}) {
    return Status(Code::kNotFound, std::move(message), std::move(detail));
  }
  static Status IOError(std::string message, std::string detail = {}) {
    return Status(Code::kIOError, std::move(message), std::move(detail));
  }
  static Status Corruption(std::string message, std::string detail = {}) {
    return Status(Code::kCorruption, std::move(message), std::move(detail));
  }
  static Status InvalidArgument(std::string message, std::string detail = {}) {
    return Status(Code::kInvalidArgument, std::move(message), std::move(detail));
  }

  bool ok() const { return code_ == Code::kOk; }
  Code code() const { return code_; }
  bool IsNotFound() const { return code_ == Code::kNotFound; }
  bool IsIOError() const { return code_ == Code::kIOError; }
  bool IsCorruption() const { return code_ == Code::kCorruption; }
  bool IsInvalidArgument() const { return code_ == Code::kInvalidArgument; }
  const std::string& message() const { return message_; }
  const std::string& detail() const { return detail_; }

  // The same failure told with another message (its code and detail kept); Ok stays Ok.
  Status WithMessage(std::string message) const {
    return ok() ? *this : Status(code_, std::move(message), detail_);
  }

 private:
  Status() = default;
  Status(Code code, std::string message, std::string detail)
      : code_(code), message_(std::move(message)), detail_(std::move(detail)) {}

  Code code_ = Code::kOk;
  std::string message_;
  std::string detail_;
};

}  // namespace kestrune
