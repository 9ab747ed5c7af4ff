#include "shell/find_results.h"

#include <QDate>

namespace kestrune {

void FindResultsModel::setResults(FindResult found) {
  beginResetModel();
  found_ = std::move(found);
  endResetModel();
}

int FindResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(found_.purchases.size());
}

int FindResultsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant FindResultsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const FoundPurchase& found = purchaseAt(index.row());
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return shown(found, column);
    case kSortRole:
      // A damaged line's date reads as no date and sorts first.
      if (column == kDate)
        return QDate::fromString(QString::fromStdString(found.date), Qt::ISODate);
      if (column == kSum) return static_cast<qlonglong>(found.cents);
      return shown(found, column);
    case Qt::TextAlignmentRole:
      if (column == kSum) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    default:
      return {};
  }
}

QVariant FindResultsModel::shown(const FoundPurchase& found, int column) const {
  switch (column) {
    case kDate:
      return QString::fromStdString(found.date);
    case kCategory:
      return QString::fromStdString(found.category);
    case kItem:
      return QString::fromStdString(found.item);
    case kPerson:
      return QString::fromStdString(found.purchase.person);
    case kInformation:
      return QString::fromStdString(found.purchase.information);
    case kSum:
      return QString::fromStdString(FormatShownCents(found.cents));
    default:
      return {};
  }
}

QVariant FindResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  static const char* const kHeaders[kColumnCount] = {
      QT_TR_NOOP("Date"),   QT_TR_NOOP("Category"),    QT_TR_NOOP("Item"),
      QT_TR_NOOP("Person"), QT_TR_NOOP("Information"), QT_TR_NOOP("Sum")};
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= kColumnCount) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return tr(kHeaders[section]);
}

QString ResultsSummary(std::size_t count, Cents total) {
  if (count == 0) return QObject::tr("No purchase found");
  const QString sum = QString::fromStdString(FormatShownCents(total));
  return count == 1 ? QObject::tr("1 purchase found, %1 in all").arg(sum)
                    : QObject::tr("%1 purchases found, %2 in all").arg(count).arg(sum);
}

std::vector<BookPurchase> ExportRows(const std::vector<FoundPurchase>& found) {
  std::vector<BookPurchase> rows;
  rows.reserve(found.size());
  for (const FoundPurchase& f : found) rows.push_back({f.category, f.item, f.purchase});
  return rows;
}

}  // namespace kestrune
