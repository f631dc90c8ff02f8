#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "candidates/candidate.h"
#include "core/calc_state.h"
#include "core/input_texts.h"
#include "view/draw_surface.h"
#include "view/view_geometry.h"

namespace draftcalc::view {

// Whether the shown answer belongs to the input rows as they stand.
enum class AnswerLook {
  kCurrent,    // light red, solid
  kOutOfDate,  // grey, dashed: the rows were edited after the calculation
};

// One redraw of the picture area: the axis cross, the three input rows as
// typed (light blue), every candidate answer of the last calculation (green,
// numbered) and the answer read back from the result captions (light red,
// or dashed grey when out of date). Keeps nothing between redraws; the
// picture follows from the texts, the captions, the answer's look, the
// candidates and the visible window alone.
class Drawing {
 public:
  // `visible` is the part of the plane the picture area shows; the answer
  // line is clipped to it. `candidates` are those of the calculation that
  // gave the captions: drawn, or with kAnswerOnly only lending the answer
  // its exact figure.
  enum class Candidates { kDrawn, kAnswerOnly };
  Drawing(DrawSurface& surface, const InputTexts& texts, const ResultCaptions& captions,
          const CoordinateWindow& visible, AnswerLook look = AnswerLook::kCurrent,
          std::span<const candidates::Candidate> candidates = {}, Candidates use = Candidates::kDrawn)
      : surface_(surface),
        texts_(texts),
        captions_(captions),
        visible_(visible),
        look_(look),
        candidates_(candidates),
        drawCandidates_(use == Candidates::kDrawn) {}

  // Clears the picture and draws everything, later figures over earlier ones.
  void Redraw();

  void DrawAxes();
  void DrawInputRow(int row);
  // Nothing while the answer is out of date: the candidates belong to the
  // rows that were calculated, and a click on one would apply its edits to
  // rows it does not belong to.
  void DrawCandidates();
  // The answer of the captions. Where a candidate is the answer, its exact
  // figure: the circle and the square at its centre in full precision (the
  // captions round to 4 places and leave out the radius of some circle
  // constructions), and its touching points; else the captions' figure.
  void DrawAnswer();

  // The palette colour of the next figure; the answer's colour after a redraw.
  int penColor() const { return penColor_; }

 private:
  // Sets the layer, the colour and the stroke of the figures that follow.
  void UsePen(Layer layer, int colour, LineStyle style);
  // Mode "S" moves the pen to (x, y); any other mode draws to it.
  void PenPlot(std::string_view mode, double x, double y);

  void DrawInputPoint(int row);
  void DrawInputLine(int row);
  void DrawInputVerticalLine(int row, double x);
  void DrawInputCircle(int row);
  void DrawAnswerLine();
  void DrawAnswerVerticalLine();
  void DrawCandidateCircle(geometry::Point centre, double radius);
  void DrawLineThrough(geometry::Point point, double degrees);
  // The part of the segment within the visible window.
  void DrawSegment(geometry::Point from, geometry::Point to);
  void DrawCross(geometry::Point at);
  void DrawTouches(const candidates::Candidate& candidate);
  void DrawMarkerLabels(const std::vector<geometry::Point>& markers);
  void DrawAnswerSquare(double x, double y);
  // The candidate the captions show, if any: none for a failure.
  const candidates::Candidate* ShownCandidate() const;

  DrawSurface& surface_;
  const InputTexts& texts_;
  const ResultCaptions& captions_;
  CoordinateWindow visible_;
  AnswerLook look_;
  std::span<const candidates::Candidate> candidates_;
  bool drawCandidates_ = true;
  int penColor_ = kBlack;
};

}  // namespace draftcalc::view
