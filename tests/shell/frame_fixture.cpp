#include "tests/shell/frame_fixture.h"

#include <QAbstractEventDispatcher>
#include <QPrinter>
#include <QSettings>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

#include "database/database_folder.h"
#include "shell/main_view.h"

namespace kestrune::testing {

namespace {

QString SettingsPath(const TempFolder& work) {
  return QString::fromStdString(work.path() + "/settings.ini");
}

// A failed step is recorded and the caller goes on: an ASSERT here would leave only this helper.
void Check(const Status& status) {
  EXPECT_TRUE(status.ok()) << status.message();
}

void AppendOutline(const QTreeWidgetItem* item, const QTreeWidgetItem* current, int depth,
                   std::string& text) {
  text += std::string(static_cast<size_t>(depth) * 2, ' ') + item->text(0).toStdString() +
          (item == current ? " *" : "") + "\n";
  for (int i = 0; i < item->childCount(); ++i) {
    AppendOutline(item->child(i), current, depth + 1, text);
  }
}

}  // namespace

FrameTest::FrameTest() : store(std::make_unique<QtSettingsStore>(SettingsPath(work))) {}

FrameTest::~FrameTest() {
  frame.reset();
}

void FrameTest::Prepare(const std::function<void(ExpenseDatabase&)>& fill) {
  PosixFileSystem fs;
  Check(CreateEmptyDatabase(fs, base()));
  ExpenseDatabase db(fs);
  ScriptedPrompts quiet;
  if (db.LoadDatabase(base(), quiet) != LoadOutcome::kLoaded) {
    ADD_FAILURE() << "the new database did not load";
    return;
  }
  fill(db);
}

void FrameTest::PrepareHousehold() {
  Prepare([](ExpenseDatabase& db) {
    Check(db.AddCategory("Food", "Everyday food"));
    Check(db.AddCategory("Home", ""));
    Check(db.AddItemToCategory("Food", "Milk", ""));
    Check(db.AddItemToCategory("Food", "Bread", ""));
    Check(db.AddItemToCategory("Home", "Rent", ""));
    Check(db.AddPerson("Anna", ""));
    Check(db.AddPerson("Bob", ""));
    Check(db.AddMonth("2024 February"));
    Check(db.AddMonth("2024 March"));
    Check(db.RecordPurchase("Food", "Bread", {"2024", "March", "05", "Anna", "rye", " 3.50"}));
    Check(db.RecordPurchase("Home", "Rent", {"2024", "February", "01", "Bob", "", "700.00"}));
  });
}

MainWindow& FrameTest::Open() {
  frame = std::make_unique<MainWindow>(*store, prompts, work.path(), disk, clock);
  EXPECT_TRUE(frame->started());
  frame->show();
  Settle();
  return *frame;
}

void FrameTest::CloseFrame() {
  frame->close();
  frame.reset();
  store->Flush();
}

void FrameTest::Settle() {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(5);
    // The start's backup, pages and charts run off the GUI thread.
    if (frame && frame->view()) {
      EXPECT_TRUE(
          QTest::qWaitFor([&] { return !frame->view()->busy() && !frame->model().starting(); }));
    }
  }
}

std::string FrameTest::TreeOutline() const {
  const QTreeWidget* tree = frame->treePane()->tree();
  std::string text;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) {
    AppendOutline(tree->topLevelItem(i), tree->currentItem(), 0, text);
  }
  return text;
}

bool FrameTest::SelectNode(const std::string& text) {
  const bool found = frame->treePane()->selectNodeByText(QString::fromStdString(text));
  Settle();
  return found;
}

QAction* FrameTest::Action(const char* name) const {
  auto* action = frame->findChild<QAction*>(name);
  EXPECT_NE(action, nullptr) << name;
  return action;
}

std::vector<std::string> FrameTest::VisibleItemButtons() const {
  std::vector<std::string> shown;
  auto* toolBar = frame->findChild<QToolBar*>("itemToolbar");
  for (QAction* place : toolBar->actions()) {
    auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(place));
    if (place->isVisible() && button) {
      shown.push_back(button->defaultAction()->objectName().toStdString());
    }
  }
  return shown;
}

std::string FrameTest::Setting(const std::string& key) const {
  QSettings settings(SettingsPath(work), QSettings::IniFormat);
  const QVariant value = settings.value(QString::fromStdString(key));
  return value.isValid() ? value.toString().toStdString() : "<absent>";
}

void FrameTest::ExpectPrints() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const std::string pdf = work.path() + "/printed.pdf";
  printer.setOutputFileName(QString::fromStdString(pdf));
  EXPECT_TRUE(frame->view()->print(printer));
  EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

}  // namespace kestrune::testing
