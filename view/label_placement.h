#pragma once

#include <span>
#include <string>
#include <vector>

#include "geometry/plane.h"
#include "view/bounds.h"
#include "view/draw_surface.h"

// Where the numbers of the candidates' markers stand: beside each marker,
// clear of the other markers, of the answer's square and of each other.

namespace draftcalc::view {

// A number to place beside its marker; `clearance` is how far the marker
// (and anything drawn on it, such as the answer's square) reaches from its
// point in each direction, in drawing units.
struct MarkerLabel {
  geometry::Point at;
  std::string text;
  double clearance = 0;
};

// Where one label is drawn: the text's baseline starts, is centred or ends
// at `anchor` as `align` says; `box` is the room it takes.
struct PlacedLabel {
  geometry::Point anchor;
  TextAlign align = TextAlign::kLeft;
  Bounds box;
};

// The room a label of `characters` digits takes on the output, in pixels:
// the digits' height and width in the picture's font (about 9 pixels high).
double LabelWidthPixels(size_t characters);

// Places each label, in order, at the first of the eight positions around
// its marker that overlaps no obstacle (the markers' own extents and
// `obstacles`) and no label placed before it: above right, above left,
// below right, below left, right, left, above, below; the first when none is
// free. Each position leaves the label's gap beyond the marker's clearance.
// `unitsPerPixel` turns the labels' fixed size on the output into drawing
// units; at 0 (a surface without a size) every label goes above right.
std::vector<PlacedLabel> PlaceLabels(std::span<const MarkerLabel> labels, std::span<const Bounds> obstacles,
                                     double unitsPerPixel);

}  // namespace draftcalc::view
