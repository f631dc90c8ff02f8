#pragma once

#include <string>

#include "geometry/plane.h"
#include "view/bounds.h"
#include "view/view_geometry.h"
#include "view/view_state.h"

namespace draftcalc::session {

// Which part of the plane the picture shows, and every way of moving it:
// the zoom (10 to 500 % in steps of 10) and the plane point at the picture's
// top-left corner, for a picture of a given size. The window and the page
// give the size and the input; the slider, the scroll bars, the zoom figure
// and the read-outs show what this says.
class PictureView {
 public:
  // `twipsPerPixel`: the window's (15 at 96 DPI), or the page's CSS pixel.
  explicit PictureView(double twipsPerPixel);

  double TwipsPerPixel() const { return twipsPerPixel_; }
  // The picture's size, in twips.
  void Resize(double widthTwips, double heightTwips);
  double WidthTwips() const { return widthTwips_; }
  double HeightTwips() const { return heightTwips_; }

  int ZoomPercent() const { return zoomPercent_; }
  view::ViewCorner Corner() const { return corner_; }
  // The visible part of the plane, as the drawing takes it.
  view::CoordinateWindow Window() const;
  double UnitsPerPixel() const { return view::UnitsPerPixel(zoomPercent_, twipsPerPixel_); }
  // The scroll bars' positions nearest the corner, 0..50.
  int HorizontalPosition() const { return view::NearestHorizontalPosition(corner_.left); }
  int VerticalPosition() const { return view::NearestVerticalPosition(corner_.top); }

  // The slider: the zoom set, the corner kept (0 stands for 10 %).
  void SetZoom(int percent);
  // A scroll bar moved to position h (v), 0..50.
  void ScrollHorizontally(int h);
  void ScrollVertically(int v);
  // `steps` zoom steps in (negative: out) about the picture's pixel (x, y),
  // the plane point under it kept there; false when the zoom stays.
  bool ZoomAt(double x, double y, int steps);
  // The content dragged by (dx, dy) pixels.
  void Drag(double dx, double dy);
  // The corner and zoom that fit `figures` (or the axis cross).
  void Fit(const view::Bounds& figures);
  void Show(int zoomPercent, view::ViewCorner corner);

  // Whether all of `figures` lies within the visible part.
  bool Shows(const view::Bounds& figures) const;
  // How the plane maps to the picture's pixels.
  view::PixelMapping Mapping() const;
  // The plane point under a pixel of the picture, and back.
  geometry::Point PlanePoint(double x, double y) const;
  double PixelX(double x) const;
  double PixelY(double y) const;
  // "X=12.3 Y=-4.5" for the plane point under the pixel, to about a pixel.
  std::string CursorText(double x, double y) const;
  // "X=-50.Y=-3.525421": the visible part's lower-left corner, as the
  // status bar shows it.
  std::string CornerText() const;

 private:
  double twipsPerPixel_;
  double widthTwips_ = 0, heightTwips_ = 0;
  int zoomPercent_ = 100;
  view::ViewCorner corner_;
};

}  // namespace draftcalc::session
