#include "shell/page_link_handler.h"

#include "shell/catalogue_dialogs.h"
#include "shell/link_commands.h"
#include "shell/purchase_dialog.h"

namespace kestrune {

void PageLinkHandler::run(const PageLink& link) {
  FormContext form = host_.form();
  switch (link.command) {
    case PageCommand::kDeleteCategory:
      host_.apply(LinkDeleteCategory(form));
      break;
    case PageCommand::kDeleteItem:
      host_.apply(LinkDeleteItem(form));
      break;
    case PageCommand::kDeletePerson:
      host_.apply(LinkDeletePerson(form));
      break;
    case PageCommand::kDeletePurchase:
      host_.apply(LinkDeletePurchase(form, link.record));
      break;
    case PageCommand::kSelectName:
      selectNamedNode(link);
      break;
    case PageCommand::kNone:
      break;
    default:
      runDialog(link, form);
      break;
  }
}

void PageLinkHandler::runDialog(const PageLink& link, FormContext& form) {
  std::unique_ptr<FormDialog> dialog;
  switch (link.command) {
    case PageCommand::kEditCategory:
      dialog = std::make_unique<EditCategoryDialog>(form, false, &dialogParent_);
      break;
    case PageCommand::kEditItem:
      dialog = std::make_unique<EditItemDialog>(form, false, &dialogParent_);
      break;
    case PageCommand::kAddItem:
      dialog = std::make_unique<AddItemDialog>(form, false, &dialogParent_);
      break;
    case PageCommand::kAddPurchase:
      dialog = std::make_unique<PurchaseDialog>(form, &dialogParent_);
      break;
    case PageCommand::kEditPurchase:
      dialog = std::make_unique<PurchaseDialog>(form, link.record, link.purchase, &dialogParent_);
      break;
    case PageCommand::kEditPerson:
      dialog = std::make_unique<EditPersonDialog>(form, false, &dialogParent_);
      break;
    default:
      return;
  }
  host_.runForm(*dialog);
}

void PageLinkHandler::selectNamedNode(const PageLink& link) {
  const QString name = QString::fromStdString(link.name);
  if (link.names_item) host_.selectNode(name, QString::fromStdString(link.category));
  if (link.names_category) host_.selectNode(name, {});
}

}  // namespace kestrune
