#include "shell/find_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "database/book_export.h"

namespace kestrune {
namespace {

// A label whose mnemonic puts the keyboard in `buddy`.
QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

QDateEdit* DayField(const char* name, QWidget* parent) {
  auto* day = new QDateEdit(QDate::currentDate(), parent);
  day->setObjectName(name);
  day->setCalendarPopup(true);
  day->setDisplayFormat("yyyy-MM-dd");
  day->setEnabled(false);
  return day;
}

QLineEdit* SumField(const char* name, QWidget* parent) {
  auto* sum = new QLineEdit(parent);
  sum->setObjectName(name);
  sum->setPlaceholderText(QObject::tr("any"));
  sum->setMaximumWidth(110);
  return sum;
}

}  // namespace

FindPanel::FindPanel(const ExpenseDatabase& book, FileSystem& fs, UserPrompts& prompts,
                     FileChooser& chooser, QWidget* parent)
    : QWidget(parent),
      book_(book),
      prompts_(prompts),
      chooser_(&chooser),
      finder_(std::make_unique<PurchaseFinder>(fs)),
      words_(new QLineEdit(this)),
      person_(new QComboBox(this)),
      fromOn_(new QCheckBox(tr("Fro&m"), this)),
      from_(DayField("fromDay", this)),
      toOn_(new QCheckBox(tr("&To"), this)),
      to_(DayField("toDay", this)),
      minSum_(SumField("minSum", this)),
      maxSum_(SumField("maxSum", this)),
      findButton_(new QPushButton(tr("F&ind"), this)),
      results_(new FindResultsModel(this)),
      sorted_(new QSortFilterProxyModel(this)),
      table_(new QTableView(this)),
      summary_(new QLabel(this)),
      exportButton_(new QPushButton(tr("E&xport..."), this)) {
  setObjectName("findPanel");
  createFields();
  connect(&watcher_, &QFutureWatcherBase::finished, this, &FindPanel::searchFinished);
}

// A search still running reads through the finder and the snapshot it was given.
FindPanel::~FindPanel() {
  watcher_.waitForFinished();
}

void FindPanel::createFields() {
  words_->setObjectName("findWords");
  words_->setPlaceholderText(tr("Words in the category, the item or the information"));
  person_->setObjectName("findPerson");
  findButton_->setObjectName("findButton");
  exportButton_->setObjectName("exportResults");
  exportButton_->setEnabled(false);
  summary_->setObjectName("findSummary");
  summary_->setTextFormat(Qt::PlainText);
  sorted_->setSourceModel(results_);
  sorted_->setSortRole(FindResultsModel::kSortRole);
  table_->setObjectName("findResults");
  table_->setModel(sorted_);
  // The order found until a header is clicked.
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table_->setSortingEnabled(true);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setTabKeyNavigation(false);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  table_->horizontalHeader()->setSectionResizeMode(FindResultsModel::kInformation,
                                                   QHeaderView::Stretch);

  auto* top = new QHBoxLayout;
  top->addWidget(BuddyLabel(tr("&Words:"), words_, this));
  top->addWidget(words_, 1);
  top->addWidget(BuddyLabel(tr("&Person:"), person_, this));
  top->addWidget(person_);
  top->addWidget(findButton_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(summary_, 1);
  bottom->addWidget(exportButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(createRanges());
  layout->addWidget(table_, 1);
  layout->addLayout(bottom);

  connect(words_, &QLineEdit::returnPressed, this, &FindPanel::find);
  connect(findButton_, &QPushButton::clicked, this, &FindPanel::find);
  connect(exportButton_, &QPushButton::clicked, this, &FindPanel::exportResults);
  // Enter, or a double-click, on a row.
  connect(table_, &QAbstractItemView::activated, this, &FindPanel::choose);
  for (QWidget* field : std::initializer_list<QWidget*>{person_, fromOn_, from_, toOn_, to_}) {
    field->installEventFilter(this);
  }
}

QLayout* FindPanel::createRanges() {
  auto* ranges = new QHBoxLayout;
  ranges->addWidget(fromOn_);
  ranges->addWidget(from_);
  ranges->addWidget(toOn_);
  ranges->addWidget(to_);
  ranges->addSpacing(16);
  ranges->addWidget(BuddyLabel(tr("&Sum from"), minSum_, this));
  ranges->addWidget(minSum_);
  ranges->addWidget(BuddyLabel(tr("t&o"), maxSum_, this));
  ranges->addWidget(maxSum_);
  ranges->addStretch();
  fromOn_->setObjectName("fromOn");
  toOn_->setObjectName("toOn");
  connect(fromOn_, &QCheckBox::toggled, from_, &QWidget::setEnabled);
  connect(toOn_, &QCheckBox::toggled, to_, &QWidget::setEnabled);
  connect(minSum_, &QLineEdit::returnPressed, this, &FindPanel::find);
  connect(maxSum_, &QLineEdit::returnPressed, this, &FindPanel::find);
  return ranges;
}

void FindPanel::prepare() {
  const QVariant chosen = person_->currentData();
  person_->clear();
  person_->addItem(tr("Anyone"));
  std::vector<std::string> persons = book_.GetPersonNames();
  persons.push_back(kForAll);
  for (const std::string& person : persons) {
    person_->addItem(QString::fromStdString(person), QString::fromStdString(person));
  }
  person_->setCurrentIndex(std::max(0, person_->findData(chosen)));
  words_->setFocus();
  words_->selectAll();
}

FindFields FindPanel::fields() const {
  FindFields fields;
  fields.words = words_->text().toStdString();
  if (person_->currentData().isValid()) {
    fields.person = person_->currentData().toString().toStdString();
  }
  if (fromOn_->isChecked()) fields.from = from_->date();
  if (toOn_->isChecked()) fields.to = to_->date();
  fields.min_sum = minSum_->text().toStdString();
  fields.max_sum = maxSum_->text().toStdString();
  return fields;
}

void FindPanel::find() {
  Result<FindRequest> request = RequestOf(fields());
  if (!request.ok()) {
    showProblem(request.status);
    return;
  }
  pending_ = std::move(request.value);
  ++requested_;
  summary_->setText(tr("Searching..."));
  if (!watcher_.isRunning()) startSearch();
}

// The snapshot is taken here, on the book's own thread; the search reads only it and the disk.
void FindPanel::startSearch() {
  running_ = requested_;
  std::shared_ptr<const ExpenseDatabase> book = book_.Snapshot();
  PurchaseFinder* finder = finder_.get();
  watcher_.setFuture(QtConcurrent::run(
      [finder, book, request = pending_] { return finder->Find(*book, request); }));
}

void FindPanel::searchFinished() {
  // The report of a search replaced before its end was told: the newer one reports itself.
  if (watcher_.isRunning()) return;
  if (running_ != requested_) {
    startSearch();
    return;
  }
  Result<FindResult> found = watcher_.result();
  if (!found.ok()) {
    showProblem(found.status);
    return;
  }
  const QString summary = ResultsSummary(found.value.count(), found.value.sum);
  results_->setResults(std::move(found.value));
  table_->resizeColumnsToContents();
  summary_->setText(summary);
  exportButton_->setEnabled(results_->rowCount() > 0);
}

void FindPanel::choose(const QModelIndex& index) {
  if (!index.isValid()) return;
  emit purchaseChosen(results_->purchaseAt(sorted_->mapToSource(index).row()));
}

// The results shown stay; the line under them says what went wrong.
void FindPanel::showProblem(const Status& status) {
  const std::string detail = status.detail();
  summary_->setText(
      QString::fromStdString(status.message() + (detail.empty() ? "" : " (" + detail + ")")));
}

void FindPanel::exportResults() {
  std::vector<FoundPurchase> shown;
  for (int row = 0; row < sorted_->rowCount(); ++row) {
    shown.push_back(results_->purchaseAt(sorted_->mapToSource(sorted_->index(row, 0)).row()));
  }
  const QString path = chooser_->ChooseSaveFile(this, tr("Export the purchases found"),
                                                "kestrune-found.csv", tr("CSV files (*.csv)"));
  if (path.isEmpty()) return;
  if (Status written = WriteExportFile(path, PurchasesCsv(ExportRows(shown))); !written.ok()) {
    prompts_.ShowRefusal(written);
    return;
  }
  emit noted(ExportedNote(shown.size(), path));
}

// Enter in the person chooser or a day field searches, as it does in the text fields.
bool FindPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      find();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kestrune
