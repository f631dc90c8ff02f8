#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "view/draw_surface.h"
#include "view/view_geometry.h"

namespace draftcalc::view {

// The layer's name in an export: AXES, INPUT, CANDIDATES or ANSWER.
std::string_view LayerName(Layer layer);
inline constexpr Layer kLayersInDrawingOrder[] = {Layer::kAxes, Layer::kInput, Layer::kCandidates, Layer::kAnswer};

// A figure as a vector export keeps it, in drawing units.
struct VectorFigure {
  enum class Kind { kLine, kCircle, kLabel, kPoint };
  Kind kind = Kind::kLine;
  Layer layer = Layer::kAxes;
  int colour = kBlack;
  bool dashed = false;
  double x1 = 0, y1 = 0;  // a line's first end, a circle's centre, a label's anchor, a point
  double x2 = 0, y2 = 0;  // a line's other end
  double radius = 0;
  std::string text;  // a label's
  TextAlign align = TextAlign::kLeft;
};

// A drawing surface that keeps what the picture shows of each figure: lines
// and outlines clipped to the view as the picture clips them, circles whose
// outline crosses the view, labels and points that lie in it, each with its
// layer, colour and stroke. The SVG and DXF surfaces write these out.
class VectorSurface : public DrawSurface {
 public:
  // `view` is the part of the plane shown; `unitsPerPixel` what one pixel of
  // the picture spans, for strokes, dashes and labels of the picture's size.
  VectorSurface(const CoordinateWindow& view, double unitsPerPixel) : view_(view), unitsPerPixel_(unitsPerPixel) {}

  void Clear() override { figures_.clear(); }
  void MoveTo(double x, double y) override { currentX_ = x, currentY_ = y; }
  void LineTo(double x, double y, int colour) override;
  void Box(double x1, double y1, double x2, double y2, int colour) override;
  void Circle(double x, double y, double radius, int colour) override;
  void SetLineStyle(LineStyle style) override { style_ = style; }
  void Label(double x, double y, std::string_view text, int colour, TextAlign align) override;
  void Dot(double x, double y, int colour) override;
  void BeginLayer(Layer layer) override { layer_ = layer; }

  const std::vector<VectorFigure>& Figures() const { return figures_; }
  const CoordinateWindow& View() const { return view_; }
  double UnitsPerPixel() const override { return unitsPerPixel_; }

 private:
  void AddClippedLine(double x1, double y1, double x2, double y2, int colour);
  bool InView(double x, double y) const {
    return x >= view_.left && x <= view_.Right() && y >= view_.Bottom() && y <= view_.top;
  }
  VectorFigure Figure(VectorFigure::Kind kind, int colour) const;

  CoordinateWindow view_;
  double unitsPerPixel_;
  std::vector<VectorFigure> figures_;
  double currentX_ = 0, currentY_ = 0;
  LineStyle style_ = LineStyle::kSolid;
  Layer layer_ = Layer::kAxes;
};

// The shortest decimal text that reads back to the same double, without an
// exponent ("8.8037", "-450", "0.0000001"); "0" for either zero.
std::string PlainNumber(double value);
// The same for a 32-bit value (the view's edges): the shortest text that
// reads back to the same 32-bit value ("36.36068").
std::string PlainNumber(float value);

}  // namespace draftcalc::view
