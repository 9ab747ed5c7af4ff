#pragma once

// The pieces of a report page as the page format describes them, typed out here on their
// own so the tests compare the writers with the description rather than with themselves.

#include <string>

namespace kestrune::testing {

inline const std::string kExpectedHead =
    "<html>"
    "<BODY text=#333333 bottomMargin=0 vLink=#003399 link=#003399 bgColor=#ffffff  "
    "leftMargin=0 topMargin=0 rightMargin=0 marginwidth=0 marginheight=0 > "
    "<LINK href=2.css type=text/css rel=stylesheet> "
    "<STYLE>.sh { MARGIN-BOTTOM: 6px; MARGIN-LEFT: 18px; TEXT-INDENT: -18px\t}"
    ".proj { PADDING-RIGHT: 2px; PADDING-LEFT: 2px; FONT-WEIGHT: bold; PADDING-BOTTOM: 2px; "
    "PADDING-TOP: 2px; BACKGROUND-COLOR: #5286c6\t}"
    ".w { COLOR: white }"
    "</STYLE>"
    "<style TYPE=text/css>\t<!--A:link { color: #003399 } A:visited { color: #003399 } "
    "A:active { color: #003399 } A:hover { color: #003399 } .nodecor { text-decoration: none;} "
    "--></style>";

inline const std::string kExpectedSecondStyle =
    "<STYLE>H1 { FONT-WEIGHT: normal; MARGIN-BOTTOM: 0px; FONT-FAMILY: tahoma,arial "
    "H2 {\tFONT-WEIGHT: normal; MARGIN-BOTTOM: 0px; MARGIN-LEFT: 10px; FONT-FAMILY: "
    "tahoma,arial }"
    "H3 { FONT-WEIGHT: normal; MARGIN-BOTTOM: 0px; FONT-FAMILY: tahoma,arial}"
    ".i {FONT-SIZE: 66%; COLOR: black; FONT-FAMILY: tahoma,arial}"
    "FIELDSET {MARGIN-TOP: 10px;}"
    "LEGEND {FONT-SIZE: 75%; FONT-FAMILY: tahoma,arial}"
    ".day {MARGIN-TOP: 10px; FONT-WEIGHT: bold; FONT-SIZE: 80%; MARGIN-LEFT: 10px; "
    "MARGIN-RIGHT: 10px}"
    ".note {\tFONT-SIZE: 80%; MARGIN-LEFT: 10px; MARGIN-RIGHT: 10px}"
    ".nb {COLOR: #cc0000}</STYLE>";

inline const std::string kExpectedTableStart =
    "<TABLE cellSpacing=0 height=5 cellPadding=0 width=\"100%\" border=0><TD></TD></TABLE>"
    "<TABLE cellSpacing=0 height=25 cellPadding=0 width=\"99%\" align=center border=0>";

inline const std::string kExpectedTail =
    "</fieldset></TABLE>"
    "<TABLE cellSpacing=0 height=8 cellPadding=0 width=\"100%\" border=0><TD></TD></TABLE>"
    "</html>";

// The action bar. `height` is "25" or "31"; commands and icons as the page's table gives them.
inline std::string ExpectedActionBar(const std::string& height, const std::string& delete_command,
                                     const std::string& delete_icon,
                                     const std::string& edit_command, const std::string& edit_icon,
                                     const std::string& entity_icon, const std::string& name) {
  return "<TABLE cellSpacing=0 height=" + height +
         " cellPadding=0 width=\"100%\" border=0>"
         "<TD style=\"BORDER-BOTTOM: #cccccc 1px solid\"width=0% bgColor=#f6f6f6>"
         "&nbsp;<a href=\"" +
         delete_command + "\" class=\"nodecor\"><img border = 0 vAlign=center src=" + delete_icon +
         "></a></TD>"
         "<TD style=\"BORDER-RIGHT: #cccccc 1px solid; PADDING-LEFT: 1px; BORDER-BOTTOM: #cccccc "
         "1px solid\"width=\"25%\" bgColor=#f6f6f6>"
         "<a href=\"" +
         delete_command + "\" class=\"nodecor\"><FONT size=-1>" + delete_command +
         "</font></a></TD>"
         "<TD style=\"BORDER-BOTTOM: #cccccc 1px solid\"width=\"0%\" bgColor=#f6f6f6>"
         "&nbsp;<a href=\"" +
         edit_command + "\" class=\"nodecor\"><img border = 0 vAlign=center src=" + edit_icon +
         "></a></TD>"
         "<TD style=\"BORDER-RIGHT: #cccccc 1px solid; PADDING-LEFT: 1px; BORDER-BOTTOM: #cccccc "
         "1px solid\"width=\"45%\" bgColor=#f6f6f6>"
         "<a href=\"" +
         edit_command + "\" class=\"nodecor\"><FONT size=-1>" + edit_command +
         "</font></a></TD>"
         "<TD style=\"BORDER-BOTTOM: #ffffff 1px solid\"width=35 bgColor=#ffffff>"
         "&nbsp;<img border = 0 vAlign=center src=" +
         entity_icon +
         "></TD>"
         "<TD style=\"BORDER-RIGHT: #cccccc 1px solid; PADDING-LEFT: 1px;width=\"20%\" "
         "bgColor=#ffffff>" +
         name +
         "&nbsp;</TD>"
         "<TD height=25style=\"BORDER-RIGHT: #cccccc 1px solid; PADDING-LEFT: 1px; BORDER-BOTTOM: "
         "#cccccc 1px solid\" width=\"10%\" bgColor=#f6f6f6><img src=cnt.gif height=1></TD>"
         "</TABLE>";
}

inline std::string ExpectedItemBar(const std::string& name) {
  return ExpectedActionBar("25", "Delete expense item", "delete.gif", "Edit expense item",
                           "edit.gif", "item.bmp", name);
}
inline std::string ExpectedCategoryBar(const std::string& name) {
  return ExpectedActionBar("31", "Delete expense category", "delete.gif", "Edit expense category",
                           "edit.gif", "cabinet.gif", name);
}
inline std::string ExpectedPersonBar(const std::string& name) {
  return ExpectedActionBar("25", "Delete person", "usdel.gif", "Edit person", "usedit.gif",
                           "user.gif", name);
}

// The information box from its legend word ("Item", "Category", "Person") to the list
// legend's text; `total` is the amount text.
inline std::string ExpectedInformationBox(const std::string& kind, const std::string& lower_kind,
                                          const std::string& information, const std::string& total,
                                          const std::string& list_legend) {
  return "<table width=99% align=center><tr><td><fieldset><legend><font COLOR=#0033cc size = "
         "-1>" +
         kind + " informaion</font></legend><table align=center width=99%><tr><td>" + information +
         "</d></tr></table></fieldset><br><b>All " + lower_kind + " expenses:&nbsp&nbsp" + total +
         "</b><br><br><fieldset><legend><font COLOR=#0033cc size = -1>" + list_legend +
         "</font></legend>";
}

inline const std::string kExpectedFirstHeaderCell =
    "<TR><TD borderColor=\"#475074\" style= \"BORDER-COLLAPSE: collapse; BORDER-LEFT: #475074 "
    "1px solid; BORDER-RIGHT: #475074 1px solid; PADDING-LEFT: 10px; BORDER-BOTTOM: #475074 1px "
    "solid; BORDER-TOP: #475074 1px solid\"";
inline const std::string kExpectedHeaderCell =
    "<TD style= \"BORDER-RIGHT: #475074 1px solid; PADDING-LEFT: 10px; BORDER-BOTTOM: #475074 1px "
    "solid; BORDER-TOP: #475074 1px solid\"";

// The three-cell header of the list pages; `first` and `second` are the first two labels.
inline std::string ExpectedListHeader(const std::string& first, const std::string& second) {
  return kExpectedFirstHeaderCell + "width=\"29%\" bgColor=#A2B5D3><font COLOR=#FFFFFF size = -1>" +
         first + "</font></TD>" + kExpectedHeaderCell +
         "width=\"56%\" bgColor=#A2B5D3><font COLOR=#FFFFFF size = -1> " + second + "</font></TD>" +
         kExpectedHeaderCell +
         "width=\"15%\" bgColor=#A2B5D3><font COLOR=#FFFFFF size = -1> Expenses</font></TD></TR>";
}

inline const std::string kExpectedPurchaseHeader =
    kExpectedFirstHeaderCell +
    "width=\"27%\" bgColor=#A2B5D3><font COLOR=#FFFFFF size = -1>Purchase date</font></TD>" +
    kExpectedHeaderCell +
    "width=\"39%\" bgColor=#A2B5D3><font COLOR=#FFFFFF size = -1>Purchase information</font></TD>" +
    kExpectedHeaderCell +
    "width=\"22%\" bgColor=#A2B5D3><font COLOR=#FFFFFF size = -1>Purchase summ</font></TD>" +
    kExpectedHeaderCell +
    "width=\"12%\" bgColor=#A2B5D3><font COLOR=#FFFFFF size = -1>Person&nbsp;<font></TD>" +
    kExpectedHeaderCell +
    "width=\"12%\" bgColor=#A2B5D3><font COLOR=#FFFFFF size = -1>&nbsp;<font></TD></TR>";

inline const std::string kExpectedCellStyle =
    "style= \"BORDER-RIGHT: #cccccc 1px solid; PADDING-LEFT: 10px; BORDER-BOTTOM: #cccccc 1px "
    "solid\"";
inline const std::string kExpectedFirstCellStyle =
    "style= \"BORDER-LEFT: #cccccc 1px solid; BORDER-RIGHT: #cccccc 1px solid; PADDING-LEFT: "
    "10px; BORDER-BOTTOM: #cccccc 1px solid\"";

// A list row: link target and text, the middle cell's content, the amount text.
inline std::string ExpectedListRow(const std::string& target, const std::string& text,
                                   const std::string& middle, const std::string& amount) {
  return "<TR><TD " + kExpectedFirstCellStyle + " width=\"29%\" bgColor=#ffffff><a href=\"" +
         target + "\" class=\"nodecor\">" + text + "</a></TD><TD " + kExpectedCellStyle +
         " width=\"56%\" bgColor=#ffffff>" + middle + "</TD><TD " + kExpectedCellStyle +
         " width=\"15%\" bgColor=#ffffff>" + amount + "</TD></TR>";
}

// One row of the item page: the date as shown, the information, the sum text with its
// currency, the person and the purchase line of the two links.
inline std::string ExpectedPurchaseRow(const std::string& date, const std::string& information,
                                       const std::string& sum, const std::string& person,
                                       const std::string& line) {
  return "<TR><TD " + kExpectedFirstCellStyle + " width=\"27%\" bgColor=#ffffff>" + date +
         "</TD><TD " + kExpectedCellStyle +
         " width=\"39%\" bgColor=#ffffff><img src = cnt.gif border=0>" + information + "</TD><TD " +
         kExpectedCellStyle + " width=\"22%\" bgColor=#ffffff>" + sum + "</TD><TD " +
         kExpectedCellStyle + " width=\"12%\" bgColor=#ffffff>" + person + "</TD><TD " +
         kExpectedCellStyle + " width=\"12%\" bgColor=#ffffff><a href = \"Delete purchase" + line +
         "\"><img border=0 src=delete.gif alt=\"Delete purchase\"></a>&nbsp;<a href = \"Edit "
         "purchase" +
         line + "\"><img border=0 src=edit.gif alt=\"Edit purchase\"></a>&nbsp;</TD>";
}

inline const std::string kExpectedAddPurchaseBar =
    "<TABLE cellSpacing=0 height=3 cellPadding=0 width=\"100%\" border=0><TD></TD></TABLE>"
    "<TABLE cellSpacing=0 height=3 cellPadding=0 align=center width=\"99%\" border=0><TD "
    "width=1%><a href=\"Add purchase\" class=\"nodecor\"><img src=edit.gif border=0 ></a></TD>"
    "<TD>&nbsp;&nbsp;<a href=\"Add purchase\" class=\"nodecor\"><FONT size=-1>Add "
    "purchase</font></a></TD></TABLE>";

inline const std::string kExpectedAddItemBar =
    "<TABLE cellSpacing=0 height=3 cellPadding=0 width=\"100%\" border=0><TD></TD></TABLE>"
    "<TABLE cellSpacing=0 height=3 cellPadding=0 align=center width=\"99%\" border=0><TD "
    "width=1%><a href=\"Add item\" class=\"nodecor\"><img src=plus.gif border=0 ></a></TD>"
    "<TD>&nbsp;&nbsp;<a href=\"Add item\" class=\"nodecor\"><FONT size=-1>Add "
    "item</font></a></TD></TABLE>";

// Everything of the item page before its purchase rows.
inline std::string ExpectedItemPageTop(const std::string& item, const std::string& information,
                                       const std::string& total) {
  return kExpectedHead + ExpectedItemBar(item) + kExpectedSecondStyle +
         ExpectedInformationBox("Item", "item", information, total, "Purchase list") +
         kExpectedAddPurchaseBar + kExpectedTableStart + kExpectedPurchaseHeader;
}

// Everything of the category page before its item rows.
inline std::string ExpectedCategoryPageTop(const std::string& category,
                                           const std::string& information,
                                           const std::string& total) {
  return kExpectedHead + ExpectedCategoryBar(category) + kExpectedSecondStyle +
         ExpectedInformationBox("Category", "category", information, total, "Item list") +
         kExpectedAddItemBar + kExpectedTableStart +
         ExpectedListHeader("Item name", "Item information");
}

// Everything of the person page (`list_legend` "Expenses") or the person items page
// ("Item's statistics") before its rows.
inline std::string ExpectedPersonPageTop(const std::string& person, const std::string& information,
                                         const std::string& total, const std::string& list_legend) {
  const bool items = list_legend == "Item's statistics";
  return kExpectedHead + ExpectedPersonBar(person) + kExpectedSecondStyle +
         ExpectedInformationBox("Person", "person", information, total, list_legend) +
         kExpectedTableStart + kExpectedTableStart +
         (items ? ExpectedListHeader("Item name", "Item category")
                : ExpectedListHeader("Category name", "Category information"));
}

inline const std::string kExpectedStatisticsTop =
    kExpectedHead +
    "<br><TABLE cellSpacing=0 height=5 cellPadding=0 align = center width=\"98%\" border=0><TD>"
    "<fieldset><legend><font COLOR=#0033cc size = -1>Item's statistics</font></legend>" +
    kExpectedTableStart + kExpectedTableStart + ExpectedListHeader("Item name", "Item category");

}  // namespace kestrune::testing
