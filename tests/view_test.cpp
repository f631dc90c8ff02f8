// The drawing view without a window: coordinate window, layout, and the
// figures drawn for inputs and answers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "core/calc_state.h"
#include "core/input_texts.h"
#include "recording_surface.h"
#include "view/clip.h"
#include "view/drawing.h"
#include "view/view_geometry.h"

namespace draftcalc::view {
namespace {

using Figures = std::vector<std::string>;

TEST(ViewGeometry, StartUpWindowShowsTheOriginNearTheTopLeft) {
  // A 5900 x 2950-twip picture at 100 % and 200 %, scroll bars at 20 and 30.
  CoordinateWindow window{LeftEdgeFor(20), TopEdgeFor(30), ScaleWidthFor(5900, 1), ScaleHeightFor(2950, 1)};
  EXPECT_EQ(window.left, -50);
  EXPECT_EQ(window.Right(), 50);
  EXPECT_EQ(window.top, 70);
  EXPECT_EQ(window.Bottom(), 20);
  EXPECT_EQ(CoordinateText(window), "X=-50.Y=20");

  window.width = ScaleWidthFor(5900, 2);
  window.height = ScaleHeightFor(2950, 2);
  EXPECT_EQ(window.Right(), 0);
  EXPECT_EQ(window.Bottom(), 45);
}

TEST(ViewGeometry, ZoomSetsTheSizeOfADrawingUnit) {
  EXPECT_EQ(ScaleWidthFor(295, 5), 1);        // 500 %: one unit spans 295 twips
  EXPECT_EQ(ScaleWidthFor(5900, 0.1), 1000);  // 10 %: ten times as much as at 100 %
  EXPECT_EQ(ScaleHeightFor(5900, 0.1), -1000);
  EXPECT_DOUBLE_EQ(MappingFor({}, 1, 15).pixelsPerUnit, 59.0 / 15);
  EXPECT_DOUBLE_EQ(MappingFor({}, 2, 7.5).pixelsPerUnit, 59.0 * 2 / 7.5);
}

TEST(ViewGeometry, ScrollBarsMoveTheEdgesInFixedSteps) {
  EXPECT_EQ(LeftEdgeFor(0), -450);
  EXPECT_EQ(LeftEdgeFor(20), -50);
  EXPECT_EQ(LeftEdgeFor(50), 550);
  EXPECT_EQ(LeftEdgeFor(21) - LeftEdgeFor(20), 20);
  EXPECT_EQ(TopEdgeFor(0), 550);
  EXPECT_EQ(TopEdgeFor(30), 70);
  EXPECT_EQ(TopEdgeFor(50), -250);
  EXPECT_EQ(TopEdgeFor(31) - TopEdgeFor(30), -16);
}

TEST(ViewGeometry, CoordinateTextUsesSevenSignificantDigits) {
  EXPECT_EQ(CoordinateText({-450, 550, 100, -166.666672f}), "X=-450.Y=383.3333");
  EXPECT_EQ(CoordinateText({550, -250, 10, -0.5f}), "X=550.Y=-250.5");
  EXPECT_EQ(SingleText(-96.66667f), "-96.66667");
  EXPECT_EQ(SingleText(12345678.0f), "1.234568E+07");
  EXPECT_EQ(SingleText(-0.0f), "0");
}

TEST(ViewGeometry, WindowIsKeptAboveItsSmallestSize) {
  EXPECT_EQ(EnforcedOuterSize({3999, 6000})->width, 4500);
  EXPECT_EQ(EnforcedOuterSize({3999, 6000})->height, 6000);
  EXPECT_FALSE(EnforcedOuterSize({4000, 4500}).has_value());
  EXPECT_EQ(EnforcedOuterSize({5000, 4499})->height, 5000);
  EXPECT_EQ(EnforcedOuterSize({100, 100})->width, 4500);
}

TEST(ViewGeometry, PictureFillsTheClientBelowTheResults) {
  const ViewLayout layout = LayoutViewArea({9288, 7524}, 1692, 372, 372, 372);
  EXPECT_EQ(layout.picture.top, 1692);
  EXPECT_EQ(layout.picture.left, 0);
  EXPECT_EQ(layout.picture.width, 8916);
  EXPECT_EQ(layout.picture.height, 5088);
  EXPECT_EQ(layout.hScroll.top, 6780);
  EXPECT_EQ(layout.hScroll.width, 8916);
  EXPECT_EQ(layout.vScroll.left, 8916);
  EXPECT_EQ(layout.vScroll.height, 5088);
}

TEST(Clip, KeepsThePartInsideAndPrecisionOfSteepLines) {
  auto inside = ClipSegment({-500, -288.675, 500, 288.675}, -50, 20, 50, 70);
  ASSERT_TRUE(inside);
  EXPECT_NEAR(inside->x1, 20 / 0.57735, 1e-9);
  EXPECT_EQ(inside->y1, 20);
  EXPECT_EQ(inside->x2, 50);
  EXPECT_NEAR(inside->y2, 28.8675, 1e-9);

  // Nearly vertical through (3, 0) with ends 1e15 away.
  const double m = 1e12;
  auto steep = ClipSegment({-500, -500 * m - 3 * m, 500, 500 * m - 3 * m}, -50, 20, 50, 70);
  ASSERT_TRUE(steep);
  EXPECT_NEAR(steep->x1, 3, 1e-6);
  EXPECT_NEAR(steep->x2, 3, 1e-6);

  EXPECT_FALSE(ClipSegment({-500, 100, 500, 100}, -50, 20, 50, 70));
  EXPECT_FALSE(ClipSegment({0, 0, 1e308, -1e308}, -50, 20, 50, 70));
  EXPECT_FALSE(ClipSegment({0, -1.7e308, 0, 1.7e308}, -50, 20, 50, 70));
}

// Draws one input row typed as (x, y, d, a, b, r) and returns its figures.
Figures DrawRow(std::string_view x, std::string_view y, std::string_view d, std::string_view a = "",
                std::string_view b = "", std::string_view r = "", int* penColor = nullptr) {
  InputTexts texts = StartupTexts();
  texts(0, colX) = x, texts(0, colY) = y, texts(0, colD) = d, texts(0, colA) = a, texts(0, colB) = b,
           texts(0, colR) = r;
  const ResultCaptions captions;
  RecordingSurface surface;
  Drawing drawing(surface, texts, captions, {-50, 70, 100, -50});
  drawing.DrawInputRow(0);
  if (penColor) *penColor = drawing.penColor();
  return surface.figures;
}

TEST(InputDrawing, PointsAndCirclesInLightBlue) {
  EXPECT_EQ(DrawRow("10", "20", "8"), Figures{"circle 10 20 r1 c9"});
  EXPECT_EQ(DrawRow("0", "0", "0", "", "", "-30"), Figures{"circle 0 0 r30 c9"});
  EXPECT_EQ(DrawRow("0", "0", "0", "", "", ""), Figures{"circle 0 0 r0 c9"});
}

TEST(InputDrawing, LinesRunAcrossTheBand) {
  EXPECT_EQ(DrawRow("0", "10", "1", "0", "0"), (Figures{"move 500 10", "line -500 10 c9"}));
  EXPECT_EQ(DrawRow("0", "0", "3", "0", "5"), (Figures{"move 500 5", "line -500 5 c9"}));
  EXPECT_EQ(DrawRow("0", "0", "2", "45"), (Figures{"move 500 500", "line -500 -500 c9"}));
  EXPECT_EQ(DrawRow("0", "0", "1", "80"), (Figures{"move 88.1635 500", "line -88.1635 -500 c9"}));
  EXPECT_EQ(DrawRow("0", "600", "1", "-45"), (Figures{"move 500 100", "line 100 500 c9"}));
}

// Each end that leaves the band |y| <= 500 is moved along the line to the
// band edge on the side it left; ends worked out by hand from y = m x + c.
struct BandCase {
  const char *x, *y, *angle;
  Figures expected;
};

TEST(InputDrawing, EndsLeavingTheBandStopAtTheEdgeTheyCross) {
  const BandCase cases[] = {
      // Rising lines (m = 1, c = 300 or -300): the right end leaves at the top, the left end at the bottom.
      {"0", "300", "45", {"move 200 500", "line -500 -200 c9"}},
      {"0", "-300", "45", {"move 500 200", "line -200 -500 c9"}},
      // Falling lines (m = -1): the right end leaves at the bottom, the left end at the top.
      {"0", "-300", "-45", {"move 200 -500", "line -500 200 c9"}},
      {"0", "300", "-45", {"move 500 -200", "line -200 500 c9"}},
      {"0", "-10", "135", {"move 490 -500", "line -500 490 c9"}},
      {"10", "0", "135", {"move 500 -490", "line -490 500 c9"}},
      // Steep falling line through the origin: both ends leave (m = -5.671282).
      {"0", "0", "-80", {"move 88.1635 -500", "line -88.1635 500 c9"}},
      {"0", "0", "100", {"move 88.1635 -500", "line -88.1635 500 c9"}},
  };
  for (const BandCase& c : cases) {
    EXPECT_EQ(DrawRow(c.x, c.y, "1", c.angle), c.expected) << c.x << " " << c.y << " " << c.angle;
  }
}

// Whatever the line, what is drawn lies on it and inside the square
// |x|, |y| <= 500, and reaches the square's edge at both ends.
TEST(InputDrawing, DrawnLinesStayOnTheLineInsideTheSquare) {
  for (const char* angle : {"10", "45", "60", "85", "-10", "-45", "-60", "-85", "120", "135", "170", "-135"}) {
    for (const char* y : {"-700", "-450", "-20", "0", "20", "450", "700"}) {
      const Figures figures = DrawRow("30", y, "1", angle);
      if (figures.empty()) continue;
      ASSERT_EQ(figures.size(), 2u);
      double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
      ASSERT_EQ(std::sscanf(figures[0].c_str(), "move %lf %lf", &x1, &y1), 2);
      ASSERT_EQ(std::sscanf(figures[1].c_str(), "line %lf %lf", &x2, &y2), 2);
      const double m = std::tan(std::atof(angle) * std::numbers::pi / 180);
      const double c = std::atof(y) - m * 30;
      for (const auto& [x, yEnd] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
        EXPECT_LE(std::fabs(x), 500.0001) << angle << " " << y;
        EXPECT_LE(std::fabs(yEnd), 500.0001) << angle << " " << y;
        EXPECT_NEAR(yEnd, m * x + c, 1e-3 * std::max(1.0, std::fabs(m))) << angle << " " << y;
        EXPECT_TRUE(std::fabs(std::fabs(x) - 500) < 1e-3 || std::fabs(std::fabs(yEnd) - 500) < 1e-3)
            << angle << " " << y;
      }
      EXPECT_GT(x1, x2) << "drawn from the right end to the left end";
    }
  }
  // The line through (600, 0) at 80 degrees crosses the band only right of x = 500.
  EXPECT_EQ(DrawRow("600", "0", "1", "80"), Figures{});
}

TEST(InputDrawing, VerticalLinesSpanFromMinus250To800) {
  EXPECT_EQ(DrawRow("20", "0", "1", "90", "3"), (Figures{"move 17 -250", "line 17 800 c9"}));
  EXPECT_EQ(DrawRow("20", "0", "1", "-90", "3"), (Figures{"move 23 -250", "line 23 800 c9"}));
  // Cosine rounding to 0: the vertical line it is (pointing down, moved right).
  EXPECT_EQ(DrawRow("20", "0", "3", "270", "3"), (Figures{"move 23 -250", "line 23 800 c9"}));
}

TEST(InputDrawing, RowsThatAreNotFiguresDrawNothing) {
  for (std::string_view code : {"5", "99", "", " 8", "8.0"}) {
    int penColor = 0;
    EXPECT_EQ(DrawRow("1", "1", code, "", "", "", &penColor), Figures{}) << code;
    EXPECT_EQ(penColor, kLightBlue);
  }
}

TEST(InputDrawing, TextsThatAreNotNumbersAsAWholeDrawNothing) {
  EXPECT_EQ(DrawRow("", "0", "8"), Figures{});
  EXPECT_EQ(DrawRow("3,5", "0", "0", "", "", "2"), Figures{});
  EXPECT_EQ(DrawRow("1e39", "0", "8"), Figures{});  // beyond a 32-bit value
  EXPECT_EQ(DrawRow("", "0", "1", "90"), Figures{});
  EXPECT_EQ(DrawRow("0", "0", "1", "90x"), Figures{});
  // A level line outside the band is not drawn.
  EXPECT_EQ(DrawRow("0", "600", "1", "0"), Figures{});
  EXPECT_EQ(DrawRow("0", "0", "1", "180", "-501"), Figures{});
}

Figures DrawAnswerOf(ResultCaptions captions, CoordinateWindow visible = {-1000, 1000, 2000, -2000}) {
  const InputTexts texts = StartupTexts();
  RecordingSurface surface;
  Drawing drawing(surface, texts, captions, visible);
  drawing.DrawAnswer();
  return surface.figures;
}

TEST(AnswerDrawing, PointCircleAndLineInLightRed) {
  EXPECT_EQ(DrawAnswerOf({"12.5", "-3", "", "", ""}), Figures{"box 11.5 -4 13.5 -2 c12"});
  EXPECT_EQ(DrawAnswerOf({"10", "10", "", "5", ""}), (Figures{"circle 10 10 r5 c12", "box 9 9 11 11 c12"}));
  EXPECT_EQ(DrawAnswerOf({"10", "10", "", "-5", ""}), (Figures{"circle 10 10 r5 c12", "box 9 9 11 11 c12"}));
  EXPECT_EQ(DrawAnswerOf({"0", "0", "30", "", ""}),
            (Figures{"move -500 -288.675", "line 500 288.675 c12", "box -1 -1 1 1 c12"}));
  EXPECT_EQ(DrawAnswerOf({"7", "0", "90", "", ""}), (Figures{"move 7 -250", "line 7 800 c12", "box 6 -1 8 1 c12"}));
}

TEST(AnswerDrawing, LineIsClippedToTheVisibleWindow) {
  const CoordinateWindow startUp{-50, 70, 100, -50};
  EXPECT_EQ(DrawAnswerOf({"0", "0", "30", "", ""}, startUp),
            (Figures{"move 34.641 20", "line 50 28.8675 c12", "box -1 -1 1 1 c12"}));
  // Steep: ends about 286 thousand units away, drawn where it crosses the view.
  const Figures steep = DrawAnswerOf({"0", "40", "89.9", "", ""}, startUp);
  ASSERT_EQ(steep.size(), 3u);
  EXPECT_EQ(steep[0], "move -0.0349 20");
  EXPECT_EQ(steep[1], "line 0.0524 70 c12");
  // Entirely outside the view: only the square (also outside) remains.
  EXPECT_EQ(DrawAnswerOf({"0", "-300", "0", "", ""}, startUp), Figures{"box -1 -301 1 -299 c12"});
}

TEST(AnswerDrawing, FiguresWithoutCentreOrXAreLeftOut) {
  EXPECT_EQ(DrawAnswerOf({"", "", "", "5", "交点無し?"}), Figures{});
  EXPECT_EQ(DrawAnswerOf({"", "", "90", "", ""}), Figures{});
  EXPECT_EQ(DrawAnswerOf({"", "", "", "", "入力順違いで計算出来ない"}), Figures{});
  EXPECT_EQ(DrawAnswerOf({"3", "", "", "", ""}), Figures{});
}

TEST(Redraw, ClearsThenDrawsAxesRowsAndAnswerInThatOrder) {
  InputTexts texts = StartupTexts();
  texts(0, colD) = "8";
  texts(1, colD) = "0", texts(1, colX) = "10", texts(1, colR) = "8";
  const ResultCaptions captions{"0", "0", "-53.1301", "", ""};
  RecordingSurface surface;
  Drawing drawing(surface, texts, captions, {-1000, 1000, 2000, -2000});
  drawing.Redraw();
  const Figures expected = {"clear",
                            "move -10 0",
                            "line 10 0 c0",
                            "move 0 -10",
                            "line 0 10 c0",
                            "circle 0 0 r1 c9",
                            "circle 10 0 r8 c9",
                            "move -500 666.6665",
                            "line 500 -666.6665 c12",
                            "box -1 -1 1 1 c12"};
  EXPECT_EQ(surface.figures, expected);
  EXPECT_EQ(drawing.penColor(), kLightRed);
}

// An answer that no longer belongs to the rows keeps its figures but is
// drawn dashed in grey; axes and rows keep their solid colours.
TEST(Redraw, OutOfDateAnswerIsTheSameFiguresDashedInGrey) {
  InputTexts texts = StartupTexts();
  texts(0, colD) = "3", texts(0, colA) = "30";
  texts(1, colD) = "0", texts(1, colX) = "10", texts(1, colR) = "8";
  const ResultCaptions answers[] = {
      {"0", "0", "-53.1301", "", ""}, {"10", "10", "", "5", ""}, {"7", "0", "90", "", ""}, {"12.5", "-3", "", "", ""}};
  for (const ResultCaptions& captions : answers) {
    RecordingSurface current, outOfDate;
    Drawing(current, texts, captions, {-1000, 1000, 2000, -2000}).Redraw();
    Drawing stale(outOfDate, texts, captions, {-1000, 1000, 2000, -2000}, AnswerLook::kOutOfDate);
    stale.Redraw();
    Figures expected = current.figures;
    for (std::string& figure : expected) {
      if (const auto red = figure.find(" c12"); red != std::string::npos) figure.replace(red, 4, " c8 dashed");
    }
    EXPECT_EQ(outOfDate.figures, expected) << captions.ansX << " " << captions.ansA;
    EXPECT_EQ(stale.penColor(), kGrey);
    // The rows drawn after a stale answer are solid again.
    RecordingSurface after;
    Drawing again(after, texts, captions, {-1000, 1000, 2000, -2000}, AnswerLook::kOutOfDate);
    again.DrawAnswer();
    again.DrawInputRow(0);
    EXPECT_EQ(after.figures.back(), "line -500 -288.675 c9");
  }
}

TEST(Redraw, BeforeAnyCalculationOnlyAxesAndRows) {
  const InputTexts texts = StartupTexts();
  const ResultCaptions captions;
  RecordingSurface surface;
  Drawing(surface, texts, captions, {-50, 70, 100, -50}).Redraw();
  EXPECT_EQ(surface.figures, (Figures{"clear", "move -10 0", "line 10 0 c0", "move 0 -10", "line 0 10 c0"}));
}

}  // namespace
}  // namespace draftcalc::view
