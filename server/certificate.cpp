#include "server/certificate.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

namespace kestrune::server {
namespace {

template <typename T, void (*Free)(T*)>
struct Deleter {
  void operator()(T* p) const { Free(p); }
};
using Key = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY, EVP_PKEY_free>>;
using Cert = std::unique_ptr<X509, Deleter<X509, X509_free>>;
using Bio = std::unique_ptr<BIO, Deleter<BIO, BIO_free_all>>;

std::string BioText(BIO* bio) {
  char* data = nullptr;
  const long size = BIO_get_mem_data(bio, &data);
  return std::string(data, static_cast<size_t>(size));
}

bool SetNames(X509* cert) {
  X509_NAME* name = X509_get_subject_name(cert);
  const auto* cn = reinterpret_cast<const unsigned char*>("Kestrune household server");
  if (!X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, cn, -1, -1, 0)) return false;
  if (!X509_set_issuer_name(cert, name)) return false;
  X509V3_CTX ctx;
  X509V3_set_ctx_nodb(&ctx);
  X509V3_set_ctx(&ctx, cert, cert, nullptr, nullptr, 0);
  X509_EXTENSION* san =
      X509V3_EXT_conf_nid(nullptr, &ctx, NID_subject_alt_name, "DNS:localhost,IP:127.0.0.1");
  const bool added = san && X509_add_ext(cert, san, -1);
  X509_EXTENSION_free(san);
  return added;
}

// A new self-signed certificate for `key`; null when OpenSSL refuses a step.
Cert SelfSigned(EVP_PKEY* key) {
  Cert cert(X509_new());
  unsigned char serial[16];
  if (!cert || RAND_bytes(serial, sizeof serial) != 1) return nullptr;
  serial[0] &= 0x7f;  // a positive serial number
  BIGNUM* number = BN_bin2bn(serial, sizeof serial, nullptr);
  const bool ok = number && BN_to_ASN1_INTEGER(number, X509_get_serialNumber(cert.get())) &&
                  X509_set_version(cert.get(), 2) &&
                  X509_gmtime_adj(X509_getm_notBefore(cert.get()), -3600) &&
                  X509_gmtime_adj(X509_getm_notAfter(cert.get()), 10L * 365 * 24 * 3600) &&
                  X509_set_pubkey(cert.get(), key) && SetNames(cert.get()) &&
                  X509_sign(cert.get(), key, EVP_sha256()) > 0;
  BN_free(number);
  return ok ? std::move(cert) : nullptr;
}

bool MakeIdentity(Identity& identity) {
  Key key(EVP_EC_gen("P-256"));
  if (!key) return false;
  Cert cert = SelfSigned(key.get());
  Bio cert_bio(BIO_new(BIO_s_mem())), key_bio(BIO_new(BIO_s_mem()));
  if (!cert || !cert_bio || !key_bio || !PEM_write_bio_X509(cert_bio.get(), cert.get()) ||
      !PEM_write_bio_PrivateKey(key_bio.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr)) {
    return false;
  }
  identity.certificate_pem = BioText(cert_bio.get());
  identity.key_pem = BioText(key_bio.get());
  return true;
}

bool ReadWhole(const std::string& path, std::string& content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream text;
  text << in.rdbuf();
  content = text.str();
  return !content.empty();
}

// Writes `content` to a new file beside `path` with `mode`, flushed, then renames it over.
Status WritePrivately(const std::string& path, const std::string& content, mode_t mode) {
  const std::string temp = path + ".new";
  ::unlink(temp.c_str());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  bool ok = fd >= 0 &&
            ::write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size()) &&
            ::fsync(fd) == 0;
  const int error = errno;
  if (fd >= 0) ::close(fd);
  ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) return Status::IOError("Can't write " + path + ": " + std::strerror(error));
  return Status::Ok();
}

Status MakeFolder(const std::string& folder) {
  for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      return Status::IOError("Can't make folder " + part + ": " + std::strerror(errno));
    }
    if (slash == std::string::npos) return Status::Ok();
  }
}

}  // namespace

std::string IdentityFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  std::string base = data && *data == '/'   ? data
                     : home && *home == '/' ? std::string(home) + "/.local/share"
                                            : std::string("/tmp");
  return base + "/kestrune/household-server";
}

Status LoadOrMakeIdentity(const std::string& folder, Identity& identity) {
  const std::string cert_path = folder + "/cert.pem", key_path = folder + "/key.pem";
  if (ReadWhole(cert_path, identity.certificate_pem) && ReadWhole(key_path, identity.key_pem)) {
    return Status::Ok();
  }
  if (Status made = MakeFolder(folder); !made.ok()) return made;
  if (!MakeIdentity(identity)) {
    return Status::IOError("Can't make the server's certificate", "OpenSSL refused");
  }
  if (Status key = WritePrivately(key_path, identity.key_pem, 0600); !key.ok()) return key;
  return WritePrivately(cert_path, identity.certificate_pem, 0644);
}

}  // namespace kestrune::server
