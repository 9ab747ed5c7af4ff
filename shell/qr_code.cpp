#include "shell/qr_code.h"

#include <qrencode.h>

#include <QPainter>
#include <memory>

namespace kestrune {
namespace {

constexpr int kQuietModules = 4;

struct FreeCode {
  void operator()(QRcode* code) const { QRcode_free(code); }
};

}  // namespace

QrMatrix EncodeQr(const QByteArray& text) {
  // The library wants a terminated string: a NUL inside would cut the text short.
  if (text.isEmpty() || text.contains('\0')) return {};
  const std::unique_ptr<QRcode, FreeCode> code(
      QRcode_encodeString8bit(text.constData(), 0, QR_ECLEVEL_M));
  if (!code) return {};
  QrMatrix matrix;
  matrix.size = code->width;
  matrix.dark.reserve(static_cast<size_t>(code->width * code->width));
  // The lowest bit of each byte is the module's colour; the others say what the module is for.
  for (int i = 0; i < code->width * code->width; ++i) matrix.dark.push_back(code->data[i] & 1);
  return matrix;
}

QImage DrawQr(const QrMatrix& matrix, int scale) {
  if (matrix.size == 0 || scale < 1) return {};
  const int side = (matrix.size + 2 * kQuietModules) * scale;
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  for (int y = 0; y < matrix.size; ++y) {
    for (int x = 0; x < matrix.size; ++x) {
      if (!matrix.at(x, y)) continue;
      painter.fillRect((x + kQuietModules) * scale, (y + kQuietModules) * scale, scale, scale,
                       Qt::black);
    }
  }
  return image;
}

}  // namespace kestrune
