#pragma once

#include <QWidget>

#include "pages/page_links.h"
#include "shell/form_outcome.h"
#include "shell/view_host.h"

namespace kestrune {

// Runs the command a link on a report page names. The view has already stopped the
// navigation to the link, so the page stays; a command that changes anything refreshes the
// view, which writes the page again. Its dialogs open over `dialogParent`.
class PageLinkHandler {
 public:
  PageLinkHandler(ViewHost& host, QWidget& dialogParent)
      : host_(host), dialogParent_(dialogParent) {}
  PageLinkHandler(const PageLinkHandler&) = delete;
  PageLinkHandler& operator=(const PageLinkHandler&) = delete;

  void run(const PageLink& link);

 private:
  // The links that open an entry dialog: edits of what the page shows, "Add item",
  // "Add purchase" and "Edit purchase".
  void runDialog(const PageLink& link, FormContext& form);
  // An item name selects that item's node; a category name the category's node.
  void selectNamedNode(const PageLink& link);

  ViewHost& host_;
  QWidget& dialogParent_;
};

}  // namespace kestrune
