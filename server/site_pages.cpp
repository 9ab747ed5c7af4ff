#include "server/site_pages.h"

#include "pages/html_text.h"
#include "server/web_types.h"

namespace kestrune::server {
namespace {

constexpr std::string_view kPhoneStyle =
    R"(/* The household pages: one column for a phone, large targets. */
body { margin: 0 auto; max-width: 640px; padding: 0 8px 24px; }
header { display: flex; flex-wrap: wrap; align-items: center; justify-content: space-between;
  gap: 4px 12px; padding: 8px 0; border-bottom: 1px solid #c3cfe3; }
header b { font-size: 17px; }
nav { display: flex; flex-wrap: wrap; gap: 4px 18px; order: 3; width: 100%; }
nav a { padding: 6px 0; }
header form { margin: 0; }
h1 { font-size: 19px; color: #1f3f73; margin: 14px 4px 6px; }
label { display: block; margin: 10px 0 3px; font-weight: bold; }
input, select, button { font: inherit; font-size: 16px; box-sizing: border-box; }
input, select { width: 100%; padding: 8px; border: 1px solid #9fb1d0; border-radius: 4px;
  background: #ffffff; }
button { margin-top: 14px; padding: 9px 18px; border: 1px solid #1f3f73; border-radius: 4px;
  background: #1f3f73; color: #ffffff; }
header button, td button { margin: 0; padding: 5px 10px; background: #ffffff; color: #003399; }
:focus { outline: 3px solid #f0a020; outline-offset: 1px; }
table { width: 100%; margin: 6px 0 12px; }
th { text-align: left; border-bottom: 1px solid #c3cfe3; padding: 4px 6px 4px 0; }
td { border-bottom: 1px solid #eef2f8; padding: 6px 6px 6px 0; vertical-align: top; }
th + th, td + td { text-align: right; }
h2 { font-size: 16px; margin: 14px 4px 4px; }
td form { display: inline; }
.error { border: 1px solid #c04040; background: #fff0f0; padding: 8px; border-radius: 4px; }
.note { border: 1px solid #40a040; background: #f0fff0; padding: 8px; border-radius: 4px; }
img.chart { width: 100%; height: auto; border: 1px solid #c3cfe3; margin: 6px 0; }
)";

std::string Escaped(std::string_view text) {
  return EscapeHtml(text);
}

std::string Menu(const PageFrame& frame) {
  if (frame.member.empty()) return "<header><b>Kestrune</b></header>\n";
  return "<header><b>Kestrune</b><nav><a href=\"/record\">Record</a>"
         "<a href=\"/purchases\">Purchases</a><a href=\"/totals\">Totals</a>"
         "<a href=\"/charts\">Charts</a></nav>"
         "<form method=\"post\" action=\"/signout\">" +
         TokenField(frame.form_token) + "<button type=\"submit\">Sign out " +
         Escaped(frame.member) + "</button></form></header>\n";
}

}  // namespace

std::string Page(const PageFrame& frame, const std::string& content) {
  return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
         "<title>" +
         Escaped(frame.title) +
         " - Kestrune</title>"
         "<link rel=\"stylesheet\" href=\"/2.css\"><link rel=\"stylesheet\" href=\"/phone.css\">"
         "</head>\n<body>\n" +
         Menu(frame) + "<main>\n<h1>" + Escaped(frame.title) + "</h1>\n" + content +
         "</main>\n</body></html>\n";
}

std::string ErrorBox(const Status& status) {
  std::string text = Escaped(status.message());
  if (!status.detail().empty()) text += "<br>" + Escaped(status.detail());
  return "<p class=\"error\" role=\"alert\">" + text + "</p>\n";
}

std::string NoteBox(std::string_view text) {
  return "<p class=\"note\" role=\"status\">" + Escaped(text) + "</p>\n";
}

std::string TokenField(std::string_view token) {
  return HiddenField("token", token);
}

std::string HiddenField(std::string_view name, std::string_view value) {
  return "<input type=\"hidden\" name=\"" + Escaped(name) + "\" value=\"" + Escaped(value) + "\">";
}

std::string SelectField(std::string_view label, std::string_view name,
                        const std::vector<std::string>& options, std::string_view selected) {
  std::string html = "<label for=\"" + Escaped(name) + "\">" + Escaped(label) +
                     "</label><select id=\"" + Escaped(name) + "\" name=\"" + Escaped(name) + "\">";
  for (const std::string& option : options) {
    html += "<option value=\"" + Escaped(option) + "\"" + (option == selected ? " selected" : "") +
            ">" + Escaped(option) + "</option>";
  }
  return html + "</select>\n";
}

std::string InputField(std::string_view label, std::string_view name, std::string_view type,
                       std::string_view value, std::string_view attributes) {
  return "<label for=\"" + Escaped(name) + "\">" + Escaped(label) + "</label><input id=\"" +
         Escaped(name) + "\" name=\"" + Escaped(name) + "\" type=\"" + Escaped(type) +
         "\" value=\"" + Escaped(value) + "\"" + (attributes.empty() ? "" : " ") +
         std::string(attributes) + ">\n";
}

std::string Button(std::string_view text) {
  return "<button type=\"submit\">" + Escaped(text) + "</button>";
}

std::string Link(std::string_view path,
                 const std::vector<std::pair<std::string, std::string>>& fields,
                 std::string_view text) {
  std::string href(path);
  for (size_t i = 0; i < fields.size(); ++i) {
    href += (i ? "&" : "?") + EncodeQueryValue(fields[i].first) + "=" +
            EncodeQueryValue(fields[i].second);
  }
  return "<a href=\"" + Escaped(href) + "\">" + Escaped(text) + "</a>";
}

std::string Table(const std::vector<std::string>& header,
                  const std::vector<std::vector<std::string>>& rows, unsigned markup_columns) {
  std::string html = "<table><tr>";
  for (const std::string& cell : header) html += "<th>" + Escaped(cell) + "</th>";
  html += "</tr>\n";
  for (const auto& row : rows) {
    html += "<tr>";
    for (size_t i = 0; i < row.size(); ++i) {
      const bool raw = i < 32 && (markup_columns >> i & 1u);
      html += "<td>" + (raw ? row[i] : Escaped(row[i])) + "</td>";
    }
    html += "</tr>\n";
  }
  return html + "</table>\n";
}

std::string_view PhoneStyle() {
  return kPhoneStyle;
}

}  // namespace kestrune::server
