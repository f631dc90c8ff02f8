#include "view/label_placement.h"

#include <algorithm>
#include <array>

#include "view/picture_look.h"

namespace draftcalc::view {
namespace {

// One of the eight positions: which side of the marker the label's box
// lies on, horizontally and vertically (-1, 0 or 1).
struct Side {
  int x, y;
};
constexpr std::array<Side, 8> kPositions = {
    Side{1, 1}, Side{-1, 1}, Side{1, -1}, Side{-1, -1}, Side{1, 0}, Side{-1, 0}, Side{0, 1}, Side{0, -1},
};

bool Overlap(const Bounds& a, const Bounds& b) {
  return !a.Empty() && !b.Empty() && a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

Bounds Around(geometry::Point p, double half) {
  Bounds box;
  box.Add(p.x - half, p.y - half);
  box.Add(p.x + half, p.y + half);
  return box;
}

// The label's box and anchor at one position.
PlacedLabel At(const MarkerLabel& label, Side side, double width, double height, double gap) {
  const double reach = label.clearance + gap;
  const double left = side.x > 0   ? label.at.x + reach
                      : side.x < 0 ? label.at.x - reach - width
                                   : label.at.x - width / 2;
  const double bottom = side.y > 0   ? label.at.y + reach
                        : side.y < 0 ? label.at.y - reach - height
                                     : label.at.y - height / 2;
  PlacedLabel placed;
  placed.box.Add(left, bottom);
  placed.box.Add(left + width, bottom + height);
  // Anchored at the side towards the marker, so that a font wider or
  // narrower than reckoned still keeps the gap.
  placed.align = side.x > 0 ? TextAlign::kLeft : side.x < 0 ? TextAlign::kRight : TextAlign::kCentre;
  const double anchorX = side.x > 0 ? left : side.x < 0 ? left + width : label.at.x;
  placed.anchor = {anchorX, bottom};
  return placed;
}

}  // namespace

double LabelWidthPixels(size_t characters) { return 0.62 * kLabelHeightPixels / 0.7 * static_cast<double>(characters); }

std::vector<PlacedLabel> PlaceLabels(std::span<const MarkerLabel> labels, std::span<const Bounds> obstacles,
                                     double unitsPerPixel) {
  std::vector<Bounds> taken(obstacles.begin(), obstacles.end());
  for (const MarkerLabel& label : labels) taken.push_back(Around(label.at, label.clearance));
  const double height = kLabelHeightPixels * unitsPerPixel, gap = kLabelGapPixels * unitsPerPixel;
  std::vector<PlacedLabel> placed;
  placed.reserve(labels.size());
  for (const MarkerLabel& label : labels) {
    const double width = LabelWidthPixels(label.text.size()) * unitsPerPixel;
    PlacedLabel chosen = At(label, kPositions[0], width, height, gap);
    for (const Side side : kPositions) {
      const PlacedLabel tried = At(label, side, width, height, gap);
      if (std::none_of(taken.begin(), taken.end(), [&](const Bounds& b) { return Overlap(tried.box, b); })) {
        chosen = tried;
        break;
      }
    }
    taken.push_back(chosen.box);
    placed.push_back(chosen);
  }
  return placed;
}

}  // namespace draftcalc::view
