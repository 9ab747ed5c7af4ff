#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <cstddef>
#include <vector>

#include "database/amounts.h"
#include "database/purchase_finder.h"
#include "database/records.h"

namespace kestrune {

// The results of Edit > Find as a table: date, category, item, person, information and sum,
// one row per purchase found, in the order found. Read-only. Under kSortRole dates are QDate
// and sums whole cents, so a sorting proxy orders them as dates and numbers, not as text; the
// other columns sort by their text.
class FindResultsModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kDate, kCategory, kItem, kPerson, kInformation, kSum, kColumnCount };
  static constexpr int kSortRole = Qt::UserRole + 1;

  explicit FindResultsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  // Shows `found` instead of what was shown.
  void setResults(FindResult found);
  const FindResult& results() const { return found_; }
  const FoundPurchase& purchaseAt(int row) const {
    return found_.purchases.at(static_cast<std::size_t>(row));
  }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QVariant shown(const FoundPurchase& found, int column) const;

  FindResult found_;
};

// The line under the results: "3 purchases found, 24.50 in all" ("1 purchase found, ...";
// "No purchase found").
QString ResultsSummary(std::size_t count, Cents total);

// The rows of an export, in the order given.
std::vector<BookPurchase> ExportRows(const std::vector<FoundPurchase>& found);

}  // namespace kestrune
