#pragma once

#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

namespace kestrune::server {

// What one connection may cost the server. The request limit counts the bytes received
// since the last answer (request line, headers and body); a request not complete in
// kRequestTime and a connection idle for kIdleTime are cut off, so a slow or stalled client
// holds nothing for long. A request cut off is never handled, so it changes nothing.
struct ConnectionLimits {
  static constexpr qint64 kRequestBytes = 64 * 1024;
  static constexpr int kRequestTime = 15'000;  // ms
  static constexpr int kIdleTime = 60'000;     // ms
  static constexpr int kConnections = 64;      // open at once; more are closed at once
};

// Puts the limits on a socket just accepted (before anything else reads it). Returns
// whether the connection may stay: false when kConnections are open already, in which case
// the socket is closed and deleted.
bool Guard(QTcpSocket* socket, const std::shared_ptr<int>& open_connections);

// Listening sockets that guard each connection they hand out.
class GuardedTcpServer final : public QTcpServer {
 public:
  using QTcpServer::QTcpServer;
  QTcpSocket* nextPendingConnection() override;

 private:
  std::shared_ptr<int> open_ = std::make_shared<int>(0);
};

class GuardedSslServer final : public QSslServer {
 public:
  using QSslServer::QSslServer;
  QTcpSocket* nextPendingConnection() override;

 private:
  std::shared_ptr<int> open_ = std::make_shared<int>(0);
};

}  // namespace kestrune::server
