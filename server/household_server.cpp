#include "server/household_server.h"

#include <QAbstractHttpServer>
#include <QCryptographicHash>
#include <QDate>
#include <QGuiApplication>
#include <QHostInfo>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QNetworkInterface>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>

#include "render/chart_image.h"
#include "server/certificate.h"
#include "server/connection_limits.h"
#include "server/household_site.h"

namespace kestrune::server {

// Carries requests between Qt's HTTP server and the site, adding the headers every answer
// carries.
class HttpFront final : public QAbstractHttpServer {
 public:
  HttpFront(HouseholdSite& site, QObject* parent) : QAbstractHttpServer(parent), site_(site) {}

 protected:
  bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override {
    WebResponse answer;
    if (HostAllowed(request.value("Host"))) {
      answer = site_.Handle(Translate(request));
    } else {
      answer.status = 421;
      answer.content_type = "text/plain; charset=utf-8";
      answer.body = "Open the server by its address.\n";
    }
    QHttpServerResponse response(QByteArray::fromStdString(answer.content_type),
                                 QByteArray::fromStdString(answer.body),
                                 static_cast<QHttpServerResponse::StatusCode>(answer.status));
    AddCommonHeaders(response);
    for (const auto& [name, value] : answer.headers) {
      response.addHeader(QByteArray::fromStdString(name), QByteArray::fromStdString(value));
    }
    response.write(makeResponder(request, socket));
    return true;
  }
  void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override {
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
  }

 private:
  // Whether the Host header names this machine: an address, "localhost" or its own host
  // name. A page of another site whose name was pointed at this machine (DNS rebinding)
  // names itself and is refused.
  static bool HostAllowed(const QByteArray& header) {
    QString host = QString::fromLatin1(header).trimmed().toLower();
    if (host.startsWith('[')) {
      host = host.mid(1, host.indexOf(']') - 1);
    } else if (host.count(':') == 1) {
      host = host.left(host.indexOf(':'));
    }
    if (host.isEmpty()) return false;
    if (!QHostAddress(host).isNull()) return true;
    const QString own = QHostInfo::localHostName().toLower();
    return host == "localhost" || host == own || host == own + ".local" ||
           (!QHostInfo::localDomainName().isEmpty() &&
            host == own + "." + QHostInfo::localDomainName().toLower());
  }

  static std::string MethodName(QHttpServerRequest::Method method) {
    switch (method) {
      case QHttpServerRequest::Method::Get:
        return "GET";
      case QHttpServerRequest::Method::Post:
        return "POST";
      default:
        return "OTHER";
    }
  }

  static WebRequest Translate(const QHttpServerRequest& request) {
    WebRequest web;
    web.method = MethodName(request.method());
    web.path = request.url().path(QUrl::FullyEncoded).toStdString();
    web.query = request.url().query(QUrl::FullyEncoded).toStdString();
    web.body = request.body().toStdString();
    web.address = request.remoteAddress().toString().toStdString();
    for (const auto& [name, value] : request.headers()) {
      if (name.compare("cookie", Qt::CaseInsensitive) == 0) {
        const std::string id = CookieValue(value.toStdString(), HouseholdSite::kSessionCookie);
        if (!id.empty()) web.session_id = id;
      }
    }
    return web;
  }

  static void AddCommonHeaders(QHttpServerResponse& response) {
    response.addHeader("Content-Security-Policy",
                       "default-src 'none'; style-src 'self'; img-src 'self'; "
                       "form-action 'self'; frame-ancestors 'none'; base-uri 'none'");
    response.addHeader("X-Content-Type-Options", "nosniff");
    response.addHeader("Referrer-Policy", "no-referrer");
    response.addHeader("X-Frame-Options", "DENY");
    response.addHeader("Cache-Control", "no-store");
  }

