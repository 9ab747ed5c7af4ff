// Recording, listing, editing and deleting purchases, and the totals and charts pages.
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>

#include "database/month_keys.h"
#include "database/sections.h"
#include "database/validation.h"
#include "pages/html_text.h"
#include "server/household_site.h"
#include "server/site_pages.h"
#include "server/site_visit.h"

namespace kestrune::server {
namespace {

constexpr size_t kListed = 50;
constexpr const char* kNotYours = "You may change only the purchases you recorded.";

std::string IsoDate(const Day& day) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.year, day.month, day.day);
  return text;
}

std::string IsoDate(const PurchaseRecord& p) {
  return IsoDate({std::atoi(p.year.c_str()), MonthNumber(p.month), std::atoi(p.day.c_str())});
}

// The day of "YYYY-MM-DD", as a date field sends it; nothing for any other text.
std::optional<Day> ParseDay(const std::string& text) {
  Day day;
  const char* s = text.data();
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' ||
      std::from_chars(s, s + 4, day.year).ptr != s + 4 ||
      std::from_chars(s + 5, s + 7, day.month).ptr != s + 7 ||
      std::from_chars(s + 8, s + 10, day.day).ptr != s + 10 || day.year < 1000) {
    return std::nullopt;
  }
  const std::chrono::year_month_day ymd{std::chrono::year{day.year},
                                        std::chrono::month{static_cast<unsigned>(day.month)},
                                        std::chrono::day{static_cast<unsigned>(day.day)}};
  if (!ymd.ok()) return std::nullopt;
  return day;
}

std::string Shown(const std::string& file_sum) {
  return FormatShownCents(ParseCents(file_sum));
}

std::string SavedNote(const std::string& category, const std::string& item,
                      const PurchaseRecord& p) {
  return "Saved: " + item + " (" + category + "), " + Shown(p.sum) + " on " + IsoDate(p) + " for " +
         p.person + (p.information.empty() ? "" : ", \"" + p.information + "\"") + ".";
}

std::string Field(const std::map<std::string, std::string>& fields, const std::string& name) {
  const auto found = fields.find(name);
  return found == fields.end() ? std::string() : found->second;
}

}  // namespace

std::optional<PurchaseRecord> HouseholdSite::TypedPurchase(
    const std::map<std::string, std::string>& fields, const char* sum_message, Status& why) const {
  const SumEntry sum = CheckTypedSum(Field(fields, "sum"), "", sum_message);
  const std::string category = Field(fields, "category"), item = Field(fields, "item");
  const std::string person = Field(fields, "person"), date = Field(fields, "date");
  const std::optional<Day> day = ParseDay(date);
  if (!sum.status.ok()) {
    why = sum.status;
  } else if (!db_.HasPersons() || !db_.ItemExists(category, item)) {
    why = Status::Error("Impossible to add purchase.",
                        db_.HasPersons() ? "Choose an item first." : "Add a person first.");
  } else if (person != kForAll && !db_.PersonExists(person)) {
    why = Status::Error("Unknown person: " + person);
  } else if (!day) {
    why = Status::Error("Invalid date: " + date, "Use YYYY-MM-DD.");
  } else {
    return PurchaseRecord{std::to_string(day->year),
                          std::string(MonthName(day->month)),
                          IsoDate(*day).substr(8),
                          person,
                          PurchaseInformation(Field(fields, "note")),
                          FormatFileCents(sum.sum)};
  }
  return std::nullopt;
}

std::string HouseholdSite::RecordForm(const Visit& visit, const std::string& category,
                                      const std::map<std::string, std::string>& typed) const {
  std::string html = "<form method=\"get\" action=\"/record\">" +
                     SelectField("Category", "category", db_.GetCategoryNames(), category) +
                     Button("Choose") + "</form>\n";
  if (!db_.CategoryExists(category)) return html;
  std::vector<std::string> persons = db_.GetPersonNames();
  persons.push_back(kForAll);
  const std::string person = typed.count("person") ? Field(typed, "person") : visit.member.person;
  const std::string date = typed.count("date") ? Field(typed, "date") : IsoDate(hooks_.today());
  return html + "<form method=\"post\" action=\"/record\">" +
         TokenField(visit.session->form_token) + HiddenField("category", category) +
         SelectField("Item", "item", db_.GetItemNames(category), Field(typed, "item")) +
         SelectField("Person", "person", persons, person) +
         InputField("Date", "date", "date", date, "required") +
         InputField("Sum", "sum", "text", Field(typed, "sum"), "inputmode=\"decimal\" required") +
         InputField("Note", "note", "text", Field(typed, "note"), "maxlength=\"500\"") +
         Button("Save") + "</form>\n";
}

