#include "server/sessions.h"

#include <algorithm>

#include "server/passphrase.h"

namespace kestrune::server {
namespace {

constexpr auto kSignedInIdle = std::chrono::hours(12);
constexpr auto kAnonymousIdle = std::chrono::minutes(30);
constexpr size_t kMostSessions = 4096;
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
  MakeRoom();
  std::string id = RandomToken();
  sessions_[id] = Session{person, credential, RandomToken(), now};
  return id;
}

void Sessions::MakeRoom() {
  while (sessions_.size() >= kMostSessions) {
    const auto oldest = std::min_element(
        sessions_.begin(), sessions_.end(),
        [](const auto& a, const auto& b) { return a.second.last_used < b.second.last_used; });
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
