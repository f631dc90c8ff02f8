#pragma once

#include <pybind11/pybind11.h>

#include <vector>

#include "core/calc_state.h"
#include "csv/named_boxes.h"
#include "python/answer.h"

namespace draftcalc::python {

// What calculate_many returns (and, giving numbers, calculate_many_numbers): an iterator that takes the next mapping of
// box texts from the records only when asked for the next answer, so a
// stream of any length runs in constant memory. One element table serves
// every record (each calculation starts from its own texts, so the records
// stay independent), and no Python function is called per record.
class CalculationStream {
 public:
  // Each answer a dict of texts, or with `numbers` a draftcalc.Numbers.
  CalculationStream(pybind11::iterator records, AnswerOptions options, bool numbers = false)
      : records_(std::move(records)), options_(options), numbers_(numbers) {}

  // The answer of the next record; StopIteration after the last. A record
  // that cannot be read (or with `strict` is not read whole) raises its
  // TypeError or ValueError, its number (from 0) in front; the stream goes
  // on with the next record when asked.
  pybind11::object Next();

 private:
  pybind11::iterator records_;
  AnswerOptions options_;
  bool numbers_;
  size_t nextIndex_ = 0;
  csv::NamedBoxes boxes_;
  std::vector<pybind11::object> keepAlive_;
  CalcState state_;
};

// calculate_many_numbers' iterator: the same stream, a type of its own for Python.
class NumbersStream : public CalculationStream {
 public:
  NumbersStream(pybind11::iterator records, AnswerOptions options)
      : CalculationStream(std::move(records), options, true) {}
};

}  // namespace draftcalc::python
