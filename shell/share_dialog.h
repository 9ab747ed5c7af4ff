#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

#include "server/household_server.h"
#include "shell/form_dialog.h"
#include "shell/settings_store.h"
#include "shell/user_prompts.h"

namespace kestrune {

// The port the share dialog offers first.
inline constexpr int kHouseholdPort = 8443;

// What the share dialog offers: this computer only (127.0.0.1) or every address of the
// machine, the port (0: a free one), and whether to encrypt (always, on every address).
struct ShareChoice {
  bool everywhere = false;
  int port = kHouseholdPort;
  bool https = true;
};

// The server's options for a choice: plain HTTP only on 127.0.0.1, when asked for.
server::HouseholdServer::Options SharingOptions(const ShareChoice& choice);
// The choice last started with, from the preferences' section "Household"; the defaults
// for what is absent or damaged.
ShareChoice ReadShareChoice(SettingsStore& store);
void WriteShareChoice(SettingsStore& store, const ShareChoice& choice);

// "Share with household": starts and stops the window's household server. While it runs it
// shows the address to open, its QR code and the certificate's fingerprint; the server keeps
// running when the dialog closes. A start that fails is told and leaves nothing listening.
class ShareDialog final : public FormDialog {
  Q_OBJECT

 public:
  // `server` and `prompts` must outlive the dialog; the fields start as `choice` says.
  ShareDialog(server::HouseholdServer& server, UserPrompts& prompts, const ShareChoice& choice,
              QWidget* parent);

  // What the fields say now.
  ShareChoice choice() const;

 private:
  void createChoices(const ShareChoice& choice);
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
