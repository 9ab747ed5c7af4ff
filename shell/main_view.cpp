#include "shell/main_view.h"

#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "pages/welcome_page.h"
#include "shell/data_folder_scheme.h"
#include "shell/item_tree_view.h"
#include "shell/shell_icons.h"
#include "shell/web_engine_setup.h"
#include "shell/window_model.h"

namespace kestrune {
namespace {

// The links that run a command of the Edit menu rather than act on the page's subject: the
// welcome page's steps, which have no subject yet.
std::optional<ViewCommand> HostCommandOf(PageCommand command, bool welcome) {
  switch (command) {
    case PageCommand::kAddCategory:
      return ViewCommand::AddCategory;
    case PageCommand::kAddPerson:
      return ViewCommand::AddPerson;
    case PageCommand::kAddItem:
      if (welcome) return ViewCommand::AddItem;
      break;
    case PageCommand::kAddPurchase:
      if (welcome) return ViewCommand::AddPurchase;
      break;
    default:
      break;
  }
  return std::nullopt;
}

size_t PairIndex(TogglePair pair) {
  return static_cast<size_t>(pair) - 1;
}

}  // namespace

MainView::MainView(ViewHost& host, QWidget* parent)
    : QWidget(parent),
      host_(host),
      profile_(std::make_unique<QWebEngineProfile>()),
      stack_(new QStackedWidget(this)),
      browser_(new WebBrowser(
          *profile_, [this](const QUrl& url) { return onNavigate(url); }, stack_)),
      chart_(new ChartWidget(stack_)),
      links_(host, *this) {
  setObjectName("mainView");
  const ShellPaths& paths = host_.paths();
  // Pages are written anew at every refresh; nothing may come from a cache.
  profile_->setHttpCacheType(QWebEngineProfile::NoCache);
  profile_->installUrlSchemeHandler(
      kPageScheme, new DataFolderScheme(paths.DataDir, paths.PageFilePath, profile_.get()));
  stack_->addWidget(browser_);
  stack_->addWidget(chart_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(stack_);
  connect(chart_, &ChartWidget::totalsChosen, this, &MainView::showTotals);
  connect(chart_, &ChartWidget::byMonthsChosen, this, &MainView::showByMonths);
  connect(chart_, &ChartWidget::drawFailed, this,
          [this](const std::vector<std::string>& messages) { tellLater(messages); });
  connect(&watcher_, &QFutureWatcherBase::finished, this, &MainView::buildFinished);
  connect(browser_, &QWebEngineView::loadStarted, this, [this] { pageLoading_ = true; });
  connect(browser_, &QWebEngineView::loadFinished, this, [this] { pageLoading_ = false; });
}

// A build still running writes the page file: it ends before the folder may go. The
// browser's page must go before the profile it was made with.
MainView::~MainView() {
  watcher_.waitForFinished();
  delete browser_;
}

void MainView::regenerate() {
  node_ = reconcileTree();
  invalidate();
  awaitingRegenerate_ = false;
  if (!watcher_.isRunning()) startBuild();
}

void MainView::invalidate() {
  ++requested_;
  awaitingRegenerate_ = true;
  setBusy(true);
}

// The tree's current node is the one subject of the caption, the highlight and the view. A
// click that folds the persons above it moves rows under the mouse, so the highlight is set
// again here, after the click; with no current node the caption names the folder.
std::optional<SelectedNode> MainView::reconcileTree() {
  QTreeWidget& tree = host_.navigationTree();
  QTreeWidgetItem* current = tree.currentItem();
  tree.clearSelection();
  if (!current) {
    const bool welcome = ShowsWelcome(host_.book());
    host_.setCaption(welcome ? tr("Welcome") : FolderName(host_.currentFolder()), QIcon());
    return std::nullopt;
  }
  current->setSelected(true);
  const NodeInfo info = NodeInfoOf(current);
  host_.setCaption(current->text(0), TreeIcon(info.image));
  return SelectedNode{info.image, info.text, info.parent_text};
}

ViewRequest MainView::request() const {
  ViewRequest request;
  request.state = host_.viewState();
  if (node_) request.decision = DecideView(request.state.nodeKind, request.state.itemView, node_);
  request.book = host_.book().Snapshot();
  request.pageMonth = host_.pageMonth();
  request.chooserPosition = host_.monthChooserPosition();
  request.toggleFlag = toggleFlag(request.decision.pair);
  request.pagePath = host_.paths().PageFilePath;
  return request;
}

void MainView::startBuild() {
  building_ = requested_;
  watcher_.setFuture(QtConcurrent::run(BuildView, request()));
}

void MainView::buildFinished() {
  if (building_ != requested_) {
    // The tree may not agree with the book until the refresh has run.
    if (!awaitingRegenerate_) startBuild();
    return;
  }
  showBuild(watcher_.result());
  setBusy(false);
}

void MainView::showBuild(ViewBuild build) {
  tellLater(std::move(build.messages));
  if (build.decision.kind != ViewDecision::Kind::kChart) {
    showPage(build);
    return;
  }
  shownPair_ = build.decision.pair;
  const bool paired = shownPair_ != TogglePair::kNone;
  chart_->showToggles(paired, toggleFlag(shownPair_) == 0);
  chart_->setChart(std::move(build.chart));
  stack_->setCurrentWidget(chart_);
}

void MainView::showPage(const ViewBuild& build) {
  if (!build.written.ok()) {
    host_.abandon(build.written.message());
    return;
  }
  welcomeShown_ = build.welcome;
  shownPair_ = TogglePair::kNone;
  chart_->setChart(std::nullopt);
  stack_->setCurrentWidget(browser_);
  const std::string& path = host_.paths().PageFilePath;
  if (browser_->shownPath() == path) {
    browser_->reload();
  } else {
    browser_->navigate(path);
  }
}

bool MainView::pageShown() const {
  return stack_->currentWidget() == browser_ && !browser_->shownPath().empty();
}

const charts::ChartCtrl* MainView::chart() const {
  const std::optional<charts::ChartCtrl>& chart = chart_->chart();
  return stack_->currentWidget() == chart_ && chart ? &*chart : nullptr;
}

int MainView::toggleFlag(TogglePair pair) const {
  return pair == TogglePair::kNone ? 1 : toggleFlags_.at(PairIndex(pair));
}

void MainView::showTotals() {
  setToggleFlag(1);
}

void MainView::showByMonths() {
  setToggleFlag(0);
}

void MainView::setToggleFlag(int flag) {
  if (shownPair_ == TogglePair::kNone) return;
  toggleFlags_.at(PairIndex(shownPair_)) = flag;
  chart_->showToggles(true, flag == 0);
  regenerate();
}

void MainView::setBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    setCursor(Qt::BusyCursor);
  } else {
    unsetCursor();
  }
  emit busyChanged(busy);
}

bool MainView::onNavigate(const QUrl& url) {
  const ShellPaths& paths = host_.paths();
  const std::string target = TargetPath(url);
  // The page itself is never a command, whatever names the catalogue holds.
  if (target.empty() || target == paths.PageFilePath) return true;
  PageLink link = ReadPageLink(host_.book(), target, paths.DataDir);
  if (link.command == PageCommand::kNone) return true;
  if (const std::optional<ViewCommand> command = HostCommandOf(link.command, welcomeShown_)) {
    QTimer::singleShot(0, this, [this, command] { host_.requestCommand(*command); });
    return false;
  }
  // The command runs once the browser has been told no; dialogs must not open inside it.
  QTimer::singleShot(0, this, [this, link = std::move(link)] { links_.run(link); });
  return false;
}

// Message boxes cannot open while painting or inside the browser's report.
void MainView::tellLater(std::vector<std::string> messages) {
  if (messages.empty()) return;
  QTimer::singleShot(
      0, this, [this, messages = std::move(messages)] { TellFailures(host_.prompts(), messages); });
}

}  // namespace kestrune
