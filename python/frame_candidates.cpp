#include "python/frame_candidates.h"

#include <pybind11/numpy.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "candidates/candidate.h"
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

// Fewer rows a run than for the answers alone: a search takes some microseconds.
constexpr size_t kRunRows = 512;

constexpr size_t kNumberCount = 4;  // ansX, ansY, ansA, ansR
constexpr size_t kEditsField = 5;   // candSet in kCandidateColumns
constexpr size_t kFieldCount = candidates::kCandidateColumns.size();

double NumberOrNaN(std::string_view text) {
  return NumberOfText(text).value_or(std::numeric_limits<double>::quiet_NaN());
}

// The output rows gathered without the GIL, column by column.
struct CandidateRows {
  std::vector<int64_t> inputRow;
  std::array<std::vector<double>, kNumberCount> answers;
  std::vector<uint32_t> remark;
  DistinctTexts remarkTexts;
  std::vector<CalculationId> calculation;
  std::array<std::vector<double>, kFieldCount> fields;  // cand and the numbers; candSet's stays empty
  TextRun edits;

  void Add(size_t row, const CalcState& state, const candidates::CandidateFields& candidate) {
    inputRow.push_back(static_cast<int64_t>(row));
    const std::array<const std::string*, 5> captions = csv::CaptionsInColumnOrder(state.captions);
    for (size_t i = 0; i < kNumberCount; ++i) answers[i].push_back(NumberOrNaN(*captions[i]));
    remark.push_back(remarkTexts.NumberOf(state.captions.ansRem));
    calculation.push_back(state.ran);
    for (size_t i = 0; i < kFieldCount; ++i)
      if (i != kEditsField) fields[i].push_back(NumberOrNaN(candidate[i]));
    edits.Add(candidate[kEditsField]);
  }
};

template <class T>
py::array ArrayOf(const std::vector<T>& values) {
  return py::array_t<T>(static_cast<py::ssize_t>(values.size()), values.data());
}

py::array ObjectsOf(const std::vector<uint32_t>& numbers, DistinctTexts& texts) {
  py::array objects = NewObjectArray(numbers.size());
  for (size_t i = 0; i < numbers.size(); ++i) SetObject(objects, i, texts.ObjectOf(numbers[i]));
  return objects;
}

py::dict ColumnsOf(CandidateRows& rows) {
  py::dict columns;
  size_t name = 0;
  const auto put = [&](py::array array) { columns[py::str(std::string(kCandidateFrameColumns[name++]))] = array; };
  for (const std::vector<double>& answer : rows.answers) put(ArrayOf(answer));
  put(ObjectsOf(rows.remark, rows.remarkTexts));
  py::array calculations = NewObjectArray(rows.calculation.size());
  for (size_t i = 0; i < rows.calculation.size(); ++i)
    SetObject(calculations, i, CalculationObject(rows.calculation[i]));
  put(calculations);
  for (size_t i = 0; i < kFieldCount; ++i) {
    if (i == kEditsField) {
      py::array edits = NewObjectArray(rows.edits.Size());
      for (size_t row = 0; row < rows.edits.Size(); ++row) SetText(edits, row, rows.edits[row]);
      put(edits);
    } else if (i == 0) {  // cand: whole numbers
      std::vector<int64_t> numbers(rows.fields[0].begin(), rows.fields[0].end());
      put(ArrayOf(numbers));
    } else {
      put(ArrayOf(rows.fields[i]));
    }
  }
  return columns;
}

}  // namespace

py::tuple CandidateColumns(py::list columns, size_t rows, py::handle missing) {
  std::vector<BoxColumnCells> boxColumns = BoxColumnsOf(columns, rows);
  CandidateRows found;
  InputTexts boxTexts = StartupTexts();
  CalcState state;
  const auto search = [&](size_t begin, size_t count) {
    for (size_t index = 0; index < count; ++index) {
      GiveRow(boxColumns, index, boxTexts);
      RunCalculation(state, boxTexts);
      const std::vector<candidates::Candidate> candidates = candidates::FindCandidates(boxTexts);
      if (candidates.empty()) found.Add(begin + index, state, candidates::NoCandidateFields());
      for (const candidates::Candidate& candidate : candidates)
        found.Add(begin + index, state, candidates::FieldsOf(candidate));
    }
  };
  InRuns(boxColumns, rows, kRunRows, missing, search, [](size_t, size_t) {});
  return py::make_tuple(ArrayOf(found.inputRow), ColumnsOf(found));
}

}  // namespace draftcalc::python
