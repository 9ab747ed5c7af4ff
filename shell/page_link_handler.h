#pragma once

#include "pages/page_links.h"
#include "shell/form_outcome.h"

namespace kestrune {

class MainWindow;

// Runs the command a link on a report page names. The view has already stopped the
// navigation to the link, so the page stays; a command that changes anything refreshes the
// view, which writes the page again.
class PageLinkHandler {
 public:
  explicit PageLinkHandler(MainWindow& frame) : frame_(frame) {}
  PageLinkHandler(const PageLinkHandler&) = delete;
  PageLinkHandler& operator=(const PageLinkHandler&) = delete;

  void Run(const PageLink& link);

 private:
  // The links that open an entry dialog: edits of what the page shows, "Add item",
  // "Add purchase" and "Edit purchase".
  void RunDialog(const PageLink& link, FormContext& form);
  // An item name selects that item's node; a category name the category's node.
  void SelectNamedNode(const PageLink& link);

  MainWindow& frame_;
};

}  // namespace kestrune
