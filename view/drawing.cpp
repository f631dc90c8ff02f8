#include "view/drawing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/number_parse.h"
#include "geometry/degrees.h"
#include "trig/line_form.h"
#include "view/candidate_markers.h"
#include "view/clip.h"
#include "view/label_placement.h"

namespace draftcalc::view {
namespace {

// Input lines are drawn across the square |x|, |y| <= 500; vertical ones
// from y = -250 to y = 800.
constexpr double kHalfSpan = 500;
constexpr double kVerticalBottom = -250;
constexpr double kVerticalTop = 800;
// Half the width of a candidate's cross, in drawing units: a little smaller
// than the answer's square, so that the square shows around the cross of
// the candidate it is.
constexpr double kMarkerHalf = 0.7;
// Half the side of the answer's square.
constexpr double kAnswerHalf = 1;

bool FitsSingle(double value) { return std::fabs(value) <= std::numeric_limits<float>::max(); }

// A text converted as a whole; nullopt when the text is not a number or the
// number does not fit a 32-bit value.
std::optional<double> WholeSingle(std::string_view text) {
  const auto value = ConvertWholeText(text);
  if (!value || !FitsSingle(*value)) return std::nullopt;
  return *value;
}

}  // namespace

void Drawing::Redraw() {
  surface_.Clear();
  DrawAxes();
  for (int row = 0; row < kRowCount; ++row) DrawInputRow(row);
  DrawCandidates();
  DrawAnswer();
}

void Drawing::PenPlot(std::string_view mode, double x, double y) {
  if (mode == "S") {
    surface_.MoveTo(x, y);
  } else {
    surface_.LineTo(x, y, penColor_);
  }
}

void Drawing::UsePen(Layer layer, int colour, LineStyle style) {
  surface_.BeginLayer(layer);
  penColor_ = colour;
  surface_.SetLineStyle(style);
}

void Drawing::DrawAxes() {
  UsePen(Layer::kAxes, kBlack, LineStyle::kSolid);
  PenPlot("S", -10, 0);
  PenPlot("L", 10, 0);
  PenPlot("S", 0, -10);
  PenPlot("L", 0, 10);
}

void Drawing::DrawInputRow(int row) {
  UsePen(Layer::kInput, kLightBlue, LineStyle::kSolid);
  const std::string_view code = texts_(row, colD);
  if (code == "8") {
    DrawInputPoint(row);
  } else if (code == "1" || code == "2" || code == "3") {
    DrawInputLine(row);
  } else if (code == "0") {
    DrawInputCircle(row);
  }
}

// A point is a circle of radius 1 unit, so the marker grows with the zoom.
void Drawing::DrawInputPoint(int row) {
  const auto x = WholeSingle(texts_(row, colX));
  const auto y = WholeSingle(texts_(row, colY));
  if (x && y) surface_.Circle(*x, *y, 1, penColor_);
}

void Drawing::DrawInputCircle(int row) {
  const auto x = WholeSingle(texts_(row, colX));
  const auto y = WholeSingle(texts_(row, colY));
  const double radius = std::fabs(ParseLeadingNumber(texts_(row, colR)));
  if (x && y && FitsSingle(radius)) surface_.Circle(*x, *y, radius, penColor_);
}

// From the right end (x = 500) to the left end (x = -500), an end beyond the
// band |y| <= 500 moved along the line to the band edge on the side it left
// (y = 500 above it, y = -500 below it): the line's part inside the square
// |x|, |y| <= 500. A line that misses the square, such as a level line
// outside the band, is not drawn. B shifts the line to the left of its
// direction for every line code.
void Drawing::DrawInputLine(int row) {
  const LineForm line = LineFormOf(ParseLeadingNumber(texts_(row, colX)), ParseLeadingNumber(texts_(row, colY)),
                                   ParseLeadingNumber(texts_(row, colA)), ParseLeadingNumber(texts_(row, colB)));
  if (line.vertical) return DrawInputVerticalLine(row, line.verticalX);

  const double m = line.slope, c = line.intercept;
  const Segment across{kHalfSpan, m * kHalfSpan + c, -kHalfSpan, m * -kHalfSpan + c};
  const auto shown = ClipSegment(across, -kHalfSpan, -kHalfSpan, kHalfSpan, kHalfSpan);
  if (!shown) return;
  PenPlot("S", shown->x1, shown->y1);
  PenPlot("L", shown->x2, shown->y2);
}

// Only where X and A are numbers as a whole.
void Drawing::DrawInputVerticalLine(int row, double x) {
  if (!ConvertWholeText(texts_(row, colX)) || !ConvertWholeText(texts_(row, colA)) || !FitsSingle(x)) return;
  PenPlot("S", x, kVerticalBottom);
  PenPlot("L", x, kVerticalTop);
}

// A point answer shows as a small square, a circle answer as its circle with
// the square at the centre, an angle answer as a line through the point.
// A figure whose centre or x is missing is left out. A remark reports a
// failure: the numbers beside it (the typed point and a tangent, a circle
// touching nothing) are no answer and are not drawn.
void Drawing::DrawAnswer() {
  if (look_ == AnswerLook::kCurrent) {
    UsePen(Layer::kAnswer, kLightRed, LineStyle::kSolid);
  } else {
    UsePen(Layer::kAnswer, kGrey, LineStyle::kDashed);
  }
  if (!captions_.ansRem.empty()) return;
  const candidates::Candidate* shown = ShownCandidate();
  if (shown && shown->radius) {
    DrawCandidateCircle(shown->point, *shown->radius);
  } else if (!captions_.ansR.empty()) {
    const auto x = WholeSingle(captions_.ansX);
    const auto y = WholeSingle(captions_.ansY);
    const double radius = std::fabs(ParseLeadingNumber(captions_.ansR));
    if (x && y && FitsSingle(radius)) surface_.Circle(*x, *y, radius, penColor_);
  }
  if (!captions_.ansA.empty()) DrawAnswerLine();
  if (shown) {
    DrawAnswerSquare(shown->point.x, shown->point.y);
    DrawTouches(*shown);
  } else if (!captions_.ansX.empty()) {
    const auto x = ConvertWholeText(captions_.ansX);
    const auto y = ConvertWholeText(captions_.ansY);
    if (x && y) DrawAnswerSquare(*x, *y);
  }
}

void Drawing::DrawAnswerSquare(double x, double y) {
  if (FitsSingle(x + kAnswerHalf) && FitsSingle(y + kAnswerHalf)) {
    surface_.Box(x - kAnswerHalf, y - kAnswerHalf, x + kAnswerHalf, y + kAnswerHalf, penColor_);
  }
}

const candidates::Candidate* Drawing::ShownCandidate() const {
  if (!captions_.ansRem.empty()) return nullptr;
  for (const candidates::Candidate& candidate : candidates_) {
    if (candidate.isAnswer) return &candidate;
  }
  return nullptr;
}

// From x = -500 to x = 500 however steep, clipped to the visible window so
// that a near-vertical line keeps drawable coordinates.
void Drawing::DrawAnswerLine() {
  const LineForm answer = LineFormOf(ParseLeadingNumber(captions_.ansX), ParseLeadingNumber(captions_.ansY),
                                     ParseLeadingNumber(captions_.ansA), 0);
  if (answer.vertical) return DrawAnswerVerticalLine();

  const double m = answer.slope, c = answer.intercept;
  const Segment line{-kHalfSpan, m * -kHalfSpan + c, kHalfSpan, m * kHalfSpan + c};
  const auto shown = ClipSegment(line, visible_.left, visible_.Bottom(), visible_.Right(), visible_.top);
  if (!shown) return;
  PenPlot("S", shown->x1, shown->y1);
  PenPlot("L", shown->x2, shown->y2);
}

void Drawing::DrawAnswerVerticalLine() {
  const auto x = ConvertWholeText(captions_.ansX);
  if (!x || !FitsSingle(*x)) return;
  PenPlot("S", *x, kVerticalBottom);
  PenPlot("L", *x, kVerticalTop);
}

// A circle answer as its circle, a tangent or an angle as its line across
// the visible window, each with a cross at its marker, a dot at each
// touching point, and its number beside the marker.
void Drawing::DrawCandidates() {
  if (look_ == AnswerLook::kOutOfDate || candidates_.empty() || !drawCandidates_) return;
  UsePen(Layer::kCandidates, kGreen, LineStyle::kSolid);
  const std::vector<geometry::Point> markers = MarkerPoints(candidates_);
  for (size_t i = 0; i < candidates_.size(); ++i) {
    const candidates::Candidate& candidate = candidates_[i];
    if (candidate.droppedFrom) {
      DrawSegment(*candidate.droppedFrom, candidate.point);
    } else if (candidate.radius) {
      DrawCandidateCircle(candidate.point, *candidate.radius);
    } else if (candidate.direction) {
      DrawLineThrough(candidate.point, *candidate.direction);
    }
    DrawCross(markers[i]);
    DrawTouches(candidate);
  }
  DrawMarkerLabels(markers);
}

void Drawing::DrawTouches(const candidates::Candidate& candidate) {
  for (const geometry::Point& touch : candidate.touches) {
    if (FitsSingle(touch.x) && FitsSingle(touch.y)) surface_.Dot(touch.x, touch.y, penColor_);
  }
}

// Clear of the markers, of each other and of the answer's square, which
// the answer's own marker lies in.
void Drawing::DrawMarkerLabels(const std::vector<geometry::Point>& markers) {
  std::optional<geometry::Point> square;
  if (const candidates::Candidate* shown = ShownCandidate()) square = shown->point;
  std::vector<MarkerLabel> labels;
  std::vector<Bounds> obstacles;
  if (square) {
    Bounds box;
    box.Add(square->x - kAnswerHalf, square->y - kAnswerHalf);
    box.Add(square->x + kAnswerHalf, square->y + kAnswerHalf);
    obstacles.push_back(box);
  }
  for (size_t i = 0; i < markers.size(); ++i) {
    double clearance = kMarkerHalf;
    if (square) {
      const double off = std::max(std::fabs(markers[i].x - square->x), std::fabs(markers[i].y - square->y));
      if (off < kAnswerHalf) clearance = std::max(clearance, kAnswerHalf + off);
    }
    labels.push_back({markers[i], std::to_string(candidates_[i].number), clearance});
  }
  const std::vector<PlacedLabel> placed = PlaceLabels(labels, obstacles, surface_.UnitsPerPixel());
  for (size_t i = 0; i < placed.size(); ++i) {
    const geometry::Point at = placed[i].anchor;
    if (FitsSingle(at.x) && FitsSingle(at.y)) surface_.Label(at.x, at.y, labels[i].text, penColor_, placed[i].align);
  }
}

void Drawing::DrawCandidateCircle(geometry::Point centre, double radius) {
  if (FitsSingle(centre.x) && FitsSingle(centre.y) && FitsSingle(radius)) {
    surface_.Circle(centre.x, centre.y, radius, penColor_);
  }
}

// Long enough from the point to cross the whole visible window, then
// clipped to it, so that only drawable coordinates reach the surface.
void Drawing::DrawLineThrough(geometry::Point point, double degrees) {
  const geometry::Vector along = geometry::UnitVector(degrees);
  const double middleX = visible_.left + visible_.width / 2.0, middleY = visible_.top + visible_.height / 2.0;
  const double reach = std::hypot(point.x - middleX, point.y - middleY) + std::hypot(visible_.width, visible_.height);
  const Segment line{point.x - reach * along.x, point.y - reach * along.y, point.x + reach * along.x,
                     point.y + reach * along.y};
  const auto shown = ClipSegment(line, visible_.left, visible_.Bottom(), visible_.Right(), visible_.top);
  if (!shown) return;
  PenPlot("S", shown->x1, shown->y1);
  PenPlot("L", shown->x2, shown->y2);
}

void Drawing::DrawSegment(geometry::Point from, geometry::Point to) {
  const auto shown =
      ClipSegment({from.x, from.y, to.x, to.y}, visible_.left, visible_.Bottom(), visible_.Right(), visible_.top);
  if (!shown) return;
  PenPlot("S", shown->x1, shown->y1);
  PenPlot("L", shown->x2, shown->y2);
}

void Drawing::DrawCross(geometry::Point at) {
  if (!FitsSingle(std::fabs(at.x) + kMarkerHalf) || !FitsSingle(std::fabs(at.y) + kMarkerHalf)) return;
  PenPlot("S", at.x - kMarkerHalf, at.y - kMarkerHalf);
  PenPlot("L", at.x + kMarkerHalf, at.y + kMarkerHalf);
  PenPlot("S", at.x - kMarkerHalf, at.y + kMarkerHalf);
  PenPlot("L", at.x + kMarkerHalf, at.y - kMarkerHalf);
}

}  // namespace draftcalc::view
