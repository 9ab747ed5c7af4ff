#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

#include "server/household_server.h"
#include "shell/form_dialog.h"
#include "shell/user_prompts.h"

namespace kestrune {

// The port the share dialog offers first.
inline constexpr int kHouseholdPort = 8443;

// The server's options for what the share dialog offers: this computer only (127.0.0.1,
// plain HTTP allowed) or every address of the machine (always HTTPS); port 0 takes a free one.
server::HouseholdServer::Options SharingOptions(bool everywhere, int port, bool https);

// "Share with household": starts and stops the window's household server. While it runs it
// shows the address to open, its QR code and the certificate's fingerprint; the server keeps
// running when the dialog closes. A start that fails is told and leaves nothing listening.
class ShareDialog final : public FormDialog {
  Q_OBJECT

 public:
  // `server` and `prompts` must outlive the dialog.
  ShareDialog(server::HouseholdServer& server, UserPrompts& prompts, QWidget* parent);

 private:
  void createChoices();
  void createRunningGroup();
  FormOutcome start();
  void stop();
  // Shows the choices while stopped, the address and its code while running.
  void showState();

  server::HouseholdServer& server_;
  UserPrompts& prompts_;
  QRadioButton* local_ = nullptr;
  QRadioButton* everywhere_ = nullptr;
  QSpinBox* port_ = nullptr;
  QCheckBox* https_ = nullptr;
  QLabel* address_ = nullptr;
  QLabel* code_ = nullptr;
  QLabel* fingerprint_ = nullptr;
  QPushButton* start_ = nullptr;
};

}  // namespace kestrune
