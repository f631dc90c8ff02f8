#include "view/view_state.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace draftcalc::view {
namespace {

// The grid of the scroll bars: the edge at position 0 and the step.
constexpr double kLeftAtZero = -450, kHorizontalStep = 20;
constexpr double kTopAtZero = 550, kVerticalStep = -16;
// The share of the picture that fitted figures fill, along its tighter side.
constexpr double kFitFill = 0.9;
// Half the axis cross: what a fit shows when there is nothing else.
constexpr double kAxisHalf = 10;

int NearestPosition(double edge, double atZero, double step) {
  const double position = std::round((edge - atZero) / step);
  if (!(position > kLeastScrollPosition)) return kLeastScrollPosition;  // NaN too
  return static_cast<int>(std::min<double>(position, kMostScrollPosition));
}

// The edge of `position`, plus the corner's offset from its nearest grid
// edge while that offset is half a step or less.
double ScrolledEdge(double edge, double gridEdgeOfNearest, double gridEdgeOfPosition, double step) {
  const double offset = edge - gridEdgeOfNearest;
  return std::fabs(offset) <= std::fabs(step) / 2 ? gridEdgeOfPosition + offset : gridEdgeOfPosition;
}

double Clamped(double value) { return std::isfinite(value) ? std::clamp(value, -kFarthestCorner, kFarthestCorner) : 0; }

}  // namespace

ViewCorner CornerFor(int h, int v) { return {LeftEdgeFor(h), TopEdgeFor(v)}; }

int NearestHorizontalPosition(double left) { return NearestPosition(left, kLeftAtZero, kHorizontalStep); }
int NearestVerticalPosition(double top) { return NearestPosition(top, kTopAtZero, kVerticalStep); }

double ScrolledLeftEdge(double left, int h) {
  return ScrolledEdge(left, LeftEdgeFor(NearestHorizontalPosition(left)), LeftEdgeFor(h), kHorizontalStep);
}

double ScrolledTopEdge(double top, int v) {
  return ScrolledEdge(top, TopEdgeFor(NearestVerticalPosition(top)), TopEdgeFor(v), kVerticalStep);
}

double UnitsPerPixel(int zoomPercent, double twipsPerPixel) {
  return twipsPerPixel / (kTwipsPerUnit * zoomPercent / 100.0);
}

int SteppedZoom(int percent, int steps) {
  const long wanted = static_cast<long>(percent) + static_cast<long>(steps) * kZoomStepPercent;
  return static_cast<int>(std::clamp<long>(wanted, kLeastZoomPercent, kMostZoomPercent));
}

ViewCorner ZoomedAbout(ViewCorner corner, double pixelX, double pixelY, int fromPercent, int toPercent,
                       double twipsPerPixel) {
  const double before = UnitsPerPixel(fromPercent, twipsPerPixel), after = UnitsPerPixel(toPercent, twipsPerPixel);
  const double x = corner.left + pixelX * before, y = corner.top - pixelY * before;
  return Kept({x - pixelX * after, y + pixelY * after});
}

ViewCorner Dragged(ViewCorner corner, double dx, double dy, int zoomPercent, double twipsPerPixel) {
  const double unit = UnitsPerPixel(zoomPercent, twipsPerPixel);
  return Kept({corner.left - dx * unit, corner.top + dy * unit});
}

ViewCorner Kept(ViewCorner corner) { return {Clamped(corner.left), Clamped(corner.top)}; }

ViewFit FitView(const Bounds& figures, double pictureWidthTwips, double pictureHeightTwips) {
  Bounds shown = figures;
  if (shown.Empty()) shown.AddCircle(0, 0, kAxisHalf);
  const double width = std::max(shown.Width(), 1e-9), height = std::max(shown.Height(), 1e-9);
  ViewFit fit;
  if (pictureWidthTwips > 0 && pictureHeightTwips > 0) {
    const double scale = kFitFill * std::min(pictureWidthTwips / width, pictureHeightTwips / height) / kTwipsPerUnit;
    const double percent = std::floor(std::min(100 * scale, 1e9));
    fit.zoomPercent = static_cast<int>(std::clamp<double>(percent, kLeastZoomPercent, kMostZoomPercent));
  }
  const double zoom = fit.zoomPercent / 100.0;
  const double shownWidth = ScaleWidthFor(pictureWidthTwips, zoom),
               shownHeight = -ScaleHeightFor(pictureHeightTwips, zoom);
  const double middleX = shown.left + shown.Width() / 2, middleY = shown.bottom + shown.Height() / 2;
  fit.corner = Kept({middleX - shownWidth / 2, middleY + shownHeight / 2});
  return fit;
}

CoordinateWindow WindowAround(const Bounds& figures) {
  Bounds shown = figures;
  if (shown.Empty()) shown.AddCircle(0, 0, kAxisHalf);
  const double margin = std::max(1.0, 0.05 * std::max(shown.Width(), shown.Height()));
  return {static_cast<float>(shown.left - margin), static_cast<float>(shown.top + margin),
          static_cast<float>(shown.Width() + 2 * margin), static_cast<float>(-(shown.Height() + 2 * margin))};
}

std::string CursorText(double x, double y, double unitsPerPixel) {
  const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(unitsPerPixel))), 0, 6);
  const auto number = [decimals](double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string written(text);
    // A value that rounds to zero is written without its sign.
    if (written.find_first_not_of("-0.") == std::string::npos && written[0] == '-') written.erase(0, 1);
    return written;
  };
  return "X=" + number(x) + " Y=" + number(y);
}

}  // namespace draftcalc::view
