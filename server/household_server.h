#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QUrl>
#include <memory>

#include "database/expense_database.h"
#include "database/file_system.h"
#include "database/status.h"

namespace kestrune::server {

class HouseholdSite;
class HttpFront;

// The household server: the phone pages over HTTPS (or plain HTTP when asked), on the
// thread that owns the book. Every change goes through the book's own calls, one request at
// a time, in the order the requests complete. The desktop program starts it on its own
// book; the command line's serve runs it headless.
class HouseholdServer final : public QObject {
  Q_OBJECT

 public:
  struct Options {
    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = 0;         // 0: a free port
    bool plain_http = false;  // no TLS: for 127.0.0.1, or where the user asked for it
    QString identity_folder;  // where the certificate is kept; empty: IdentityFolder()
  };

  // `db` is loaded, its writer's lock held by the caller; it and `fs` outlive the server
  // and are used only on this object's thread.
  HouseholdServer(ExpenseDatabase& db, FileSystem& fs, QObject* parent = nullptr);
  ~HouseholdServer() override;

  // Starts listening. Over TLS, the certificate is read from the identity folder or made
  // there on the first start. Fails (nothing listening) when the address cannot be bound,
  // the certificate cannot be made, or the book's household files cannot be read.
  [[nodiscard]] Status Start(const Options& options);
  // Stops listening and drops every connection and session.
  void Stop();
  bool IsRunning() const;

  // The address to open, such as "https://192.168.1.20:8443/": for a server on every
  // address, the first address of this machine a phone on the network can reach.
  QUrl Address() const;
  // The certificate's SHA-256 fingerprint, "AB:CD:..."; empty over plain HTTP.
  QString Fingerprint() const;

 signals:
  // The book was changed by a member (after the change is on disk).
  void BookChanged();

 private:
  // A TLS listener with the identity of the identity folder (made there when missing).
  Status MakeTlsListener(std::unique_ptr<QTcpServer>& listener);

  ExpenseDatabase& db_;
  FileSystem& fs_;
  std::unique_ptr<HouseholdSite> site_;
  HttpFront* front_ = nullptr;
  Options options_;
  quint16 port_ = 0;
  QString fingerprint_;
};

}  // namespace kestrune::server
