// Explaining one failing record: the reason from the exact geometry and the
// nearest one-box edit that answers, checked with the calculation (target:
// <= 5 us median each, given the record's calculation and candidates, which
// a failing record has computed already).
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "candidates/candidate.h"
#include "engine/calculation.h"
#include "examples/catalogue_examples.h"
#include "explain/explain.h"

namespace {

using draftcalc::examples::CatalogueEntry;

// clang-format off
//                                  X       Y      D     A      B    C        R     S
constexpr std::array<CatalogueEntry, 10> kFailing = {{
    {"1.2 point inside the circle", {{{"1", "0", "8", "", "", "", "", ""}, {"0", "0", "0", "", "", "", "5", "1"}, {"0.000", "0.000", "99", "", "", "", "", ""}}}},
    {"1.3 circle inside circle", {{{"0", "0", "0", "", "", "", "10", "1"}, {"1", "0", "0", "", "", "", "5", "1"}, {"0.000", "0.000", "99", "", "", "", "", ""}}}},
    {"2.1 parallel lines", {{{"0", "0", "3", "30", "", "", "", ""}, {"4", "0", "3", "30", "", "", "", ""}, {"0.000", "0.000", "99", "", "", "", "", ""}}}},
    {"2.2 line misses the circle", {{{"0", "20", "3", "0", "", "", "", ""}, {"10", "0", "0", "", "", "", "8", "1"}, {"0.000", "0.000", "99", "", "", "", "", ""}}}},
    {"2.3 circles apart", {{{"0", "0", "0", "", "", "", "5", "1"}, {"0.000", "0.000", "5", "", "", "0", "", ""}, {"20", "0", "0", "", "", "", "5", "1"}}}},
    {"3.2 no circle on these sides", {{{"0", "30", "8", "", "", "", "", ""}, {"0.000", "0.000", "5", "", "", "5", "", ""}, {"0", "0", "0", "", "", "", "10", "1"}}}},
    {"3.3 radius too small", {{{"0", "0", "3", "0", "", "", "", ""}, {"0.000", "0.000", "5", "", "", "2", "", ""}, {"0", "20", "0", "", "", "", "5", "1"}}}},
    {"3.4 radius too small", {{{"0", "0", "0", "", "", "", "5", "1"}, {"0.000", "0.000", "5", "", "", "5", "", ""}, {"30", "0", "0", "", "", "", "5", "1"}}}},
    {"3.5 collinear points", {{{"0", "0", "8", "", "", "", "", ""}, {"1", "1", "8", "", "", "", "", ""}, {"2", "2", "8", "", "", "", "", ""}}}},
    {"rows in no order", {{{"0", "0", "8", "", "", "", "", ""}, {"0", "0", "3", "0", "", "", "", ""}, {"0.000", "0.000", "99", "", "", "", "", ""}}}},
}};
// clang-format on

void BM_Explain(benchmark::State& state, const CatalogueEntry& entry) {
  const draftcalc::InputTexts texts = entry.Texts();
  draftcalc::CalcState shown;
  draftcalc::RunCalculation(shown, texts);
  const auto found = draftcalc::candidates::FindCandidates(texts);
  if (shown.captions.ansRem.empty()) state.SkipWithError("the record answers");
  for (auto _ : state) {
    auto explanation = draftcalc::explain::Explain(texts, shown, found);
    benchmark::DoNotOptimize(explanation);
  }
}

const bool registered = [] {
  for (const auto& entry : kFailing)
    benchmark::RegisterBenchmark(("Explain/" + std::string(entry.name)).c_str(), BM_Explain, entry)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
  return true;
}();

}  // namespace

BENCHMARK_MAIN();
