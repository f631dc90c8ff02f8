#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/calc_state.h"
#include "core/calculation_id.h"
#include "core/input_texts.h"

namespace draftcalc::candidates {

// One way to make one of the calculation's choices: up to two boxes and the
// texts to write into them.
struct SelectorState {
  struct Box {
    int row = 0;
    Column column = colX;
    std::string text;
  };
  std::array<Box, 2> boxes;
  int boxCount = 0;
  bool reversesLine = false;
};

// A choice the calculation makes from a sign or a line's direction. The
// texts as typed are one way of making it, unless they take neither side
// (an S of 0); `alternatives` are the others.
struct Selector {
  bool typedIsAState = true;
  std::vector<SelectorState> alternatives;
};

// The selectors the calculation `ran` depends on, for the texts as typed
// and their rows as read into `table` (see FindCandidates). Selectors whose
// value has no sign to change (a radius or C of 0) are left out.
std::vector<Selector> SelectorsOf(CalculationId ran, const InputTexts& texts, const CalcState& table);

}  // namespace draftcalc::candidates
