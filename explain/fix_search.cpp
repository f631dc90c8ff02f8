#include "explain/fix_search.h"

#include <algorithm>
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

// Smaller than the best change so far (any change when there is none).
bool FixSearch::Nearer(double change) const { return !best_ || change < bestChange_; }

void FixSearch::Offer(int row, Column column, double value, double limit) {
  if (std::isfinite(limit) && limit != value) offers_.push_back({row, column, value, limit});
}

void FixSearch::Search(int row, Column column, double value) { searches_.push_back({row, column, value, 0}); }

void FixSearch::OfferText(int row, Column column, std::string text) {
  offeredTexts_.push_back({row, column, std::move(text), false});
}

void FixSearch::TryOffer(const Box& offer) {
  const int direction = offer.limit > offer.value ? 1 : -1;
  const auto farther = [&](double from, int steps) { return from + steps * direction * GridStep(from); };
  double to = OnGrid(offer.limit, direction);
  if (!Nearer(std::fabs(to - offer.value))) return;
  if (!Answers(offer.row, offer.column, to)) {
    // Rounding can miss the limit itself by a step or so; an offer that
    // does not answer a few steps past it does not answer at all.
    if (!Answers(offer.row, offer.column, farther(to, kMostSteps))) return;
    for (int step = 1; step < kMostSteps && !Answers(offer.row, offer.column, farther(to, 1)); ++step) {
      to = farther(to, 1);
    }
    to = farther(to, 1);
  }
  // Back towards the typed value while that still answers.
  for (int back = 0; back < kMostSteps; ++back) {
    const double nearer = farther(to, -1);
    if ((nearer - offer.value) * direction <= 0 || !Answers(offer.row, offer.column, nearer)) break;
    to = nearer;
  }
  Take(offer.row, offer.column, offer.value, to);
}

void FixSearch::TrySearch(const Box& search) {
  const double value = search.value;
  for (const int direction : {1, -1}) {
    // Outwards until it answers: from a ten-thousandth, doubling, never
    // beyond a nearer answer already found.
    double reach = GridStep(value);
    double failing = value;
    bool found = false;
    for (int i = 0; i < 60 && !found && Nearer(reach); ++i) {
      const double tried = OnGrid(value + direction * reach, direction);
      if (Answers(search.row, search.column, tried)) {
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
      (Answers(search.row, search.column, middle) ? answering : failing) = middle;
    }
    Take(search.row, search.column, value, answering);
  }
}

std::vector<candidates::BoxEdit> FixSearch::Best() {
  if (!resolved_) {
    resolved_ = true;
    const auto change = [](const Box& offer) { return std::fabs(offer.limit - offer.value); };
    std::stable_sort(offers_.begin(), offers_.end(), [&](const Box& a, const Box& b) { return change(a) < change(b); });
    for (const Box& offer : offers_) {
      // An offer's change is at least its distance to the limit, less a step.
      if (!Nearer(change(offer) - GridStep(offer.limit))) break;
      TryOffer(offer);
    }
    // The offers hold the limits of every branch the geometry knows; a
    // search is for what they miss.
    if (!best_) {
      for (const Box& search : searches_) TrySearch(search);
    }
    for (const candidates::BoxEdit& text : offeredTexts_) {
      if (best_) break;
      if (Answers(text.row, text.column, text.text)) best_ = text;
    }
  }
  if (best_) return {*best_};
  return {};
}

}  // namespace draftcalc::explain
