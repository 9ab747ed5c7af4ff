#pragma once

#include <string>

#include "database/status.h"

namespace kestrune::server {

// The server's own TLS identity: a self-signed certificate and its private key, in PEM.
struct Identity {
  std::string certificate_pem;
  std::string key_pem;
};

// The folder that keeps the identity, in the user's data folder and never in a book:
// $XDG_DATA_HOME/kestrune/household-server (by default ~/.local/share/...).
std::string IdentityFolder();

// Reads cert.pem and key.pem from `folder`; when either is missing, makes a new P-256 key
// and a self-signed certificate valid for ten years, and writes both (the folder made with
// mode 0700, the key file 0600, each file written whole before it takes its name).
[[nodiscard]] Status LoadOrMakeIdentity(const std::string& folder, Identity& identity);

}  // namespace kestrune::server
