#pragma once

#include <string>
#include <vector>

#include "charts/canvas.h"
#include "charts/pie_geometry.h"

namespace kestrune::charts {

// The percentage label of one slice: a leader line from halfway between the centre and
// the slice's middle point out to an end point, and the text placed beside that end.
struct PieLabel {
  Point leader_start;
  Point leader_end;
  Point text_at;
  int side = 0;  // 0 lower left, 1 lower right, 2 upper right, 3 upper left
  std::string text;
};

// The label for a slice whose middle point on the pie's outline is `middle`: the leader
// runs r/2 further out diagonally towards the side's corner, and the text stands left
// (sides 0 and 3) or right (1 and 2) of the end, above it on the upper sides.
PieLabel MakePieLabel(Point centre, Point middle, int side, const PieGeometry& pie,
                      std::string text);

// Moves each label in turn out of the way of the earlier ones (down by the text height on
// the lower sides, up on the upper sides, checking again from the first after each move)
// and draws its leader in the current pen and its text, with a black brush selected.
void PlaceAndDrawPieLabels(Canvas& canvas, std::vector<PieLabel> labels, const PieGeometry& pie);

}  // namespace kestrune::charts
