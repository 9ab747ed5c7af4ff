#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

namespace kestrune {

// The modules of a QR code, row by row; size 0 when the text could not be encoded.
struct QrMatrix {
  int size = 0;
  std::vector<bool> dark;  // size * size modules, true where the module is dark
  bool at(int x, int y) const { return dark[static_cast<size_t>(y * size + x)]; }
};

// The QR code of `text` (bytes, medium error correction, the smallest version that holds it).
QrMatrix EncodeQr(const QByteArray& text);

// The matrix drawn black on white, `scale` pixels a module, inside the quiet zone of four
// light modules a reader needs on every side. A null image for an empty matrix.
QImage DrawQr(const QrMatrix& matrix, int scale);

}  // namespace kestrune
