#include "shell/page_link_handler.h"

#include "shell/catalogue_dialogs.h"
#include "shell/link_commands.h"
#include "shell/main_window.h"
#include "shell/purchase_dialog.h"

namespace kestrune {

void PageLinkHandler::Run(const PageLink& link) {
  FormContext form = frame_.form();
  switch (link.command) {
    case PageCommand::kDeleteCategory:
      frame_.apply(LinkDeleteCategory(form));
      break;
    case PageCommand::kDeleteItem:
      frame_.apply(LinkDeleteItem(form));
      break;
    case PageCommand::kDeletePerson:
      frame_.apply(LinkDeletePerson(form));
      break;
    case PageCommand::kDeletePurchase:
      frame_.apply(LinkDeletePurchase(form, link.record));
      break;
    case PageCommand::kSelectName:
      SelectNamedNode(link);
      break;
    case PageCommand::kNone:
      break;
    default:
      RunDialog(link, form);
      break;
  }
}

void PageLinkHandler::RunDialog(const PageLink& link, FormContext& form) {
  std::unique_ptr<FormDialog> dialog;
  switch (link.command) {
    case PageCommand::kEditCategory:
      dialog = std::make_unique<EditCategoryDialog>(form, false, &frame_);
      break;
    case PageCommand::kEditItem:
      dialog = std::make_unique<EditItemDialog>(form, false, &frame_);
      break;
    case PageCommand::kAddItem:
      dialog = std::make_unique<AddItemDialog>(form, false, &frame_);
      break;
    case PageCommand::kAddPurchase:
      dialog = std::make_unique<PurchaseDialog>(form, &frame_);
      break;
    case PageCommand::kEditPurchase:
      dialog = std::make_unique<PurchaseDialog>(form, link.record, link.purchase, &frame_);
      break;
    case PageCommand::kEditPerson:
      dialog = std::make_unique<EditPersonDialog>(form, false, &frame_);
      break;
    default:
      return;
  }
  frame_.runForm(*dialog);
}

void PageLinkHandler::SelectNamedNode(const PageLink& link) {
  const QString name = QString::fromStdString(link.name);
  if (link.names_item) {
    frame_.treePane()->selectNodeByText(name, QString::fromStdString(link.category));
  }
  if (link.names_category) frame_.treePane()->selectNodeByText(name);
}

}  // namespace kestrune
