#include "shell/shell_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QString>

#include "shell/command_ids.h"
#include "shell/tree_content.h"

namespace kestrune {
namespace {

// A small mark drawn over a base icon: what the command does to the thing shown.
enum class Badge { kNone, kAdd, kEdit, kDelete };

QString ArtworkPath(const char* name) {
  return QString(":/shell/icons/%1.svg").arg(name);
}

void DrawAddBadge(QPainter& painter, const QRectF& box) {
  painter.setBrush(QColor(0x2e, 0x9c, 0x3c));
  painter.setPen(QPen(Qt::white, box.width() * 0.08));
  painter.drawEllipse(box);
  const QPointF c = box.center();
  const qreal arm = box.width() * 0.28;
  painter.setPen(QPen(Qt::white, box.width() * 0.16, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() + arm, c.y()));
  painter.drawLine(QPointF(c.x(), c.y() - arm), QPointF(c.x(), c.y() + arm));
}

void DrawDeleteBadge(QPainter& painter, const QRectF& box) {
  painter.setBrush(QColor(0xc8, 0x2a, 0x22));
  painter.setPen(QPen(Qt::white, box.width() * 0.08));
  painter.drawEllipse(box);
  const QPointF c = box.center();
  const qreal arm = box.width() * 0.22;
  painter.setPen(QPen(Qt::white, box.width() * 0.16, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(c + QPointF(-arm, -arm), c + QPointF(arm, arm));
  painter.drawLine(c + QPointF(-arm, arm), c + QPointF(arm, -arm));
}

void DrawEditBadge(QPainter& painter, const QRectF& box) {
  const qreal w = box.width();
  QPainterPath pencil;
  pencil.moveTo(box.left() + w * 0.15, box.bottom() - w * 0.05);
  pencil.lineTo(box.left() + w * 0.05, box.bottom() - w * 0.15);
  pencil.lineTo(box.right() - w * 0.2, box.top() + w * 0.05);
  pencil.lineTo(box.right() - w * 0.05, box.top() + w * 0.2);
  pencil.closeSubpath();
  painter.setBrush(QColor(0xf0, 0x9a, 0x1a));
  painter.setPen(
      QPen(QColor(0x6b, 0x3d, 0x05), w * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(pencil);
}

QPixmap BadgedPixmap(const QIcon& base, Badge badge, int size) {
  QPixmap pixmap = base.pixmap(size, size);
  if (badge == Badge::kNone) return pixmap;
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box(size * 0.45, size * 0.45, size * 0.53, size * 0.53);
  if (badge == Badge::kAdd) DrawAddBadge(painter, box);
  if (badge == Badge::kEdit) DrawEditBadge(painter, box);
  if (badge == Badge::kDelete) DrawDeleteBadge(painter, box);
  return pixmap;
}

QIcon Badged(const char* artwork, Badge badge) {
  const QIcon base(ArtworkPath(artwork));
  QIcon icon;
  for (int size : {16, 24, 32}) icon.addPixmap(BadgedPixmap(base, badge, size));
  return icon;
}

struct CommandArtwork {
  int id;
  const char* artwork;
  Badge badge;
};

constexpr CommandArtwork kCommandArtwork[] = {
    {kCmdShowDropDown, "months", Badge::kNone},
    {kCmdChartDropDown, "pie", Badge::kNone},
    {kCmdAddPerson, "person", Badge::kAdd},
    {kCmdAddCategory, "category", Badge::kAdd},
    {kCmdAddItem, "item", Badge::kAdd},
    {kCmdViewItemList, "list", Badge::kNone},
    {kCmdViewItemPersons, "pie", Badge::kNone},
    {kCmdViewItemStatistics, "statistics", Badge::kNone},
    {kCmdAddPurchase, "coins", Badge::kAdd},
    {kCmdEditCategory, "category", Badge::kEdit},
    {kCmdEditItem, "item", Badge::kEdit},
    {kCmdDeleteCategory, "category", Badge::kDelete},
    {kCmdDeleteItem, "item", Badge::kDelete},
    {kCmdEditPerson, "person", Badge::kEdit},
    {kCmdDeletePerson, "person", Badge::kDelete},
    {kCmdViewCategoryStatistics, "statistics", Badge::kNone},
    {kCmdViewItemStatisticsFolder, "statistics", Badge::kNone},
    {kCmdViewPersonStatistics, "pie", Badge::kNone},
    {kCmdViewMonthStatistics, "months", Badge::kNone},
};

}  // namespace

QIcon TreeIcon(int image) {
  switch (image) {
    case kCategoryImage:
      return QIcon(ArtworkPath("category"));
    case kPersonImage:
      return QIcon(ArtworkPath("person"));
    case kStatisticsImage:
      return QIcon(ArtworkPath("statistics"));
    case kMonthsImage:
      return QIcon(ArtworkPath("months"));
    case kItemImage:
      return QIcon(ArtworkPath("item"));
    case kSpareImage:
      return QIcon(ArtworkPath("coins"));
    default:
      return QIcon();
  }
}

QIcon CommandIcon(int command_id) {
  for (const CommandArtwork& entry : kCommandArtwork) {
    if (entry.id == command_id) return Badged(entry.artwork, entry.badge);
  }
  return QIcon();
}

QIcon ApplicationIcon() {
  return QIcon(ArtworkPath("kestrune"));
}

}  // namespace kestrune
