#pragma once

#include <optional>
#include <string>
#include <vector>

#include "candidates/candidate.h"
#include "core/calc_state.h"
#include "core/input_texts.h"

namespace draftcalc::explain {

// Finds the nearest input that gives an answer by changing one number box:
// each box is offered with the limits the calculation's own conditions put
// on it (a radius that must reach a distance, a C between two bounds), the
// value taken just past the limit on the captions' grid of four decimals,
// checked with the calculation itself, and stepped back while a smaller
// change still answers. Of all the boxes offered, the smallest change wins;
// offers are tried smallest first, so that one that answers spares the
// calculations of all the larger ones.
class FixSearch {
 public:
  explicit FixSearch(const InputTexts& texts) : texts_(texts) {}

  // Box (row 0..2, column) holding `value` works once it reaches `limit`.
  void Offer(int row, Column column, double value, double limit);
  // Box (row, column) holding `value`, no limit known: searched outwards
  // in both directions, then narrowed down (some dozens of calculations),
  // when no offer answers.
  void Search(int row, Column column, double value);
  // A whole text for a box, such as a D code: taken when it answers and
  // nothing numeric was found.
  void OfferText(int row, Column column, std::string text);

  // No edit searched: Best() gives none (the fix is found elsewhere).
  void Skip() { resolved_ = true; }

  // The edit: the nearest answering offer, else the nearest answer of the
  // searches, else the text offered first that answers; empty when none does.
  std::vector<candidates::BoxEdit> Best();

 private:
  struct Box {
    int row;
    Column column;
    double value;
    double limit;  // for an offer
  };

  bool Answers(int row, Column column, const std::string& text) const;
  bool Answers(int row, Column column, double value) const;
  void TryOffer(const Box& offer);
  void TrySearch(const Box& search);
  void Take(int row, Column column, double from, double to);
  bool Nearer(double change) const;

  const InputTexts& texts_;
  mutable CalcState state_;
  std::vector<Box> offers_;
  std::vector<Box> searches_;
  std::vector<candidates::BoxEdit> offeredTexts_;
  bool resolved_ = false;
  std::optional<candidates::BoxEdit> best_;
  double bestChange_ = 0;
};

}  // namespace draftcalc::explain
