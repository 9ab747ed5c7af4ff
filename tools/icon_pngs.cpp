// Draws the program's icon at the sizes a desktop's icon theme looks for:
//   kestrune-icon-pngs ICON.svg OUTDIR NAME SIZE...
// writes OUTDIR/SIZExSIZE/apps/NAME.png for each SIZE (the hicolor theme's layout), so the
// PNGs are made from the one SVG at build time instead of being kept beside it.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

// Renders the icon into a transparent square of SIZE pixels; false if it cannot be written.
bool WritePng(QSvgRenderer& icon, const QString& out_dir, const QString& name, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  icon.render(&painter);
  painter.end();
  const QString folder = QString("%1/%2x%2/apps").arg(out_dir).arg(size);
  return QDir().mkpath(folder) && image.save(folder + "/" + name + ".png");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: kestrune-icon-pngs ICON.svg OUTDIR NAME SIZE...\n");
    return 2;
  }
  QSvgRenderer icon(QString::fromLocal8Bit(argv[1]));
  if (!icon.isValid()) {
    std::fprintf(stderr, "kestrune-icon-pngs: cannot read %s\n", argv[1]);
    return 1;
  }
  for (int i = 4; i < argc; ++i) {
    const int size = QString(argv[i]).toInt();
    if (size <= 0 || !WritePng(icon, argv[2], argv[3], size)) {
      std::fprintf(stderr, "kestrune-icon-pngs: cannot write the %s pixel icon\n", argv[i]);
      return 1;
    }
  }
  return 0;
}