WebResponse HouseholdSite::RecordPage(Visit& visit) {
  std::string category = Field(visit.fields, "category");
  const std::vector<std::string> categories = db_.GetCategoryNames();
  if (category.empty() && categories.size() == 1) category = categories.front();
  if (categories.empty()) {
    return Framed(visit, "Record a purchase",
                  NoteBox("The book has no categories yet. Add them in the desktop program."));
  }
  return Framed(visit, "Record a purchase", RecordForm(visit, category, {}));
}

WebResponse HouseholdSite::Record(Visit& visit) {
  const std::string category = Field(visit.fields, "category");
  Status why = Status::Ok();
  const std::optional<PurchaseRecord> record =
      TypedPurchase(visit.fields, "Please type purchase summ.", why);
  const std::string item = Field(visit.fields, "item");
  if (record) why = db_.RecordPurchase(category, item, *record);
  if (!record || !why.ok()) {
    return Framed(visit, "Record a purchase",
                  ErrorBox(why) + RecordForm(visit, category, visit.fields), 422);
  }
  Changed();
  NoteRecorder(visit.member.person, category, item, FormatPurchaseLine(*record));
  std::string notes = NoteBox(SavedNote(category, item, *record));
  if (Status kept = SaveRecorders(); !kept.ok()) notes += ErrorBox(kept);
  const std::map<std::string, std::string> keep = {
      {"item", item}, {"person", record->person}, {"date", IsoDate(*record)}};
  return Framed(visit, "Record a purchase", notes + RecordForm(visit, category, keep));
}

bool HouseholdSite::MayChange(const Visit& visit, const ListedPurchase& p) const {
  if (visit.member.owner) return true;
  const Recorded wanted{visit.member.person, p.category, p.item, p.line};
  return std::find(recorders_.begin(), recorders_.end(), wanted) != recorders_.end();
}

std::string HouseholdSite::PurchaseRows(const Visit& visit,
                                        const std::vector<ListedPurchase>& listed) const {
  std::vector<std::vector<std::string>> rows;
  for (const ListedPurchase& p : listed) {
    std::string actions;
    if (MayChange(visit, p)) {
      const std::vector<std::pair<std::string, std::string>> names = {
          {"category", p.category}, {"item", p.item}, {"line", p.line}};
      actions = Link("/edit", names, "Edit") + "<br><form method=\"post\" action=\"/delete\">" +
                TokenField(visit.session->form_token) + HiddenField("category", p.category) +
                HiddenField("item", p.item) + HiddenField("line", p.line) +
                "<button type=\"submit\">Delete</button></form>";
    }
    // One purchase in three narrow cells, so a row fits a phone's width.
    std::string about = IsoDate(p.purchase) + " \u00b7 " + p.purchase.person;
    if (!p.purchase.information.empty()) about += " \u00b7 " + p.purchase.information;
    rows.push_back(
        {"<b>" + EscapeHtml(p.item + " (" + p.category + ")") + "</b><br>" + EscapeHtml(about),
         Shown(p.purchase.sum), actions});
  }
  return Table({"Purchase", "Sum", ""}, rows, 0b101);
}

WebResponse HouseholdSite::PurchasesPage(Visit& visit) {
  std::vector<ListedPurchase> listed;
  if (Status read = NewestPurchases(db_, kListed, listed); !read.ok()) {
    return Framed(visit, "Newest purchases", ErrorBox(read), 500);
  }
  if (listed.empty()) return Framed(visit, "Newest purchases", "<p>No purchases yet.</p>\n");
  return Framed(visit, "Newest purchases", PurchaseRows(visit, listed));
}

std::optional<ListedPurchase> HouseholdSite::NamedPurchase(const Visit& visit, Status& why) const {
  const std::string category = Field(visit.fields, "category"), item = Field(visit.fields, "item");
  const std::string line = Field(visit.fields, "line");
  std::vector<PurchaseRecord> purchases;
  if (db_.ItemExists(category, item)) {
    why = db_.ItemPurchases(std::string(kAllMonths), category, item, purchases);
    if (!why.ok()) return std::nullopt;
  }
  const PurchaseRecord wanted = ParsePurchaseLine(line);
  if (std::find(purchases.begin(), purchases.end(), wanted) == purchases.end()) {
    why = Status::Error("No such purchase: it was changed or deleted meanwhile.");
    return std::nullopt;
  }
  return ListedPurchase{category, item, line, wanted};
}

