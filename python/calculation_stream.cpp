#include "python/calculation_stream.h"

#include <string>

#include "python/box_mapping.h"
#include "python/errors.h"

namespace py = pybind11;

namespace draftcalc::python {
namespace {

std::string RecordPrefix(size_t index) { return "record " + std::to_string(index) + ": "; }

}  // namespace

py::object CalculationStream::Next() {
  const py::object record = py::reinterpret_steal<py::object>(PyIter_Next(records_.ptr()));
  if (!record) {
    if (PyErr_Occurred() != nullptr) throw py::error_already_set();
    throw py::stop_iteration();
  }
  const size_t index = nextIndex_++;
  boxes_.Reset();
  keepAlive_.clear();
  try {
    ReadBoxes(record, boxes_, keepAlive_);
    return numbers_ ? AnswerNumbers(boxes_.Texts(), state_, options_) : Answer(boxes_.Texts(), state_, options_);
  } catch (py::error_already_set& error) {
    RaisePrefixed(error, RecordPrefix(index));
  }
}

}  // namespace draftcalc::python
