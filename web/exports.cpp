// The functions the page calls: plain C functions on the module's memory
// (web/text_exchange.h), the cheapest call there is from JavaScript. One
// page, one module, one session (session/session.h): the page hands it what
// the user typed and did and shows what it says, as the window does.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "candidates/candidate.h"
#include "candidates/candidate_text.h"
#include "session/catalogue.h"
#include "session/help_page.h"
#include "session/session.h"
#include "view/candidate_markers.h"
#include "view/clip.h"
#include "view/drawing_documents.h"
#include "web/js_surface.h"
#include "web/text_exchange.h"

namespace draftcalc::web {
namespace {

// The page's picture is measured in CSS pixels, 15 twips each as a screen
// pixel at 96 DPI is in the window.
constexpr double kTwipsPerCssPixel = 15;

struct Page {
  session::Session session{kTwipsPerCssPixel};
  BoxTextsIn boxes;
  TextsOut out;
  std::vector<double> markers;  // x, y of each candidate's marker
  std::array<double, 4> numbers{};
};

Page& ThePage() {
  static Page page;
  return page;
}

const double* NumbersOut(std::initializer_list<double> values) {
  std::copy(values.begin(), values.end(), ThePage().numbers.begin());
  return ThePage().numbers.data();
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
  out.Add(std::to_string(candidate.touches.size()));
  for (const geometry::Point& touch : candidate.touches) {
    out.Add(candidates::ShortestNumberText(touch.x));
    out.Add(candidates::ShortestNumberText(touch.y));
  }
}

// The texts JavaScript wrote, handed to the session as typed; false when
// their lengths were refused.
bool TypeWrittenBoxes() {
  Page& page = ThePage();
  const auto texts = page.boxes.Texts();
  if (!texts) return false;
  for (int row = 0; row < kRowCount; ++row) {
    for (int column = 0; column < kColumnCount; ++column) {
      page.session.Type(BoxIndex(row, static_cast<Column>(column)),
                        std::string((*texts)(row, static_cast<Column>(column))));
    }
  }
  return true;
}

int Code(session::Session::Change change) { return static_cast<int>(change); }

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

// The box texts written are what the user typed: 0, or -1 when refused.
EMSCRIPTEN_KEEPALIVE int dc_type() { return draftcalc::web::TypeWrittenBoxes() ? 0 : -1; }

// Types the box texts written, then calculates them: the five captions (X,
// Y, A, R, remark) out. Returns the calculation that ran, 1..12 in catalogue
// order, 0 for none, -1 for box texts refused (nothing out).
EMSCRIPTEN_KEEPALIVE int dc_calculate() {
  auto& page = ThePage();
  page.out.Clear();
  if (!draftcalc::web::TypeWrittenBoxes()) return -1;
  page.session.Calculate();
  for (auto field : draftcalc::kCaptionFields) page.out.Add(page.session.Shown().captions.*field);
  return static_cast<int>(page.session.Shown().ran);
}

// The session's actions. Each returns what it did: 0 nothing, 1 new rows,
// 2 new rows calculated, 3 rows and result as they were (undo, redo).
EMSCRIPTEN_KEEPALIVE int dc_clear() { return draftcalc::web::Code(ThePage().session.Clear()); }
EMSCRIPTEN_KEEPALIVE int dc_pick(int number) { return draftcalc::web::Code(ThePage().session.Pick(number)); }
EMSCRIPTEN_KEEPALIVE int dc_undo() { return draftcalc::web::Code(ThePage().session.Undo()); }
EMSCRIPTEN_KEEPALIVE int dc_redo() { return draftcalc::web::Code(ThePage().session.Redo()); }
// The language of the reasons: 1 Japanese, anything else English.
EMSCRIPTEN_KEEPALIVE void dc_set_language(int japanese) {
  ThePage().session.SetLanguage(japanese == 1 ? draftcalc::i18n::Language::kJapanese
                                              : draftcalc::i18n::Language::kEnglish);
}
// The suggested edit of a failure written into the rows and calculated.
// Candidate `number` into input row `row` (0..2) as the element it is.
EMSCRIPTEN_KEEPALIVE int dc_use_as_row(int number, int row) {
  return draftcalc::web::Code(ThePage().session.UseAsRow(number, row));
}
EMSCRIPTEN_KEEPALIVE int dc_apply_fix() { return draftcalc::web::Code(ThePage().session.ApplyFix()); }
// Picks `step` candidates on (wrapping round when `wrap`); returns the
// number picked, 0 for none.
EMSCRIPTEN_KEEPALIVE int dc_step(int step, int wrap) { return ThePage().session.Step(step, wrap != 0).number; }

// What the page shows, out: the 24 box texts, the five captions, the title
// of the calculation that ran, the reason there is no answer and its fix
// in the rows' words and as box words ("" for an answer), and for each box how it is read
// when not whole ("" when it is). Returns flags: 1 a result is shown, 2 it
// is out of date, 4 Ctrl+Z has something to undo, 8 Ctrl+Y to redo, 16 a
// box was typed into since the program last set the rows, 32 the result
// is a failure (it has a remark).
EMSCRIPTEN_KEEPALIVE int dc_shown() {
  auto& page = ThePage();
  const draftcalc::session::Session& session = page.session;
  const draftcalc::session::Result& result = session.Shown();
  page.out.Clear();
  for (const std::string& text : session.Boxes()) page.out.Add(text);
  for (auto field : draftcalc::kCaptionFields) page.out.Add(result.captions.*field);
  page.out.Add(draftcalc::session::CatalogueTitle(result.ran));
  page.out.Add(result.explanation.why);
  page.out.Add(draftcalc::explain::FixInWords(result.explanation));
  page.out.Add(draftcalc::explain::FixAsBoxWords(result.explanation));
  for (size_t box = 0; box < session.Boxes().size(); ++box) page.out.Add(session.PartialReading(box).value_or(""));
  return (session.HasResult() ? 1 : 0) | (session.IsOutOfDate() ? 2 : 0) | (session.CanUndo() ? 4 : 0) |
         (session.CanRedo() ? 8 : 0) | (session.TypedSinceProgramEdit() ? 16 : 0) | (result.Failed() ? 32 : 0);
}
EMSCRIPTEN_KEEPALIVE int dc_picked() { return ThePage().session.Picked(); }
EMSCRIPTEN_KEEPALIVE int dc_ran() { return static_cast<int>(ThePage().session.Shown().ran); }

// The candidates of the result shown: for each, eight texts out (number, X,
// Y, A, R, the edits in words, as box words, "answer" or ""), then the count
// of its edits and row, column and text of each. Returns how many.
EMSCRIPTEN_KEEPALIVE int dc_candidates() {
  auto& page = ThePage();
  const auto& candidates = page.session.Shown().candidates;
  page.out.Clear();
  for (const auto& candidate : candidates) draftcalc::web::AddCandidate(page.out, candidate);
  page.markers.clear();
  for (const auto& point : draftcalc::view::MarkerPoints(candidates))
    page.markers.insert(page.markers.end(), {point.x, point.y});
  return static_cast<int>(candidates.size());
}
// Where the candidates' numbered markers stand: x, y for each, in order.
EMSCRIPTEN_KEEPALIVE const double* dc_marker_points() { return ThePage().markers.data(); }

// The view. The picture's size in CSS pixels; zoom steps about a pixel
// (whether the zoom changed); a drag by pixels; Zoom to fit; whether to fit
// after each calculation; the zoom in percent.
EMSCRIPTEN_KEEPALIVE void dc_view_resize(double width, double height) {
  ThePage().session.View().Resize(width * draftcalc::web::kTwipsPerCssPixel,
                                  height * draftcalc::web::kTwipsPerCssPixel);
}
EMSCRIPTEN_KEEPALIVE int dc_view_zoom_at(double x, double y, int steps) {
  return ThePage().session.View().ZoomAt(x, y, steps) ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE void dc_view_drag(double dx, double dy) { ThePage().session.View().Drag(dx, dy); }
EMSCRIPTEN_KEEPALIVE void dc_view_fit() { ThePage().session.Fit(); }
EMSCRIPTEN_KEEPALIVE void dc_set_fit_after_calculation(int fit) { ThePage().session.SetFitAfterCalculation(fit != 0); }
EMSCRIPTEN_KEEPALIVE int dc_view_zoom() { return ThePage().session.View().ZoomPercent(); }
// How the plane maps to the picture's pixels: left, top (the plane point at
// the top-left corner) and pixels per unit.
EMSCRIPTEN_KEEPALIVE const double* dc_view_mapping() {
  const draftcalc::view::PixelMapping mapping = ThePage().session.View().Mapping();
  return draftcalc::web::NumbersOut({mapping.left, mapping.top, mapping.pixelsPerUnit});
}
// The read-outs out: "X=12.3 Y=-4.5" under the pixel, the lower-left corner.
EMSCRIPTEN_KEEPALIVE void dc_view_read_outs(double x, double y) {
  auto& page = ThePage();
  page.out.Clear();
  page.out.Add(page.session.View().CursorText(x, y));
  page.out.Add(page.session.View().CornerText());
}

// Draws the picture on Module.surface as the session's view shows it.
EMSCRIPTEN_KEEPALIVE void dc_redraw() {
  const draftcalc::session::Session& session = ThePage().session;
  draftcalc::web::JsSurface surface(1 / session.View().Mapping().pixelsPerUnit);
  session.Draw(surface);
}

// The help as HTML out, the window's F1 text.
EMSCRIPTEN_KEEPALIVE void dc_help() {
  auto& page = ThePage();
  page.out.Clear();
  page.out.Add(draftcalc::session::HelpHtml(page.session.Language()));
}

// The drawing of the rows, the answer and the candidates as the SVG file
// draftcalc-cli calc --all --svg writes for them, out.
EMSCRIPTEN_KEEPALIVE void dc_svg() {
  auto& page = ThePage();
  const draftcalc::session::Session& session = page.session;
  const auto drawn = session.IsOutOfDate() ? std::span<const draftcalc::candidates::Candidate>()
                                           : std::span(session.Shown().candidates);
  page.out.Clear();
  page.out.Add(draftcalc::view::SvgDocument(draftcalc::ViewsOf(session.Boxes()), session.Shown().captions, drawn));
}

// The part of the segment (x1, y1)-(x2, y2) inside the rectangle, for the
// canvas surface: 1 and its ends at dc_clipped(), or 0 when none of it is.
EMSCRIPTEN_KEEPALIVE int dc_clip_segment(double x1, double y1, double x2, double y2, double xMin, double yMin,
                                         double xMax, double yMax) {
  const auto shown = draftcalc::view::ClipSegment({x1, y1, x2, y2}, xMin, yMin, xMax, yMax);
  if (!shown) return 0;
  ThePage().numbers = {shown->x1, shown->y1, shown->x2, shown->y2};
  return 1;
}
EMSCRIPTEN_KEEPALIVE const double* dc_clipped() { return ThePage().numbers.data(); }

// The lines of the catalogue guide out.
EMSCRIPTEN_KEEPALIVE int dc_catalogue() {
  auto& page = ThePage();
  page.out.Clear();
  for (std::string_view line : draftcalc::session::kCatalogue) page.out.Add(line);
  return page.out.Count();
}

// The catalogue line of a calculation's title (1..12), -1 for none.
EMSCRIPTEN_KEEPALIVE int dc_catalogue_title_line(int calculation) {
  if (calculation < 1 || calculation > draftcalc::kCalculationCount) return -1;
  return draftcalc::session::CatalogueTitleIndex(static_cast<draftcalc::CalculationId>(calculation));
}

}  // extern "C"
