// The functions the page calls: plain C functions on the module's memory
// (web/text_exchange.h), the cheapest call there is from JavaScript. One
// page, one module: the state of the last calculation is kept here for the
// redraws that follow it.
#include <emscripten/emscripten.h>

#include <array>
#include <cstdint>
#include <vector>

#include "app/catalogue.h"
#include "candidates/candidate.h"
#include "candidates/candidate_text.h"
#include "core/calc_state.h"
#include "engine/calculation.h"
#include "view/candidate_markers.h"
#include "view/clip.h"
#include "view/drawing.h"
#include "view/view_geometry.h"
#include "view/view_state.h"
#include "web/js_surface.h"
#include "web/text_exchange.h"

namespace draftcalc::web {
namespace {

struct Page {
  BoxTextsIn boxes;
  TextsOut out;
  // The last calculation, drawn until the next one or until Clear.
  ResultCaptions captions;
  std::vector<candidates::Candidate> candidates;
  std::vector<double> markers;  // x, y of each candidate's marker
  std::array<double, 4> clipped{};
  std::array<double, 2> corner{};  // left, top of the view after a zoom or a drag
};

// The page's picture is measured in CSS pixels, 15 twips each as a screen
// pixel at 96 DPI is in the window.
constexpr double kTwipsPerCssPixel = 15;

Page& ThePage() {
  static Page page;
  return page;
}

const double* CornerOut(view::ViewCorner corner) {
  ThePage().corner = {corner.left, corner.top};
  return ThePage().corner.data();
}

std::string OptionalNumber(const std::optional<double>& value) {
  return value ? candidates::ShortestNumberText(*value) : std::string();
}

// A candidate as the list shows it and draftcalc-cli --all writes it.
void AddCandidate(TextsOut& out, const candidates::Candidate& candidate) {
  out.Add(std::to_string(candidate.number));
  out.Add(candidates::ShortestNumberText(candidate.point.x));
  out.Add(candidates::ShortestNumberText(candidate.point.y));
  out.Add(OptionalNumber(candidate.direction));
  out.Add(OptionalNumber(candidate.radius));
  out.Add(candidates::EditsInWords(candidate));
  out.Add(candidates::EditsAsBoxWords(candidate));
  out.Add(candidate.isAnswer ? "answer" : "");
  out.Add(std::to_string(candidate.edits.size()));
  for (const candidates::BoxEdit& edit : candidate.edits) {
    out.Add(std::to_string(edit.row));
    out.Add(std::to_string(static_cast<int>(edit.column)));
    out.Add(edit.text);
  }
}

}  // namespace
}  // namespace draftcalc::web

using draftcalc::web::ThePage;

