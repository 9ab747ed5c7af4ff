#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrune::server {

// One request as the site sees it, whatever carried it.
struct WebRequest {
  std::string method;  // "GET", "POST", ...
  std::string path;    // as sent, still percent-encoded, without the query
  std::string query;   // after "?", still encoded
  std::string body;    // a form's fields, encoded
  std::string content_type;
  std::string session_id;  // the session cookie's value, if any
  std::string address;     // the client's address, for the sign-in limit
};

struct WebResponse {
  int status = 200;
  std::string content_type = "text/html; charset=utf-8";
  std::string body;
  std::vector<std::pair<std::string, std::string>> headers;  // beyond the common ones
};

// The fields of an "application/x-www-form-urlencoded" text (a query or a form body):
// "+" is a blank, "%XX" a byte; a malformed escape is kept as typed. A later field of the
// same name wins.
std::map<std::string, std::string> DecodeForm(std::string_view text);

// A value percent-encoded for a query: everything but letters, digits and "-._~".
std::string EncodeQueryValue(std::string_view value);

// The value of the cookie `name` in a Cookie header; empty when absent.
std::string CookieValue(std::string_view header, std::string_view name);

}  // namespace kestrune::server
