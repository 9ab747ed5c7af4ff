#include "tests/support/html_table.h"

#include <cctype>

namespace kestrune::testing {
namespace {

std::string Decode(std::string_view text) {
  static const std::pair<std::string_view, char> kEntities[] = {{"&amp;", '&'},  {"&lt;", '<'},
                                                                {"&gt;", '>'},   {"&quot;", '"'},
                                                                {"&nbsp;", ' '}, {"&nbsp", ' '}};
  std::string out;
  for (size_t i = 0; i < text.size();) {
    bool decoded = false;
    for (const auto& [entity, letter] : kEntities) {
      if (text.substr(i, entity.size()) == entity) {
        out += letter;
        i += entity.size();
        decoded = true;
        break;
      }
    }
    if (!decoded) out += text[i++];
  }
  return out;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
}

// The tag's name in lower case, with a leading '/' for a closing tag.
std::string TagName(std::string_view tag) {
  std::string name;
  for (char c : tag.substr(1)) {
    if (std::isspace(static_cast<unsigned char>(c)) || c == '>') break;
    name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return name;
}

// The quoted href value of an <a> tag, if it has one.
std::string Href(std::string_view tag) {
  std::string lower(tag);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const size_t at = lower.find("href");
  if (at == std::string::npos) return "";
  const size_t open = tag.find('"', at), close = tag.find('"', open + 1);
  if (open == std::string_view::npos || close == std::string_view::npos) return "";
  return Decode(tag.substr(open + 1, close - open - 1));
}

}  // namespace

std::vector<HtmlRow> ReadTableRows(std::string_view html) {
  std::vector<HtmlRow> rows;
  bool in_row = false, in_cell = false;
  const auto end_cell = [&] {
    if (in_cell) rows.back().back().text = Trimmed(Decode(rows.back().back().text));
    in_cell = false;
  };
  for (size_t i = 0; i < html.size();) {
    if (html[i] != '<') {
      const size_t next = html.find('<', i);
      if (in_cell) rows.back().back().text += html.substr(i, next - i);
      i = next == std::string_view::npos ? html.size() : next;
      continue;
    }
    const size_t close = html.find('>', i);
    const std::string_view tag =
        html.substr(i, close == std::string_view::npos ? close : close - i + 1);
    i = close == std::string_view::npos ? html.size() : close + 1;
    const std::string name = TagName(tag);
    if (name == "tr" || name == "/tr" || name == "/table" || name == "td" || name == "/td")
      end_cell();
    if (name == "tr") {
      rows.emplace_back();
      in_row = true;
    } else if (name == "/tr" || name == "/table") {
      in_row = false;
    } else if (name == "td" && in_row) {
      rows.back().emplace_back();
      in_cell = true;
    } else if (name == "a" && in_cell && !Href(tag).empty()) {
      rows.back().back().links.push_back(Href(tag));
    }
  }
  end_cell();
  return rows;
}

std::string HtmlText(std::string_view html) {
  std::string text;
  for (size_t i = 0; i < html.size();) {
    const size_t open = html.find('<', i);
    text += html.substr(i, open - i);
    if (open == std::string_view::npos) break;
    text += '\n';
    const size_t close = html.find('>', open);
    i = close == std::string_view::npos ? html.size() : close + 1;
  }
  return Decode(text);
}

}  // namespace kestrune::testing
