#include "session/picture_view.h"

namespace draftcalc::session {

PictureView::PictureView(double twipsPerPixel) : twipsPerPixel_(twipsPerPixel), corner_(view::CornerFor(20, 30)) {}

void PictureView::Resize(double widthTwips, double heightTwips) {
  widthTwips_ = widthTwips;
  heightTwips_ = heightTwips;
}

view::CoordinateWindow PictureView::Window() const {
  const double zoom = zoomPercent_ / 100.0;
  return {static_cast<float>(corner_.left), static_cast<float>(corner_.top), view::ScaleWidthFor(widthTwips_, zoom),
          view::ScaleHeightFor(heightTwips_, zoom)};
}

void PictureView::SetZoom(int percent) { zoomPercent_ = percent <= 0 ? view::kLeastZoomPercent : percent; }

void PictureView::ScrollHorizontally(int h) { corner_.left = view::ScrolledLeftEdge(corner_.left, h); }

void PictureView::ScrollVertically(int v) { corner_.top = view::ScrolledTopEdge(corner_.top, v); }

bool PictureView::ZoomAt(double x, double y, int steps) {
  const int to = view::SteppedZoom(zoomPercent_, steps);
  if (to == zoomPercent_) return false;
  Show(to, view::ZoomedAbout(corner_, x, y, zoomPercent_, to, twipsPerPixel_));
  return true;
}

void PictureView::Drag(double dx, double dy) { corner_ = view::Dragged(corner_, dx, dy, zoomPercent_, twipsPerPixel_); }

void PictureView::Fit(const view::Bounds& figures) {
  const view::ViewFit fit = view::FitView(figures, widthTwips_, heightTwips_);
  Show(fit.zoomPercent, fit.corner);
}

void PictureView::Show(int zoomPercent, view::ViewCorner corner) {
  SetZoom(zoomPercent);
  corner_ = corner;
}

bool PictureView::Shows(const view::Bounds& figures) const {
  const view::CoordinateWindow window = Window();
  view::Bounds shown;
  shown.Add(window.left, window.Bottom());
  shown.Add(window.Right(), window.top);
  return shown.Holds(figures);
}

view::PixelMapping PictureView::Mapping() const {
  return view::MappingFor(Window(), zoomPercent_ / 100.0, twipsPerPixel_);
}

geometry::Point PictureView::PlanePoint(double x, double y) const {
  const view::PixelMapping mapping = Mapping();
  return {mapping.left + x / mapping.pixelsPerUnit, mapping.top - y / mapping.pixelsPerUnit};
}

double PictureView::PixelX(double x) const { return Mapping().PixelX(x); }

double PictureView::PixelY(double y) const { return Mapping().PixelY(y); }

std::string PictureView::CursorText(double x, double y) const {
  const geometry::Point at = PlanePoint(x, y);
  return view::CursorText(at.x, at.y, UnitsPerPixel());
}

std::string PictureView::CornerText() const { return view::CoordinateText(Window()); }

}  // namespace draftcalc::session
