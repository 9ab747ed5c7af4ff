#include "shell/shell_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QString>

#include "shell/tree_content.h"

namespace kestrune {
namespace {

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

QIcon CommandIcon(const char* artwork, Badge badge) {
  const QIcon base(ArtworkPath(artwork));
  QIcon icon;
  for (int size : {16, 24, 32}) icon.addPixmap(BadgedPixmap(base, badge, size));
  return icon;
}

QIcon ApplicationIcon() {
  return QIcon(ArtworkPath("kestrune"));
}

}  // namespace kestrune
