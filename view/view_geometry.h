#pragma once

#include <optional>
#include <string>

namespace draftcalc::view {

// One drawing unit spans 59 twips at zoom 1 (1440 twips to the inch), the
// same along both axes, whatever the size of the window.
inline constexpr double kTwipsPerUnit = 59;

// The visible part of the plane, in drawing units, as the picture area holds
// it (32-bit values): left and top edge, a positive width and a negative
// height, so that y grows upwards.
struct CoordinateWindow {
  float left = 0, top = 0, width = 0, height = 0;

  float Right() const { return left + width; }
  float Bottom() const { return top + height; }
};

// Width and height of the coordinate window for a picture area of the given
// outer size (twips) at the given zoom (1 = 100 %).
float ScaleWidthFor(double pictureWidthTwips, double zoomScale);
float ScaleHeightFor(double pictureHeightTwips, double zoomScale);

// Left edge for the horizontal scroll position h (0..50): 20 h - 450; one
// step is 20 units at every zoom. Top edge for the vertical position v:
// 550 - 16 v.
float LeftEdgeFor(int h);
float TopEdgeFor(int v);

// The status text of the view's lower-left corner: "X=-50.Y=20".
std::string CoordinateText(const CoordinateWindow& window);
// A 32-bit value in its shortest general form, up to 7 significant digits.
std::string SingleText(float value);

// Maps plane coordinates to pixels of the picture area.
struct PixelMapping {
  double left = 0, top = 0;  // plane point at the top-left pixel corner
  double pixelsPerUnit = 1;  // 59 twips times the zoom, in pixels

  double PixelX(double x) const { return (x - left) * pixelsPerUnit; }
  double PixelY(double y) const { return (top - y) * pixelsPerUnit; }
};
PixelMapping MappingFor(const CoordinateWindow& window, double zoomScale, double twipsPerPixel);

// Sizes in twips.
struct Size {
  double width = 0, height = 0;
};
struct Rect {
  double left = 0, top = 0, width = 0, height = 0;
};

// The smallest window is 4000 x 4500 twips (outer size); a window narrower
// is widened to 4500, one lower is made 5000 high. nullopt when the size
// may stay.
std::optional<Size> EnforcedOuterSize(Size outer);

// Where the resize puts the picture area, its scroll bars and the
// candidates panel in a client area of the given size: the picture fills the
// height between the result labels (ansBottom) and the horizontal scroll bar
// above the status bar, and the width left of the vertical scroll bar; the
// panel stands right of that scroll bar from the results down to the status
// bar. The panel gets its own width but never more than half of the client
// width, so that a narrow window still shows a picture.
struct ViewLayout {
  Rect picture, hScroll, vScroll, panel;
};
ViewLayout LayoutViewArea(Size client, double ansBottom, double statusHeight, double hScrollHeight, double vScrollWidth,
                          double panelWidth = 0);

}  // namespace draftcalc::view
