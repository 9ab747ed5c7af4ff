#include "shell/page_link_handler.h"

#include "shell/main_frame.h"

namespace kestrune {

void PageLinkHandler::Run(const PageLink& link) {
  switch (link.command) {
    case PageCommand::kSelectName:
      SelectNamedNode(link);
      break;
    default:
      break;
  }
}

void PageLinkHandler::SelectNamedNode(const PageLink& link) {
  const QString name = QString::fromStdString(link.name);
  if (link.names_item) frame_.tree_pane()->SelectNodeByText(name);
  if (link.names_category) frame_.tree_pane()->SelectNodeByText(name);
}

}  // namespace kestrune
