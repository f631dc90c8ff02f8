#include "explain/fix_search.h"

#include <cmath>

#include "core/number_text.h"
#include "engine/calculation.h"

namespace draftcalc::explain {
namespace {

// The captions' grid: four decimals, coarser where a double holds fewer.
double GridStep(double near) {
  const double magnitude = std::fabs(near);
  if (magnitude < 1e10) return 1e-4;
  return std::pow(10.0, std::floor(std::log10(magnitude)) - 14);
}

// The grid value at or beyond `limit`, going `direction` (+1 or -1).
double OnGrid(double limit, int direction) {
  const double step = GridStep(limit);
  const double steps = limit / step;
  // Within a whisker of a grid line already: that line.
  const double nearest = std::round(steps);
  if (std::fabs(steps - nearest) < 1e-6) return nearest * step;
  return (direction > 0 ? std::ceil(steps) : std::floor(steps)) * step;
}

constexpr int kMostSteps = 4;

}  // namespace

bool FixSearch::Answers(int row, Column column, const std::string& text) const {
  InputTexts edited = texts_;
  edited(row, column) = text;
  RunCalculation(state_, edited);
  return state_.captions.ansRem.empty() && state_.ran != CalculationId::kNone;
}

bool FixSearch::Answers(int row, Column column, double value) const {
  return std::isfinite(value) && Answers(row, column, NumberText(value));
}

void FixSearch::Take(int row, Column column, double from, double to) {
  const double change = std::fabs(to - from);
  if (best_ && change >= bestChange_) return;
  best_ = candidates::BoxEdit{row, column, NumberText(to), false};
  bestChange_ = change;
}

void FixSearch::Offer(int row, Column column, double value, double limit) {
  if (!std::isfinite(limit) || limit == value) return;
  const int direction = limit > value ? 1 : -1;
  double to = OnGrid(limit, direction);
  int steps = 0;
  while (!Answers(row, column, to)) {
    if (++steps > kMostSteps) return;
    to += direction * GridStep(to);
  }
  // Back towards the typed value while that still answers.
  for (int back = 0; back < kMostSteps; ++back) {
    const double nearer = to - direction * GridStep(to);
    if ((nearer - value) * direction <= 0 || !Answers(row, column, nearer)) break;
    to = nearer;
  }
  Take(row, column, value, to);
}

void FixSearch::Search(int row, Column column, double value) {
  for (const int direction : {1, -1}) {
    // Outwards until it answers: from a ten-thousandth, doubling.
    double reach = GridStep(value);
    double failing = value;
    bool found = false;
    for (int i = 0; i < 60 && !found; ++i) {
      const double tried = OnGrid(value + direction * reach, direction);
      if (Answers(row, column, tried)) {
        found = true;
        reach = tried - value;
      } else {
        failing = tried;
        reach *= 2;
      }
    }
    if (!found) continue;
    // Narrowed down between the last that failed and the first that answered.
    double answering = value + reach;
    while (std::fabs(answering - failing) > 1.5 * GridStep(answering)) {
      const double middle = OnGrid((answering + failing) / 2, direction);
      if (middle == answering || middle == failing) break;
      (Answers(row, column, middle) ? answering : failing) = middle;
    }
    Take(row, column, value, answering);
  }
}

void FixSearch::OfferText(int row, Column column, std::string text) {
  if (!text_ && Answers(row, column, text)) text_ = candidates::BoxEdit{row, column, std::move(text), false};
}

std::vector<candidates::BoxEdit> FixSearch::Best() const {
  if (best_) return {*best_};
  if (text_) return {*text_};
  return {};
}

}  // namespace draftcalc::explain
