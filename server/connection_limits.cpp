#include "server/connection_limits.h"

#include <QTimer>

namespace kestrune::server {
namespace {

// Watches one connection: counts the bytes of the request in progress and keeps its timer.
class ConnectionGuard final : public QObject {
 public:
  explicit ConnectionGuard(QTcpSocket* socket) : QObject(socket), socket_(socket) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, socket, &QAbstractSocket::abort);
    // Connected before the server sees the socket, so this runs before the server reads.
    connect(socket, &QIODevice::readyRead, this, &ConnectionGuard::Received);
    connect(socket, &QIODevice::bytesWritten, this, &ConnectionGuard::Answered);
    timer_.start(ConnectionLimits::kRequestTime);
  }

 private:
  void Received() {
    if (pending_ == 0) timer_.start(ConnectionLimits::kRequestTime);
    pending_ += socket_->bytesAvailable();
    if (pending_ > ConnectionLimits::kRequestBytes) socket_->abort();
  }
  void Answered() {
    pending_ = 0;
    timer_.start(ConnectionLimits::kIdleTime);
  }

  QTcpSocket* socket_;
  QTimer timer_;
  qint64 pending_ = 0;
};

}  // namespace

bool Guard(QTcpSocket* socket, const std::shared_ptr<int>& open_connections) {
  if (*open_connections >= ConnectionLimits::kConnections) {
    socket->abort();
    socket->deleteLater();
    return false;
  }
  ++*open_connections;
  QObject::connect(socket, &QObject::destroyed, [open_connections] { --*open_connections; });
  QObject::connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
  new ConnectionGuard(socket);
  return true;
}

QTcpSocket* GuardedTcpServer::nextPendingConnection() {
  for (QTcpSocket* socket = QTcpServer::nextPendingConnection(); socket;
       socket = QTcpServer::nextPendingConnection()) {
    if (Guard(socket, open_)) return socket;
  }
  return nullptr;
}

QTcpSocket* GuardedSslServer::nextPendingConnection() {
  for (QTcpSocket* socket = QSslServer::nextPendingConnection(); socket;
       socket = QSslServer::nextPendingConnection()) {
    if (Guard(socket, open_)) return socket;
  }
  return nullptr;
}

}  // namespace kestrune::server
