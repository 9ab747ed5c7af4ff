#pragma once

#include <QDialog>

#include "shell/confirmations.h"

namespace kestrune {

// A Yes/No question before a deletion. Yes is the default button (Enter answers Yes);
// No, Escape and the close box answer No.
class ConfirmationDialog final : public QDialog {
  Q_OBJECT

 public:
  ConfirmationDialog(const Confirmation& confirmation, QWidget* parent);
};

}  // namespace kestrune
