// Time of one calculation, 24 texts in and five captions out, for each
// catalogue calculation.
#include <benchmark/benchmark.h>

#include "engine/calculation.h"
#include "examples/catalogue_examples.h"

namespace {

void BM_Calculate(benchmark::State& state, const draftcalc::examples::CatalogueEntry& entry) {
  const draftcalc::InputTexts texts = entry.Texts();
  for (auto _ : state) {
    draftcalc::ResultCaptions captions = draftcalc::Calculate(texts);
    benchmark::DoNotOptimize(captions);
  }
}

// The window and the batch command keep one state and reuse its captions.
void BM_RunCalculationOnKeptState(benchmark::State& state, const draftcalc::examples::CatalogueEntry& entry) {
  const draftcalc::InputTexts texts = entry.Texts();
  draftcalc::CalcState calcState;
  for (auto _ : state) {
    draftcalc::RunCalculation(calcState, texts);
    benchmark::DoNotOptimize(calcState.captions);
  }
}

const bool registered = [] {
  for (const auto& entry : draftcalc::examples::kCatalogue) {
    benchmark::RegisterBenchmark(("Calculate/" + std::string(entry.name)).c_str(), BM_Calculate, entry)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark(("RunCalculation/" + std::string(entry.name)).c_str(), BM_RunCalculationOnKeptState,
                                 entry)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
  }
  return true;
}();

}  // namespace

BENCHMARK_MAIN();
