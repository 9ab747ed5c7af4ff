#include "shell/share_dialog.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QGroupBox>

#include "shell/qr_code.h"

namespace kestrune {
namespace {

constexpr int kCodeScale = 5;  // pixels a module: large enough for a phone's camera

// The fingerprint in two lines of sixteen bytes, so the dialog stays narrow.
QString FingerprintLines(const QString& fingerprint) {
  const QStringList bytes = fingerprint.split(':');
  if (bytes.size() <= 16) return fingerprint;
  return bytes.mid(0, 16).join(':') + ":\n" + bytes.mid(16).join(':');
}

QLabel* TextLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

server::HouseholdServer::Options SharingOptions(const ShareChoice& choice) {
  server::HouseholdServer::Options options;
  // Every IPv4 address: the address shown to open is the machine's first IPv4 one.
  options.address =
      QHostAddress(choice.everywhere ? QHostAddress::AnyIPv4 : QHostAddress::LocalHost);
  options.port = static_cast<quint16>(choice.port);
  // Over the home network a passphrase and the session must never travel in the clear.
  options.plain_http = !choice.everywhere && !choice.https;
  return options;
}

ShareChoice ReadShareChoice(SettingsStore& store) {
  ShareChoice choice;
  choice.everywhere = store.Read("Household", "Everywhere").value_or("0") == "1";
  choice.https = store.Read("Household", "Https").value_or("1") != "0";
  bool number = false;
  const int port =
      QString::fromStdString(store.Read("Household", "Port").value_or("")).toInt(&number);
  if (number && port >= 0 && port <= 65535) choice.port = port;
  return choice;
}

void WriteShareChoice(SettingsStore& store, const ShareChoice& choice) {
  store.Write("Household", "Everywhere", choice.everywhere ? "1" : "0");
  store.Write("Household", "Https", choice.https ? "1" : "0");
  store.Write("Household", "Port", std::to_string(choice.port));
}

ShareDialog::ShareDialog(server::HouseholdServer& server, UserPrompts& prompts,
                         const ShareChoice& choice, QWidget* parent)
    : FormDialog(tr("Share with household"), parent), server_(server), prompts_(prompts) {
  addHeading(tr("Let the household record purchases from their phones"));
  createChoices(choice);
  createRunningGroup();
  start_ = addMainButton(tr("Start sharing"), [this] { return start(); });
  showState();
}

ShareChoice ShareDialog::choice() const {
  return {everywhere_->isChecked(), port_->value(), https_->isChecked()};
}

void ShareDialog::createChoices(const ShareChoice& choice) {
  addGroup(tr("Who can open the book"));
  local_ = new QRadioButton(tr("This computer only (127.0.0.1)"), this);
  local_->setObjectName("thisComputer");
  everywhere_ = new QRadioButton(tr("Phones and computers at home"), this);
  everywhere_->setObjectName("atHome");
  auto* places = new QButtonGroup(this);
  places->addButton(local_);
  places->addButton(everywhere_);
  port_ = new QSpinBox(this);
  port_->setObjectName("port");
  port_->setRange(0, 65535);
  port_->setSpecialValueText(tr("any free port"));
  port_->setValue(choice.port);
  https_ = new QCheckBox(tr("Encrypt the connection (HTTPS)"), this);
  https_->setObjectName("https");
  https_->setChecked(choice.https);
  // Only a connection that never leaves this computer may go unencrypted.
  const auto followPlace = [this](bool local) {
    https_->setEnabled(local);
    if (!local) https_->setChecked(true);
  };
  connect(local_, &QRadioButton::toggled, this, followPlace);
  // The network is opened to the household only when the user has chosen it.
  (choice.everywhere ? everywhere_ : local_)->setChecked(true);
  followPlace(!choice.everywhere);
  addRow(QString(), local_);
  addRow(QString(), everywhere_);
  addRow(tr("Port:"), port_);
  addRow(QString(), https_);
}

void ShareDialog::createRunningGroup() {
  addGroup(tr("Open this address on the phone"));
  address_ = TextLabel(this, "address");
  QFont bold = address_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  address_->setFont(bold);
  addRow(QString(), address_);
  code_ = new QLabel(this);
  code_->setObjectName("qrCode");
  addRow(QString(), code_);
  fingerprint_ = TextLabel(this, "fingerprint");
  fingerprint_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  addRow(tr("Certificate:"), fingerprint_);
  auto* hint = new QLabel(
      tr("Members sign in with their passphrase (Settings, Household access). Sharing goes on "
         "when this dialog closes and ends with Kestrune."),
      this);
  hint->setWordWrap(true);
  addWideRow(hint);
  auto* stop = new QPushButton(tr("Stop sharing"), this);
  stop->setObjectName("stop");
  stop->setAutoDefault(false);
  connect(stop, &QPushButton::clicked, this, &ShareDialog::stop);
  addRow(QString(), stop);
}

FormOutcome ShareDialog::start() {
  const Status started = server_.Start(SharingOptions(choice()));
  if (!started.ok()) prompts_.ShowRefusal(started);
  showState();
  return StayOpen();
}

void ShareDialog::stop() {
  server_.Stop();
  showState();
}

void ShareDialog::showState() {
  const bool running = server_.IsRunning();
  local_->parentWidget()->setEnabled(!running);
  address_->parentWidget()->setVisible(running);
  start_->setEnabled(!running);
  if (running) {
    const QString address = server_.Address().toString();
    address_->setText(address);
    code_->setPixmap(QPixmap::fromImage(DrawQr(EncodeQr(address.toUtf8()), kCodeScale)));
    const QString fingerprint = server_.Fingerprint();
    fingerprint_->setText(fingerprint.isEmpty()
                              ? tr("none: plain HTTP, on this computer only")
                              : tr("SHA-256 fingerprint\n%1").arg(FingerprintLines(fingerprint)));
  }
  adjustSize();
}

}  // namespace kestrune
