#include "pages/page_pieces.h"

namespace kestrune {
namespace {

constexpr std::string_view kBarIconCellStyle = "style=\"BORDER-BOTTOM: #cccccc 1px solid\"";
constexpr std::string_view kBarTextCellStyle =
    "style=\"BORDER-RIGHT: #cccccc 1px solid; PADDING-LEFT: 1px; BORDER-BOTTOM: #cccccc 1px "
    "solid\"";

// "&nbsp;", a link to `command` around `icon`, "</TD>": the icon cells of the action bar.
void AddIconLink(PageText& page, std::string_view command, std::string_view icon) {
  page.Piece("&nbsp;<a href=\"");
  page.Href(command);
  page.Piece("\" class=\"nodecor\"><img border = 0 vAlign=center src=");
  page.Piece(icon);
  page.Piece("></a></TD>");
}

// The command's text link in the action bar.
void AddTextLink(PageText& page, std::string_view command) {
  page.Piece("<a href=\"");
  page.Href(command);
  page.Piece("\" class=\"nodecor\"><FONT size=-1>");
  page.Text(command);
  page.Piece("</font></a>");
}

}  // namespace

void AddPageHead(PageText& page) {
  page.Piece("<html>");
  page.Piece("<BODY text=#333333 bottomMargin=0 vLink=#003399 link=#003399 bgColor=#ffffff  ");
  page.Piece("leftMargin=0 topMargin=0 rightMargin=0 marginwidth=0 marginheight=0 > ");
  page.Piece("<LINK href=2.css type=text/css rel=stylesheet> ");
  page.Piece("<STYLE>.sh { MARGIN-BOTTOM: 6px; MARGIN-LEFT: 18px; TEXT-INDENT: -18px\t}");
  page.Piece(
      ".proj { PADDING-RIGHT: 2px; PADDING-LEFT: 2px; FONT-WEIGHT: bold; PADDING-BOTTOM: 2px; "
      "PADDING-TOP: 2px; BACKGROUND-COLOR: #5286c6\t}");
  page.Piece(".w { COLOR: white }");
  page.Piece("</STYLE>");
  page.Piece(
      "<style TYPE=text/css>\t<!--A:link { color: #003399 } A:visited { color: #003399 } "
      "A:active { color: #003399 } A:hover { color: #003399 } .nodecor { text-decoration: "
      "none;} --></style>");
}

void AddActionBar(PageText& page, const ActionBar& bar, std::string_view entity_name) {
  page.Piece(bar.table_start);
  page.Piece("<TD ");
  page.Piece(kBarIconCellStyle);
  page.Piece("width=0% bgColor=#f6f6f6>");
  AddIconLink(page, bar.delete_command, bar.delete_icon);
  page.Piece("<TD ");
  page.Piece(kBarTextCellStyle);
  page.Piece("width=\"25%\" bgColor=#f6f6f6>");
  AddTextLink(page, bar.delete_command);
  page.Piece("</TD><TD ");
  page.Piece(kBarIconCellStyle);
  page.Piece("width=\"0%\" bgColor=#f6f6f6>");
  AddIconLink(page, bar.edit_command, bar.edit_icon);
  page.Piece("<TD ");
  page.Piece(kBarTextCellStyle);
  page.Piece("width=\"45%\" bgColor=#f6f6f6>");
  AddTextLink(page, bar.edit_command);
  page.Piece("</TD><TD style=\"BORDER-BOTTOM: #ffffff 1px solid\"width=35 bgColor=#ffffff>");
  page.Piece("&nbsp;<img border = 0 vAlign=center src=");
  page.Piece(bar.entity_icon);
  // The name cell's style attribute has never had its closing quote.
  page.Piece(
      "></TD><TD style=\"BORDER-RIGHT: #cccccc 1px solid; PADDING-LEFT: 1px;width=\"20%\" "
      "bgColor=#ffffff>");
  page.Text(entity_name);
  page.Piece("&nbsp;</TD><TD height=25");
  page.Piece(kBarTextCellStyle);
  page.Piece(" width=\"10%\" bgColor=#f6f6f6><img src=cnt.gif height=1></TD></TABLE>");
}

void AddSecondStyleBlock(PageText& page) {
  page.Piece("<STYLE>H1 { FONT-WEIGHT: normal; MARGIN-BOTTOM: 0px; FONT-FAMILY: tahoma,arial ");
  page.Piece(
      "H2 {\tFONT-WEIGHT: normal; MARGIN-BOTTOM: 0px; MARGIN-LEFT: 10px; FONT-FAMILY: "
      "tahoma,arial }");
  page.Piece("H3 { FONT-WEIGHT: normal; MARGIN-BOTTOM: 0px; FONT-FAMILY: tahoma,arial}");
  page.Piece(".i {FONT-SIZE: 66%; COLOR: black; FONT-FAMILY: tahoma,arial}");
  page.Piece("FIELDSET {MARGIN-TOP: 10px;}");
  page.Piece("LEGEND {FONT-SIZE: 75%; FONT-FAMILY: tahoma,arial}");
  page.Piece(
      ".day {MARGIN-TOP: 10px; FONT-WEIGHT: bold; FONT-SIZE: 80%; MARGIN-LEFT: 10px; "
      "MARGIN-RIGHT: 10px}");
  page.Piece(".note {\tFONT-SIZE: 80%; MARGIN-LEFT: 10px; MARGIN-RIGHT: 10px}");
  page.Piece(".nb {COLOR: #cc0000}</STYLE>");
}

void AddInformationBox(PageText& page, const InformationBox& box, std::string_view information,
                       Cents total, std::string_view under_total) {
  page.Piece("<table width=99% align=center><tr><td><fieldset>");
  page.Piece(box.legend);
  page.Piece("<table align=center width=99%><tr><td>");
  page.Text(information);
  page.Piece(box.total_opener);
  page.Amount(total);
  if (under_total.empty()) {
    page.Piece(box.list_opener);
    return;
  }
  constexpr std::string_view kCloseBold = "</b>";
  page.Piece(kCloseBold);
  page.Piece(under_total);
  page.Piece(box.list_opener.substr(kCloseBold.size()));
}

void AddTableStart(PageText& page) {
  page.Piece(
      "<TABLE cellSpacing=0 height=5 cellPadding=0 width=\"100%\" border=0><TD></TD></TABLE>");
  page.Piece("<TABLE cellSpacing=0 height=25 cellPadding=0 width=\"99%\" align=center border=0>");
}

void AddHeaderRow(PageText& page, std::span<const HeaderCell> cells) {
  for (std::size_t at = 0; at < cells.size(); ++at) {
    if (at == 0) {
      page.Piece(
          "<TR><TD borderColor=\"#475074\" style= \"BORDER-COLLAPSE: collapse; BORDER-LEFT: "
          "#475074 1px solid; BORDER-RIGHT: #475074 1px solid; PADDING-LEFT: 10px; "
          "BORDER-BOTTOM: #475074 1px solid; BORDER-TOP: #475074 1px solid\"");
    } else {
      page.Piece(
          "<TD style= \"BORDER-RIGHT: #475074 1px solid; PADDING-LEFT: 10px; BORDER-BOTTOM: "
          "#475074 1px solid; BORDER-TOP: #475074 1px solid\"");
    }
    page.Piece(cells[at].width);
    page.Piece(cells[at].label);
    if (at > 0) page.Piece(at + 1 == cells.size() ? "</TD></TR>" : "</TD>");
  }
}

void AddRowStart(PageText& page, std::string_view width) {
  page.Piece(
      "<TR><TD style= \"BORDER-LEFT: #cccccc 1px solid; BORDER-RIGHT: #cccccc 1px solid; "
      "PADDING-LEFT: 10px; BORDER-BOTTOM: #cccccc 1px solid\" width=\"");
  page.Piece(width);
  page.Piece("\" bgColor=#ffffff>");
}

void AddCellStart(PageText& page, std::string_view width) {
  page.Piece(
      "<TD style= \"BORDER-RIGHT: #cccccc 1px solid; PADDING-LEFT: 10px; BORDER-BOTTOM: #cccccc "
      "1px solid\" width=\"");
  page.Piece(width);
  page.Piece("\" bgColor=#ffffff>");
}

void AddListRowStart(PageText& page, std::string_view target, std::string_view link_text) {
  AddRowStart(page, "29%");
  page.Piece("<a href=\"");
  page.Href(target);
  page.Piece("\" class=\"nodecor\">");
  page.Text(link_text);
  page.Piece("</a></TD>");
  AddCellStart(page, "56%");
}

void AddListRowEnd(PageText& page, Cents amount) {
  page.Piece("</TD>");
  AddCellStart(page, "15%");
  page.Amount(amount);
  page.Piece("</TD></TR>");
}

void AddPageTail(PageText& page) {
  page.Piece("</fieldset></TABLE>");
  page.Piece(
      "<TABLE cellSpacing=0 height=8 cellPadding=0 width=\"100%\" border=0><TD></TD></TABLE>");
  page.Piece("</html>");
}

}  // namespace kestrune
