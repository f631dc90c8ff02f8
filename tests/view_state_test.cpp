// The view's zoom and corner as the wheel, dragging, the keys and fitting
// set them, and as the scroll bars still move them; the cursor read-out.
#include "view/view_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "view/view_geometry.h"

namespace draftcalc::view {
namespace {

constexpr double kTwipsPerPixel = 15;  // 96 DPI

// The plane point under a pixel of the picture for a corner and zoom.
struct PlanePoint {
  double x, y;
};
PlanePoint Under(ViewCorner corner, int percent, double pixelX, double pixelY) {
  const double unit = UnitsPerPixel(percent, kTwipsPerPixel);
  return {corner.left + pixelX * unit, corner.top - pixelY * unit};
}

TEST(ViewState, ScrollBarsShowTheirNearestPositionWithinTheirRange) {
  struct Case {
    double left, top;
    int h, v;
  };
  const Case cases[] = {
      {-50, 70, 20, 30},     {-450, 550, 0, 0},   {550, -250, 50, 50}, {-41, 63, 20, 30},
      {-39.9, 61.9, 21, 31}, {-5000, 5000, 0, 0}, {1e6, -1e6, 50, 50}, {std::nan(""), std::nan(""), 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NearestHorizontalPosition(c.left), c.h) << c.left;
    EXPECT_EQ(NearestVerticalPosition(c.top), c.v) << c.top;
  }
  for (int position = 0; position <= 50; ++position) {
    EXPECT_EQ(NearestHorizontalPosition(LeftEdgeFor(position)), position);
    EXPECT_EQ(NearestVerticalPosition(TopEdgeFor(position)), position);
  }
}

TEST(ViewState, AScrollStepMovesTheDesignedAmountWhereverTheCornerLies) {
  // On the grid: exactly the designed edges.
  EXPECT_EQ(ScrolledLeftEdge(-50, 0), -450);
  EXPECT_EQ(ScrolledLeftEdge(-50, 50), 550);
  EXPECT_EQ(ScrolledTopEdge(70, 0), 550);
  EXPECT_EQ(ScrolledTopEdge(70, 50), -250);
  // Off the grid after a drag: each step still moves 20 and 16 units, and
  // position 0 lies as far off its edge as the corner did.
  for (const double offset : {-10.0, -7.25, 3.5, 10.0}) {
    const double left = LeftEdgeFor(20) + offset;
    const int h = NearestHorizontalPosition(left);
    EXPECT_DOUBLE_EQ(ScrolledLeftEdge(left, h + 1) - left, 20) << offset;
    EXPECT_DOUBLE_EQ(ScrolledLeftEdge(left, h - 3) - left, -60) << offset;
    EXPECT_DOUBLE_EQ(ScrolledLeftEdge(left, 0), -450 + (left - LeftEdgeFor(h))) << offset;
  }
  for (const double offset : {-8.0, -2.5, 6.0, 8.0}) {
    const double top = TopEdgeFor(30) + offset;
    const int v = NearestVerticalPosition(top);
    EXPECT_DOUBLE_EQ(ScrolledTopEdge(top, v + 1) - top, -16) << offset;
  }
  // Beyond the bar's reach the bar takes the view to its position's edge.
  EXPECT_EQ(ScrolledLeftEdge(5000, 49), LeftEdgeFor(49));
  EXPECT_EQ(ScrolledTopEdge(-3000, 0), 550);
}

TEST(ViewState, ZoomingAboutAPixelKeepsThePointUnderIt) {
  const ViewCorner corners[] = {{-50, 70}, {-12.345, 3.21}, {9000, -7000}, {-9e5, 9e5}};
  const double pixels[][2] = {{0, 0}, {37, 211}, {590.5, 12}, {300, 400}};
  const int zooms[][2] = {{100, 110}, {110, 100}, {10, 500}, {500, 10}, {137, 147}};
  for (const ViewCorner& corner : corners) {
    for (const auto& pixel : pixels) {
      for (const auto& zoom : zooms) {
        const ViewCorner zoomed = ZoomedAbout(corner, pixel[0], pixel[1], zoom[0], zoom[1], kTwipsPerPixel);
        const PlanePoint before = Under(corner, zoom[0], pixel[0], pixel[1]);
        const PlanePoint after = Under(zoomed, zoom[1], pixel[0], pixel[1]);
        EXPECT_NEAR(after.x, before.x, 1e-9 * std::max(1.0, std::fabs(before.x))) << corner.left;
        EXPECT_NEAR(after.y, before.y, 1e-9 * std::max(1.0, std::fabs(before.y))) << corner.top;
      }
    }
  }
  // About the top-left pixel the corner stays: the slider's own zoom.
  const ViewCorner topLeft = ZoomedAbout({-50, 70}, 0, 0, 100, 200, kTwipsPerPixel);
  EXPECT_EQ(topLeft.left, -50);
  EXPECT_EQ(topLeft.top, 70);
}

TEST(ViewState, DraggingMovesThePlaneWithThePointer) {
  const ViewCorner start{-50, 70};
  for (const int percent : {10, 100, 500}) {
    const ViewCorner dragged = Dragged(start, -60, 40, percent, kTwipsPerPixel);
    const PlanePoint grabbed = Under(start, percent, 100, 100);
    const PlanePoint dropped = Under(dragged, percent, 40, 140);
    EXPECT_NEAR(dropped.x, grabbed.x, 1e-9) << percent;
    EXPECT_NEAR(dropped.y, grabbed.y, 1e-9) << percent;
  }
  // Never beyond the farthest corner, never a corner that is not a number.
  EXPECT_EQ(Dragged(start, -1e12, -1e12, 10, kTwipsPerPixel).left, kFarthestCorner);
  EXPECT_EQ(Dragged(start, -1e12, -1e12, 10, kTwipsPerPixel).top, -kFarthestCorner);
  EXPECT_EQ(Dragged(start, 1e12, 1e12, 10, kTwipsPerPixel).left, -kFarthestCorner);
  EXPECT_EQ(Kept({std::nan(""), INFINITY}).left, 0);
}

TEST(ViewState, ZoomStepsStayWithinTheSlidersRange) {
  EXPECT_EQ(SteppedZoom(100, 1), 110);
  EXPECT_EQ(SteppedZoom(100, -3), 70);
  EXPECT_EQ(SteppedZoom(105, 1), 115);
  EXPECT_EQ(SteppedZoom(495, 1), 500);
  EXPECT_EQ(SteppedZoom(500, 1), 500);
  EXPECT_EQ(SteppedZoom(10, -1), 10);
  EXPECT_EQ(SteppedZoom(15, -1), 10);
  EXPECT_EQ(SteppedZoom(100, 1 << 30), 500);
  EXPECT_EQ(SteppedZoom(100, -(1 << 30)), 10);
}

// The fitted view holds the figures with their margin, at the greatest
// zoom that does: one percent more would cut them.
TEST(ViewState, FitShowsTheFiguresCentredAtTheGreatestZoom) {
  const double pictureWidth = 8916, pictureHeight = 5088;  // twips
  Bounds figures;
  figures.Add(-30, -12);
  figures.Add(45, 20);
  const ViewFit fit = FitView(figures, pictureWidth, pictureHeight);
  const auto windowAt = [&](int percent, ViewCorner corner) {
    return CoordinateWindow{static_cast<float>(corner.left), static_cast<float>(corner.top),
                            ScaleWidthFor(pictureWidth, percent / 100.0),
                            ScaleHeightFor(pictureHeight, percent / 100.0)};
  };
  const CoordinateWindow shown = windowAt(fit.zoomPercent, fit.corner);
  EXPECT_LE(shown.left, -30 - 0.04 * shown.width);
  EXPECT_GE(shown.Right(), 45 + 0.04 * shown.width);
  EXPECT_LE(shown.Bottom(), -12);
  EXPECT_GE(shown.top, 20);
  EXPECT_NEAR((shown.left + shown.Right()) / 2, 7.5, 1e-4);
  EXPECT_NEAR((shown.top + shown.Bottom()) / 2, 4, 1e-4);
  EXPECT_GT(75 / ScaleWidthFor(pictureWidth, (fit.zoomPercent + 1) / 100.0), 0.9);

  // A point is shown at the greatest zoom, a huge figure at the least
  // (centred, as much as the slider allows), nothing as the axis cross.
  Bounds point;
  point.AddCircle(3, 4, 1);
  EXPECT_EQ(FitView(point, pictureWidth, pictureHeight).zoomPercent, 500);
  Bounds huge;
  huge.AddCircle(100, -200, 1e5);
  const ViewFit far = FitView(huge, pictureWidth, pictureHeight);
  EXPECT_EQ(far.zoomPercent, 10);
  EXPECT_NEAR(far.corner.left + ScaleWidthFor(pictureWidth, 0.1) / 2, 100, 1e-3);
  const ViewFit nothing = FitView(Bounds{}, pictureWidth, pictureHeight);
  EXPECT_EQ(nothing.zoomPercent, static_cast<int>(std::floor(0.9 * pictureHeight / 20 / kTwipsPerUnit * 100)));
}

TEST(ViewState, AWindowAroundTheFiguresHasAMargin) {
  Bounds figures;
  figures.AddCircle(10, 0, 10);  // 0..20 x -10..10
  const CoordinateWindow window = WindowAround(figures);
  EXPECT_FLOAT_EQ(window.left, -1);
  EXPECT_FLOAT_EQ(window.Right(), 21);
  EXPECT_FLOAT_EQ(window.top, 11);
  EXPECT_FLOAT_EQ(window.Bottom(), -11);
  Bounds point;
  point.Add(5, 5);
  EXPECT_FLOAT_EQ(WindowAround(point).width, 2);  // at least a unit each side
}

TEST(CursorText, ShowsAboutOnePixelsWorthOfDecimals) {
  struct Case {
    int percent;
    double x, y;
    const char* text;
  };
  const Case cases[] = {
      {100, -50, 70, "X=-50.0 Y=70.0"},           // a pixel spans 0.254 units
      {500, 12.3456, -7.891, "X=12.35 Y=-7.89"},  // 0.051
      {10, 1234.56, -0.4, "X=1235 Y=0"},          // 2.54: no decimals, no "-0"
      {20, -0.04, 0.04, "X=0 Y=0"},               // 1.27
      {41, -0.04, 0.06, "X=0.0 Y=0.1"},           // 0.62
  };
  for (const Case& c : cases) EXPECT_EQ(CursorText(c.x, c.y, UnitsPerPixel(c.percent, kTwipsPerPixel)), c.text);
}

}  // namespace
}  // namespace draftcalc::view
