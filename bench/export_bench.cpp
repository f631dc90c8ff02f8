// A full picture (three input rows, every candidate, the answer) drawn into
// the DXF and SVG surfaces and written out as a document, as an export from
// the window or draftcalc-cli does (target: DXF <= 5 ms median).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "candidates/candidate.h"
#include "engine/calculation.h"
#include "examples/catalogue_examples.h"
#include "view/drawing.h"
#include "view/dxf_surface.h"
#include "view/figure_extent.h"
#include "view/svg_surface.h"
#include "view/view_state.h"

namespace {

using draftcalc::examples::CatalogueEntry;

template <typename Surface>
void BM_Export(benchmark::State& state, const CatalogueEntry& entry) {
  const draftcalc::InputTexts texts = entry.Texts();
  const draftcalc::ResultCaptions captions = draftcalc::Calculate(texts);
  const std::vector<draftcalc::candidates::Candidate> found = draftcalc::candidates::FindCandidates(texts);
  const draftcalc::view::CoordinateWindow window =
      draftcalc::view::WindowAround(draftcalc::view::FigureBounds(texts, captions, found));
  size_t bytes = 0;
  for (auto _ : state) {
    Surface surface(window, window.width / 800);
    draftcalc::view::Drawing(surface, texts, captions, window, draftcalc::view::AnswerLook::kCurrent, found).Redraw();
    const std::string document = surface.Document();
    bytes = document.size();
    benchmark::DoNotOptimize(document.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_Dxf(benchmark::State& state, const CatalogueEntry& entry) {
  BM_Export<draftcalc::view::DxfSurface>(state, entry);
}
void BM_Svg(benchmark::State& state, const CatalogueEntry& entry) {
  BM_Export<draftcalc::view::SvgSurface>(state, entry);
}

// Two circles and the four circles touching both, numbered; three lines and
// the circle touching them.
const CatalogueEntry& kTwoCircles = draftcalc::examples::kCatalogue[9];
const CatalogueEntry& kThreeLines = draftcalc::examples::kCatalogue[11];

BENCHMARK_CAPTURE(BM_Dxf, two_circles_with_candidates, kTwoCircles)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Dxf, three_lines_with_candidates, kThreeLines)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Svg, two_circles_with_candidates, kTwoCircles)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
