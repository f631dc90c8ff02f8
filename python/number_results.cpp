#include "python/number_results.h"

#include <array>
#include <string>
#include <string_view>

#include "candidates/candidate_fields.h"
#include "python/result_dicts.h"
#include "python/text_number.h"

namespace py = pybind11;

namespace draftcalc::python {
namespace {

// A type of draftcalc._types, imported once and kept for the life of the
// process (never released: the interpreter may be gone when statics are).
py::handle ResultType(const char* name) {
  return py::object(py::module_::import("draftcalc._types").attr(name)).release();
}

py::object NumberOrNone(std::string_view text) {
  const auto number = NumberOfText(text);
  return number ? py::object(py::float_(*number)) : py::object(py::none());
}

}  // namespace

py::handle CalculationObject(CalculationId id) {
  static const auto objects = [] {
    std::array<py::handle, kCalculationCount + 1> made{};
    for (int i = 0; i <= kCalculationCount; ++i)
      made[i] = py::str(std::string(CatalogueNumber(static_cast<CalculationId>(i)))).release();
    return made;
  }();
  return objects[static_cast<size_t>(id)];
}

py::object NumbersOf(const ResultCaptions& captions, CalculationId ran, py::dict texts) {
  static const py::handle type = ResultType("Numbers");
  return type(NumberOrNone(captions.ansX), NumberOrNone(captions.ansY), NumberOrNone(captions.ansA),
              NumberOrNone(captions.ansR), texts["ansRem"], CalculationObject(ran), texts);
}

py::list CandidateNumbersOf(const std::vector<candidates::Candidate>& found) {
  static const py::handle type = ResultType("CandidateNumbers");
  const py::list dicts = CandidateDicts(found);
  py::list numbers(found.size());
  for (size_t c = 0; c < found.size(); ++c) {
    const candidates::CandidateFields fields = candidates::FieldsOf(found[c]);
    const py::dict texts = dicts[c];
    // cand, candX, candY, candA, candR, candSet, as in kCandidateColumns.
    numbers[c] =
        type(found[c].number, NumberOrNone(fields[1]), NumberOrNone(fields[2]), NumberOrNone(fields[3]),
             NumberOrNone(fields[4]), texts["candSet"], texts["touch"], CalculationObject(found[c].calculation), texts);
  }
  return numbers;
}

}  // namespace draftcalc::python
