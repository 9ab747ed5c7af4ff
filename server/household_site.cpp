// The routes, sessions and sign-in of the household pages.
#include "server/household_site.h"

#include "pages/page_assets.h"
#include "server/passphrase.h"
#include "server/site_pages.h"
#include "server/site_visit.h"

namespace kestrune::server {
namespace {

constexpr const char* kExpired =
    "This form has expired or was not sent from these pages. Open the page again and send it "
    "once more.";

WebResponse Redirect(const std::string& to) {
  WebResponse response;
  response.status = 303;
  response.headers.emplace_back("Location", to);
  return response;
}

WebResponse PlainError(int status, const std::string& text) {
  WebResponse response;
  response.status = status;
  response.content_type = "text/plain; charset=utf-8";
  response.body = text + "\n";
  return response;
}

std::string_view Asset(std::string_view name) {
  for (const PageAsset& asset : PageAssets()) {
    if (asset.name == name) return asset.bytes;
  }
  return {};
}

}  // namespace

const std::vector<HouseholdSite::Route>& HouseholdSite::Routes() {
  using S = HouseholdSite;
  static const std::vector<Route> routes = {
      {"GET", "/", false, &S::Root},
      {"GET", "/signin", false, &S::SignInPage},
      {"POST", "/signin", false, &S::SignIn},
      {"POST", "/signout", true, &S::SignOut},
      {"GET", "/record", true, &S::RecordPage},
      {"POST", "/record", true, &S::Record},
      {"GET", "/purchases", true, &S::PurchasesPage},
      {"GET", "/edit", true, &S::EditPage},
      {"POST", "/edit", true, &S::Edit},
      {"POST", "/delete", true, &S::Delete},
      {"GET", "/totals", true, &S::TotalsPage},
      {"GET", "/charts", true, &S::ChartsPage},
      {"GET", "/chart.svg", true, &S::Chart},
      {"GET", "/2.css", false, &S::OwnStyle},
      {"GET", "/phone.css", false, &S::PhoneStyleSheet},
  };
  return routes;
}

HouseholdSite::HouseholdSite(ExpenseDatabase& db, FileSystem& fs, bool secure, SiteHooks hooks)
    : db_(db), fs_(fs), secure_(secure), hooks_(std::move(hooks)) {}

Status HouseholdSite::Load() {
  recorders_.clear();
  return ReadRecorders(fs_, db_.database_folder(), recorders_);
}

WebResponse HouseholdSite::Handle(const WebRequest& request) {
  bool path_known = false;
  for (const Route& route : Routes()) {
    if (request.path != route.path) continue;
    path_known = true;
    if (request.method == route.method) return Dispatch(route, request);
  }
  if (path_known) return PlainError(405, "Method not allowed");
  return PlainError(404, "Not found");
}

WebResponse HouseholdSite::Dispatch(const Route& route, const WebRequest& request) {
  Visit visit{request, {}, request.session_id, nullptr, {}};
  visit.session = sessions_.Find(request.session_id, Clock::now());
  if (visit.session && !visit.session->person.empty()) {
    // A passphrase changed or taken away since sign-in ends the session's rights.
    auto member = FindMember(visit.session->person);
    if (member && member->hash == visit.session->credential) visit.member = *member;
  }
  if (route.member_only && visit.member.person.empty()) {
    if (request.method == "GET") return Redirect("/signin");
    return Refused(visit, 403, "Please sign in first.");
  }
  if (request.method == "POST") {
    if (request.body.size() > kLargestBody) return PlainError(413, "Request too large");
    visit.fields = DecodeForm(request.body);
    if (!visit.session || !SameToken(visit.fields["token"], visit.session->form_token)) {
      return Refused(visit, 403, kExpired);
    }
  } else {
    visit.fields = DecodeForm(request.query);
  }
  return (this->*route.handler)(visit);
}

WebResponse HouseholdSite::Framed(const Visit& visit, const std::string& title,
                                  const std::string& content, int status) const {
  WebResponse response;
  response.status = status;
  const std::string token = visit.session ? visit.session->form_token : std::string();
  response.body = Page({title, visit.member.person, token}, content);
  return response;
}

WebResponse HouseholdSite::Refused(const Visit& visit, int status,
                                   const std::string& message) const {
  const std::string back = visit.member.person.empty() ? "<p><a href=\"/signin\">Sign in</a></p>"
                                                       : "<p><a href=\"/record\">Record</a></p>";
  return Framed(visit, "Not done", ErrorBox(Status::Error(message)) + back, status);
}

std::optional<Member> HouseholdSite::FindMember(const std::string& person) const {
  std::vector<Member> members;
  if (!ReadMembers(fs_, db_.database_folder(), members).ok()) return std::nullopt;
  for (Member& member : members) {
    if (member.person == person) return std::move(member);
  }
  return std::nullopt;
}

void HouseholdSite::Changed() {
  if (hooks_.changed) hooks_.changed();
}

WebResponse HouseholdSite::Root(Visit& visit) {
  return Redirect(visit.member.person.empty() ? "/signin" : "/record");
}

std::string HouseholdSite::SignInForm(const std::string& token, const std::string& person) const {
  return "<form method=\"post\" action=\"/signin\">" + TokenField(token) +
         InputField("Name", "person", "text", person,
                    "autocomplete=\"username\" autocapitalize=\"none\" required autofocus") +
         InputField("Passphrase", "passphrase", "password", "",
                    "autocomplete=\"current-password\" required") +
         Button("Sign in") + "</form>\n";
}

WebResponse HouseholdSite::SignInPage(Visit& visit) {
  WebResponse response;
  if (!visit.session) {
    visit.session_id = sessions_.Open({}, {}, Clock::now());
    visit.session = sessions_.Find(visit.session_id, Clock::now());
    response.headers.emplace_back("Set-Cookie", SessionCookie(visit.session_id));
  }
  WebResponse page = Framed(visit, "Sign in", SignInForm(visit.session->form_token, {}));
  page.headers = std::move(response.headers);
  return page;
}

WebResponse HouseholdSite::SignIn(Visit& visit) {
  const std::string& address = visit.request.address;
  const std::string person = visit.fields["person"];
  const auto now = Clock::now();
  std::string refusal;
  if (!limiter_.Allowed(address, now)) {
    refusal = "Too many failed attempts. Wait a minute, then try again.";
  } else {
    const std::optional<Member> member = FindMember(person);
    // A name without a passphrase costs as much time as a wrong passphrase.
    const bool right =
        PassphraseMatches(member ? member->hash : DecoyHash(), visit.fields["passphrase"]) &&
        member;
    if (right) {
      limiter_.Succeeded(address);
      sessions_.Close(visit.session_id);
      WebResponse response = Redirect("/record");
      const std::string id = sessions_.Open(person, member->hash, now);
      response.headers.emplace_back("Set-Cookie", SessionCookie(id));
      return response;
    }
    limiter_.Failed(address, now);
    refusal = "Wrong name or passphrase.";
  }
  const std::string form =
      ErrorBox(Status::Error(refusal)) + SignInForm(visit.session->form_token, person);
  return Framed(visit, "Sign in", form, 401);
}

WebResponse HouseholdSite::SignOut(Visit& visit) {
  sessions_.Close(visit.session_id);
  WebResponse response = Redirect("/signin");
  response.headers.emplace_back("Set-Cookie",
                                std::string(kSessionCookie) +
                                    "=; Path=/; Max-Age=0; HttpOnly; SameSite=Strict" +
                                    (secure_ ? "; Secure" : ""));
  return response;
}

std::string HouseholdSite::SessionCookie(const std::string& id) const {
  return std::string(kSessionCookie) + "=" + id + "; Path=/; HttpOnly; SameSite=Strict" +
         (secure_ ? "; Secure" : "");
}

WebResponse HouseholdSite::OwnStyle(Visit&) {
  WebResponse response;
  response.content_type = "text/css; charset=utf-8";
  response.body = std::string(Asset("2.css"));
  return response;
}

WebResponse HouseholdSite::PhoneStyleSheet(Visit&) {
  WebResponse response;
  response.content_type = "text/css; charset=utf-8";
  response.body = std::string(PhoneStyle());
  return response;
}

}  // namespace kestrune::server
