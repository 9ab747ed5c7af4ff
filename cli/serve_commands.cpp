// serve: the household server on the book; access: who may sign in to it.
#include <sys/socket.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <csignal>
#include <iostream>
#include <memory>

#include "cli/cli_run.h"
#include "cli/command_output.h"
#include "cli/command_support.h"
#include "database/database_folder.h"
#include "server/household_access.h"
#include "server/household_server.h"

namespace kestrune::cli {
namespace {

using server::HouseholdServer;
using server::Member;

struct ServeArgs {
  std::string listen;
  bool plain_http = false;
};

// "ADDR:PORT", "[IPV6]:PORT" or "ADDR" (the default port); false for anything else.
bool ParseListen(const std::string& text, HouseholdServer::Options& options, quint16 port) {
  std::string host = text, port_text;
  const size_t colon = text.rfind(':');
  const bool bracketed = !text.empty() && text.front() == '[';
  if (colon != std::string::npos && (!bracketed || text[colon - 1] == ']')) {
    host = text.substr(0, colon);
    port_text = text.substr(colon + 1);
  }
  if (bracketed)
    host = host.size() > 2 && host.back() == ']' ? host.substr(1, host.size() - 2) : "";
  bool ok = true;
  const uint number = port_text.empty() ? port : QString::fromStdString(port_text).toUInt(&ok);
  if (!ok || number > 65535 || !options.address.setAddress(QString::fromStdString(host))) {
    return false;
  }
  options.port = static_cast<quint16>(number);
  return true;
}

int signal_pipe[2] = {-1, -1};

void OnStopSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signal_pipe[1], &byte, 1);
}

// Ends the event loop on SIGINT or SIGTERM (through a pipe: Qt must not be called from a
// signal handler).
std::unique_ptr<QSocketNotifier> StopOnSignals() {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signal_pipe) != 0) return nullptr;
  auto notifier = std::make_unique<QSocketNotifier>(signal_pipe[0], QSocketNotifier::Read);
  QObject::connect(notifier.get(), &QSocketNotifier::activated, [] { QCoreApplication::quit(); });
  std::signal(SIGINT, OnStopSignal);
  std::signal(SIGTERM, OnStopSignal);
  return notifier;
}

int Serve(ExpenseDatabase& db, const HouseholdServer::Options& options) {
  // The charts are drawn off screen; a server needs no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "kestrune-cli";
  static char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  PosixFileSystem fs;
  HouseholdServer household(db, fs);
  if (Status started = household.Start(options); !started.ok()) {
    return Refuse(started.detail().empty() ? started.message()
                                           : started.message() + ": " + started.detail());
  }
  const auto stop = StopOnSignals();
  std::cout << "Serving the book at " << household.Address().toString().toStdString() << "\n";
  if (!options.plain_http) {
    std::cout << "Certificate fingerprint (SHA-256): " << household.Fingerprint().toStdString()
              << "\n";
  }
  std::cout << std::flush;
  app.exec();
  household.Stop();
  return kExitOk;
}

int RunServe(CliRun& run, const ServeArgs& args) {
  HouseholdServer::Options options;
  options.plain_http = args.plain_http;
  const quint16 port = args.plain_http ? 8080 : 8443;
  if (!ParseListen(args.listen.empty() ? "127.0.0.1" : args.listen, options, port)) {
    std::cerr << "usage: --listen takes ADDRESS:PORT, such as 0.0.0.0:8443: " << args.listen
              << "\n";
    return kExitUsage;
  }
  return WithDatabase(run.workdir, [&](ExpenseDatabase& db) { return Serve(db, options); });
}

struct AccessArgs {
  std::string person;
  bool remove = false, owner = false, list = false;
};

// The passphrase is the first line of standard input, so it never shows in a process list.
int ChangeAccess(const std::string& folder, const AccessArgs& args) {
  PosixFileSystem fs;
  if (args.remove) {
    const Status removed = server::RemovePassphrase(fs, folder, args.person);
    return removed.IsInvalidArgument() ? Refuse(removed) : Reported(removed);
  }
  std::string passphrase;
  std::getline(std::cin, passphrase);
  if (!passphrase.empty() && passphrase.back() == '\r') passphrase.pop_back();
  const Status set = server::SetPassphrase(fs, folder, args.person, passphrase, args.owner);
  return set.IsInvalidArgument() ? Refuse(set) : Reported(set);
}

int RunAccess(CliRun& run, const AccessArgs& args) {
  if (args.list == !args.person.empty()) {
    std::cerr << "usage: access PERSON [--remove] [--owner], or access --list\n";
    return kExitUsage;
  }
  std::vector<Member> members;
  std::string folder;
  // The catalogue is read under the readers' lock; the access file is written after it is
  // let go, so this works while the server holds the book.
  const int status = WithDatabase(run.workdir, Access::kRead, [&](ExpenseDatabase& db) {
    folder = db.database_folder();
    PosixFileSystem fs;
    if (const int failed = Reported(server::ReadMembers(fs, folder, members))) return failed;
    return args.list ? kExitOk : RequirePerson(db, args.person);
  });
  if (status != kExitOk || !args.list)
    return status != kExitOk ? status : ChangeAccess(folder, args);
  std::string out;
  for (const Member& m : members) out += m.person + (m.owner ? " (owner)" : "") + "\n";
  return PrintOutput(out);
}

}  // namespace

void AddServeCommands(CLI::App& app, CliRun& run) {
  auto serve_args = std::make_shared<ServeArgs>();
  auto* serve = app.add_subcommand("serve", "run the household server on the book");
  serve->add_option("--listen", serve_args->listen,
                    "ADDRESS:PORT to listen on (127.0.0.1:8443; 8080 with --plain-http)");
  serve->add_flag("--plain-http", serve_args->plain_http, "serve without TLS");
  serve->callback([&run, serve_args] {
    run.action = [serve_args](CliRun& r) { return RunServe(r, *serve_args); };
  });
  auto access_args = std::make_shared<AccessArgs>();
  auto* access = app.add_subcommand(
      "access", "set a person's household passphrase (read from standard input)");
  access->add_option("PERSON", access_args->person, "a person of the catalogue");
  auto* remove = access->add_flag("--remove", access_args->remove, "take the passphrase away");
  auto* owner =
      access->add_flag("--owner", access_args->owner, "may change every purchase, as the owner");
  auto* list = access->add_flag("--list", access_args->list, "list who has a passphrase");
  remove->excludes(owner);
  list->excludes(remove, owner);
  access->callback([&run, access_args] {
    run.action = [access_args](CliRun& r) { return RunAccess(r, *access_args); };
  });
}

}  // namespace kestrune::cli
