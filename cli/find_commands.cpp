// find: purchases by words, person, days and sums.
#include <CLI/CLI.hpp>
#include <memory>

#include "cli/cli_run.h"
#include "cli/command_output.h"
#include "cli/command_support.h"
#include "database/amounts.h"
#include "database/purchase_finder.h"

namespace kestrune::cli {
namespace {

struct FindArgs {
  std::vector<std::string> words;
  std::optional<std::string> person, from, to, min, max;
};

// The sum typed for a bound, or the refusal's status.
int ReadBound(const std::optional<std::string>& text, std::optional<Cents>& bound) {
  if (!text) return kExitOk;
  // As everywhere on the command line, "," and "." are both decimal marks.
  const TypedSum sum = ReadTypedSum(*text, "");
  if (!sum.cents) return Refuse("Invalid sum: " + *text + " (a number such as 12.50)");
  bound = sum.cents;
  return kExitOk;
}

int ReadDay(const std::optional<std::string>& text) {
  if (!text || ParseIsoDay(*text)) return kExitOk;
  return Refuse("Invalid date: " + *text + " (use YYYY-MM-DD)");
}

// The request the arguments make; status 1 when one of them is refused.
int MakeRequest(const FindArgs& args, FindRequest& request) {
  if (const int refused = ReadDay(args.from)) return refused;
  if (const int refused = ReadDay(args.to)) return refused;
  if (const int refused = ReadBound(args.min, request.min_sum)) return refused;
  if (const int refused = ReadBound(args.max, request.max_sum)) return refused;
  request.words = args.words;
  request.person = args.person;
  request.from = args.from;
  request.to = args.to;
  return kExitOk;
}

std::string Listing(const FindResult& found) {
  std::string out;
  for (const FoundPurchase& purchase : found.purchases) {
    out += purchase.category + "|" + purchase.item + "|" + purchase.line + "\n";
  }
  out += std::to_string(found.count()) + (found.count() == 1 ? " purchase, " : " purchases, ") +
         FormatShownCents(found.sum) + "\n";
  return out;
}

int RunFind(CliRun& run, const FindArgs& args) {
  FindRequest request;
  if (const int refused = MakeRequest(args, request)) return refused;
  std::string out;
  // Read as the book is: finding never repairs or otherwise writes it.
  const int status = WithDatabase(run.workdir, Access::kReadAsIs, [&](ExpenseDatabase& db) {
    if (request.person && *request.person != kForAll) {
      if (const int refused = RequirePerson(db, *request.person)) return refused;
    }
    PosixFileSystem disk;
    PurchaseFinder finder(disk);
    const Result<FindResult> found = finder.Find(db, request);
    if (found.ok()) out = Listing(found.value);
    return Reported(found.status);
  });
  return status == kExitOk ? PrintOutput(out) : status;
}

}  // namespace

void AddFindCommands(CLI::App& app, CliRun& run) {
  auto args = std::make_shared<FindArgs>();
  auto* sub = app.add_subcommand(
      "find", "the purchases whose category, item or information hold every word");
  sub->add_option("WORDS", args->words, "words to find, without regard to case");
  sub->add_option("--person", args->person, "a person of the catalogue or \"for all\"");
  sub->add_option("--from", args->from, "the first day, YYYY-MM-DD");
  sub->add_option("--to", args->to, "the last day, YYYY-MM-DD");
  sub->add_option("--min", args->min, "the smallest sum, \"12.50\" or \"12,50\"");
  sub->add_option("--max", args->max, "the largest sum");
  sub->callback([&run, args] { run.action = [args](CliRun& r) { return RunFind(r, *args); }; });
}

}  // namespace kestrune::cli
