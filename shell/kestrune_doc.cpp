#include "shell/kestrune_doc.h"

namespace kestrune {

CKestruneDoc::CKestruneDoc() {
  timer_.setSingleShot(true);
  timer_.setInterval(0);
  connect(&timer_, &QTimer::timeout, this, &CKestruneDoc::refreshRequested);
}

void CKestruneDoc::RefreshViews() {
  if (!timer_.isActive()) timer_.start();
}

void CKestruneDoc::FlushRefresh() {
  if (!timer_.isActive()) return;
  timer_.stop();
  emit refreshRequested();
}

}  // namespace kestrune
