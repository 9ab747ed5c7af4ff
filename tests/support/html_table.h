#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrune::testing {

// One table cell as a reader sees it: its text and the targets of its links.
struct HtmlCell {
  std::string text;
  std::vector<std::string> links;
};
using HtmlRow = std::vector<HtmlCell>;

// The rows of every table in `html`, in page order, read as a browser would forgive them: a
// row runs from <TR> to </TR>, the next <TR> or </TABLE>; a cell from <TD> to </TD> or the
// next cell or row. Cell texts lose their tags, have &amp; &lt; &gt; &quot; and &nbsp
// decoded and blanks at their ends trimmed; link targets are decoded the same way.
std::vector<HtmlRow> ReadTableRows(std::string_view html);

// The whole page's text with each tag made a line break (so the texts of elements stay
// apart) and entities decoded as in the cells.
std::string HtmlText(std::string_view html);

}  // namespace kestrune::testing