std::string HouseholdSite::EditForm(const Visit& visit, const ListedPurchase& p,
                                    const std::map<std::string, std::string>& typed) const {
  std::vector<std::string> persons = db_.GetPersonNames();
  persons.push_back(kForAll);
  const auto value = [&](const std::string& name, const std::string& stored) {
    return typed.count(name) ? Field(typed, name) : stored;
  };
  return "<p>" + EscapeHtml(p.item + " (" + p.category + ")") +
         "</p>\n<form method=\"post\" action=\"/edit\">" + TokenField(visit.session->form_token) +
         HiddenField("category", p.category) + HiddenField("item", p.item) +
         HiddenField("line", p.line) +
         SelectField("Person", "person", persons, value("person", p.purchase.person)) +
         InputField("Date", "date", "date", value("date", IsoDate(p.purchase)), "required") +
         InputField("Sum", "sum", "text", value("sum", Shown(p.purchase.sum)),
                    "inputmode=\"decimal\" required") +
         InputField("Note", "note", "text", value("note", p.purchase.information),
                    "maxlength=\"500\"") +
         Button("Update information") + "</form>\n";
}

WebResponse HouseholdSite::EditPage(Visit& visit) {
  Status why = Status::Ok();
  const std::optional<ListedPurchase> purchase = NamedPurchase(visit, why);
  if (!purchase) return Refused(visit, 404, why.message());
  if (!MayChange(visit, *purchase)) return Refused(visit, 403, kNotYours);
  return Framed(visit, "Edit a purchase", EditForm(visit, *purchase, {}));
}

WebResponse HouseholdSite::Edit(Visit& visit) {
  Status why = Status::Ok();
  const std::optional<ListedPurchase> purchase = NamedPurchase(visit, why);
  if (!purchase) return Refused(visit, 404, why.message());
  if (!MayChange(visit, *purchase)) return Refused(visit, 403, kNotYours);
  const std::optional<PurchaseRecord> record =
      TypedPurchase(visit.fields, "Invalid purchase summ.", why);
  if (record)
    why = db_.ReplacePurchase(purchase->category, purchase->item, purchase->line, *record);
  if (!record || !why.ok()) {
    return Framed(visit, "Edit a purchase",
                  ErrorBox(why) + EditForm(visit, *purchase, visit.fields), 422);
  }
  Changed();
  const std::string recorder = DropRecorder(visit.member.person, *purchase);
  NoteRecorder(recorder.empty() ? visit.member.person : recorder, purchase->category,
               purchase->item, FormatPurchaseLine(*record));
  if (Status kept = SaveRecorders(); !kept.ok())
    return Framed(visit, "Edit a purchase", ErrorBox(kept), 500);
  return Framed(visit, "Edit a purchase",
                NoteBox(SavedNote(purchase->category, purchase->item, *record)) +
                    "<p><a href=\"/purchases\">Newest purchases</a></p>\n");
}

WebResponse HouseholdSite::Delete(Visit& visit) {
  Status why = Status::Ok();
  const std::optional<ListedPurchase> purchase = NamedPurchase(visit, why);
  if (!purchase) return Refused(visit, 404, why.message());
  if (!MayChange(visit, *purchase)) return Refused(visit, 403, kNotYours);
  why = db_.DeletePurchase(purchase->category, purchase->item, purchase->line);
  if (!why.ok()) return Framed(visit, "Delete a purchase", ErrorBox(why), 500);
  Changed();
  DropRecorder(visit.member.person, *purchase);
  if (Status kept = SaveRecorders(); !kept.ok())
    return Framed(visit, "Delete a purchase", ErrorBox(kept), 500);
  return Framed(
      visit, "Delete a purchase",
      NoteBox("Deleted: " + purchase->item + " (" + purchase->category + "), " +
              Shown(purchase->purchase.sum) + " on " + IsoDate(purchase->purchase) + ".") +
          "<p><a href=\"/purchases\">Newest purchases</a></p>\n");
}

void HouseholdSite::NoteRecorder(const std::string& person, const std::string& category,
                                 const std::string& item, const std::string& line) {
  recorders_.push_back({person, category, item, line});
}

std::string HouseholdSite::DropRecorder(const std::string& person, const ListedPurchase& p) {
  auto found =
      std::find(recorders_.begin(), recorders_.end(), Recorded{person, p.category, p.item, p.line});
  if (found == recorders_.end()) {
    found = std::find_if(recorders_.begin(), recorders_.end(), [&](const Recorded& r) {
      return r.category == p.category && r.item == p.item && r.line == p.line;
    });
  }
  if (found == recorders_.end()) return {};
  std::string recorder = found->person;
  recorders_.erase(found);
  return recorder;
}

Status HouseholdSite::SaveRecorders() {
  const Status saved = WriteRecorders(fs_, db_.database_folder(), recorders_);
  if (saved.ok()) return saved;
  return saved.WithMessage("The purchase is saved, but who recorded it could not be written.");
}

}  // namespace kestrune::server
