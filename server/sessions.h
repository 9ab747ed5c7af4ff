#pragma once

#include <chrono>
#include <map>
#include <string>

namespace kestrune::server {

using Clock = std::chrono::steady_clock;

// One browser's session: before sign-in it only carries the sign-in form's token.
struct Session {
  std::string person;      // empty until signed in
  std::string credential;  // the passphrase hash the member signed in with
  std::string form_token;
  Clock::time_point last_used;
};

// The sessions in memory (a restart signs everyone out). Ids and form tokens are random;
// idle sessions expire; the number kept of each kind (signed in or not) is bounded, the
// least recently used of that kind going first.
class Sessions {
 public:
  // The session of `id` when it exists and has not expired; its use time is renewed.
  Session* Find(const std::string& id, Clock::time_point now);
  // A new session for `person` (empty: not signed in), signed in with the passphrase whose
  // hash is `credential`, with fresh id and form token; returns its id.
  std::string Open(const std::string& person, const std::string& credential, Clock::time_point now);
  void Close(const std::string& id) { sessions_.erase(id); }

 private:
  void MakeRoom(bool signed_in);
  std::map<std::string, Session> sessions_;
};

// Counts failed sign-ins per address: after kMaxFailures in kWindow, the address is refused
// until the window has passed since its first failure.
class SignInLimiter {
 public:
  static constexpr int kMaxFailures = 5;
  static constexpr std::chrono::seconds kWindow{60};

  bool Allowed(const std::string& address, Clock::time_point now);
  void Failed(const std::string& address, Clock::time_point now);
  void Succeeded(const std::string& address) { failures_.erase(address); }

 private:
  struct Failures {
    int count = 0;
    Clock::time_point first;
  };
  std::map<std::string, Failures> failures_;
};

}  // namespace kestrune::server
