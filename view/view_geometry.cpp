#include "view/view_geometry.h"

#include <algorithm>
#include <cmath>

#include "core/float_chars.h"

namespace draftcalc::view {

float ScaleWidthFor(double pictureWidthTwips, double zoomScale) {
  return static_cast<float>((pictureWidthTwips / kTwipsPerUnit) / zoomScale);
}

float ScaleHeightFor(double pictureHeightTwips, double zoomScale) {
  return static_cast<float>(-(pictureHeightTwips / kTwipsPerUnit) / zoomScale);
}

// Products like (h - 50) * 1000 leave the 16-bit range; they are worked out
// in doubles.
float LeftEdgeFor(int h) { return static_cast<float>((h - 50) * 1000.0 / 50 + 550); }
float TopEdgeFor(int v) { return static_cast<float>((50 - v) * 800.0 / 50 - 250); }

std::string SingleText(float value) {
  if (value == 0) return "0";
  std::string result = float_chars::GeneralText(static_cast<double>(value), 7);
  if (const auto e = result.find('e'); e != std::string::npos) result[e] = 'E';
  return result;
}

std::string CoordinateText(const CoordinateWindow& window) {
  return "X=" + SingleText(window.left) + ".Y=" + SingleText(window.Bottom());
}

PixelMapping MappingFor(const CoordinateWindow& window, double zoomScale, double twipsPerPixel) {
  return {window.left, window.top, kTwipsPerUnit * zoomScale / twipsPerPixel};
}

std::optional<Size> EnforcedOuterSize(Size outer) {
  Size enforced = outer;
  if (outer.width < 4000) enforced.width = 4500;
  if (outer.height < 4500) enforced.height = 5000;
  if (enforced.width == outer.width && enforced.height == outer.height) return std::nullopt;
  return enforced;
}

ViewLayout LayoutViewArea(Size client, double ansBottom, double statusHeight, double hScrollHeight, double vScrollWidth,
                          double panelWidth) {
  const double panel = std::clamp(panelWidth, 0.0, std::max(0.0, client.width / 2));
  const double height = client.height - ansBottom - statusHeight;
  ViewLayout layout;
  layout.picture = {0, ansBottom, client.width - panel - vScrollWidth, height - hScrollHeight};
  layout.hScroll = {0, ansBottom + layout.picture.height, layout.picture.width, hScrollHeight};
  layout.vScroll = {layout.picture.width, ansBottom, vScrollWidth, layout.picture.height};
  layout.panel = {client.width - panel, ansBottom, panel, height};
  return layout;
}

}  // namespace draftcalc::view
