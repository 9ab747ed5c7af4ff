#pragma once

#include <map>
#include <string>

#include "server/household_site.h"

namespace kestrune::server {

// One request on its way through a route: its fields (the query of a GET, the form of a
// POST), its session and the member signed in (empty person: nobody).
struct HouseholdSite::Visit {
  const WebRequest& request;
  std::map<std::string, std::string> fields;
  std::string session_id;
  Session* session = nullptr;
  Member member;
};

}  // namespace kestrune::server
