// export csv, export journal and import csv from the command line.
#include <cmath>
#include <map>
#include <sstream>

#include "tests/support/cli_fixture.h"

namespace kestrune::testing {
namespace {

class ExchangeCommands : public CliTest {
 protected:
  // A generated book, and a category whose name the journal cannot take as it is.
  void MakeBook() {
    Ok({"generate", "--categories", "3", "--items", "3", "--persons", "2", "--months", "14",
        "--purchases", "300"});
    Ok({"add-category", "Out: eat  ;late"});
    Ok({"add-item", "Out: eat  ;late", "Pizza, \"large\""});
    Ok({"record", "Out: eat  ;late", "Pizza, \"large\"", "2024-02-29", "Person 1", "12.5",
        "[2024/99/99] with, \"friends\""});
  }
  ProcessResult In(TempFolder& folder, std::vector<std::string> args) {
    args.insert(args.begin(), {"--workdir", folder.path()});
    return RunProcess(KESTRUNE_CLI_PATH, args);
  }
  std::vector<std::string> Categories() {
    std::istringstream lines(Ok({"categories"}));
    std::vector<std::string> names;
    for (std::string name; std::getline(lines, name);) names.push_back(name);
    return names;
  }
  std::string Import(const std::string& csv, std::vector<std::string> options, int status) {
    work.Write("in.csv", csv);
    options.insert(options.begin(), {"import", "csv", work.path() + "/in.csv"});
    ProcessResult result = Cli(options);
    EXPECT_EQ(result.status, status) << result.err;
    return result.out;
  }
};

TEST_F(ExchangeCommands, AnExportedBookImportsIntoAnEmptyOneWithEveryTotalAndPurchase) {
  MakeBook();
  const std::string csv = work.path() + "/book.csv";
  Ok({"export", "csv", "-o", csv});
  const std::string february = Ok({"export", "csv", "--month", "2024 February"});
  EXPECT_EQ(february.substr(0, 43), "date,category,item,person,information,sum\r\n");
  EXPECT_NE(february.find("\r\n2024-02-29,Out: eat  ;late,\"Pizza, \"\"large\"\"\",Person 1,"
                          "\"[2024/99/99] with, \"\"friends\"\"\",12.50\r\n"),
            std::string::npos);
  EXPECT_EQ(february.find("2024-01-"), std::string::npos);
  TempFolder other;
  ASSERT_EQ(In(other, {"init"}).status, 0);
  EXPECT_EQ(In(other, {"import", "csv", csv, "--create"}).out,
            "Imported: 301\nSkipped as duplicates: 0\nRefused: 0\n");
  EXPECT_EQ(In(other, {"import", "csv", csv, "--create"}).out,
            "Imported: 0\nSkipped as duplicates: 301\nRefused: 0\n");
  EXPECT_EQ(In(other, {"check"}).out, "Everything adds up.\n");
  EXPECT_EQ(In(other, {"export", "csv"}).out, Ok({"export", "csv"}));
  for (const std::string& category : Categories()) {
    EXPECT_EQ(In(other, {"total", category}).out, Ok({"total", category}));
    EXPECT_EQ(In(other, {"person-totals", category}).out, Ok({"person-totals", category}));
    EXPECT_EQ(In(other, {"items", category}).out, Ok({"items", category}));
    std::istringstream items(Ok({"items", category}));
    for (std::string item; std::getline(items, item);) {
      EXPECT_EQ(In(other, {"purchases", category, item}).out, Ok({"purchases", category, item}));
    }
  }
  // The import is one change: one undo takes all of it back.
  EXPECT_EQ(In(other, {"undo"}).out, "Undone: Import 301 purchases from book.csv\n");
  EXPECT_EQ(In(other, {"categories"}).out, "");
  EXPECT_EQ(In(other, {"months"}).out, "");
}

TEST_F(ExchangeCommands, TheJournalBalancesToEveryCategoryTotal) {
  if (RunProcess("/bin/sh", {"-c", "command -v ledger"}).status != 0) {
    GTEST_SKIP() << "ledger is not installed (scripts/install-deps installs it)";
  }
  MakeBook();
  const std::string journal = work.path() + "/book.journal";
  Ok({"export", "journal", "-o", journal});
  const ProcessResult balance = RunProcess(
      "/usr/bin/env", {"ledger", "-f", journal, "balance", "--depth", "2", "--no-total",
                       "--balance-format", "%(account)=%(display_total)\n", "^Expenses"});
  ASSERT_EQ(balance.status, 0) << balance.err;
  // The journal leaves out trailing zeros ("12.5"): the amounts are compared as cents.
  std::map<std::string, long long> balances, totals;
  std::istringstream lines(balance.out);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t equals = line.rfind('=');
    balances[line.substr(0, equals)] = std::llround(std::stod(line.substr(equals + 1)) * 100);
  }
  for (const std::string& category : Categories()) {
    const std::string account = category == "Out: eat  ;late" ? "Out_ eat ;late" : category;
    totals["Expenses:" + account] = std::llround(std::stod(Ok({"total", category})) * 100);
  }
  totals["Expenses"] = 649781;
  EXPECT_EQ(balances, totals);
}

TEST_F(ExchangeCommands, ABankStatementImportsItsNegativeAmountsAsExpenses) {
  Ok({"init"});
  Ok({"add-category", "Bank"});
  Ok({"add-item", "Bank", "Card"});
  const std::string statement =
      "\xEF\xBB\xBF"
      "Booking date;Description;Amount\r\n"
      "03.01.2024;\"Bakery; \"\"fresh\"\"\r\nbread\";-1.234,56\r\n"
      "04.01.2024;Salary;2.000,00\r\n"
      "5.1.24;Shop|corner;-7,5\r\n";
  const std::vector<std::string> options = {"--date-format",       "%d.%m.%Y", "--decimal-comma",
                                            "--negative-expenses", "--item",   "Bank/Card"};
  EXPECT_EQ(Import(statement, options, 1),
            "Imported: 0\nSkipped as duplicates: 0\nLeft out as not expenses: 1\nRefused: 1\n"
            "Line 5: Invalid date: 5.1.24\n");
  Import(
      "\xEF\xBB\xBF"
      "Booking date;Description;Amount\r\n"
      "03.01.2024;\"Bakery; \"\"fresh\"\"\r\nbread\";-1.234,56\r\n"
      "04.01.2024;Salary;2.000,00\r\n05.01.2024;Shop|corner;-7,5\r\n",
      options, 0);
  EXPECT_EQ(Ok({"purchases", "Bank", "Card"}),
            "2024|January|03|for all|Bakery; \"fresh\" bread|1234.56\n"
            "2024|January|05|for all|Shop/corner| 7.50\n");
  EXPECT_EQ(Ok({"total", "Bank"}), "1242.06\n");
}

TEST_F(ExchangeCommands, RefusedRowsAreNamedAndNothingIsImported) {
  Ok({"init"});
  Ok({"add-category", "Food"});
  Ok({"add-item", "Food", "Milk"});
  const std::string csv =
      "Date,Category,Item,Person,Note,Sum\n"
      "2024-01-02,Food,Milk,,\"two\nlines\",1.50\n"
      "2024-01-03,Fod,Milk,,,1\n"
      "2024-02-30,Food,Milk,,,1\n"
      "2024-01-04,Food,Milk,Zoe,,1\n"
      "2024-01-05,Food,Milk,,,0\n"
      "2024-01-06,Food,Milk,,,12abc\n"
      "2024-01-07,,,,,1\n"
      "2024-01-08,../x,Milk,,,1\n";
  EXPECT_EQ(Import(csv, {}, 1),
            "Imported: 0\nSkipped as duplicates: 0\nRefused: 7\n"
            "Line 4: Unknown category: Fod\nLine 5: Invalid date: 2024-02-30\n"
            "Line 6: Unknown person: Zoe\nLine 7: The sum must be greater than 0: 0\n"
            "Line 8: Invalid sum: 12abc\nLine 9: No category and item (see --item)\n"
            "Line 10: Unknown category: ../x\n");
  EXPECT_EQ(Import(csv, {"--create", "--dry-run"}, 1),
            "Would import: 0\nSkipped as duplicates: 0\nRefused: 5\n"
            "Line 5: Invalid date: 2024-02-30\nLine 7: The sum must be greater than 0: 0\n"
            "Line 8: Invalid sum: 12abc\nLine 9: No category and item (see --item)\n"
            "Line 10: Invalid category name: The name may not hold \"/\".\n");
  EXPECT_EQ(Ok({"months"}), "");
  EXPECT_EQ(Import("Day;Amount;Memo\n2024-01-02;1.5;x\n", {"--item", "Food/Milk", "--dry-run"}, 0),
            "Would import: 1\nSkipped as duplicates: 0\nRefused: 0\n");
  EXPECT_EQ(Ok({"total", "Food"}), "0.00\n");
  EXPECT_EQ(Import("when,what\n2024-01-02,2\n",
                   {"--map", "when=date", "--map", "2=sum", "--item", "Food/Milk"}, 0),
            "Imported: 1\nSkipped as duplicates: 0\nRefused: 0\n");
  EXPECT_EQ(Ok({"purchases", "Food", "Milk"}), "2024|January|02|for all|| 2.00\n");
}

}  // namespace
}  // namespace kestrune::testing
