#pragma once

#include <QAction>
#include <QObject>
#include <map>
#include <vector>

namespace kestrune {

// The actions of the commands: a command may have several (its menu entry, its toolbar
// button, its tray entry), all carrying the same texts and checked alike. Each is created
// with the texts of the command table and owned by `parent`.
class CommandActions {
 public:
  CommandActions() = default;
  CommandActions(const CommandActions&) = delete;
  CommandActions& operator=(const CommandActions&) = delete;

  // A new action of the command, labelled with its menu text (or its button text).
  QAction* Create(int id, QObject* parent, bool for_button);
  // Every action of the command.
  const std::vector<QAction*>& Of(int id) const;
  void SetChecked(int id, bool checked);
  // All command ids that have actions.
  std::vector<int> Ids() const;

 private:
  std::map<int, std::vector<QAction*>> actions_;
};

}  // namespace kestrune
