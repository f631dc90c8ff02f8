// The candidates in the drawing, without a window: their figures, markers
// and numbers, where they are left out, and the room the panel takes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "candidates/candidate.h"
#include "examples/catalogue_examples.h"
#include "recording_surface.h"
#include "view/candidate_markers.h"
#include "view/drawing.h"
#include "view/view_geometry.h"

namespace draftcalc::view {
namespace {

using candidates::Candidate;
using Figures = std::vector<std::string>;

const CoordinateWindow kWide{-1000, 1000, 2000, -2000};

// Radius 5 touching the line y = 0 and the circle (20, 3) r 10: six circles.
InputTexts LineAndCircleTexts() {
  InputTexts texts = StartupTexts();
  texts(0, colD) = "3", texts(0, colA) = "0", texts(0, colB) = "0";
  texts(1, colD) = "5", texts(1, colC) = "5";
  texts(2, colX) = "20", texts(2, colY) = "3", texts(2, colD) = "0", texts(2, colR) = "10", texts(2, colS) = "1";
  return texts;
}

Figures DrawCandidatesOf(std::span<const Candidate> candidates, const CoordinateWindow& visible = kWide,
                         AnswerLook look = AnswerLook::kCurrent) {
  const InputTexts texts = StartupTexts();
  const ResultCaptions captions;
  RecordingSurface surface;
  Drawing(surface, texts, captions, visible, look, candidates).DrawCandidates();
  return surface.figures;
}

std::string Num(double value) { return RecordingSurface::Num(value); }

// The cross of a marker at (x, y).
Figures Cross(double x, double y) {
  return {"move " + Num(x - 0.7) + " " + Num(y - 0.7), "line " + Num(x + 0.7) + " " + Num(y + 0.7) + " c2",
          "move " + Num(x - 0.7) + " " + Num(y + 0.7), "line " + Num(x + 0.7) + " " + Num(y - 0.7) + " c2"};
}
// Its number above right of the cross, on a surface whose labels take no room.
std::string NumberOf(double x, double y, int number) {
  return "label " + Num(x + 0.7) + " " + Num(y + 0.7) + " \"" + std::to_string(number) + "\" c2";
}
Figures Marker(double x, double y, int number) {
  Figures figures = Cross(x, y);
  figures.push_back(NumberOf(x, y, number));
  return figures;
}

TEST(CandidateDrawing, CircleAnswersAreGreenCirclesWithNumberedCrosses) {
  const std::vector<Candidate> found = candidates::FindCandidates(LineAndCircleTexts());
  ASSERT_EQ(found.size(), 6u);
  Figures expected, numbers;
  for (const Candidate& candidate : found) {
    ASSERT_TRUE(candidate.radius);
    expected.push_back("circle " + Num(candidate.point.x) + " " + Num(candidate.point.y) + " r5 c2");
    for (const std::string& figure : Cross(candidate.point.x, candidate.point.y)) expected.push_back(figure);
    // Where it touches the line, then the circle.
    ASSERT_EQ(candidate.touches.size(), 2u);
    EXPECT_EQ(candidate.touches[0].y, 0);
    for (const geometry::Point& t : candidate.touches) expected.push_back("dot " + Num(t.x) + " " + Num(t.y) + " c2");
    numbers.push_back(NumberOf(candidate.point.x, candidate.point.y, candidate.number));
  }
  expected.insert(expected.end(), numbers.begin(), numbers.end());
  EXPECT_EQ(DrawCandidatesOf(found), expected);
  EXPECT_EQ(expected[0], "circle 34.8661 5 r5 c2");
}

TEST(CandidateDrawing, LinesCrossTheVisibleWindowOnly) {
  Candidate tangent;
  tangent.number = 1;
  tangent.point = {0, 40};
  tangent.direction = 30;
  const CoordinateWindow startUp{-50, 70, 100, -50};
  const Figures figures = DrawCandidatesOf(std::span(&tangent, 1), startUp);
  ASSERT_EQ(figures.size(), 7u);
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  ASSERT_EQ(std::sscanf(figures[0].c_str(), "move %lf %lf", &x1, &y1), 2);
  ASSERT_EQ(std::sscanf(figures[1].c_str(), "line %lf %lf c2", &x2, &y2), 2);
  // y = 40 + x tan 30: enters at the bottom edge and leaves at the right edge.
  EXPECT_NEAR(x1, -20 * std::sqrt(3.0), 1e-3);
  EXPECT_NEAR(y1, 20, 1e-3);
  EXPECT_NEAR(x2, 50, 1e-3);
  EXPECT_NEAR(y2, 40 + 50 / std::sqrt(3.0), 1e-3);

  // Through (0, 40) and steep, but given by a point 3e9 units away: still
  // only the part across the view.
  const double radians = 89.9 * std::acos(-1.0) / 180;
  tangent.point = {-3e9 * std::cos(radians), 40 - 3e9 * std::sin(radians)};
  tangent.direction = 89.9;
  const Figures far = DrawCandidatesOf(std::span(&tangent, 1), startUp);
  ASSERT_GE(far.size(), 2u);
  ASSERT_EQ(std::sscanf(far[0].c_str(), "move %lf %lf", &x1, &y1), 2);
  ASSERT_EQ(std::sscanf(far[1].c_str(), "line %lf %lf c2", &x2, &y2), 2);
  EXPECT_NEAR(y1, 20, 1e-3);
  EXPECT_NEAR(y2, 70, 1e-3);
  for (double x : {x1, x2}) EXPECT_NEAR(x, 0, 0.1) << x;

  // A line that misses the view leaves only its marker.
  tangent.point = {0, 200};
  tangent.direction = 0;
  EXPECT_EQ(DrawCandidatesOf(std::span(&tangent, 1), startUp), Marker(0, 200, 1));
}

TEST(CandidateDrawing, FiguresBeyondThirtyTwoBitValuesAreLeftOut) {
  Candidate far;
  far.number = 2;
  far.point = {1e39, 0};
  far.radius = 1;
  EXPECT_EQ(DrawCandidatesOf(std::span(&far, 1)), Figures{});
  far.point = {3, 4};
  far.radius = 1e39;
  EXPECT_EQ(DrawCandidatesOf(std::span(&far, 1)), Marker(3, 4, 2));
}

TEST(CandidateDrawing, NothingWhileTheAnswerIsOutOfDate) {
  const std::vector<Candidate> found = candidates::FindCandidates(LineAndCircleTexts());
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(DrawCandidatesOf(found, kWide, AnswerLook::kOutOfDate), Figures{});
}

// Inputs first, then the candidates, then the answer over them.
TEST(CandidateDrawing, RedrawDrawsThemBetweenTheRowsAndTheAnswer) {
  const InputTexts texts = LineAndCircleTexts();
  const std::vector<Candidate> found = candidates::FindCandidates(texts);
  const ResultCaptions captions{"34.8661", "5", "", "", ""};
  RecordingSurface surface;
  Drawing(surface, texts, captions, kWide, AnswerLook::kCurrent, found).Redraw();
  const auto colourAt = [&](size_t i) { return surface.figures[i].substr(surface.figures[i].rfind(' ') + 1); };
  std::string colours;
  for (size_t i = 0; i < surface.figures.size(); ++i) {
    if (surface.figures[i].starts_with("move") || surface.figures[i] == "clear") continue;
    const std::string colour = colourAt(i);
    if (colours.empty() || colours.substr(colours.rfind(',') + 1) != colour) colours += "," + colour;
  }
  EXPECT_EQ(colours, ",c0,c9,c2,c12");
}

TEST(CandidateMarkers, TangentsFromAPointAreMarkedWhereTheyTouchTheCircle) {
  // 1.2: the point (0, 0) and the circle (10, 0) r 5: both tangents start at the point.
  const std::vector<Candidate> fromPoint = candidates::FindCandidates(examples::kCatalogue[1].Texts());
  ASSERT_EQ(fromPoint.size(), 2u);
  ASSERT_EQ(fromPoint[0].point, fromPoint[1].point);
  const std::vector<geometry::Point> markers = MarkerPoints(fromPoint);
  EXPECT_EQ(markers[0], *fromPoint[0].secondTouch);
  EXPECT_EQ(markers[1], *fromPoint[1].secondTouch);
  EXPECT_NE(markers[0], markers[1]);

  // 1.3: each common tangent touches circle 1 somewhere else: marked there.
  const std::vector<Candidate> common = candidates::FindCandidates(examples::kCatalogue[2].Texts());
  ASSERT_EQ(common.size(), 4u);
  const std::vector<geometry::Point> commonMarkers = MarkerPoints(common);
  for (size_t i = 0; i < common.size(); ++i) EXPECT_EQ(commonMarkers[i], common[i].point) << i;
}

TEST(PanelLayout, PanelStandsRightOfThePictureAndTakesAtMostHalfTheWidth) {
  const ViewLayout layout = LayoutViewArea({9288, 7524}, 2448, 372, 372, 372, 4000);
  EXPECT_EQ(layout.panel.left, 5288);
  EXPECT_EQ(layout.panel.top, 2448);
  EXPECT_EQ(layout.panel.width, 4000);
  EXPECT_EQ(layout.panel.height, 7524 - 2448 - 372);
  EXPECT_EQ(layout.picture.width, 5288 - 372);
  EXPECT_EQ(layout.picture.height, 7524 - 2448 - 372 - 372) << "the picture keeps its height";
  EXPECT_EQ(layout.vScroll.left, layout.picture.width);
  EXPECT_EQ(layout.hScroll.width, layout.picture.width);

  const ViewLayout narrow = LayoutViewArea({4000, 7524}, 2448, 372, 372, 372, 4000);
  EXPECT_EQ(narrow.panel.width, 2000);
  EXPECT_EQ(narrow.picture.width, 2000 - 372);
}

}  // namespace
}  // namespace draftcalc::view
