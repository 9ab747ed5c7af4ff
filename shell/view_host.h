#pragma once

#include <QIcon>
#include <QString>
#include <string>

#include "database/expense_database.h"
#include "shell/form_outcome.h"
#include "shell/tree_content.h"
#include "shell/user_prompts.h"
#include "shell/view_state.h"
#include "shell/working_folder.h"

class QTreeWidget;

namespace kestrune {

class FormDialog;

// The commands of the Edit menu that a page link may run: the welcome page's first steps.
enum class ViewCommand { AddCategory, AddPerson, AddItem, AddPurchase };

// What the main view needs from the window around it. The view reads the book and the view
// state, keeps the caption and the tree's highlight in step with what it shows, and hands
// the commands of page links back to the window.
class ViewHost {
 public:
  virtual ~ViewHost() = default;

  virtual const ViewState& viewState() const = 0;
  virtual const ExpenseDatabase& book() const = 0;
  virtual const ShellPaths& paths() const = 0;
  // The month argument of pages: the month chooser's position when one month is shown,
  // else -1 for all months.
  virtual int pageMonth() const = 0;
  // The month chooser's position, which the statistics read whatever the month filter.
  virtual int monthChooserPosition() const = 0;
  virtual QTreeWidget& navigationTree() = 0;
  virtual Folder currentFolder() const = 0;
  virtual void setCaption(const QString& text, const QIcon& icon) = 0;
  virtual UserPrompts& prompts() = 0;

  // What entry dialogs work on.
  virtual FormContext form() = 0;
  // Runs an entry dialog and shows anew what it changed.
  virtual void runForm(FormDialog& dialog) = 0;
  // Shows anew what a page link's command changed.
  virtual void apply(const Afterwards& afterwards) = 0;
  // Selects the first tree node named `text` (under a node named `parentText` if given).
  virtual void selectNode(const QString& text, const QString& parentText) = 0;
  // Ends the program after `message` without saving the preferences.
  virtual void abandon(const std::string& message) = 0;
  // Runs the Edit menu's command as its menu entry would.
  virtual void requestCommand(ViewCommand command) = 0;
};

}  // namespace kestrune
