#include "charts/pie_labels.h"

namespace kestrune::charts {
namespace {

bool StrictlyBetween(int value, int low, int high) {
  return low < value && value < high;
}

bool Overlaps(const PieLabel& later, const PieLabel& earlier, const PieGeometry& pie) {
  return StrictlyBetween(later.text_at.x, earlier.text_at.x, earlier.text_at.x + pie.text_width) &&
         StrictlyBetween(later.text_at.y, earlier.text_at.y, earlier.text_at.y + pie.text_height);
}

void MoveClear(PieLabel& later, const PieLabel& earlier, const PieGeometry& pie) {
  const int shift = later.side >= 2 ? -pie.text_height : pie.text_height;
  later.text_at.y = earlier.text_at.y + shift;
  later.leader_end.y = earlier.leader_end.y + shift;
}

// Each move takes the label strictly further in one direction, so this ends.
void Place(std::vector<PieLabel>& labels, std::size_t k, const PieGeometry& pie) {
  std::size_t j = 0;
  while (j < k) {
    if (Overlaps(labels[k], labels[j], pie)) {
      MoveClear(labels[k], labels[j], pie);
      j = 0;
    } else {
      ++j;
    }
  }
}

}  // namespace

PieLabel MakePieLabel(Point centre, Point middle, int side, const PieGeometry& pie,
                      std::string text) {
  const int half = pie.radius / 2;
  const int dx = (side == 0 || side == 3) ? -half : half;
  const int dy = side <= 1 ? half : -half;
  PieLabel label;
  label.leader_start = Point{(centre.x + middle.x) / 2, (centre.y + middle.y) / 2};
  label.leader_end = Point{middle.x + dx, middle.y + dy};
  const int text_x = dx < 0 ? label.leader_end.x - pie.text_width : label.leader_end.x + 5;
  const int text_y = side <= 1 ? label.leader_end.y : label.leader_end.y - pie.text_height;
  label.text_at = Point{text_x, text_y};
  label.side = side;
  label.text = std::move(text);
  return label;
}

void PlaceAndDrawPieLabels(Canvas& canvas, std::vector<PieLabel> labels, const PieGeometry& pie) {
  ScopedBrush black(canvas, kBlack);
  for (std::size_t k = 0; k < labels.size(); ++k) {
    Place(labels, k, pie);
    canvas.Line(labels[k].leader_start, labels[k].leader_end);
    canvas.TextOut(labels[k].text_at, labels[k].text);
  }
}

}  // namespace kestrune::charts
