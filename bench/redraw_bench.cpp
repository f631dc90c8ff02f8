// One full redraw of the picture area, three input elements, the candidates
// and an answer, painted on the offscreen platform; and zoom to fit with the
// redraw it makes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "app/form_miret.h"
#include "app/window_parts.h"
#include "examples/catalogue_examples.h"
#include "temporary_home.h"

namespace {

// Shows the window with a catalogue example calculated; skips the benchmark
// when the window cannot be shown.
bool ShowExample(benchmark::State& state, draftcalc::app::Form_miret& form, int catalogueIndex) {
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) {
    state.SkipWithError("window not exposed");
    return false;
  }
  const auto& entry = draftcalc::examples::kCatalogue[static_cast<size_t>(catalogueIndex)];
  for (int row = 0; row < draftcalc::kRowCount; ++row) {
    const auto boxes = RowBoxes(form, row);
    for (int column = 0; column < draftcalc::kColumnCount; ++column) {
      const auto text = entry.rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
      boxes[static_cast<size_t>(column)]->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
  }
  Part<QPushButton>(form, "calculate")->click();
  return true;
}

void Reported(benchmark::internal::Benchmark* benchmark) {
  benchmark->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

void BM_Redraw(benchmark::State& state, int catalogueIndex) {
  draftcalc::app::Form_miret form;
  if (!ShowExample(state, form, catalogueIndex)) return;
  for (auto _ : state) form.Redraw();
}
// Three lines and the circle touching them; three points and their circle;
// two circles and the four candidate circles touching both, numbered.
BENCHMARK_CAPTURE(BM_Redraw, three_lines, 11)->Apply(Reported);
BENCHMARK_CAPTURE(BM_Redraw, three_points, 10)->Apply(Reported);
BENCHMARK_CAPTURE(BM_Redraw, two_circles_with_candidates, 9)->Apply(Reported);

// Zoom to fit and the one full redraw it makes (target: <= 1 ms median).
void BM_FitAndRedraw(benchmark::State& state, int catalogueIndex) {
  draftcalc::app::Form_miret form;
  if (!ShowExample(state, form, catalogueIndex)) return;
  // Every fit works the figures out again and sets the controls, wherever
  // the view was; the first one moves it.
  form.PanByPixels({300, -200});
  for (auto _ : state) form.ZoomToFit();
}
BENCHMARK_CAPTURE(BM_FitAndRedraw, two_circles_with_candidates, 9)->Apply(Reported);
BENCHMARK_CAPTURE(BM_FitAndRedraw, three_lines, 11)->Apply(Reported);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const TemporaryHome home;  // each calculation is added to a history
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
