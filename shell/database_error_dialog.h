#pragma once

#include <QDialog>
#include <QString>

namespace kestrune {

// "Data base error": an index file of the database cannot be opened. "Create new file"
// accepts; "Exit", Escape, Enter and the close box all reject, since neither button is the
// default and ending the program is the safe answer.
class DatabaseErrorDialog final : public QDialog {
  Q_OBJECT

 public:
  DatabaseErrorDialog(const QString& text, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kestrune
