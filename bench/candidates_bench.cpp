// All candidates of one record with their edits, for each catalogue
// calculation and a few inputs with many answers or many selectors
// (target: <= 20 us median each).
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "candidates/candidate.h"
#include "examples/catalogue_examples.h"

namespace {

using draftcalc::examples::CatalogueEntry;

// clang-format off
//                                  X       Y      D     A      B    C        R     S
constexpr std::array<CatalogueEntry, 6> kVaried = {{
    {"3.3 six answers on a horizontal line", {{{"0", "0", "3", "0", "", "", "", ""}, {"0.000", "0.000", "5", "", "", "5", "", ""}, {"20", "3", "0", "", "", "", "10", "1"}}}},
    {"3.3 eight answers on a slanted line", {{{"-3", "4", "3", "30", "2", "", "", ""}, {"0.000", "0.000", "5", "", "", "2", "", ""}, {"0", "4", "0", "", "", "", "5", ""}}}},
    {"3.4 eight answers with S empty", {{{"0", "0", "0", "", "", "", "10", ""}, {"0.000", "0.000", "5", "", "", "3", "", ""}, {"12", "0", "0", "", "", "", "10", ""}}}},
    {"3.1 and 3.2 both routes", {{{"-13", "0", "8", "", "", "", "", ""}, {"0.000", "0.000", "5", "", "", "6", "", ""}, {"0", "0", "0", "", "", "", "-5", "1"}}}},
    {"2.2 chord middle", {{{"0", "0", "3", "45", "", "", "", ""}, {"10", "0", "0", "", "", "", "8", "0"}, {"0.000", "0.000", "99", "", "", "", "", ""}}}},
    {"3.6 triangle typed far away", {{{"1000", "2000", "3", "10", "5", "", "", ""}, {"1100", "2000", "3", "130", "0", "", "", ""}, {"1050", "2100", "3", "-110", "-5", "", "", ""}}}},
}};
// clang-format on

void BM_FindCandidates(benchmark::State& state, const CatalogueEntry& entry) {
  const draftcalc::InputTexts texts = entry.Texts();
  for (auto _ : state) {
    auto candidates = draftcalc::candidates::FindCandidates(texts);
    benchmark::DoNotOptimize(candidates);
  }
  state.counters["candidates"] = static_cast<double>(draftcalc::candidates::FindCandidates(texts).size());
}

const bool registered = [] {
  for (const auto& entry : draftcalc::examples::kCatalogue)
    benchmark::RegisterBenchmark(("FindCandidates/" + std::string(entry.name)).c_str(), BM_FindCandidates, entry)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
  for (const auto& entry : kVaried)
    benchmark::RegisterBenchmark(("FindCandidates/" + std::string(entry.name)).c_str(), BM_FindCandidates, entry)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
  return true;
}();

}  // namespace

BENCHMARK_MAIN();
