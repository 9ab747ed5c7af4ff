#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "database/status.h"

namespace kestrune::server {

// The phone pages' pieces. Every text from the book or the request goes through EscapeHtml
// here, and every link's values through EncodeQueryValue, so no name becomes markup.

// What every page of a signed-in member shows around its content.
struct PageFrame {
  std::string title;
  std::string member;      // empty on the sign-in page: no menu
  std::string form_token;  // for the sign-out button
};

// A whole page: the two style sheets, a menu for a member, the title and `content`.
std::string Page(const PageFrame& frame, const std::string& content);

// A refusal or failure as the dialogs show it: the message, the detail on the line below.
std::string ErrorBox(const Status& status);
// A notice (what was saved).
std::string NoteBox(std::string_view text);

// Form fields, each with its label. `options` are shown and sent as they are.
std::string TokenField(std::string_view token);
std::string HiddenField(std::string_view name, std::string_view value);
std::string SelectField(std::string_view label, std::string_view name,
                        const std::vector<std::string>& options, std::string_view selected);
std::string InputField(std::string_view label, std::string_view name, std::string_view type,
                       std::string_view value, std::string_view attributes = {});
std::string Button(std::string_view text);

// A link to `path` with the query `fields` (each value encoded).
std::string Link(std::string_view path,
                 const std::vector<std::pair<std::string, std::string>>& fields,
                 std::string_view text);

// A table with a header row and rows of cells, each cell's text escaped unless its column
// holds markup made here (bit i of `markup_columns` set for column i).
std::string Table(const std::vector<std::string>& header,
                  const std::vector<std::vector<std::string>>& rows, unsigned markup_columns = 0);

// The phone style sheet, served as /phone.css beside the program's own 2.css.
std::string_view PhoneStyle();

}  // namespace kestrune::server
