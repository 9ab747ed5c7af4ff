#include "shell/main_view.h"

#include <QPainter>
#include <QTimer>

#include "pages/page_writers.h"
#include "pages/welcome_page.h"
#include "render/painter_canvas.h"
#include "shell/data_folder_scheme.h"
#include "shell/item_tree_view.h"
#include "shell/main_window.h"
#include "shell/shell_icons.h"
#include "shell/web_engine_setup.h"

namespace kestrune {
namespace {

// The page shown when nothing is selected or the selection names nothing in the catalogue.
constexpr const char* kEmptyPage = "<html><body></body></html>";

QPushButton* ToggleButton(const char* text, const QPoint& at, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setFlat(true);
  // The statistic shown stays pressed, so the pair tells which one it is.
  button->setCheckable(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->adjustSize();
  button->move(at);
  button->show();
  return button;
}

// The links that run a command of the Edit menu rather than act on the page's subject: the
// welcome page's steps, which have no subject yet. The window's action of that name runs.
const char* FrameActionOf(PageCommand command, bool welcome) {
  switch (command) {
    case PageCommand::kAddCategory:
      return "actionAddCategory";
    case PageCommand::kAddPerson:
      return "actionAddPerson";
    case PageCommand::kAddItem:
      return welcome ? "actionAddItem" : nullptr;
    case PageCommand::kAddPurchase:
      return welcome ? "actionAddPurchase" : nullptr;
    default:
      return nullptr;
  }
}

}  // namespace

MainView::MainView(MainWindow& frame, QWidget* parent)
    : QWidget(parent),
      frame_(frame),
      profile_(std::make_unique<QWebEngineProfile>()),
      browser_(*profile_, *this, [this](const QUrl& url) { return onNavigate(url); }),
      links_(frame) {
  setObjectName("mainView");
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  const ShellPaths& paths = frame_.model().paths();
  // Pages are written anew at every refresh; nothing may come from a cache.
  profile_->setHttpCacheType(QWebEngineProfile::NoCache);
  profile_->installUrlSchemeHandler(
      kPageScheme, new DataFolderScheme(paths.DataDir, paths.PageFilePath, profile_.get()));
  connect(&frame_.document(), &RefreshScheduler::refreshRequested, this, &MainView::Regenerate);
}

// The browser's page must go before the profile it was made with.
MainView::~MainView() {
  browser_.Destroy();
}

void MainView::Regenerate() {
  const std::optional<SelectedNode> node = reconcileTree();
  const ViewState& state = frame_.state();
  ViewDecision decision = node ? DecideView(state.nodeKind, state.itemView, node) : ViewDecision{};
  // A subject that is gone shows the empty state, never the page of what was there before.
  if (!SelectionKnown(decision, state, frame_.db())) decision = ViewDecision{};
  if (decision.kind == ViewDecision::Kind::kChart) {
    showChart(decision);
  } else {
    showPage(decision);
  }
}

// The tree's current node is the one subject of the caption, the highlight and the view. A
// click that folds the persons above it moves rows under the mouse, so the highlight is set
// again here, after the click; with no current node the caption names the folder.
std::optional<SelectedNode> MainView::reconcileTree() {
  QTreeWidget* tree = frame_.treePane()->tree();
  QTreeWidgetItem* current = tree->currentItem();
  tree->clearSelection();
  if (!current) {
    const auto folder = static_cast<Folder>(frame_.folderBar()->currentFolder());
    const bool welcome = ShowsWelcome(frame_.db());
    frame_.captionBar()->setCaption(welcome ? "Welcome" : FolderName(folder), QIcon());
    return std::nullopt;
  }
  current->setSelected(true);
  const NodeInfo info = NodeInfoOf(current);
  frame_.captionBar()->setCaption(current->text(0), TreeIcon(info.image));
  return SelectedNode{info.image, info.text, info.parent_text};
}

void MainView::showPage(const ViewDecision& decision) {
  removePairsExcept(TogglePair::kNone);
  chart_.reset();
  if (!writePage(decision)) return;
  if (!browser_.exists()) {
    browser_.Create();
    browser_.Navigate(frame_.model().paths().PageFilePath);
  } else {
    browser_.Refresh();
  }
  browser_.SetSize(width(), height());
  update();
}

void MainView::showChart(const ViewDecision& decision) {
  browser_.Destroy();
  removePairsExcept(decision.pair);
  createPair(decision.pair);
  chart_ = decision;
  update();
}

bool MainView::writePage(const ViewDecision& decision) {
  const PageKind page = decision.page;
  ExpenseDatabase& db = frame_.db();
  const ViewState& state = frame_.state();
  const std::string& path = frame_.model().paths().PageFilePath;
  const int month = frame_.monthPosition();
  welcome_shown_ = decision.kind == ViewDecision::Kind::kNothing && ShowsWelcome(db);
  Result<std::string> text;
  if (decision.kind == ViewDecision::Kind::kNothing) {
    text.value = welcome_shown_ ? WelcomePageText(db) : kEmptyPage;
  } else if (page == PageKind::kCategory) {
    text = CategoryPageText(db, state.selectedCategory, month);
  } else if (page == PageKind::kItem) {
    text = ItemPageText(db, state.selectedCategory, state.selectedItem, month);
  } else if (page == PageKind::kPerson) {
    text = PersonPageText(db, state.selectedPerson, month);
  } else if (page == PageKind::kPersonItems) {
    text = PersonItemsPageText(db, state.selectedPerson, month);
  } else {
    text = ItemStatisticsPageText(db, month);
  }
  // A data file that cannot be read is named, and the view shows an empty page meanwhile.
  if (!text.ok()) {
    tellLater({text.status.message()});
    text.value = kEmptyPage;
  }
  // The page file is written anew at every paint: it is replaced atomically but not flushed.
  PosixFileSystem fs(false);
  const Status written = WritePageFile(fs, path, text.value);
  if (!written.ok()) frame_.abandon(written.message());
  return written.ok();
}

std::optional<charts::ChartCtrl> MainView::BuildChart() {
  if (!chart_) return std::nullopt;
  ExpenseDatabase& db = frame_.db();
  if (!SelectionKnown(*chart_, frame_.state(), db)) return std::nullopt;
  const int flag = chart_->pair == TogglePair::kNone ? 1 : toggle_flag(chart_->pair);
  const std::optional<charts::StatisticsRequest> request = StatisticsRequestFor(
      chart_->StatisticFor(flag), frame_.state(), db, frame_.monthChooser()->currentIndex());
  if (!request) return std::nullopt;
  Status read = Status::Ok();
  std::optional<charts::ChartCtrl> chart = charts::BuildStatistic(db, *request, &read);
  if (!read.ok()) tellLater({read.message()});
  return chart;
}

void MainView::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (browser_.exists()) return;
  std::optional<charts::ChartCtrl> chart = BuildChart();
  if (!chart) return;
  QPainter painter(this);
  render::PainterCanvas canvas(painter, {width(), height()});
  chart->Draw(canvas);
  if (!chart->HasValues()) chart->DrawNoValuesNote(canvas);
  tellLater(canvas.messages());
}

void MainView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  browser_.SetSize(width(), height());
}

