// Candidate numbers stand beside their markers, clear of the other markers,
// of the answer's square and of each other.
#include "view/label_placement.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "candidates/candidate.h"
#include "core/calc_state.h"
#include "core/input_texts.h"
#include "recording_surface.h"
#include "view/drawing.h"

namespace draftcalc::view {
namespace {

constexpr double kUnitsPerPixel = 0.1;  // a label 0.9 units high, 0.3 units from its marker

bool Overlap(const Bounds& a, const Bounds& b) {
  return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}
Bounds Square(geometry::Point p, double half) {
  Bounds box;
  box.Add(p.x - half, p.y - half);
  box.Add(p.x + half, p.y + half);
  return box;
}

struct PlacementCase {
  const char* name;
  std::vector<MarkerLabel> labels;
  std::vector<Bounds> obstacles;
  std::vector<TextAlign> aligns;  // the side each label takes, as its anchor says
};
void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

class LabelPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(LabelPlacement, EachLabelIsClearOfMarkersObstaclesAndEarlierLabels) {
  const PlacementCase& c = GetParam();
  const std::vector<PlacedLabel> placed = PlaceLabels(c.labels, c.obstacles, kUnitsPerPixel);
  ASSERT_EQ(placed.size(), c.labels.size());
  for (size_t i = 0; i < placed.size(); ++i) {
    EXPECT_EQ(placed[i].align, c.aligns[i]) << "label " << i;
    for (const MarkerLabel& marker : c.labels)
      EXPECT_FALSE(Overlap(placed[i].box, Square(marker.at, marker.clearance)));
    for (const Bounds& obstacle : c.obstacles) EXPECT_FALSE(Overlap(placed[i].box, obstacle)) << "label " << i;
    for (size_t j = 0; j < i; ++j) EXPECT_FALSE(Overlap(placed[i].box, placed[j].box)) << i << " and " << j;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Markers, LabelPlacement,
    testing::Values(
        PlacementCase{"alone: above right", {{{0, 0}, "1", 0.7}}, {}, {TextAlign::kLeft}},
        // Two markers side by side, as the tangents of two circles "2 1":
        // the first's number above right would run into the second's.
        PlacementCase{
            "neighbours", {{{0, 0}, "12", 0.7}, {{1.5, 0.5}, "13", 0.7}}, {}, {TextAlign::kRight, TextAlign::kLeft}},
        // The first's number above right would sit on the second marker.
        PlacementCase{"one above the other",
                      {{{0, 0}, "1", 0.7}, {{0.5, 1.2}, "2", 0.7}},
                      {},
                      {TextAlign::kRight, TextAlign::kLeft}},
        // The answer's square around the marker: its number steps beyond it.
        PlacementCase{"in the answer's square", {{{0, 0}, "3", 1}}, {Square({0, 0}, 1)}, {TextAlign::kLeft}},
        PlacementCase{"the square of a neighbour", {{{0, 0}, "4", 0.7}}, {Square({1.6, 1.6}, 1)}, {TextAlign::kRight}},
        PlacementCase{"hemmed in above: below right",
                      {{{0, 0}, "5", 0.7}},
                      {Square({1.5, 1.5}, 0.6), Square({-1.5, 1.5}, 0.6)},
                      {TextAlign::kLeft}}),
    [](const testing::TestParamInfo<PlacementCase>& info) {
      std::string name = info.param.name;
      for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST(LabelPlacement, WithNoRoomFreeTheFirstPositionIsKept) {
  const std::vector<MarkerLabel> labels = {{{0, 0}, "6", 0.7}};
  const std::vector<Bounds> everywhere = {Square({0, 0}, 50)};
  const std::vector<PlacedLabel> placed = PlaceLabels(labels, everywhere, kUnitsPerPixel);
  ASSERT_EQ(placed.size(), 1u);
  EXPECT_EQ(placed[0].align, TextAlign::kLeft);
  EXPECT_NEAR(placed[0].anchor.x, 1.0, 1e-12);  // clearance 0.7 and the gap of 3 pixels
  EXPECT_NEAR(placed[0].anchor.y, 1.0, 1e-12);
}

// The drawing: the answer's own number is not under its square, and two
// markers a label's width apart keep their numbers apart.
TEST(LabelPlacement, TheDrawingKeepsNumbersOffTheAnswersSquare) {
  candidates::Candidate answer, beside;
  answer.number = 1, answer.point = {0, 0}, answer.radius = 5, answer.isAnswer = true;
  beside.number = 2, beside.point = {1.5, 0}, beside.radius = 5;
  const std::vector<candidates::Candidate> found = {answer, beside};
  InputTexts texts = StartupTexts();
  ResultCaptions captions;
  captions.ansX = "0", captions.ansY = "0", captions.ansR = "5";
  RecordingSurface surface;
  surface.unitsPerPixel = kUnitsPerPixel;
  Drawing(surface, texts, captions, {-50, 50, 100, -100}, AnswerLook::kCurrent, found).Redraw();
  std::vector<std::pair<double, double>> anchors;
  for (const std::string& figure : surface.figures) {
    double x = 0, y = 0;
    if (std::sscanf(figure.c_str(), "label %lf %lf", &x, &y) == 2) anchors.push_back({x, y});
  }
  ASSERT_EQ(anchors.size(), 2u);
  // Number 1 beyond the square's edge (1 unit out) and its gap.
  EXPECT_TRUE(std::fabs(anchors[0].first) >= 1.3 - 1e-9 || std::fabs(anchors[0].second) >= 1.3 - 1e-9);
  EXPECT_NE(anchors[0], anchors[1]);
}

}  // namespace
}  // namespace draftcalc::view
