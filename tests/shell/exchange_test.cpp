#include <QCheckBox>
#include <QComboBox>
#include <QStatusBar>

#include "database/book_export.h"
#include "tests/shell/frame_fixture.h"

namespace kestrune::testing {
namespace {

// Answers every file dialog with one path and keeps the titles asked.
class FakeChooser final : public FileChooser {
 public:
  QString ChooseSaveFile(QWidget*, const QString& title, const QString&, const QString&) override {
    asked.push_back(title.toStdString());
    return path;
  }
  QString ChooseOpenFile(QWidget*, const QString& title, const QString&) override {
    asked.push_back(title.toStdString());
    return path;
  }
  QString path;
  std::vector<std::string> asked;
};

class ExchangeTest : public FrameTest {
 protected:
  MainWindow& OpenWithChooser() {
    MainWindow& main = OpenHousehold("Bread");
    main.setFileChooser(chooser);
    return main;
  }
  // The book's purchases as "date category/item person information sum" lines.
  std::string Purchases() {
    std::string out;
    for (const BookPurchase& row : PurchasesToExport(frame->db(), "all months").value) {
      const PurchaseRecord& p = row.purchase;
      out += IsoDate(p) + " " + row.category + "/" + row.item + " " + p.person + " " +
             p.information + " " + p.sum + "\n";
    }
    return out;
  }
  FakeChooser chooser;
};

TEST_F(ExchangeTest, ImportMapsColumnsRefusesWithLineNumbersAndIsUndoneAsOneChange) {
  MainWindow& main = OpenWithChooser();
  const std::string before = Purchases();
  work.Write("bank.csv",
             "Date;Spender;Category;Item;Shop;Amount\n"
             "03.03.2024;Anna;Food;Milk;Corner;-1,20\n"
             "04.03.2024;Bob;;;Market;-2,50\n"
             "05.03.2024;Bob;Garden;Seeds;Shed;-7,00\n");
  chooser.path = QString::fromStdString(work.path() + "/bank.csv");
  Then([&](QDialog& d) {
    // Headers found the date, category, item and sum; "Spender" and "Shop" are the user's to map.
    EXPECT_EQ(Field<QComboBox>(d, "columnField1")->currentText(), "date");
    EXPECT_EQ(Field<QComboBox>(d, "columnField2")->currentText(), "not imported");
    EXPECT_EQ(Field<QComboBox>(d, "columnField6")->currentText(), "sum");
    Field<QComboBox>(d, "columnField2")->setCurrentText("person");
    Field<QComboBox>(d, "columnField5")->setCurrentText("information");
    Type(d, "dateFormat", "%d.%m.%Y");
    Field<QCheckBox>(d, "decimalComma")->setChecked(true);
    Field<QCheckBox>(d, "negativeExpenses")->setChecked(true);
    Field<QComboBox>(d, "targetItem")->setCurrentText("Food / Bread");
    Press(d, "importButton");
    const QString report = Field<QPlainTextEdit>(d, "importReport")->toPlainText();
    EXPECT_TRUE(report.contains("Refused: 1") && report.contains("Line 4: "))
        << report.toStdString();
    EXPECT_EQ(Purchases(), before);  // a refused row imports nothing
    Field<QCheckBox>(d, "createNames")->setChecked(true);
    Press(d, "checkButton");
    EXPECT_TRUE(
        Field<QPlainTextEdit>(d, "importReport")->toPlainText().contains("Would import: 3"));
    Press(d, "importButton");
  });
  Run("actionImport");
  EXPECT_EQ(chooser.asked, std::vector<std::string>{"Import"});
  EXPECT_TRUE(prompts.messages.empty());
  const std::string imported = Purchases();
  EXPECT_NE(imported.find("2024-03-03 Food/Milk Anna Corner  1.20"), std::string::npos) << imported;
  EXPECT_NE(imported.find("2024-03-04 Food/Bread Bob Market  2.50"), std::string::npos) << imported;
  EXPECT_NE(imported.find("2024-03-05 Garden/Seeds Bob Shed  7.00"), std::string::npos) << imported;
  EXPECT_EQ(main.statusBar()->currentMessage(), "Imported 3 purchases from bank.csv");
  EXPECT_NE(TreeOutline().find("Garden"), std::string::npos);
  EXPECT_EQ(Action("actionUndo")->text().toStdString(), "&Undo Import 3 purchases from bank.csv");
  Run("actionUndo");
  EXPECT_EQ(Purchases(), before);
  EXPECT_EQ(TreeOutline().find("Garden"), std::string::npos);
}

TEST_F(ExchangeTest, ExportWritesTheChosenFormatToTheChosenFileOrSaysWhyNot) {
  MainWindow& main = OpenWithChooser();
  chooser.path = QString::fromStdString(work.path() + "/out.csv");
  Then([](QDialog& d) {
    Field<QComboBox>(d, "exportMonth")->setCurrentText("All months");
    d.accept();
  });
  Run("actionExport");
  const std::string csv = work.Read("out.csv");
  EXPECT_EQ(csv.substr(0, csv.find('\n') + 1), "date,category,item,person,information,sum\r\n");
  EXPECT_NE(csv.find("2024-02-01,Home,Rent,Bob,,700.00\r\n"), std::string::npos) << csv;
  EXPECT_EQ(main.statusBar()->currentMessage(), "Exported 2 purchases to " + chooser.path);

  chooser.path = QString::fromStdString(work.path() + "/out.journal");
  Then([](QDialog& d) {
    Field<QComboBox>(d, "exportFormat")->setCurrentIndex(1);
    d.accept();
  });
  Run("actionExport");  // the month chooser's month: 2024 March only
  const std::string journal = work.Read("out.journal");
  EXPECT_NE(journal.find("Expenses:Food:Bread"), std::string::npos) << journal;
  EXPECT_EQ(journal.find("Rent"), std::string::npos) << journal;

  chooser.path = QString::fromStdString(work.path() + "/missing/out.csv");
  Then([](QDialog& d) { d.accept(); });
  Run("actionExport");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].find("Cannot write"), std::string::npos);
  EXPECT_FALSE(work.Exists("missing/out.csv"));
}

}  // namespace
}  // namespace kestrune::testing