extern "C" {

// Room for the 24 box texts, `size` bytes in all (null for a negative
// size), and their lengths. The functions that read them refuse lengths
// that do not lay the texts within those bytes.
EMSCRIPTEN_KEEPALIVE char* dc_box_bytes(int size) { return ThePage().boxes.Bytes(size); }
EMSCRIPTEN_KEEPALIVE int32_t* dc_box_lengths() { return ThePage().boxes.Lengths(); }

// The texts of the last answer: their bytes, where each ends, how many.
EMSCRIPTEN_KEEPALIVE const char* dc_out_bytes() { return ThePage().out.Bytes(); }
EMSCRIPTEN_KEEPALIVE const int32_t* dc_out_ends() { return ThePage().out.Ends(); }
EMSCRIPTEN_KEEPALIVE int dc_out_count() { return ThePage().out.Count(); }

// Calculates the box texts: the five captions (X, Y, A, R, remark) out.
// Returns the calculation that ran, 1..12 in catalogue order, 0 for none,
// -1 for box texts refused (nothing out).
EMSCRIPTEN_KEEPALIVE int dc_calculate() {
  auto& page = ThePage();
  const auto texts = page.boxes.Texts();
  page.out.Clear();
  if (!texts) return -1;
  draftcalc::CalcState state;
  draftcalc::RunCalculation(state, *texts);
  page.captions = std::move(state.captions);
  for (auto field : draftcalc::kCaptionFields) page.out.Add(page.captions.*field);
  return static_cast<int>(state.ran);
}

// Finds the candidates of the box texts: for each, eight texts out (number,
// X, Y, A, R, the edits in words, as box words, "answer" or ""), then the
// count of its edits and row, column and text of each. Returns how many
// candidates; they are drawn from now on. -1 for box texts refused (none).
EMSCRIPTEN_KEEPALIVE int dc_find_candidates() {
  auto& page = ThePage();
  const auto texts = page.boxes.Texts();
  page.out.Clear();
  page.candidates.clear();
  page.markers.clear();
  if (!texts) return -1;
  page.candidates = draftcalc::candidates::FindCandidates(*texts);
  for (const auto& candidate : page.candidates) draftcalc::web::AddCandidate(page.out, candidate);
  for (const auto& point : draftcalc::view::MarkerPoints(page.candidates))
    page.markers.insert(page.markers.end(), {point.x, point.y});
  return static_cast<int>(page.candidates.size());
}

// Where the candidates' numbered markers stand: x, y for each, in order.
EMSCRIPTEN_KEEPALIVE const double* dc_marker_points() { return ThePage().markers.data(); }

// Clear: no answer and no candidates to draw.
EMSCRIPTEN_KEEPALIVE void dc_forget_results() {
  auto& page = ThePage();
  page.captions.Clear();
  page.candidates.clear();
  page.markers.clear();
}

// Draws the picture on Module.surface: the box texts as they stand, the last
// answer and its candidates, within the visible part of the plane (its
// top-left corner, its width and its negative height). `outOfDate`: the rows
// were edited since the calculation. Box texts refused draw nothing.
EMSCRIPTEN_KEEPALIVE void dc_redraw(double left, double top, double width, double height, int outOfDate) {
  auto& page = ThePage();
  const auto texts = page.boxes.Texts();
  if (!texts) return;
  const draftcalc::view::CoordinateWindow visible{static_cast<float>(left), static_cast<float>(top),
                                                  static_cast<float>(width), static_cast<float>(height)};
  draftcalc::web::JsSurface surface;
  const auto look = outOfDate ? draftcalc::view::AnswerLook::kOutOfDate : draftcalc::view::AnswerLook::kCurrent;
  draftcalc::view::Drawing(surface, *texts, page.captions, visible, look, page.candidates).Redraw();
}

// The 24 box texts at start-up and after Clear out.
EMSCRIPTEN_KEEPALIVE void dc_startup_texts() {
  auto& page = ThePage();
  page.out.Clear();
  for (int row = 0; row < draftcalc::kRowCount; ++row) {
    for (int column = 0; column < draftcalc::kColumnCount; ++column) {
      page.out.Add(draftcalc::StartupText(row, static_cast<draftcalc::Column>(column)));
    }
  }
}

// The left and the top edge of the view at a position of the window's
// scroll bars (0..50).
EMSCRIPTEN_KEEPALIVE double dc_left_edge(int h) { return draftcalc::view::LeftEdgeFor(h); }
EMSCRIPTEN_KEEPALIVE double dc_top_edge(int v) { return draftcalc::view::TopEdgeFor(v); }

// The view's moves, as the window makes them: plane units per CSS pixel at a
// zoom; the zoom `steps` wheel steps away (within 10..500 %); the top-left
// corner (out as left, top) that keeps the point under pixel (x, y) in place
// from one zoom to another, or that follows a drag by (dx, dy) pixels.
EMSCRIPTEN_KEEPALIVE double dc_units_per_pixel(int zoomPercent) {
  return draftcalc::view::UnitsPerPixel(zoomPercent, draftcalc::web::kTwipsPerCssPixel);
}
EMSCRIPTEN_KEEPALIVE int dc_stepped_zoom(int percent, int steps) {
  return draftcalc::view::SteppedZoom(percent, steps);
}
EMSCRIPTEN_KEEPALIVE const double* dc_zoomed_about(double left, double top, double x, double y, int fromPercent,
                                                   int toPercent) {
  return draftcalc::web::CornerOut(
      draftcalc::view::ZoomedAbout({left, top}, x, y, fromPercent, toPercent, draftcalc::web::kTwipsPerCssPixel));
}
EMSCRIPTEN_KEEPALIVE const double* dc_dragged(double left, double top, double dx, double dy, int zoomPercent) {
  return draftcalc::web::CornerOut(
      draftcalc::view::Dragged({left, top}, dx, dy, zoomPercent, draftcalc::web::kTwipsPerCssPixel));
}

// The part of the segment (x1, y1)-(x2, y2) inside the rectangle, for the
// canvas surface: 1 and its ends at dc_clipped(), or 0 when none of it is.
EMSCRIPTEN_KEEPALIVE int dc_clip_segment(double x1, double y1, double x2, double y2, double xMin, double yMin,
                                         double xMax, double yMax) {
  const auto shown = draftcalc::view::ClipSegment({x1, y1, x2, y2}, xMin, yMin, xMax, yMax);
  if (!shown) return 0;
  ThePage().clipped = {shown->x1, shown->y1, shown->x2, shown->y2};
  return 1;
}
EMSCRIPTEN_KEEPALIVE const double* dc_clipped() { return ThePage().clipped.data(); }

// The lines of the catalogue guide out.
EMSCRIPTEN_KEEPALIVE int dc_catalogue() {
  auto& page = ThePage();
  page.out.Clear();
  for (std::string_view line : draftcalc::app::kCatalogue) page.out.Add(line);
  return page.out.Count();
}

// The catalogue line of a calculation's title (1..12), -1 for none.
EMSCRIPTEN_KEEPALIVE int dc_catalogue_title_line(int calculation) {
  if (calculation < 1 || calculation > draftcalc::kCalculationCount) return -1;
  return draftcalc::app::CatalogueTitleIndex(static_cast<draftcalc::CalculationId>(calculation));
}

}  // extern "C"