  HouseholdSite& site_;
};

namespace {

std::optional<std::string> DrawSvg(charts::ChartCtrl& chart, charts::Size size) {
  // Text needs the GUI side of Qt; a server started without it has no charts.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return std::nullopt;
  const std::optional<QByteArray> svg = render::EncodeChart(chart, size, render::ImageFormat::kSvg);
  if (!svg) return std::nullopt;
  return svg->toStdString();
}

Day Today() {
  const QDate today = QDate::currentDate();
  return {today.year(), today.month(), today.day()};
}

QString FingerprintOf(const QSslCertificate& certificate) {
  const QByteArray digest = certificate.digest(QCryptographicHash::Sha256).toHex().toUpper();
  QStringList pairs;
  for (qsizetype i = 0; i < digest.size(); i += 2) pairs << QString::fromLatin1(digest.mid(i, 2));
  return pairs.join(':');
}

// The first IPv4 address of this machine other than loopback; loopback when there is none.
QHostAddress ReachableAddress() {
  for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
    if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) {
      return address;
    }
  }
  return QHostAddress(QHostAddress::LocalHost);
}

}  // namespace

HouseholdServer::HouseholdServer(ExpenseDatabase& db, FileSystem& fs, QObject* parent)
    : QObject(parent), db_(db), fs_(fs) {}

HouseholdServer::~HouseholdServer() {
  Stop();
}

Status HouseholdServer::Start(const Options& options) {
  Stop();
  options_ = options;
  SiteHooks hooks{[this] { emit BookChanged(); }, DrawSvg, Today};
  auto site = std::make_unique<HouseholdSite>(db_, fs_, !options.plain_http, std::move(hooks));
  if (Status loaded = site->Load(); !loaded.ok()) return loaded;
  std::unique_ptr<QTcpServer> listener;
  if (options.plain_http) {
    listener = std::make_unique<GuardedTcpServer>();
  } else if (Status made = MakeTlsListener(listener); !made.ok()) {
    return made;
  }
  if (!listener->listen(options.address, options.port)) {
    return Status::IOError("Can't listen on " + options.address.toString().toStdString() + ":" +
                               std::to_string(options.port),
                           listener->errorString().toStdString());
  }
  port_ = listener->serverPort();
  site_ = std::move(site);
  front_ = new HttpFront(*site_, this);
  front_->bind(listener.release());
  return Status::Ok();
}

Status HouseholdServer::MakeTlsListener(std::unique_ptr<QTcpServer>& listener) {
  Identity identity;
  const QString folder = options_.identity_folder.isEmpty()
                             ? QString::fromStdString(IdentityFolder())
                             : options_.identity_folder;
  if (Status made = LoadOrMakeIdentity(folder.toStdString(), identity); !made.ok()) return made;
  const QSslCertificate certificate(QByteArray::fromStdString(identity.certificate_pem));
  const QSslKey key(QByteArray::fromStdString(identity.key_pem), QSsl::Ec);
  if (certificate.isNull() || key.isNull()) {
    return Status::Corruption("Can't use the server's certificate in " + folder.toStdString(),
                              "Remove cert.pem and key.pem there to make new ones.");
  }
  QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
  tls.setLocalCertificate(certificate);
  tls.setPrivateKey(key);
  tls.setPeerVerifyMode(QSslSocket::VerifyNone);
  auto ssl = std::make_unique<GuardedSslServer>();
  ssl->setSslConfiguration(tls);
  ssl->setHandshakeTimeout(ConnectionLimits::kRequestTime);
  listener = std::move(ssl);
  fingerprint_ = FingerprintOf(certificate);
  return Status::Ok();
}

void HouseholdServer::Stop() {
  delete front_;
  front_ = nullptr;
  site_.reset();
  port_ = 0;
  fingerprint_.clear();
}

bool HouseholdServer::IsRunning() const {
  return front_ != nullptr;
}

QUrl HouseholdServer::Address() const {
  QHostAddress host = options_.address;
  if (host == QHostAddress::Any || host == QHostAddress::AnyIPv4 || host == QHostAddress::AnyIPv6) {
    host = ReachableAddress();
  }
  QUrl url;
  url.setScheme(options_.plain_http ? "http" : "https");
  url.setHost(host.toString());
  url.setPort(port_);
  url.setPath("/");
  return url;
}

QString HouseholdServer::Fingerprint() const {
  return fingerprint_;
}

}  // namespace kestrune::server
