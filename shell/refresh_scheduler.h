#pragma once

#include <QObject>
#include <QTimer>

namespace kestrune {

// The document of the single view. It holds no data: RefreshViews asks the view to show
// the current state again. Requests made while one is pending are merged, so the many
// changes of one command give one refresh, run once control returns to the event loop;
// `outdated` tells at once that what is shown no longer holds.
class RefreshScheduler final : public QObject {
  Q_OBJECT

 public:
  RefreshScheduler();

  void RefreshViews();
  // Runs a pending refresh at once (printing and tests need the view up to date).
  void FlushRefresh();

 signals:
  void refreshRequested();
  void outdated();

 private:
  QTimer timer_;
};

}  // namespace kestrune
