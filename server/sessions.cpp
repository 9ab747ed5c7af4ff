#include "server/sessions.h"

#include <algorithm>

#include "server/passphrase.h"

namespace kestrune::server {
namespace {

constexpr auto kSignedInIdle = std::chrono::hours(12);
constexpr auto kAnonymousIdle = std::chrono::minutes(30);
constexpr size_t kMostSessions = 1024;  // of each kind
constexpr size_t kMostAddresses = 4096;

}  // namespace

Session* Sessions::Find(const std::string& id, Clock::time_point now) {
  const auto found = sessions_.find(id);
  if (found == sessions_.end()) return nullptr;
  Session& session = found->second;
  const auto idle = session.person.empty() ? kAnonymousIdle : kSignedInIdle;
  if (now - session.last_used > idle) {
    sessions_.erase(found);
    return nullptr;
  }
  session.last_used = now;
  return &session;
}

std::string Sessions::Open(const std::string& person, const std::string& credential,
                           Clock::time_point now) {
  MakeRoom(!person.empty());
  std::string id = RandomToken();
  sessions_[id] = Session{person, credential, RandomToken(), now};
  return id;
}

void Sessions::MakeRoom(bool signed_in) {
  // Each kind makes room among its own, so a flood of sign-in pages never pushes out a
  // member's session.
  const auto same_kind = [&](const auto& entry) {
    return entry.second.person.empty() != signed_in;
  };
  while (std::count_if(sessions_.begin(), sessions_.end(), same_kind) >=
         static_cast<std::ptrdiff_t>(kMostSessions)) {
    auto oldest = sessions_.end();
    for (auto it = sessions_.begin(); it != sessions_.end(); ++it) {
      if (same_kind(*it) &&
          (oldest == sessions_.end() || it->second.last_used < oldest->second.last_used)) {
        oldest = it;
      }
    }
    sessions_.erase(oldest);
  }
}

bool SignInLimiter::Allowed(const std::string& address, Clock::time_point now) {
  const auto found = failures_.find(address);
  if (found == failures_.end()) return true;
  if (now - found->second.first >= kWindow) {
    failures_.erase(found);
    return true;
  }
  return found->second.count < kMaxFailures;
}

void SignInLimiter::Failed(const std::string& address, Clock::time_point now) {
  if (failures_.size() >= kMostAddresses) {
    std::erase_if(failures_, [&](const auto& e) { return now - e.second.first >= kWindow; });
  }
  // Beyond that many addresses at once, a new one is not counted until older ones expire.
  if (failures_.size() >= kMostAddresses) return;
  Failures& entry = failures_[address];
  if (entry.count == 0) entry.first = now;
  ++entry.count;
}

}  // namespace kestrune::server
