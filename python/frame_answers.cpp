#include "python/frame_answers.h"

#include <pybind11/numpy.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/calc_state.h"
#include "engine/calculation.h"
#include "python/frame_cells.h"
#include "python/number_results.h"
#include "python/object_arrays.h"
#include "python/text_number.h"
#include "python/text_runs.h"

namespace py = pybind11;

namespace draftcalc::python {
namespace {

// Rows read and calculated between two takings of the GIL: the texts of a
// run stay small, and other threads get the GIL in between.
constexpr size_t kRunRows = 4096;

constexpr size_t kNumberCount = 4;  // ansX, ansY, ansA, ansR

// The answer columns of a frame under way, filled run by run: X, Y, A, R as
// numbers or texts, the remarks as numbers of their distinct texts and the
// calculations as they ran until their objects are made.
class AnswerColumns {
 public:
  AnswerColumns(size_t rows, bool texts) : texts_(texts) {
    for (size_t i = 0; i < kNumberCount; ++i) {
      numbers_[i] = texts ? NewObjectArray(rows) : py::array_t<double>(rows);
      if (!texts) numberData_[i] = static_cast<double*>(numbers_[i].mutable_data());
    }
    remarks_ = NewObjectArray(rows);
    if (!texts) calculationColumn_ = NewObjectArray(rows);
  }

  // Without the GIL: the captions of `state` as the answer of row `row`,
  // the next of the run under way.
  void Keep(size_t row, const CalcState& state) {
    const std::array<const std::string*, 5> captions = csv::CaptionsInColumnOrder(state.captions);
    for (size_t i = 0; i < kNumberCount; ++i) {
      if (texts_) {
        captionTexts_[i].Add(*captions[i]);
      } else {
        numberData_[i][row] = NumberOfText(*captions[i]).value_or(std::numeric_limits<double>::quiet_NaN());
      }
    }
    remarkNumbers_.push_back(remarkTexts_.NumberOf(state.captions.ansRem));
    calculations_.push_back(state.ran);
  }

  // With the GIL: the objects of rows [begin, begin + count), kept in that order.
  void MakeObjects(size_t begin, size_t count) {
    for (size_t index = 0; index < count; ++index) {
      const size_t row = begin + index;
      for (size_t i = 0; texts_ && i < kNumberCount; ++i) SetText(numbers_[i], row, captionTexts_[i][index]);
      SetObject(remarks_, row, remarkTexts_.ObjectOf(remarkNumbers_[index]));
      if (!texts_) SetObject(calculationColumn_, row, CalculationObject(calculations_[index]));
    }
    for (TextRun& run : captionTexts_) run.Clear();
    remarkNumbers_.clear();
    calculations_.clear();
  }

  py::dict Columns() {
    py::dict columns;
    for (size_t i = 0; i < kNumberCount; ++i) columns[py::str(std::string(csv::kAnswerColumns[i]))] = numbers_[i];
    columns[py::str(std::string(csv::kAnswerColumns[kNumberCount]))] = remarks_;
    if (!texts_) columns[py::str(std::string(kCalculationColumn))] = calculationColumn_;
    return columns;
  }

 private:
  bool texts_;
  std::array<py::array, kNumberCount> numbers_;
  std::array<double*, kNumberCount> numberData_{};
  std::array<TextRun, kNumberCount> captionTexts_;
  py::array remarks_, calculationColumn_;
  DistinctTexts remarkTexts_;
  std::vector<uint32_t> remarkNumbers_;
  std::vector<CalculationId> calculations_;
};

}  // namespace

py::dict CalculateColumns(py::list columns, size_t rows, bool texts, py::handle missing) {
  std::vector<BoxColumnCells> boxColumns = BoxColumnsOf(columns, rows);
  AnswerColumns answers(rows, texts);
  // Boxes that no column feeds keep their start-up texts, as in draftcalc-cli.
  InputTexts boxTexts = StartupTexts();
  CalcState state;
  const auto calculate = [&](size_t begin, size_t count) {
    for (size_t index = 0; index < count; ++index) {
      GiveRow(boxColumns, index, boxTexts);
      RunCalculation(state, boxTexts);
      answers.Keep(begin + index, state);
    }
  };
  InRuns(boxColumns, rows, kRunRows, missing, calculate,
         [&](size_t begin, size_t count) { answers.MakeObjects(begin, count); });
  return answers.Columns();
}

}  // namespace draftcalc::python
