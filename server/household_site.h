#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "charts/chart_ctrl.h"
#include "database/expense_database.h"
#include "database/file_system.h"
#include "server/book_views.h"
#include "server/household_files.h"
#include "server/sessions.h"
#include "server/web_types.h"

namespace kestrune::server {

// A calendar day.
struct Day {
  int year = 0, month = 0, day = 0;
};

// What the site needs from the program around it.
struct SiteHooks {
  // Called after every change the site made to the book.
  std::function<void()> changed;
  // The chart drawn as an SVG file; nothing when it cannot be drawn.
  std::function<std::optional<std::string>(charts::ChartCtrl& chart, charts::Size size)> draw_svg;
  // Today's date, in local time.
  std::function<Day()> today;
};

// The household pages over one book: a fixed table of routes, sessions and form tokens,
// and every change through the book's own calls, one request at a time. Runs on the thread
// that owns the database and never reads a path taken from a request.
class HouseholdSite {
 public:
  // `secure`: the pages are served over TLS (the cookie gets "Secure").
  HouseholdSite(ExpenseDatabase& db, FileSystem& fs, bool secure, SiteHooks hooks);

  // Reads who recorded which purchase. Fails when the file exists but cannot be read.
  [[nodiscard]] Status Load();

  // Answers one request by the fixed route table: "Not found" for any other path, "Method
  // not allowed" for another method. Member pages need a signed-in session whose passphrase
  // is still the member's; every form sent needs its session's token. A change is made (and
  // written) before the answer is returned.
  WebResponse Handle(const WebRequest& request);

  // The largest form body accepted.
  static constexpr size_t kLargestBody = 16 * 1024;
  // The name of the session cookie.
  static constexpr const char* kSessionCookie = "kestrune_session";

 private:
  struct Visit;
  using Handler = WebResponse (HouseholdSite::*)(Visit&);
  struct Route {
    const char* method;
    const char* path;
    bool member_only;
    Handler handler;
  };
  static const std::vector<Route>& Routes();

  WebResponse Dispatch(const Route& route, const WebRequest& request);
  WebResponse Framed(const Visit& visit, const std::string& title, const std::string& content,
                     int status = 200) const;
  WebResponse Refused(const Visit& visit, int status, const std::string& message) const;
  std::optional<Member> FindMember(const std::string& person) const;
  bool MayChange(const Visit& visit, const ListedPurchase& purchase) const;
  void Changed();
  std::string SessionCookie(const std::string& id) const;

  WebResponse Root(Visit& visit);
  WebResponse SignInPage(Visit& visit);
  WebResponse SignIn(Visit& visit);
  WebResponse SignOut(Visit& visit);
  WebResponse RecordPage(Visit& visit);
  WebResponse Record(Visit& visit);
  WebResponse PurchasesPage(Visit& visit);
  WebResponse EditPage(Visit& visit);
  WebResponse Edit(Visit& visit);
  WebResponse Delete(Visit& visit);
  WebResponse TotalsPage(Visit& visit);
  WebResponse ChartsPage(Visit& visit);
  WebResponse Chart(Visit& visit);
  WebResponse OwnStyle(Visit& visit);
  WebResponse PhoneStyleSheet(Visit& visit);

  std::string RecordForm(const Visit& visit, const std::string& category,
                         const std::map<std::string, std::string>& typed) const;
  std::string SignInForm(const std::string& token, const std::string& person) const;
  std::string PurchaseRows(const Visit& visit, const std::vector<ListedPurchase>& listed) const;
  std::string EditForm(const Visit& visit, const ListedPurchase& purchase,
                       const std::map<std::string, std::string>& typed) const;
  // The purchase the form names, when the book holds it; a refusal otherwise.
  std::optional<ListedPurchase> NamedPurchase(const Visit& visit, Status& why) const;
  // The purchase the fields give (item, date, person, sum, note), or why not.
  std::optional<PurchaseRecord> TypedPurchase(const std::map<std::string, std::string>& fields,
                                              const char* sum_message, Status& why) const;
  void NoteRecorder(const std::string& person, const std::string& category, const std::string& item,
                    const std::string& line);
  // Takes one entry of the line out (the visitor's own first); the recorder it named.
  std::string DropRecorder(const std::string& person, const ListedPurchase& purchase);
  Status SaveRecorders();

  ExpenseDatabase& db_;
  FileSystem& fs_;
  bool secure_;
  SiteHooks hooks_;
  Sessions sessions_;
  SignInLimiter limiter_;
  std::vector<Recorded> recorders_;
};

}  // namespace kestrune::server
