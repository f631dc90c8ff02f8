#pragma once

#include <string>

#include "view/bounds.h"
#include "view/view_geometry.h"

namespace draftcalc::view {

// The zoom as the slider sets it, in percent: its value 0 stands for 10.
inline constexpr int kLeastZoomPercent = 10;
inline constexpr int kMostZoomPercent = 500;
// One step of the slider: one turn of the wheel, one press of + or -.
inline constexpr int kZoomStepPercent = 10;
// The scroll bars' range.
inline constexpr int kLeastScrollPosition = 0;
inline constexpr int kMostScrollPosition = 50;
// The corner is kept this close to the origin, where 32-bit coordinates
// still place a point to a fraction of a pixel at the greatest zoom.
inline constexpr double kFarthestCorner = 1e6;

// The plane point at the picture's top-left corner. The scroll bars put it
// on their grid (LeftEdgeFor, TopEdgeFor) and the slider keeps it; zooming
// about a point, dragging, the arrow keys and fitting put it anywhere, and
// the scroll bars then show their nearest position without moving it.
struct ViewCorner {
  double left = 0, top = 0;
};

ViewCorner CornerFor(int h, int v);

// The scroll positions that show the corner most nearly, within 0..50.
int NearestHorizontalPosition(double left);
int NearestVerticalPosition(double top);

// The edge after the user moves a scroll bar to position h (v): the edge of
// that position, shifted by however far the corner lay off the bar's grid
// while the bar could show it (half a step or less), so that every step of
// the bar moves the view by its 20 (16) units. A corner beyond the bar's
// reach goes to the position's own edge.
double ScrolledLeftEdge(double left, int h);
double ScrolledTopEdge(double top, int v);

// Drawing units per pixel of the picture at a zoom percent.
double UnitsPerPixel(int zoomPercent, double twipsPerPixel);

// A zoom `steps` slider steps away from `percent` (negative: out), within
// 10..500 %.
int SteppedZoom(int percent, int steps);

// The corner that keeps the plane point under the picture's pixel (x, y) in
// place when the zoom goes from `fromPercent` to `toPercent`.
ViewCorner ZoomedAbout(ViewCorner corner, double pixelX, double pixelY, int fromPercent, int toPercent,
                       double twipsPerPixel);

// The corner after the picture's content has been dragged by (dx, dy)
// pixels: what lay under the pointer stays under it.
ViewCorner Dragged(ViewCorner corner, double dx, double dy, int zoomPercent, double twipsPerPixel);

// The corner kept within kFarthestCorner of the origin.
ViewCorner Kept(ViewCorner corner);

struct ViewFit {
  int zoomPercent = 100;
  ViewCorner corner;
};
// The greatest whole zoom within 10..500 % at which `figures` fill at most
// 90 % of the picture's width and height (a margin of 5 % all round), and
// the corner that centres them. With no figures, the axis cross is fitted.
ViewFit FitView(const Bounds& figures, double pictureWidthTwips, double pictureHeightTwips);

// The part of the plane `figures` take, with a margin of 5 % of its larger
// side all round (at least one unit): the view of a picture that has no
// window, such as an export from the command line.
CoordinateWindow WindowAround(const Bounds& figures);

// What the cursor read-out shows for the plane point (x, y): "X=12.3 Y=-4.5",
// with as many decimals as one pixel is worth at `unitsPerPixel` (none when a
// pixel spans a unit or more, at most 6).
std::string CursorText(double x, double y, double unitsPerPixel);

}  // namespace draftcalc::view
