#include "shell/refresh_scheduler.h"

namespace kestrune {

RefreshScheduler::RefreshScheduler() {
  timer_.setSingleShot(true);
  timer_.setInterval(0);
  connect(&timer_, &QTimer::timeout, this, &RefreshScheduler::refreshRequested);
}

void RefreshScheduler::RefreshViews() {
  emit outdated();
  if (!timer_.isActive()) timer_.start();
}

void RefreshScheduler::FlushRefresh() {
  if (!timer_.isActive()) return;
  timer_.stop();
  emit refreshRequested();
}

}  // namespace kestrune
