// What a fit must show of the figures: whole points, circles and answers,
// the part of an endless input line near its typed point and its crossings.
#include "view/figure_extent.h"

#include <gtest/gtest.h>

#include <string>

#include "candidates/candidate.h"
#include "core/input_texts.h"

namespace draftcalc::view {
namespace {

struct Row {
  const char *x, *y, *d, *a = "", *b = "", *r = "";
};

InputTexts Rows(std::initializer_list<Row> rows) {
  InputTexts texts = StartupTexts();
  int row = 0;
  for (const Row& r : rows) {
    texts(row, colX) = r.x, texts(row, colY) = r.y, texts(row, colD) = r.d;
    texts(row, colA) = r.a, texts(row, colB) = r.b, texts(row, colR) = r.r;
    ++row;
  }
  return texts;
}

void ExpectBounds(const Bounds& bounds, double left, double bottom, double right, double top, const char* what) {
  EXPECT_NEAR(bounds.left, left, 1e-6) << what;
  EXPECT_NEAR(bounds.bottom, bottom, 1e-6) << what;
  EXPECT_NEAR(bounds.right, right, 1e-6) << what;
  EXPECT_NEAR(bounds.top, top, 1e-6) << what;
}

TEST(FigureExtent, PointsAndCirclesCountWhole) {
  ExpectBounds(FigureBounds(Rows({{"10", "20", "8"}}), {}, {}), 9, 19, 11, 21, "a point is drawn with radius 1");
  ExpectBounds(FigureBounds(Rows({{"10", "20", "8"}, {"-5", "0", "0", "", "", "-30"}}), {}, {}), -35, -30, 25, 30,
               "a circle by its radius' size");
  EXPECT_TRUE(FigureBounds(Rows({{"", "0", "8"}, {"1e39", "0", "0"}}), {}, {}).Empty()) << "not drawn, not counted";
  EXPECT_TRUE(FigureBounds(StartupTexts(), {}, {}).Empty());
}

TEST(FigureExtent, AnInputLineCountsNearItsTypedPointAndWhereItCrosses) {
  // Level line y = 10 typed at x = 30: only that point.
  ExpectBounds(FigureBounds(Rows({{"30", "10", "1", "0"}}), {}, {}), 30, 10, 30, 10, "typed point");
  // Moved 5 to the left of its direction (up for a level line).
  ExpectBounds(FigureBounds(Rows({{"30", "10", "3", "0", "5"}}), {}, {}), 30, 15, 30, 15, "offset B");
  // Typed beyond the drawn square: the nearest end of the drawn part.
  ExpectBounds(FigureBounds(Rows({{"800", "10", "1", "0"}}), {}, {}), 500, 10, 500, 10, "drawn part only");
  // Two lines crossing at (0, 0), typed at (40, 40) and (-20, 20).
  ExpectBounds(FigureBounds(Rows({{"40", "40", "1", "45"}, {"-20", "20", "2", "135"}}), {}, {}), -20, 0, 40, 40,
               "crossing of two lines");
  // A line through a circle: where it cuts the circle.
  ExpectBounds(FigureBounds(Rows({{"-100", "0", "3", "0"}, {"0", "0", "0", "", "", "10"}}), {}, {}), -100, -10, 10, 10,
               "circle and its cuts");
  // A vertical line (drawn from y = -250 to 800) crossing a level one.
  ExpectBounds(FigureBounds(Rows({{"7", "300", "1", "90"}, {"-50", "-40", "2", "0"}}), {}, {}), -50, -40, 7, 300,
               "vertical line");
}

TEST(FigureExtent, TheAnswerCountsAsDrawn) {
  ExpectBounds(AnswerBounds({"12.5", "-3", "", "", ""}), 11.5, -4, 13.5, -2, "square");
  ExpectBounds(AnswerBounds({"10", "10", "", "-5", ""}), 5, 5, 15, 15, "circle");
  ExpectBounds(AnswerBounds({"100", "200", "30", "", ""}), 99, 199, 101, 201, "a line by its point");
  EXPECT_TRUE(AnswerBounds({"", "", "", "", "交点無し?"}).Empty());
  ExpectBounds(FigureBounds(Rows({{"0", "0", "8"}}), {"100", "0", "", "", ""}, {}), -1, -1, 101, 1, "rows and answer");
}

TEST(FigureExtent, CandidatesCountWhileTheyAreDrawn) {
  candidates::Candidate circle;
  circle.number = 1;
  circle.point = {50, 0};
  circle.radius = 5;
  candidates::Candidate tangent;
  tangent.number = 2;
  tangent.point = {0, 0};
  tangent.direction = 30;
  tangent.secondTouch = geometry::Point{-8, 60};
  const std::vector<candidates::Candidate> found = {circle, tangent};
  ExpectBounds(FigureBounds(StartupTexts(), {}, found), -8, -5, 55, 60, "circle and both touching points");
}

}  // namespace
}  // namespace draftcalc::view