bool MainView::pair_present(TogglePair pair) const {
  return pair != TogglePair::kNone && pairs_.at(static_cast<size_t>(pair) - 1).totals != nullptr;
}

int MainView::toggle_flag(TogglePair pair) const {
  return pair == TogglePair::kNone ? 1 : pairs_.at(static_cast<size_t>(pair) - 1).flag;
}

void MainView::createPair(TogglePair pair) {
  if (pair == TogglePair::kNone || pair_present(pair)) return;
  Pair& buttons = pairOf(pair);
  buttons.totals = ToggleButton("Show statistics", QPoint(2, 2), this);
  const int right = buttons.totals->geometry().right() + 1;
  buttons.by_months = ToggleButton("Show statistics by months", QPoint(right, 2), this);
  connect(buttons.totals, &QPushButton::clicked, this, [this, pair] { RunToggle(pair, 1); });
  connect(buttons.by_months, &QPushButton::clicked, this, [this, pair] { RunToggle(pair, 0); });
  showFlag(buttons);
}

void MainView::showFlag(Pair& pair) {
  if (!pair.totals) return;
  pair.totals->setChecked(pair.flag == 1);
  pair.by_months->setChecked(pair.flag == 0);
}

void MainView::removePairsExcept(TogglePair keep) {
  for (size_t i = 0; i < pairs_.size(); ++i) {
    if (static_cast<TogglePair>(i + 1) == keep) continue;
    delete pairs_[i].totals;
    delete pairs_[i].by_months;
    pairs_[i].totals = pairs_[i].by_months = nullptr;
  }
}

void MainView::RunToggle(TogglePair pair, int flag) {
  pairOf(pair).flag = flag;
  showFlag(pairOf(pair));
  update();
}

bool MainView::onNavigate(const QUrl& url) {
  const ShellPaths& paths = frame_.model().paths();
  const std::string target = TargetPath(url);
  // The page itself is never a command, whatever names the catalogue holds.
  if (target.empty() || target == paths.PageFilePath) return true;
  PageLink link = ReadPageLink(frame_.db(), target, paths.DataDir);
  if (link.command == PageCommand::kNone) return true;
  if (const char* action = FrameActionOf(link.command, welcome_shown_)) {
    QTimer::singleShot(0, this, [this, action] { frame_.findChild<QAction*>(action)->trigger(); });
    return false;
  }
  // The command runs once the browser has been told no; dialogs must not open inside it.
  QTimer::singleShot(0, this, [this, link = std::move(link)] { links_.Run(link); });
  return false;
}

// Message boxes cannot open while painting or inside the browser's report.
void MainView::tellLater(std::vector<std::string> messages) {
  if (messages.empty()) return;
  QTimer::singleShot(0, this, [this, messages = std::move(messages)] {
    TellFailures(frame_.prompts(), messages);
  });
}

}  // namespace kestrune
