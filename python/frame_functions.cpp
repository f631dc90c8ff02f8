#include "python/frame_functions.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/box_texts.h"
#include "csv/box_columns.h"
#include "python/errors.h"
#include "python/frame_answers.h"
#include "python/frame_candidates.h"

namespace py = pybind11;

namespace draftcalc::python {
namespace {

// The columns a frame function writes, by its form: those are replaced
// when the frame has them already, as draftcalc-cli replaces its own.
std::span<const std::string_view> WrittenColumns(const std::string& form) {
  if (form == "numbers") return kFrameColumns;
  if (form == "texts") return csv::kAnswerColumns;
  if (form == "candidates") return kCandidateFrameColumns;
  Raise(PyExc_ValueError, "no frame form " + form);
}

// A label as a header name: a str's UTF-8; no name for any other label (an
// int, a tuple) or a str that is no UTF-8, which feed no box and are kept.
std::string_view NameOf(py::handle label) {
  if (!PyUnicode_Check(label.ptr())) return {};
  Py_ssize_t size = 0;
  const char* data = PyUnicode_AsUTF8AndSize(label.ptr(), &size);
  if (data == nullptr) {
    PyErr_Clear();
    return {};
  }
  return {data, static_cast<size_t>(size)};
}

// ([(column position, box number), ...], [positions of the columns kept]),
// the header read as draftcalc-cli reads a CSV header: box columns named
// x1 .. s3 in either case, refused when a box is named twice, a column
// would name one but for blanks around it, or none is named.
py::tuple FrameHeader(py::list labels, const std::string& form) {
  std::vector<std::string_view> names;
  for (py::handle label : labels) names.push_back(NameOf(label));
  std::string problem;
  const auto header = csv::MapHeader(names, problem, WrittenColumns(form));
  if (!header) Raise(PyExc_ValueError, "the frame's columns: " + problem);
  py::list boxes;
  for (const csv::BoxColumn& feed : header->boxColumns)
    boxes.append(py::make_tuple(feed.column, BoxIndex(feed.box.row, feed.box.column)));
  py::list kept;
  for (size_t column : header->passedOn) kept.append(column);
  return py::make_tuple(boxes, kept);
}

template <size_t N>
py::tuple NamesOf(const std::array<std::string_view, N>& names) {
  py::tuple tuple(N);
  for (size_t i = 0; i < N; ++i) tuple[i] = py::str(std::string(names[i]));
  return tuple;
}

}  // namespace

void DefineFrameFunctions(py::module_& module) {
  module.def("_frame_header", &FrameHeader, py::arg("labels"), py::arg("form"));
  module.def("_calculate_columns", &CalculateColumns, py::arg("columns"), py::arg("rows"), py::arg("texts"),
             py::arg("missing"));
  module.def("_candidate_columns", &CandidateColumns, py::arg("columns"), py::arg("rows"), py::arg("missing"));
  module.attr("FRAME_COLUMNS") = NamesOf(kFrameColumns);
  module.attr("CANDIDATE_FRAME_COLUMNS") = NamesOf(kCandidateFrameColumns);
}

}  // namespace draftcalc::python
