#pragma once

#include <span>
#include <string_view>

#include "pages/page_text.h"

namespace kestrune {

// The frame every report page is made of. Each call appends its pieces to `page` exactly as
// the pages have always carried them (odd spellings, unclosed quotes and tabs included), so
// the bytes stay what the link handling and any saved page expect. Nothing touches the disk.

// The <html> opener, <BODY>, the link to 2.css and the first two style blocks.
void AddPageHead(PageText& page);

// What one entity page shows in its action bar.
struct ActionBar {
  std::string_view table_start;     // the one-row table's opener
  std::string_view delete_command;  // link target and text of the delete link
  std::string_view delete_icon;     // image file of the delete link
  std::string_view edit_command;
  std::string_view edit_icon;
  std::string_view entity_icon;  // image file beside the entity name
};
inline constexpr std::string_view kActionBarTable =
    "<TABLE cellSpacing=0 height=25 cellPadding=0 width=\"100%\" border=0>";
inline constexpr std::string_view kCategoryActionBarTable =
    "<TABLE cellSpacing=0 height=31 cellPadding=0 width=\"100%\" border=0>";

// The one-row table naming the shown entity (escaped) with its delete and edit links.
void AddActionBar(PageText& page, const ActionBar& bar, std::string_view entity_name);

// The style block that follows the action bar.
void AddSecondStyleBlock(PageText& page);

// The fixed texts around one page's information box.
struct InformationBox {
  std::string_view legend;
  std::string_view total_opener;  // closes the box and opens the bold total
  std::string_view list_opener;   // closes the total ("</b>" first) and opens the list frame
};

// The entity's information text (escaped) and its total, then the list frame's opener. Markup
// in `under_total` (a budget line) stands between the closed total and the list frame; when
// it is empty the pieces are the same as they always were.
void AddInformationBox(PageText& page, const InformationBox& box, std::string_view information,
                       Cents total, std::string_view under_total = {});

// A spacer and the opener of the list table.
void AddTableStart(PageText& page);

// One header cell: its width piece and its label piece.
struct HeaderCell {
  std::string_view width;
  std::string_view label;
};

// The header row of the list table, cells in order (the first label ends with its "</TD>").
void AddHeaderRow(PageText& page, std::span<const HeaderCell> cells);

// "<TR>" and the start of a list row's first cell, `width` such as "29%".
void AddRowStart(PageText& page, std::string_view width);

// The start of a further cell of a list row.
void AddCellStart(PageText& page, std::string_view width);

// A list row up to and including the start of its middle cell: a link to `target` showing
// `link_text`, both from the user. The caller writes the middle cell's content next.
void AddListRowStart(PageText& page, std::string_view target, std::string_view link_text);

// Ends the middle cell and the row with the amount cell.
void AddListRowEnd(PageText& page, Cents amount);

// Closes the list frame and the document.
void AddPageTail(PageText& page);

}  // namespace kestrune
