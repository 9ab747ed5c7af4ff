#include "shell/command_actions.h"

#include "shell/command_table.h"
#include "shell/shell_icons.h"

namespace kestrune {

QAction* CommandActions::Create(int id, QObject* parent, bool for_button) {
  const CommandInfo& info = CommandInfoFor(id);
  const bool has_button_text = info.button_text[0] != '\0';
  const QString text = for_button && has_button_text ? info.button_text : info.menu_text;
  auto* action = new QAction(CommandIcon(id), text, parent);
  action->setObjectName(QString("command_%1%2").arg(id).arg(for_button ? "_button" : ""));
  action->setData(id);
  action->setStatusTip(info.status_text);
  if (info.tooltip[0] != '\0') action->setToolTip(info.tooltip);
  action->setCheckable(info.checkable);
  // A shortcut belongs to one action of the command, or Qt finds it ambiguous.
  if (info.shortcut[0] != '\0' && !actions_.contains(id))
    action->setShortcut(QString(info.shortcut));
  actions_[id].push_back(action);
  return action;
}

const std::vector<QAction*>& CommandActions::Of(int id) const {
  static const std::vector<QAction*> kNone;
  const auto found = actions_.find(id);
  return found == actions_.end() ? kNone : found->second;
}

void CommandActions::SetChecked(int id, bool checked) {
  for (QAction* action : Of(id)) action->setChecked(checked);
}

std::vector<int> CommandActions::Ids() const {
  std::vector<int> ids;
  for (const auto& [id, actions] : actions_) ids.push_back(id);
  return ids;
}

}  // namespace kestrune
