// Time of one calculation, 24 texts in and five captions out, for each
// catalogue calculation and for calculations that end without an answer.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "engine/calculation.h"
#include "examples/catalogue_examples.h"

namespace {

using draftcalc::examples::CatalogueEntry;

// Inputs without an answer: arithmetic without a value (the first four), and
// a fixed remark of the construction (the last two).
// clang-format off
//                                  X       Y      D     A      B    C        R     S
constexpr std::array<CatalogueEntry, 6> kFailing = {{
    {"1.2 point inside the circle", {{{"0", "0", "8", "", "", "", "", ""}, {"1", "0", "0", "", "", "", "5", "1"}, {"0.000", "0.000", "99", "", "", "", "", ""}}}},
    {"1.3 centres coincide", {{{"0", "0", "0", "", "", "", "10", "1"}, {"0", "0", "0", "", "", "", "5", "1"}, {"0.000", "0.000", "99", "", "", "", "", ""}}}},
    {"3.1 radius difference zero", {{{"0", "0", "8", "", "", "", "", ""}, {"0.000", "0.000", "5", "", "", "0", "", ""}, {"8", "0", "0", "", "", "", "10", "1"}}}},
    {"3.5 out of range", {{{"0", "0", "8", "", "", "", "", ""}, {"1e200", "0", "8", "", "", "", "", ""}, {"0", "1e200", "8", "", "", "", "", ""}}}},
    {"2.1 parallel lines", {{{"0", "0", "3", "30", "", "", "", ""}, {"0", "5", "3", "210", "", "", "", ""}, {"0.000", "0.000", "99", "", "", "", "", ""}}}},
    {"2.2 line misses the circle", {{{"0", "0", "3", "45", "", "", "", ""}, {"10", "0", "0", "", "", "", "5", ""}, {"0.000", "0.000", "99", "", "", "", "", ""}}}},
}};
// clang-format on

void BM_Calculate(benchmark::State& state, const CatalogueEntry& entry) {
  const draftcalc::InputTexts texts = entry.Texts();
  for (auto _ : state) {
    draftcalc::ResultCaptions captions = draftcalc::Calculate(texts);
    benchmark::DoNotOptimize(captions);
  }
}

// The window and the batch command keep one state and reuse its captions.
void BM_RunCalculationOnKeptState(benchmark::State& state, const CatalogueEntry& entry) {
  const draftcalc::InputTexts texts = entry.Texts();
  draftcalc::CalcState calcState;
  for (auto _ : state) {
    draftcalc::RunCalculation(calcState, texts);
    benchmark::DoNotOptimize(calcState.captions);
  }
}

// The same on inputs that must end with a remark.
void BM_Failing(benchmark::State& state, const CatalogueEntry& entry) {
  const draftcalc::InputTexts texts = entry.Texts();
  draftcalc::CalcState calcState;
  draftcalc::RunCalculation(calcState, texts);
  if (calcState.captions.ansRem.empty()) state.SkipWithError("the input has an answer");
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
  for (const auto& entry : kFailing) {
    benchmark::RegisterBenchmark(("Failing/" + std::string(entry.name)).c_str(), BM_Failing, entry)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
  }
  return true;
}();

}  // namespace

BENCHMARK_MAIN();
